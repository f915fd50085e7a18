// Reading the curve at the trace, and the searches along it.
#include "GraphTrace.h"

#include "GraphComputation.h"

#include <QTimer>

namespace pellitor::graph {

namespace {
// A search runs in slices of this long, so that keys and paints come between them.
constexpr int SliceMs = 20;
// Columns evaluated between two looks at the clock.
constexpr int StepsPerLook = 16;
} // namespace

GraphTrace::GraphTrace(const platform::NumberText& numbers, MessageTranslator translateMessage, QObject* parent)
    : QObject(parent), m_texts(numbers), m_translateMessage(std::move(translateMessage))
{
}

void GraphTrace::setCurve(const GraphCurve* curve)
{
    setExpression(curve && curve->refusal.empty() ? curve->postfix : std::u16string(), curve && curve->degrees);
}

void GraphTrace::setExpression(const std::u16string& postfix, bool degrees)
{
    if (postfix == m_postfix && degrees == m_degrees)
        return;
    cancelSearch();
    m_postfix = postfix;
    m_degrees = degrees;
    m_compiled.reset();
    m_reading = {};
}

CompiledPostfix& GraphTrace::compiled()
{
    if (!m_compiled)
        m_compiled = std::make_unique<CompiledPostfix>(m_postfix, m_degrees);
    return *m_compiled;
}

void GraphTrace::moveTo(float x, std::optional<double> pixel)
{
    m_x = x;
    m_pixel = pixel;
    m_reading = readable() ? evaluate(compiled(), x) : Evaluation{};
}

QString GraphTrace::readout() const
{
    const QString at = (m_name.isEmpty() ? QString() : m_name + QStringLiteral(": "))
                       + tr("x = %1").arg(m_pixel ? m_texts.x(m_x, *m_pixel) : m_texts.x(m_x));
    switch (m_reading.outcome) {
    case Evaluation::Outcome::Value: return at + QStringLiteral("   ") + tr("y = %1").arg(m_texts.y(m_reading.value));
    case Evaluation::Outcome::CannotCalculate: return at + QStringLiteral("   ") + tr("Can not calculate");
    case Evaluation::Outcome::EngineFault:
        return at + QStringLiteral("   ") + m_translateMessage(QString::fromStdU16String(m_reading.error));
    default: return at + QStringLiteral("   ") + tr("no value");
    }
}

QString GraphTrace::words(const Feature& feature) const
{
    const QString x = m_texts.x(feature.x);
    const QString y = feature.y ? m_texts.y(*feature.y) : QString();
    // An extremum's x with the digits that the run of x sharing its y supports.
    const QString turn = m_texts.run(feature.runFrom, feature.x, feature.runTo);
    switch (feature.kind) {
    case Feature::Kind::Zero: return tr("zero at x = %1").arg(x);
    case Feature::Kind::Minimum: return tr("minimum at x = %1; y = %2").arg(turn, y);
    case Feature::Kind::Maximum: return tr("maximum at x = %1; y = %2").arg(turn, y);
    case Feature::Kind::Pole: return tr("pole near x = %1").arg(x);
    case Feature::Kind::Gap: return tr("gap at x = %1").arg(x);
    case Feature::Kind::Jump: return tr("jump at x = %1").arg(x);
    }
    return {};
}

void GraphTrace::search(FeatureSearch::Looking looking, int direction, float x, bool atFeature, const plot::Span& xs,
                        const plot::Span& ys, int columns, int rows)
{
    cancelSearch();
    if (!readable())
        return;
    m_looking = looking;
    m_searchDirection = direction;
    m_search = std::make_unique<FeatureSearch>([this](float at) { return valueAt(compiled(), at); }, looking, x,
                                               direction, xs, ys, columns, rows, atFeature);
    searchOn();
}

void GraphTrace::cancelSearch()
{
    m_search.reset();
}

void GraphTrace::searchOn()
{
    if (!m_search)
        return;
    QElapsedTimer clock;
    clock.start();
    while (m_search->step(StepsPerLook) == FeatureSearch::State::Searching) {
        if (clock.elapsed() >= SliceMs) {
            QTimer::singleShot(0, this, &GraphTrace::searchOn);
            return;
        }
    }
    const std::unique_ptr<FeatureSearch> done = std::move(m_search);
    if (done->state() == FeatureSearch::State::Found) {
        emit found(done->found(), words(*done->found()));
        return;
    }
    const bool right = m_searchDirection > 0;
    QString none;
    switch (m_looking) {
    case FeatureSearch::Looking::Zero:
        none = right ? tr("no zero to the right within 100 view widths")
                     : tr("no zero to the left within 100 view widths");
        break;
    case FeatureSearch::Looking::Extremum:
        none = right ? tr("no minimum or maximum to the right within 100 view widths")
                     : tr("no minimum or maximum to the left within 100 view widths");
        break;
    case FeatureSearch::Looking::Break:
        none = right ? tr("no pole, gap or jump to the right within 100 view widths")
                     : tr("no pole, gap or jump to the left within 100 view widths");
        break;
    }
    emit found(std::nullopt, none);
}

} // namespace pellitor::graph
