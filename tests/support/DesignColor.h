// Colours as the button's tables give them, 0x00BBGGRR (red in the lowest byte), read here
// without the button's own conversion, so that a fault there shows as a wrong pixel; and the
// expected rings and borders of the three styles, kept once for every test that reads them.
#pragma once

#include <QList>
#include <QRgb>

namespace pellitor::testing {

constexpr QRgb bgr(quint32 color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

static_assert(bgr(0x00FBFCFC) == qRgb(0xFC, 0xFC, 0xFB));

// A ring line that is not drawn (the face shows through).
constexpr quint32 NotDrawn = 0xFFFFFFFF;

// The ring lines of each look in drawing order: outer top, left, bottom, right; inner top, left,
// bottom, right. Styles 1 and 2 share their hover ring.
namespace ring {
inline const QList<quint32> Hover1{0xCFF0FF, 0x58C3FA, 0x0097E5, 0x69CAFC, 0x89D8FD, 0x60C8FB, 0x30B3F8, 0x61C7FA};
inline const QList<quint32> Hover3{0x95C5FC, 0x76AAE8, 0x2572CF, 0x6FA6E7, 0x96BEED, 0x6FA6E7, 0x4F91E3, 0x77ABE7};
inline const QList<quint32> Focus1{0xFFE7CE, 0xEABB9C, 0xEE8269, 0xEBBB9C, 0xF6D4BC, 0xEBBC9D, 0xE4AD89, 0xEBBB9D};
inline const QList<quint32> Focus2{0xFFE7CE, 0xECBEA0, 0xEE8269, 0xEBBB9C, 0xF6D4BC, 0xFFFFFF, 0xE4AD89, 0xFFFFFF};
inline const QList<quint32> Focus3{0x8FD1C2, 0x67C7A0, 0x66A7A8, 0x68C6A1, 0x80CBB1, 0x5FC49B, 0x54C190, 0x5DC398};
inline const QList<quint32> Pressed1{0xC1CCD1, 0xCBD4D7, 0xEEF1F2, 0xDBE3E4, 0xCFD8DC, 0xD3DBDD, 0xE3E9EA, 0xDBE2E3};
inline const QList<quint32> Pressed2{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, NotDrawn, NotDrawn, NotDrawn, NotDrawn};
inline const QList<quint32> Pressed3{0xB4CDDF, 0xBFD4E3, 0xE4F4F8, 0xCFE5EE, 0xC3D9E7, 0xC6DCE8, 0xD8ECF2, 0xCFE4ED};
} // namespace ring

// The border: styles 1 and 2, style 3, and any style disabled.
namespace border {
constexpr quint32 Blue = 0x743C00;
constexpr quint32 Green = 0x066237;
constexpr quint32 Disabled = 0xBAC7C9;
} // namespace border

} // namespace pellitor::testing
