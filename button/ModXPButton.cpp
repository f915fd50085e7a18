// The button's drawing routines.
#include "ModXPButton.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pellitor::ModXPButton {

namespace {
struct Span {
    int left;
    int right; // inclusive
};

// The shape row by row: each row is one span, inset at the corners where the pixel's centre
// lies outside the corner ellipse.
std::vector<Span> shapeRows(QSize size, int ellipse)
{
    const int w = size.width();
    const int h = size.height();
    std::vector<Span> rows;
    if (w <= 0 || h <= 0)
        return rows;
    const int e = std::min({std::abs(ellipse), w, h});
    const double a = e / 2.0;
    rows.reserve(h);
    for (int y = 0; y < h; ++y) {
        int inset = 0;
        const int fromEdge = std::min(y, h - 1 - y);
        if (e >= 2 && fromEdge + 0.5 < a) {
            const double dy = a - (fromEdge + 0.5);
            const double dx = a * std::sqrt(std::max(0.0, 1.0 - (dy / a) * (dy / a)));
            inset = std::max(0, static_cast<int>(std::ceil(a - dx - 0.5 - 1e-9)));
        }
        rows.push_back({inset, w - 1 - inset});
    }
    return rows;
}
} // namespace

QColor toQColor(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

quint32 fromQRgb(QRgb rgb)
{
    return quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16;
}

int roundHalfEven(double value)
{
    // The program never leaves the default rounding mode, which rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

QRegion roundedShape(QSize size, int ellipse)
{
    QRegion region;
    const std::vector<Span> rows = shapeRows(size, ellipse);
    int first = 0;
    for (int y = 1; y <= static_cast<int>(rows.size()); ++y) {
        // One rectangle per run of rows with the same inset.
        if (y == static_cast<int>(rows.size()) || rows[y].left != rows[first].left) {
            region += QRect(rows[first].left, first, rows[first].right - rows[first].left + 1, y - first);
            first = y;
        }
    }
    return region;
}

QRegion outline(const QRegion& shape, int width)
{
    // A pixel lies at least width pixels deep when the pixels width away on all four sides are
    // in the shape: being one run per row and column, it then holds everything between.
    QRegion deep = shape;
    deep &= shape.translated(width, 0);
    deep &= shape.translated(-width, 0);
    deep &= shape.translated(0, width);
    deep &= shape.translated(0, -width);
    return shape - deep;
}

PixelGrid::PixelGrid(const QTransform& toDevice, QSize size, const QRegion& shape)
    : m_size(size),
      // Qt maps a logical edge e to device pixel round(f * e + offset), for the window's clip as
      // for a fill; mapping through the same transform keeps the border on the clip's edge.
      m_surface(toDevice.map(QRegion(QRect(QPoint(0, 0), size))).boundingRect()), m_shape(toDevice.map(shape)),
      m_box(toDevice.map(QRegion(QRect(0, 0, size.width() - 1, size.height() - 1))).boundingRect()),
      m_unit(std::max(1, qRound(toDevice.m11())))
{
}

int PixelGrid::x(int logical) const
{
    const int span = m_size.width() - 1;
    return 2 * logical <= span ? m_box.left() + logical * m_unit
                               : m_box.left() + m_box.width() - (span - logical) * m_unit;
}

int PixelGrid::y(int logical) const
{
    const int span = m_size.height() - 1;
    return 2 * logical <= span ? m_box.top() + logical * m_unit
                               : m_box.top() + m_box.height() - (span - logical) * m_unit;
}

QRect PixelGrid::line(int x1, int y1, int x2, int y2) const
{
    if (y1 == y2 && x1 != x2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        const int to = x1 < x2 ? x2 : x1 + 1;
        return QRect(QPoint(x(from), y(y1)), QPoint(x(to) - 1, y(y1) + m_unit - 1));
    }
    if (x1 == x2 && y1 != y2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        const int to = y1 < y2 ? y2 : y1 + 1;
        return QRect(QPoint(x(x1), y(from)), QPoint(x(x1) + m_unit - 1, y(to) - 1));
    }
    return QRect();
}

void BitBlt(QPainter& painter, int x, int y, const QImage& source, RasterOp op)
{
    if (source.isNull())
        return;
    painter.save();
    painter.setCompositionMode(op == RasterOp::SrcAnd ? QPainter::RasterOp_SourceAndDestination
                                                      : QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(QPoint(x, y), source);
    painter.restore();
}

void ReplaceColor(QImage& holder, quint32 oldColor, quint32 newColor)
{
    if (holder.isNull())
        return;
    if (holder.format() != QImage::Format_RGB32)
        holder = holder.convertToFormat(QImage::Format_RGB32);
    const QRgb replacement = toQColor(newColor).rgb();
    for (int x = 0; x < holder.width(); ++x) {
        for (int y = 0; y < holder.height(); ++y) {
            if (fromQRgb(holder.pixel(x, y)) == oldColor)
                holder.setPixel(x, y, replacement);
        }
    }
}

} // namespace pellitor::ModXPButton
