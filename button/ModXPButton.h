// Free drawing routines of the button: colours in the 0x00BBGGRR form, the rounded shape and its
// outline, one-pixel lines, block copies with raster operations, and ReplaceColor.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QSize>

namespace pellitor::ModXPButton {

// 0x00BBGGRR (red in the lowest byte; the highest byte is ignored) as a Qt colour, and back.
QColor toQColor(quint32 color);
quint32 fromQRgb(QRgb rgb);

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

// A rounded rectangle whose pixels run from (0, 0) to (size.width() - 1, size.height() - 1),
// corners cut by an ellipse of ellipse by ellipse pixels (below 2: square corners).
QRegion roundedShape(QSize size, int ellipse);
// The pixels of that shape that touch its outside: a one-pixel outline.
QPolygon roundedOutline(QSize size, int ellipse);

// A horizontal or vertical one-pixel line from (x1, y1) up to, not including, (x2, y2).
void drawLine(QPainter& painter, int x1, int y1, int x2, int y2, quint32 color);

enum class RasterOp {
    SrcAnd,   // destination AND source
    SrcPaint, // destination OR source
};
// Copies the whole of source onto the painter's device at (x, y), combining pixel by pixel.
void BitBlt(QPainter& painter, int x, int y, const QImage& source, RasterOp op);

// Sets every pixel of holder whose colour is exactly oldColor to newColor.
void ReplaceColor(QImage& holder, quint32 oldColor, quint32 newColor);

} // namespace pellitor::ModXPButton
