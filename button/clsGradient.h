// Fills a rectangle with a two-colour linear gradient, left to right or top to bottom.
#pragma once

#include <QPainter>
#include <QtGlobal>

namespace pellitor {

class clsGradient {
public:
    // The rectangle in the system's layout: left, top, right and bottom, right and bottom
    // excluded. All zero until DefineRect.
    struct Rect {
        qint32 left = 0;
        qint32 top = 0;
        qint32 right = 0;
        qint32 bottom = 0;
    };

    // A corner of the fill: position and 16-bit channels (the colour byte times 256).
    struct Vertex {
        qint32 x = 0;
        qint32 y = 0;
        quint16 Red = 0;
        quint16 Green = 0;
        quint16 Blue = 0;
        quint16 Alpha = 0;
    };

    static constexpr qint32 Horizontal = 0;
    static constexpr qint32 Vertical = 1;

    void DefineRect(qint32 X1, qint32 y1, qint32 x2, qint32 y2);
    // Fills the rectangle through painter from StartColor to EndColor (0x00BBGGRR, highest byte ignored):
    // Direction 0 runs left to right, 1 top to bottom; any other value, an empty or an inverted
    // rectangle draws nothing.
    void DrawGradient(QPainter& painter, qint32 Direction, quint32 StartColor, quint32 EndColor) const;

    static Vertex MakeVertex(qint32 x, qint32 y, quint32 color);

private:
    Rect m_rect;
};

} // namespace pellitor
