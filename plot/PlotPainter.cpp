// Laying out and painting a picture with Qt's painter.
#include "PlotPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

namespace pellitor::plot {

namespace {

// At scale 1, in pixels.
constexpr double TickLength = 5;
constexpr double Gap = 6;
constexpr double CurveWidth = 2;

QString label(const PlotPicture& picture, double value)
{
    return QString::fromStdU16String(picture.numbers->general(static_cast<float>(value)));
}

// Multiples of step from span.from to span.to.
std::vector<double> multiples(const Span& span, double step)
{
    std::vector<double> result;
    for (double k = std::ceil(span.from / step); k * step <= span.to; k += 1.0) {
        const double value = k * step;
        // k * step of a tick at 0 may come out as a tiny remainder of rounding.
        result.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
    }
    return result;
}

bool distinctLabels(const PlotPicture& picture, const std::vector<double>& values)
{
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (label(picture, values[i - 1]) == label(picture, values[i]))
            return false;
    }
    return true;
}

// The ticks of a span: multiples of 1, 2 or 5 times a power of ten, about one per minPixels,
// fewer where the labels of neighbouring ticks would read the same (a span of a few 32-bit
// steps, whose labels show seven digits), and two at least where a finer step still gives them
// labels of their own (a small picture).
std::vector<double> ticks(const PlotPicture& picture, const Span& span, double pixels, double minPixels)
{
    constexpr double Factors[] = {1.0, 2.0, 5.0};
    const double rough = (span.to - span.from) / std::max(1.0, pixels / minPixels);
    double power = std::pow(10.0, std::floor(std::log10(rough)));
    std::size_t factor = 0;
    while (factor < 2 && Factors[factor] * power < rough)
        ++factor;
    if (Factors[factor] * power < rough) {
        factor = 0;
        power *= 10.0;
    }
    for (;;) {
        const double step = Factors[factor] * power;
        std::vector<double> result = multiples(span, step);
        if (distinctLabels(picture, result)) {
            // A small picture: a finer step, down to a tenth, for a second label.
            for (int finer = 0; finer < 3 && result.size() < 2; ++finer) {
                std::vector<double> more = multiples(span, step / std::array{2.0, 5.0, 10.0}[std::size_t(finer)]);
                if (more.size() >= 2 && distinctLabels(picture, more))
                    result = std::move(more);
            }
            return result;
        }
        if (++factor == 3) {
            factor = 0;
            power *= 10.0;
        }
    }
}

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing of it lies inside.
bool clip(QPointF& a, QPointF& b, const QRectF& r)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

// The labels' font and the title's, a quarter larger.
QFont labelFont(const PlotStyle& style)
{
    QFont font(QString::fromStdString(style.fontFamily));
    font.setPixelSize(std::max(1, int(std::lround(style.labelPixels * style.scale))));
    return font;
}

QFont titleFontOf(const QFont& labelFont, const PlotStyle& style)
{
    QFont font = labelFont;
    font.setPixelSize(std::max(1, int(std::lround(style.labelPixels * 1.25 * style.scale))));
    return font;
}

// Where the parts of a picture lie: the frame, which leaves room for the widest y label at its
// left, the x labels below and the title above, and the ticks along its sides.
struct Layout {
    explicit Layout(const PlotPicture& shown);

    // The pixel column of an x and the pixel row of a y.
    double px(double x) const
    {
        return left + (x - picture.xs.from) / (picture.xs.to - picture.xs.from) * frame.width();
    }
    double py(double y) const
    {
        return bottom - (y - picture.ys.from) / (picture.ys.to - picture.ys.from) * frame.height();
    }

    const PlotPicture& picture;
    const double scale = picture.style.scale;
    const double tick = TickLength * scale;
    const double gap = Gap * scale;
    // The width of the grid's and the frame's lines: whole pixels.
    const double line = std::max(1.0, std::round(scale));
    const QFont font = labelFont(picture.style);
    const QFont titleFont = titleFontOf(font, picture.style);
    const QFontMetricsF metrics{font};
    const QFontMetricsF titleMetrics{titleFont};
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    QRectF frame;
    std::vector<double> xTicks;
    std::vector<double> yTicks;
};

Layout::Layout(const PlotPicture& shown) : picture(shown)
{
    // Room for the labels of the ticks a view height and a half beyond either end as well: a view
    // moved up or down by a view height keeps its frame where it was, though its labels change.
    const std::vector<double> yTicksRough = ticks(picture, picture.ys, picture.size.height, 40.0 * scale);
    double labelWidth = 0.0;
    for (const double y : yTicksRough)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label(picture, y)));
    if (yTicksRough.size() >= 2) {
        const double height = picture.ys.to - picture.ys.from;
        const Span around{std::max(picture.ys.from - 1.5 * height, -double(FLT_MAX)),
                          std::min(picture.ys.to + 1.5 * height, double(FLT_MAX))};
        for (const double y : multiples(around, yTicksRough[1] - yTicksRough[0]))
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label(picture, y)));
    }
    left = std::ceil(labelWidth) + tick + 2 * gap;
    top = std::ceil(titleMetrics.height()) + 2 * gap;
    bottom = picture.size.height - std::ceil(metrics.height()) - tick - 2 * gap;
    right = picture.size.width - 3 * gap - std::ceil(metrics.horizontalAdvance(QStringLiteral("0000")) / 2);
    frame = QRectF(QPointF(left, top), QPointF(right, bottom));
    xTicks = ticks(picture, picture.xs, frame.width(), 90.0 * scale);
    yTicks = ticks(picture, picture.ys, frame.height(), 40.0 * scale);
}

// The middle of the pixel that v lies in: a line of one pixel there covers whole pixels.
double crisp(double v)
{
    return std::floor(v) + 0.5;
}

// The grid at the ticks and the axes through 0: lines of one pixel at whole pixels, unsmoothed,
// filled as the rectangles of one pixel that they are (which takes a fifth of the time of
// drawing them as lines, on a picture 3840 pixels wide).
void paintGrid(QPainter& painter, const Layout& layout)
{
    const PlotPicture& picture = layout.picture;
    const double line = layout.line;
    QColor colour(picture.style.colours.grid);
    const auto vertical = [&](double x) {
        painter.fillRect(QRectF(std::floor(layout.px(x)), layout.top, line, layout.bottom - layout.top + line), colour);
    };
    const auto horizontal = [&](double y) {
        painter.fillRect(QRectF(layout.left, std::floor(layout.py(y)), layout.right - layout.left + line, line),
                         colour);
    };
    for (const double x : layout.xTicks)
        vertical(x);
    for (const double y : layout.yTicks)
        horizontal(y);
    colour = QColor(picture.style.colours.axis);
    if (picture.xs.from < 0.0 && picture.xs.to > 0.0)
        vertical(0.0);
    if (picture.ys.from < 0.0 && picture.ys.to > 0.0)
        horizontal(0.0);
}

// The ticks with their labels, below the frame and left of it, and the frame.
void paintTicks(QPainter& painter, const Layout& layout)
{
    const QFontMetricsF& metrics = layout.metrics;
    const double left = layout.left;
    const double bottom = layout.bottom;
    const double tick = layout.tick;
    const double gap = layout.gap;
    // A line of whole pixels: through the middle of a pixel when it is one wide, along the edges
    // of pixels when it is two (or more) wide.
    const double line = layout.line;
    const auto on = [line](double v) { return line == 1.0 ? crisp(v) : std::floor(v) + line / 2; };
    QPen pen{QColor(layout.picture.style.colours.frame)};
    pen.setWidthF(line);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const double x : layout.xTicks) {
        const double at = on(layout.px(x));
        painter.drawLine(QPointF(at, on(bottom)), QPointF(at, on(bottom) + tick));
        const QString text = label(layout.picture, x);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at - width / 2, bottom + tick + gap + metrics.ascent()), text);
    }
    for (const double y : layout.yTicks) {
        const double at = on(layout.py(y));
        painter.drawLine(QPointF(on(left) - tick, at), QPointF(on(left), at));
        const QString text = label(layout.picture, y);
        painter.drawText(QPointF(left - tick - gap - metrics.horizontalAdvance(text),
                                 at + (metrics.ascent() - metrics.descent()) / 2),
                         text);
    }
    painter.drawRect(QRectF(QPointF(on(left), on(layout.top)), QPointF(on(layout.right), on(bottom))));
}

// The expression above the frame, in the middle, cut short with an ellipsis where it is too wide.
void paintTitle(QPainter& painter, const Layout& layout)
{
    const QFontMetricsF& titleMetrics = layout.titleMetrics;
    const int width = layout.picture.size.width;
    const double gap = layout.gap;
    painter.setFont(layout.titleFont);
    // No picture is wide enough to show more than LongestTitle characters of a title, and eliding
    // a title of millions would take seconds: the rest is cut before it is measured.
    const std::u16string_view whole(layout.picture.title);
    const std::u16string_view shown = whole.substr(0, std::min<std::size_t>(whole.size(), LongestTitle));
    const QString title = titleMetrics.elidedText(QString::fromUtf16(shown.data(), qsizetype(shown.size())),
                                                  Qt::ElideRight, width - 2 * gap);
    painter.drawText(QPointF((width - titleMetrics.horizontalAdvance(title)) / 2, gap + titleMetrics.ascent()), title);
}

// A piece in the picture's pixels with the points left out that lie within Tolerance of the
// straight line through their neighbours that stay: a curve sampled twice per pixel column is
// mostly runs of nearly straight steps, and each step costs the stroker a join. Each run grows
// while the slope from its first point to the next candidate keeps every point between within
// Tolerance vertically (which bounds their distance from the line too), in one pass.
std::vector<QPointF> simplified(const Layout& layout, const std::vector<Point>& piece)
{
    constexpr double Tolerance = 0.05;
    std::vector<QPointF> kept;
    kept.reserve(piece.size());
    QPointF anchor; // where the run starts, a point that stays
    QPointF last;   // the run's end so far
    bool open = false;
    // The slopes from anchor that keep every point of the run within Tolerance.
    double lowest = 0.0;
    double highest = 0.0;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const QPointF point(layout.px(piece[i].x), layout.py(piece[i].y));
        if (i == 0) {
            kept.push_back(point);
            anchor = point;
            continue;
        }
        if (open) {
            const double slope = (point.y() - anchor.y()) / (point.x() - anchor.x());
            if (!(point.x() > anchor.x() && slope >= lowest && slope <= highest)) {
                kept.push_back(last);
                anchor = last;
                open = false;
            }
        }
        const double across = point.x() - anchor.x();
        const double rise = point.y() - anchor.y();
        if (!(across > 0.0) || !std::isfinite(rise / across)) {
            // No straight run goes through it (a point beyond the picture's reach of numbers):
            // it stays, as it is.
            kept.push_back(point);
            anchor = point;
            open = false;
            continue;
        }
        if (!open) {
            lowest = -HUGE_VAL;
            highest = HUGE_VAL;
            open = true;
        }
        lowest = std::max(lowest, (rise - Tolerance) / across);
        highest = std::min(highest, (rise + Tolerance) / across);
        last = point;
    }
    if (open)
        kept.push_back(last);
    return kept;
}

// The bars of a curve: a segment that is all but upright (a steep curve between two samples half a
// pixel apart) is painted as the bar of the pen's width that it looks like, which fills many times
// faster than a stroke. A steep curve that only climbs or falls keeps its bars' smoothed edges.
// Where the curve swings up and down faster than a column (a band), its bars are gathered by
// pixel column, and a run of columns that cover the same rows is one rectangle on whole pixels:
// a band of a fast sine is a few rectangles, not thousands.
class Bars {
public:
    // frame is the picture's frame, whose lines lie on the pixels its edges lie in: the columns
    // and rows between them are the bars' to paint.
    // line is the width of the frame's lines.
    Bars(const QRectF& reach, const QRectF& frame, double halfPen, int line)
        : m_half(halfPen), m_first(static_cast<int>(std::floor(reach.left()))),
          m_columns(static_cast<std::size_t>(std::ceil(reach.width())) + 3, {HUGE_VAL, -HUGE_VAL}),
          m_inside(QPoint(int(std::floor(frame.left())) + line, int(std::floor(frame.top())) + line),
                   QPoint(int(std::floor(frame.right())) - 1, int(std::floor(frame.bottom())) - 1))
    {
    }

    // Whether the segment from a to b is a bar: a pixel wide at most and, in a zigzag, over 8
    // pixels high, else over 64.
    static bool upright(const QPointF& a, const QPointF& b, bool zigzag)
    {
        return std::fabs(b.x() - a.x()) <= 1.0 && std::fabs(b.y() - a.y()) > (zigzag ? 8.0 : 64.0);
    }

    void add(const QPointF& a, const QPointF& b, bool zigzag)
    {
        const QRectF bar(QPointF(std::min(a.x(), b.x()) - m_half, std::min(a.y(), b.y())),
                         QPointF(std::max(a.x(), b.x()) + m_half, std::max(a.y(), b.y())));
        if (!zigzag) {
            m_smooth.push_back(bar);
            return;
        }
        for (int column = static_cast<int>(std::floor(bar.left())); column < static_cast<int>(std::ceil(bar.right()));
             ++column) {
            std::pair<double, double>& rows = at(column);
            rows = {std::min(rows.first, bar.top()), std::max(rows.second, bar.bottom())};
        }
    }

    // Whether the zigzag's bars hold the whole stroke from a to b, the pen's width around it.
    bool covers(const QPointF& a, const QPointF& b) const
    {
        const double top = std::min(a.y(), b.y()) - m_half;
        const double bottom = std::max(a.y(), b.y()) + m_half;
        const int last = static_cast<int>(std::ceil(std::max(a.x(), b.x()) + m_half));
        for (int column = static_cast<int>(std::floor(std::min(a.x(), b.x()) - m_half)); column < last; ++column) {
            const int index = column - m_first;
            if (index < 0 || index >= int(m_columns.size()) || m_columns[std::size_t(index)].first > top
                || m_columns[std::size_t(index)].second < bottom)
                return false;
        }
        return true;
    }

    // With the brush the curve's colour and no pen.
    void paint(QPainter& painter) const
    {
        painter.drawRects(m_smooth.data(), static_cast<int>(m_smooth.size()));
        std::vector<QRect> runs;
        const auto rows = [&](std::size_t index) {
            return std::pair(static_cast<int>(std::floor(m_columns[index].first)),
                             static_cast<int>(std::ceil(m_columns[index].second)));
        };
        for (std::size_t column = 0; column < m_columns.size();) {
            std::size_t end = column + 1;
            while (end < m_columns.size() && rows(end) == rows(column))
                ++end;
            if (m_columns[column].first <= m_columns[column].second) {
                const auto [top, bottom] = rows(column);
                const QRect run = QRect(m_first + int(column), top, int(end - column), bottom - top) & m_inside;
                if (!run.isEmpty())
                    runs.push_back(run);
            }
            column = end;
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRects(runs.data(), static_cast<int>(runs.size()));
        painter.restore();
    }

private:
    std::pair<double, double>& at(int column)
    {
        return m_columns[static_cast<std::size_t>(std::clamp(column - m_first, 0, int(m_columns.size()) - 1))];
    }

    double m_half; // half the pen's width
    int m_first;
    std::vector<std::pair<double, double>> m_columns; // the rows a zigzag's bars cover, per column
    QRect m_inside;
    std::vector<QRectF> m_smooth; // the bars of a curve that climbs or falls
};

// The curve's pieces simplified, in the picture's pixels; the segments that are bars go to bars,
// and barOf says which they are.
std::vector<std::vector<QPointF>> withBars(const Layout& layout, const Pieces& pieces, const QRectF& reach, Bars& bars,
                                           std::vector<std::vector<bool>>& barOf)
{
    std::vector<std::vector<QPointF>> simplifiedPieces;
    for (const std::vector<Point>& samples : pieces) {
        std::vector<QPointF> piece = simplified(layout, samples);
        std::vector<bool>& isBar = barOf.emplace_back(piece.size(), false);
        const auto rise = [&](std::size_t i) {
            return i >= 1 && i < piece.size() ? piece[i].y() - piece[i - 1].y() : 0.0;
        };
        for (std::size_t i = 1; i < piece.size(); ++i) {
            QPointF a = piece[i - 1];
            QPointF b = piece[i];
            // A segment within three of one that runs the other way is one of a zigzag.
            bool zigzag = false;
            for (std::size_t j = i > 3 ? i - 3 : 1; j <= i + 3 && !zigzag; ++j)
                zigzag = rise(i) * rise(j) < 0.0;
            if (clip(a, b, reach) && Bars::upright(a, b, zigzag)) {
                bars.add(a, b, zigzag);
                isBar[i] = true;
            }
        }
        simplifiedPieces.push_back(std::move(piece));
    }
    return simplifiedPieces;
}

// A curve: each piece one path, cut to the frame, so that a far value never becomes a
// coordinate the rasteriser must cope with.
void paintCurve(QPainter& painter, const Layout& layout, const Pieces& pieces, const QColor& colour)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(layout.frame);
    QPen pen{colour};
    pen.setWidthF(CurveWidth * layout.scale);
    pen.setCapStyle(Qt::FlatCap);
    // Bevelled joins: between segments of a pixel or less they look as round ones do, and the
    // rasteriser takes a fraction of the edges.
    pen.setJoinStyle(Qt::BevelJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double margin = CurveWidth * layout.scale;
    const QRectF reach = layout.frame.adjusted(-margin, -margin, margin, margin);
    // A path costs the rasteriser for every row its bounding box spans, and one whose segments
    // run back over one another far more (a zigzag of 4,000 segments over 2,000 rows took minutes,
    // drawn separately a fifth of a second). So a path ends once its segments have travelled a
    // tenth of the frame's height (which made a full-height graph of 2cos(x^2)/x paint in half
    // the time of twice its height), and the next one goes on from the same point; a dot there
    // joins the two paths.
    const double longestTravel = layout.frame.height() / 10;
    QPainterPath path;
    double travel = 0.0;
    std::vector<QPointF> joins;
    Bars bars(reach, layout.frame, pen.widthF() / 2, int(layout.line));
    const auto drawPath = [&] {
        if (!path.isEmpty())
            painter.drawPath(path);
        path.clear();
        travel = 0.0;
    };
    // First the bars, then the strokes that they do not cover already (within a band, all).
    std::vector<std::vector<bool>> barOf; // for each segment of each piece
    const std::vector<std::vector<QPointF>> simplifiedPieces = withBars(layout, pieces, reach, bars, barOf);
    for (std::size_t k = 0; k < simplifiedPieces.size(); ++k) {
        const std::vector<QPointF>& piece = simplifiedPieces[k];
        for (std::size_t i = 1; i < piece.size(); ++i) {
            QPointF a = piece[i - 1];
            QPointF b = piece[i];
            if (barOf[k][i] || !clip(a, b, reach) || bars.covers(a, b))
                continue;
            const bool continues = !path.isEmpty() && path.currentPosition() == a;
            if (continues && travel > longestTravel) {
                drawPath();
                joins.push_back(a);
            }
            if (!continues || path.isEmpty())
                path.moveTo(a);
            path.lineTo(b);
            travel += std::fabs(b.y() - a.y());
        }
        drawPath();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF& join : joins)
        painter.drawEllipse(join, pen.widthF() / 2, pen.widthF() / 2);
    bars.paint(painter);
}

// The legend of a picture of several curves, in the frame's top left corner: a line in each
// curve's colour and its text, the further curves first and the first curve last.
void paintLegend(QPainter& painter, const Layout& layout)
{
    const PlotPicture& picture = layout.picture;
    const PlotColours& colours = picture.style.colours;
    std::vector<std::pair<QString, QColor>> lines;
    const auto text = [](const std::u16string& label) {
        const std::u16string_view shown(label.data(), std::min<std::size_t>(label.size(), LongestTitle));
        return QString::fromUtf16(shown.data(), qsizetype(shown.size()));
    };
    for (const PictureCurve& curve : picture.more)
        lines.emplace_back(text(curve.label), QColor(curveColour(colours, curve.colour)));
    lines.emplace_back(text(picture.label), QColor(picture.dimmed ? dimmedCurveColour(colours, picture.colour)
                                                                  : curveColour(colours, picture.colour)));
    const QFontMetricsF& metrics = layout.metrics;
    const double gap = layout.gap;
    const double sample = 3 * gap; // the length of each line's sample of its curve
    const double most = std::max(0.0, layout.frame.width() / 2 - sample - 3 * gap);
    double widest = 0.0;
    for (auto& [label, colour] : lines) {
        label = metrics.elidedText(label, Qt::ElideRight, most);
        widest = std::max(widest, metrics.horizontalAdvance(label));
    }
    const double height = metrics.height();
    const QRectF box(layout.frame.topLeft() + QPointF(gap, gap),
                     QSizeF(widest + sample + 3 * gap, height * double(lines.size()) + gap));
    painter.setClipRect(layout.frame);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(colours.grid), layout.line));
    painter.setBrush(QColor(colours.background));
    painter.drawRect(box);
    painter.setFont(layout.font);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double middle = box.top() + gap / 2 + height * (double(i) + 0.5);
        QPen pen(lines[i].second, CurveWidth * layout.scale);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(box.left() + gap, middle), QPointF(box.left() + gap + sample, middle));
        painter.setPen(QColor(colours.frame));
        painter.drawText(QPointF(box.left() + 2 * gap + sample, middle + (metrics.ascent() - metrics.descent()) / 2),
                         lines[i].first);
    }
}

} // namespace

QRectF pictureFrame(const PlotPicture& picture)
{
    return Layout(picture).frame;
}

void paintPicture(QPainter& painter, const PlotPicture& picture)
{
    painter.fillRect(QRectF(0, 0, picture.size.width, picture.size.height), QColor(picture.style.colours.background));
    const Layout layout(picture);
    // The labels' font from the grid on, as it always was: an SVG names the font in each group of
    // lines, so that setting it later would change the file.
    painter.setFont(layout.font);
    paintGrid(painter, layout);
    paintTicks(painter, layout);
    paintTitle(painter, layout);
    const PlotColours& colours = picture.style.colours;
    for (const PictureCurve& curve : picture.more) {
        if (curve.pieces)
            paintCurve(painter, layout, *curve.pieces, QColor(curveColour(colours, curve.colour)));
    }
    if (picture.pieces)
        paintCurve(painter, layout, *picture.pieces,
                   QColor(picture.dimmed ? dimmedCurveColour(colours, picture.colour)
                                         : curveColour(colours, picture.colour)));
    if (!picture.more.empty())
        paintLegend(painter, layout);
}

} // namespace pellitor::plot
