// Laying out and painting a picture with Qt's painter.
#include "PlotPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pellitor::plot {

namespace {

constexpr int TickLength = 5;
constexpr int Gap = 6;

QString label(const PlotPicture& picture, double value)
{
    return QString::fromStdU16String(picture.numbers->general(static_cast<float>(value)));
}

// The ticks of a span: multiples of 1, 2 or 5 times a power of ten, about one per minPixels,
// fewer where the labels of neighbouring ticks would read the same (a span of a few 32-bit
// steps, whose labels show seven digits).
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
        std::vector<double> result;
        for (double k = std::ceil(span.from / step); k * step <= span.to; k += 1.0) {
            const double value = k * step;
            // k * step of a tick at 0 may come out as a tiny remainder of rounding.
            result.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
        }
        bool distinct = true;
        for (std::size_t i = 1; i < result.size() && distinct; ++i)
            distinct = label(picture, result[i - 1]) != label(picture, result[i]);
        if (distinct)
            return result;
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

} // namespace

void paintPicture(QPainter& painter, const PlotPicture& picture)
{
    const QRectF whole(0, 0, picture.size.width, picture.size.height);
    painter.fillRect(whole, QColor(Background));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QFont titleFont = font;
    titleFont.setPixelSize(15);
    const QFontMetricsF metrics(font);
    const QFontMetricsF titleMetrics(titleFont);

    // The frame leaves room for the widest y label at its left, the x labels below, the title above.
    const std::vector<double> yTicksRough = ticks(picture, picture.ys, picture.size.height, 40.0);
    double labelWidth = 0.0;
    for (const double y : yTicksRough)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label(picture, y)));
    const double left = std::ceil(labelWidth) + TickLength + 2 * Gap;
    const double top = std::ceil(titleMetrics.height()) + 2 * Gap;
    const double bottom = picture.size.height - std::ceil(metrics.height()) - TickLength - 2 * Gap;
    const double right = picture.size.width - 3 * Gap - std::ceil(metrics.horizontalAdvance(QStringLiteral("0000")) / 2);
    const QRectF frame(QPointF(left, top), QPointF(right, bottom));

    const auto px = [&](double x) { return left + (x - picture.xs.from) / (picture.xs.to - picture.xs.from) * frame.width(); };
    const auto py = [&](double y) { return bottom - (y - picture.ys.from) / (picture.ys.to - picture.ys.from) * frame.height(); };

    const std::vector<double> xTicks = ticks(picture, picture.xs, frame.width(), 90.0);
    const std::vector<double> yTicks = ticks(picture, picture.ys, frame.height(), 40.0);

    // Grid and axes are lines of one pixel at whole pixels, unsmoothed.
    painter.setFont(font);
    const auto crisp = [](double v) { return std::floor(v) + 0.5; };
    painter.setPen(QColor(GridColour));
    for (const double x : xTicks)
        painter.drawLine(QPointF(crisp(px(x)), top), QPointF(crisp(px(x)), bottom));
    for (const double y : yTicks)
        painter.drawLine(QPointF(left, crisp(py(y))), QPointF(right, crisp(py(y))));
    painter.setPen(QColor(AxisColour));
    if (picture.xs.from < 0.0 && picture.xs.to > 0.0)
        painter.drawLine(QPointF(crisp(px(0.0)), top), QPointF(crisp(px(0.0)), bottom));
    if (picture.ys.from < 0.0 && picture.ys.to > 0.0)
        painter.drawLine(QPointF(left, crisp(py(0.0))), QPointF(right, crisp(py(0.0))));

    painter.setPen(QColor(FrameColour));
    for (const double x : xTicks) {
        const double at = crisp(px(x));
        painter.drawLine(QPointF(at, crisp(bottom)), QPointF(at, crisp(bottom) + TickLength));
        const QString text = label(picture, x);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at - width / 2, bottom + TickLength + Gap + metrics.ascent()), text);
    }
    for (const double y : yTicks) {
        const double at = crisp(py(y));
        painter.drawLine(QPointF(crisp(left) - TickLength, at), QPointF(crisp(left), at));
        const QString text = label(picture, y);
        painter.drawText(QPointF(left - TickLength - Gap - metrics.horizontalAdvance(text),
                                 at + (metrics.ascent() - metrics.descent()) / 2),
                         text);
    }
    painter.drawRect(QRectF(QPointF(crisp(left), crisp(top)), QPointF(crisp(right), crisp(bottom))));

    painter.setFont(titleFont);
    const QString title = titleMetrics.elidedText(QString::fromStdU16String(picture.title), Qt::ElideRight,
                                                  picture.size.width - 2 * Gap);
    painter.drawText(QPointF((picture.size.width - titleMetrics.horizontalAdvance(title)) / 2,
                             Gap + titleMetrics.ascent()),
                     title);

    // The curve: each piece one path, cut to the frame, so that a far value never becomes a
    // coordinate the rasteriser must cope with.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame);
    QPen pen{QColor(CurveColour)};
    pen.setWidthF(2.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF reach = frame.adjusted(-2, -2, 2, 2);
    // A path whose segments run back over one another costs the rasteriser far more than the
    // same segments apart (a zigzag of 4,000 segments over 2,000 rows took minutes, drawn
    // separately a fifth of a second). So a path ends once its segments have travelled twice
    // the frame's height, and the next one goes on from the same point; a dot there makes the
    // round join that the two paths no longer share. A segment that is all but upright (a steep
    // curve between two samples half a pixel apart) is the bar of the pen's width that it looks
    // like, which fills many times faster than a stroke.
    constexpr double Steep = 64.0;
    const double longestTravel = 2 * frame.height();
    QPainterPath path;
    double travel = 0.0;
    std::vector<QPointF> joins;
    std::vector<QRectF> bars;
    const auto drawPath = [&] {
        if (!path.isEmpty())
            painter.drawPath(path);
        path.clear();
        travel = 0.0;
    };
    for (const std::vector<Point>& piece : picture.pieces) {
        for (std::size_t i = 1; i < piece.size(); ++i) {
            QPointF a(px(piece[i - 1].x), py(piece[i - 1].y));
            QPointF b(px(piece[i].x), py(piece[i].y));
            if (!clip(a, b, reach))
                continue;
            if (std::fabs(b.x() - a.x()) <= 1.0 && std::fabs(b.y() - a.y()) > Steep) {
                drawPath();
                bars.emplace_back(QPointF(std::min(a.x(), b.x()) - 1.0, std::min(a.y(), b.y())),
                                  QPointF(std::max(a.x(), b.x()) + 1.0, std::max(a.y(), b.y())));
                continue;
            }
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
    painter.setBrush(QColor(CurveColour));
    for (const QPointF& join : joins)
        painter.drawEllipse(join, pen.widthF() / 2, pen.widthF() / 2);
    for (const QRectF& bar : bars)
        painter.drawRect(bar);
}

} // namespace pellitor::plot
