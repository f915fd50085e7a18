// The graph's name and description for assistive tools.
#include "GraphDescription.h"

#include "GraphCanvas.h" // the words are the canvas's, translated under its name
#include "MiddleEllipsis.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace pellitor::graph {

namespace {
// An accessible name quotes at most this much of the expression, shortened in the middle.
constexpr int LongestNamedExpression = 200;
} // namespace

GraphDescription::GraphDescription(const Sources& sources)
    : m_numbers(sources.numbers), m_viewport(sources.viewport), m_curve(sources.curve), m_inputs(sources.inputs),
      m_curves(sources.curves), m_trace(sources.trace)
{
}

QString GraphDescription::name() const
{
    const QStringView expression = m_curve && m_curve->refusal.empty() ? QStringView(m_curve->expression)
                                                                       : QStringView(m_inputs.expression);
    return GraphCanvas::tr("Graph of y=%1").arg(shortenedInTheMiddle(expression, LongestNamedExpression));
}

QString GraphDescription::description() const
{
    const auto number = [this](double value) {
        return QString::fromStdU16String(m_numbers.general(static_cast<float>(value)));
    };
    return GraphCanvas::tr("x from %1 to %2; y from %3 to %4")
               .arg(number(m_viewport.xs().from), number(m_viewport.xs().to), number(m_viewport.ys().from),
                    number(m_viewport.ys().to))
           + curvesSummary() + featureSummary();
}

// Where several curves show, each by its name and expression, and which the trace reads.
QString GraphDescription::curvesSummary() const
{
    if (!m_curve || m_curve->pinned.empty())
        return {};
    QStringList named;
    for (const DrawnCurve& pinned : m_curve->pinned)
        named << CurveSet::name(named.size()) + QStringLiteral(" = ")
                     + shortenedInTheMiddle(pinned.expression, LongestNamedExpression);
    if (m_curve->refusal.empty())
        named << CurveSet::name(named.size()) + QStringLiteral(" = ")
                     + shortenedInTheMiddle(m_curve->expression, LongestNamedExpression);
    return QStringLiteral(". ")
           + GraphCanvas::tr("Curves: %1; the trace reads %2")
                 .arg(named.join(QStringLiteral("; ")), CurveSet::name(m_curves.traced()));
}

// The zeros, extrema and breaks of the curve in view, ten of each kind at most.
QString GraphDescription::featureSummary() const
{
    if (!m_curve || !m_curve->refusal.empty())
        return {};
    const plot::Span& xs = m_viewport.xs();
    const auto list = [&](std::initializer_list<Feature::Kind> kinds, const QString& heading) {
        QStringList named;
        std::size_t more = 0;
        for (const Feature& feature : m_curve->features) {
            if (std::find(kinds.begin(), kinds.end(), feature.kind) == kinds.end() || feature.x < xs.from
                || feature.x > xs.to)
                continue;
            if (named.size() < qsizetype(NamedFeatures))
                named << m_trace.numbers().x(feature.x);
            else
                ++more;
        }
        if (named.isEmpty())
            return QString();
        QString text = QStringLiteral(". ") + heading.arg(named.join(QStringLiteral("; ")));
        if (more > 0)
            text += QStringLiteral(" ") + GraphCanvas::tr("and %1 more").arg(more);
        return text;
    };
    return list({Feature::Kind::Zero}, GraphCanvas::tr("Zeros at x = %1"))
           + list({Feature::Kind::Minimum}, GraphCanvas::tr("Minima at x = %1"))
           + list({Feature::Kind::Maximum}, GraphCanvas::tr("Maxima at x = %1"))
           + list({Feature::Kind::Pole, Feature::Kind::Gap, Feature::Kind::Jump},
                  GraphCanvas::tr("Poles, gaps and jumps near x = %1"));
}

} // namespace pellitor::graph
