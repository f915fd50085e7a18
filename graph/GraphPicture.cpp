// The picture that the canvas paints, saves, copies and prints.
#include "GraphPicture.h"

#include "PlotCurve.h"
#include "PlotPainter.h"

#include <QFontInfo>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace pellitor::graph {

GraphPicture::GraphPicture(const Sources& sources)
    : m_canvas(sources.canvas), m_numbers(sources.numbers), m_viewport(sources.viewport), m_curves(sources.curves),
      m_inputs(sources.inputs), m_curve(sources.curve), m_drawn(sources.drawn)
{
}

const std::shared_ptr<const GraphCurve>& GraphPicture::shownCurve() const
{
    return m_curve && m_curve->refusal.empty() ? m_curve : m_drawn;
}

std::u16string GraphPicture::title() const
{
    // The painter shows no more than LongestTitle characters of it.
    const GraphCurve* shown = shownCurve().get();
    const std::u16string_view expression = shown ? std::u16string_view(shown->expression) : m_inputs->expression;
    return plot::pictureTitle(expression.substr(0, std::min(expression.size(), plot::LongestTitle)),
                              shown ? shown->degrees : m_inputs->degrees);
}

plot::PlotStyle GraphPicture::screenStyle() const
{
    plot::PlotStyle style;
    style.colours = plot::coloursOn(m_canvas.palette().color(QPalette::Base).rgb(),
                                    m_canvas.palette().color(QPalette::Text).rgb());
    style.fontFamily = m_canvas.font().family().toStdString();
    style.labelPixels = QFontInfo(m_canvas.font()).pixelSize();
    return style;
}

plot::PlotPicture GraphPicture::picture(const plot::Size& size, const plot::PlotStyle& style) const
{
    plot::PlotPicture picture;
    picture.style = style;
    picture.title = title();
    picture.xs = m_viewport.xs();
    picture.ys = m_viewport.ys();
    picture.size = size;
    picture.numbers = &m_numbers;
    if (const std::shared_ptr<const GraphCurve>& shown = shownCurve()) {
        picture.pieces = std::shared_ptr<const plot::Pieces>(shown, &shown->pieces);
        picture.dimmed = shown != m_curve;
        m_curves.fill(picture, m_curve, shown->expression);
    }
    return picture;
}

plot::Size GraphPicture::pictureSize() const
{
    const int most = static_cast<int>(plot::MaxSide / m_canvas.devicePixelRatioF());
    return {std::clamp(m_canvas.width(), plot::MinSide, most), std::clamp(m_canvas.height(), plot::MinSide, most)};
}

plot::Size GraphPicture::drawnSize() const
{
    const double scale = m_canvas.devicePixelRatioF();
    const plot::Size logical = pictureSize();
    return {std::clamp(int(std::lround(logical.width * scale)), plot::MinSide, plot::MaxSide),
            std::clamp(int(std::lround(logical.height * scale)), plot::MinSide, plot::MaxSide)};
}

} // namespace pellitor::graph
