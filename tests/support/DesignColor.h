// Colours as the button's tables give them, 0x00BBGGRR (red in the lowest byte), read here
// without the button's own conversion, so that a fault there shows as a wrong pixel.
#pragma once

#include <QRgb>

namespace pellitor::testing {

constexpr QRgb bgr(quint32 color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

static_assert(bgr(0x00FBFCFC) == qRgb(0xFC, 0xFC, 0xFB));

} // namespace pellitor::testing
