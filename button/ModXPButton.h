// Free drawing routines of the button: colours in the 0x00BBGGRR form, the rounded shape and its
// outline, the grid its lines are laid on, block copies with raster operations, and ReplaceColor.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTransform>

namespace pellitor::ModXPButton {

// 0x00BBGGRR (red in the lowest byte; the highest byte is ignored) as a Qt colour, and back.
QColor toQColor(quint32 color);
quint32 fromQRgb(QRgb rgb);

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

// A rounded rectangle whose pixels run from (0, 0) to (size.width() - 1, size.height() - 1),
// corners cut by an ellipse of ellipse by ellipse pixels (below 2: square corners).
QRegion roundedShape(QSize size, int ellipse);
// The pixels of shape that lie less than width pixels from its outside, straight across: an
// outline width pixels wide. shape must be one run per row and per column, as a rounded shape is.
QRegion outline(const QRegion& shape, int width);

// Where the button's lines fall on a painter's device. A screen scaled by a ratio f multiplies
// logical coordinates by f, so a logical one-pixel line covers 1 or 2 device pixels at f = 1.5,
// by where it falls. The border, the ring and the focus dots are therefore laid in device pixels:
// a one-pixel line is unit() = max(1, round(f)) device pixels wide (1 below f = 1.5, so 1 at
// 1.25; 2 at 1.5 and 2; 3 at 2.5), and a line n logical pixels in from an edge of the window
// shape lies n units in from that edge's device pixel, so that right and bottom lines are as
// wide as left and top ones. At f = 1 this is the logical grid itself.
class PixelGrid {
public:
    // toDevice: the painter's logical-to-device transform (a scale and a translation); size: the
    // button's logical size; shape: its window shape, within (0, 0, size - (1, 1)).
    PixelGrid(const QTransform& toDevice, QSize size, const QRegion& shape);

    int unit() const { return m_unit; }
    // Every device pixel of the button.
    QRect surface() const { return m_surface; }
    // The border: one line along the edge of the window shape's device pixels, which are the
    // pixels Qt clips the window to.
    QRegion border() const { return outline(m_shape, m_unit); }
    // The device column of the left edge of logical column x, which lies near an edge of the
    // shape: counted in units from the shape's left edge in its left half, from its right edge
    // in its right half. y likewise, from the top or the bottom edge.
    int x(int logical) const;
    int y(int logical) const;
    // The device pixels of the horizontal or vertical one-pixel line from (x1, y1) up to, not
    // including, (x2, y2).
    QRect line(int x1, int y1, int x2, int y2) const;

private:
    QSize m_size;
    QRect m_surface;
    QRegion m_shape;
    QRect m_box; // the shape's bounds: (0, 0) to (W - 2, H - 2) on the device
    int m_unit;
};

enum class RasterOp {
    SrcAnd,   // destination AND source
    SrcPaint, // destination OR source
};
// Copies the whole of source onto the painter's device at (x, y), combining pixel by pixel.
void BitBlt(QPainter& painter, int x, int y, const QImage& source, RasterOp op);

// Sets every pixel of holder whose colour is exactly oldColor to newColor.
void ReplaceColor(QImage& holder, quint32 oldColor, quint32 newColor);

} // namespace pellitor::ModXPButton
