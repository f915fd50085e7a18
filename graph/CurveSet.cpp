// The pinned curves and the traced one.
#include "CurveSet.h"

#include <algorithm>

namespace pellitor::graph {

bool CurveSet::pin(const GraphInputs& live)
{
    if (shownPins() + 1 >= plot::MostCurves)
        return false;
    m_pins.push_back({std::make_shared<const GraphInputs>(GraphInputs{live.expression, {}, live.degrees}), true});
    m_traced = SIZE_MAX;
    return true;
}

void CurveSet::setShown(std::size_t pin, bool shown)
{
    if (pin >= m_pins.size() || (shown && !m_pins[pin].shown && shownPins() + 1 >= plot::MostCurves))
        return;
    m_pins[pin].shown = shown;
    m_traced = SIZE_MAX;
}

void CurveSet::remove(std::size_t pin)
{
    if (pin < m_pins.size())
        m_pins.erase(m_pins.begin() + std::ptrdiff_t(pin));
    m_traced = SIZE_MAX;
}

std::size_t CurveSet::shownPins() const
{
    return std::size_t(std::count_if(m_pins.begin(), m_pins.end(), [](const Pin& pin) { return pin.shown; }));
}

std::vector<PinnedCurve> CurveSet::request() const
{
    std::vector<PinnedCurve> shown;
    for (const Pin& pin : m_pins) {
        if (pin.shown)
            shown.push_back({pin.inputs, shown.size()});
    }
    return shown;
}

void CurveSet::fill(plot::PlotPicture& picture, const std::shared_ptr<const GraphCurve>& drawing,
                    const std::u16string& live) const
{
    const auto label = [](std::size_t n, const std::u16string& expression) {
        return (name(n) + QStringLiteral(" = ")).toStdU16String() + expression;
    };
    if (drawing) {
        for (const DrawnCurve& pinned : drawing->pinned)
            picture.more.push_back({std::shared_ptr<const plot::Pieces>(drawing, &pinned.pieces),
                                    label(pinned.colour, pinned.expression), pinned.colour});
    }
    picture.colour = picture.more.size();
    picture.label = label(picture.colour, live);
}

void CurveSet::step(int direction)
{
    const std::size_t count = shownPins() + 1;
    m_traced = (traced() + count + std::size_t(direction > 0 ? 1 : count - 1)) % count;
}

} // namespace pellitor::graph
