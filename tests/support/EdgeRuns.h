// Reads a button's lines off a grabbed image in device pixels: walking from the button's middle
// out across one edge, how many pixels in a row show each expected colour.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

namespace pellitor::testing {

// Device pixels per one-pixel line at widget's ratio; 0 for a ratio the tests do not know, or
// when QT_SCALE_FACTOR did not take (every check would pass at ratio 1).
inline int expectedLineWidth(const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        && !qFuzzyCompare(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()))
        return 0;
    const struct {
        qreal ratio;
        int width;
    } widths[] = {{1.0, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}, {3.0, 3}};
    for (const auto& entry : widths) {
        if (qFuzzyCompare(entry.ratio, ratio))
            return entry.width;
    }
    return 0;
}

enum class Edge { Top, Left, Bottom, Right };
inline constexpr Edge edges[] = {Edge::Top, Edge::Left, Edge::Bottom, Edge::Right};

inline const char* edgeName(Edge edge)
{
    static const char* const names[] = {"top", "left", "bottom", "right"};
    return names[int(edge)];
}

// One device pixel outwards across edge.
inline QPoint outwards(Edge edge)
{
    static const QPoint steps[] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
    return steps[int(edge)];
}

// Where widget lies on image, a grab of window taken at device pixel ratio ratio.
inline QRect deviceRect(const QWidget& widget, const QWidget& window, qreal ratio)
{
    const QRectF logical(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    const QRectF device(logical.topLeft() * ratio, logical.size() * ratio);
    return device.toAlignedRect();
}

// The first pixel of colour on the way from start out across edge, or an invalid point.
inline QPoint firstOf(const QImage& image, QPoint start, Edge edge, QRgb colour)
{
    QPoint at = start;
    while (image.valid(at) && image.pixel(at) != colour)
        at += outwards(edge);
    return at;
}

// Where to start out across edge from, lines lineWidth device pixels wide. Across the top and
// bottom edges: the middle row of a column just inside the left ring lines, clear of the caption
// (which may reach the ring of a low button). Across the left and right edges: the middle row,
// or the nearest row above whose middle pixel is none of colours (a pale ring line may match
// the gradient of some row).
inline QPoint startAcross(const QImage& image, QRect area, Edge edge, const QList<QRgb>& colours, int lineWidth)
{
    if (edge == Edge::Top || edge == Edge::Bottom)
        return {area.left() + 4 * lineWidth, area.center().y()};
    QPoint start = area.center();
    while (image.valid(start) && colours.contains(image.pixel(start)))
        start.ry() -= 1;
    return start;
}

// From start (inside the button) out across edge: skips to the first pixel of colours[0], then
// counts the run of each colour in turn (0 for a colour that does not come next). As text:
// "2 2 2".
inline QString runsAcross(const QImage& image, QPoint start, Edge edge, const QList<QRgb>& colours)
{
    QPoint at = firstOf(image, start, edge, colours.first());
    QStringList runs;
    for (const QRgb colour : colours) {
        int run = 0;
        for (; image.valid(at) && image.pixel(at) == colour; at += outwards(edge))
            ++run;
        runs.append(QString::number(run));
    }
    return runs.join(QLatin1Char(' '));
}

// What runsAcross gives for count lines of width device pixels each.
inline QString equalRuns(int count, int width)
{
    return QStringList(count, QString::number(width)).join(QLatin1Char(' '));
}

} // namespace pellitor::testing
