// The button's look: the gradient, the border, the eight ring lines of hover, focus and pressed
// in three colour schemes, the disabled look, the dotted focus rectangle, the icon and the caption.
#include "XPButton.h"

#include "ModXPButton.h"
#include "clsGradient.h"

#include <QFontMetrics>
#include <QPainter>

namespace pellitor {

namespace {
struct Scheme {
    quint32 normalTop;
    quint32 normalBottom;
    quint32 border;
    quint32 pressedTop;
    quint32 pressedBottom;
};

// Colours are 0x00BBGGRR. Index 0 is style 1.
constexpr Scheme schemes[3] = {
    {0x00FBFCFC, 0x00EAF0F0, 0x00743C00, 0x00DDE4E5, 0x00DAE2E2},
    {0x00FFFFFF, 0x00D7C5C6, 0x00743C00, 0x00BDABAC, 0x00FFFFFF},
    {0x00F2FFFE, 0x00DBEEF3, 0x00066237, 0x00D2E6EE, 0x00CEE4EC},
};

// The ring lines in drawing order: outer top, left, bottom, right, then inner top, left,
// bottom, right.
constexpr quint32 hoverRings[3][8] = {
    {0x00CFF0FF, 0x0058C3FA, 0x000097E5, 0x0069CAFC, 0x0089D8FD, 0x0060C8FB, 0x0030B3F8, 0x0061C7FA},
    {0x00CFF0FF, 0x0058C3FA, 0x000097E5, 0x0069CAFC, 0x0089D8FD, 0x0060C8FB, 0x0030B3F8, 0x0061C7FA},
    {0x0095C5FC, 0x0076AAE8, 0x002572CF, 0x006FA6E7, 0x0096BEED, 0x006FA6E7, 0x004F91E3, 0x0077ABE7},
};
constexpr quint32 focusRings[3][8] = {
    {0x00FFE7CE, 0x00EABB9C, 0x00EE8269, 0x00EBBB9C, 0x00F6D4BC, 0x00EBBC9D, 0x00E4AD89, 0x00EBBB9D},
    {0x00FFE7CE, 0x00ECBEA0, 0x00EE8269, 0x00EBBB9C, 0x00F6D4BC, 0x00FFFFFF, 0x00E4AD89, 0x00FFFFFF},
    {0x008FD1C2, 0x0067C7A0, 0x0066A7A8, 0x0068C6A1, 0x0080CBB1, 0x005FC49B, 0x0054C190, 0x005DC398},
};
// Style 2 draws only the four outer lines when pressed.
constexpr quint32 pressedRings[3][8] = {
    {0x00C1CCD1, 0x00CBD4D7, 0x00EEF1F2, 0x00DBE3E4, 0x00CFD8DC, 0x00D3DBDD, 0x00E3E9EA, 0x00DBE2E3},
    {0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0, 0, 0, 0},
    {0x00B4CDDF, 0x00BFD4E3, 0x00E4F4F8, 0x00CFE5EE, 0x00C3D9E7, 0x00C6DCE8, 0x00D8ECF2, 0x00CFE4ED},
};

constexpr quint32 DisabledBackground = 0x00EAF4F5;
constexpr quint32 DisabledBorder = 0x00BAC7C9; // also the caption
constexpr quint32 DisabledIconShape = 0x0099A8AC;
constexpr quint32 DottedRectColor = 0x00000000;

constexpr int TwipsPerPixel = 15;

// While it lives, the painter draws in device pixels: its transform is the identity on the device.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter) : m_painter(painter)
    {
        painter.save();
        painter.setWorldTransform(painter.deviceTransform().inverted(), true);
    }
    ~DevicePixels() { m_painter.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

private:
    QPainter& m_painter;
};

// The gradient over the button's every device pixel, one colour step per device row.
void fillGradient(QPainter& painter, const ModXPButton::PixelGrid& grid, clsGradient& gradient, quint32 top,
                  quint32 bottom)
{
    const DevicePixels device(painter);
    const QRect surface = grid.surface();
    gradient.DefineRect(surface.left(), surface.top(), surface.right() + 1, surface.bottom() + 1);
    gradient.DrawGradient(painter, clsGradient::Vertical, top, bottom);
}
} // namespace

void XPButton::Redraw(QPainter& painter) const
{
    // The window shape follows size and RoundedValue in applyWindowShape, not here: setting it
    // from a paint would ask for another paint.
    const ModXPButton::PixelGrid grid(painter.deviceTransform(), size(), windowShape());
    clsGradient gradient;
    if (m_colorStyle >= 1 && m_colorStyle <= 3) {
        if (m_enabled)
            drawEnabledLook(painter, grid, gradient, m_colorStyle);
        else
            drawDisabledLook(painter, grid, gradient);
    } else if (bolHover && m_focusDottedRect) {
        DrawDottedRect(painter, grid);
    }
}

void XPButton::drawDisabledLook(QPainter& painter, const ModXPButton::PixelGrid& grid, clsGradient& gradient) const
{
    fillGradient(painter, grid, gradient, DisabledBackground, DisabledBackground);
    drawOutline(painter, grid, DisabledBorder);
    DrawIcon(painter);
    DrawCaption(painter, m_caption, m_captionAlignment, DisabledBorder);
}

void XPButton::drawEnabledLook(QPainter& painter, const ModXPButton::PixelGrid& grid, clsGradient& gradient,
                               int style) const
{
    const Scheme& scheme = schemes[style - 1];
    fillGradient(painter, grid, gradient, scheme.normalTop, scheme.normalBottom);
    drawOutline(painter, grid, scheme.border);

    // The hover ring wins over the focus ring; the pressed look wins over both.
    if (bolHover && !bolPressed) {
        drawRing(painter, grid, hoverRings[style - 1], 8);
    } else if (bolFocused && !bolPressed) {
        drawRing(painter, grid, focusRings[style - 1], 8);
        if (m_focusDottedRect)
            DrawDottedRect(painter, grid);
    } else if (bolPressed) {
        fillGradient(painter, grid, gradient, scheme.pressedTop, scheme.pressedBottom);
        drawOutline(painter, grid, scheme.border);
        drawRing(painter, grid, pressedRings[style - 1], style == 2 ? 4 : 8);
        if (bolFocused && m_focusDottedRect)
            DrawDottedRect(painter, grid);
    }

    DrawIcon(painter);
    DrawCaption(painter, m_caption, m_captionAlignment, m_foreColor);
}

void XPButton::drawOutline(QPainter& painter, const ModXPButton::PixelGrid& grid, quint32 color) const
{
    // The border with a hollow interior, on the edge of the window shape.
    const DevicePixels device(painter);
    const QColor qcolor = ModXPButton::toQColor(color);
    for (const QRect& run : grid.border())
        painter.fillRect(run, qcolor);
}

void XPButton::drawRing(QPainter& painter, const ModXPButton::PixelGrid& grid, const quint32 (&colors)[8],
                        int lines) const
{
    const DevicePixels device(painter);
    const int W = width();
    const int H = height();
    // Each line stops one pixel short of its end point, so the outer ring's corners stay open
    // and follow the rounded border.
    const QLine ring[8] = {
        {2, 1, W - 3, 1}, {1, 2, 1, H - 3}, {2, H - 3, W - 3, H - 3}, {W - 3, 2, W - 3, H - 3},
        {2, 2, W - 3, 2}, {2, 2, 2, H - 3}, {2, H - 4, W - 3, H - 4}, {W - 4, 2, W - 4, H - 3},
    };
    for (int i = 0; i < lines; ++i)
        painter.fillRect(grid.line(ring[i].x1(), ring[i].y1(), ring[i].x2(), ring[i].y2()),
                         ModXPButton::toQColor(colors[i]));
}

void XPButton::DrawDottedRect(QPainter& painter, const ModXPButton::PixelGrid& grid) const
{
    // One dot a line wide and high, then a gap as wide: every second pixel, in device pixels.
    const DevicePixels device(painter);
    const int W = width();
    const int H = height();
    const int k = grid.unit();
    const QColor black = ModXPButton::toQColor(DottedRectColor);
    for (int x = grid.x(3); x <= grid.x(W - 5); x += 2 * k) {
        painter.fillRect(QRect(x, grid.y(2), k, k), black);
        painter.fillRect(QRect(x, grid.y(H - 4), k, k), black);
    }
    for (int y = grid.y(4); y <= grid.y(H - 4); y += 2 * k) {
        painter.fillRect(QRect(grid.x(2), y, k, k), black);
        painter.fillRect(QRect(grid.x(W - 4), y, k, k), black);
    }
}

void XPButton::DrawIcon(QPainter& painter) const
{
    // The icon needs both pictures: the mask clears its shape, the icon fills it in.
    if (imgIcon.isNull() || imgMask.isNull())
        return;
    const int W = width();
    const int H = height();
    const int Y = ModXPButton::roundHalfEven(H * 0.5 - imgIcon.height() * 0.5);
    if (m_enabled) {
        int X = 0;
        if (m_iconAlignment == 1)
            X = 5;
        else if (m_iconAlignment == 2)
            X = W - imgIcon.width() - 5;
        else
            return;
        ModXPButton::BitBlt(painter, X, Y, imgMask, ModXPButton::RasterOp::SrcAnd);
        ModXPButton::BitBlt(painter, X, Y, imgIcon, ModXPButton::RasterOp::SrcPaint);
        return;
    }
    // The greyed shape: the mask with its black turned grey, rebuilt on every disabled paint.
    QImage imgDis = imgMask.copy();
    ModXPButton::ReplaceColor(imgDis, 0, DisabledIconShape);
    int X = 0;
    if (m_iconAlignment == 1)
        X = 5;
    else if (m_iconAlignment == 2)
        X = W - imgDis.width() - 5;
    else
        return;
    ModXPButton::BitBlt(painter, X, Y, imgDis, ModXPButton::RasterOp::SrcAnd);
    ModXPButton::BitBlt(painter, X, Y, imgDis, ModXPButton::RasterOp::SrcPaint);
}

void XPButton::DrawCaption(QPainter& painter, const QString& text, qint32 alignment, quint32 color) const
{
    // Measured and placed in twips, 15 to the pixel.
    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const double Wt = width() * TwipsPerPixel;
    const double Ht = height() * TwipsPerPixel;
    const double TW = metrics.horizontalAdvance(text) * TwipsPerPixel;
    const double TH = metrics.height() * TwipsPerPixel;

    // 20 twips above vertical centring; 100 twips in from the edge when aligned left or right.
    const int Y = ModXPButton::roundHalfEven(Ht * 0.5 - (TH * 0.5 + 20));
    int X = 0;
    if (alignment == 2)
        X = ModXPButton::roundHalfEven(Wt * 0.5 - TW * 0.5);
    else if (alignment == 1)
        X = ModXPButton::roundHalfEven(Wt - TW - 100);
    else if (alignment == 0)
        X = 100;
    else
        return;

    const int x = ModXPButton::roundHalfEven(double(X) / TwipsPerPixel);
    const int y = ModXPButton::roundHalfEven(double(Y) / TwipsPerPixel);
    painter.setPen(ModXPButton::toQColor(color));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

} // namespace pellitor
