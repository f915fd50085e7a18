// Puts an XPButton into a state the way the system would: the pointer over it for one hover
// tick, a focus change, a left press; records its events; and reads its pixels as a window shows
// them.
#pragma once

#include "FakePointer.h"
#include "HoverClock.h"
#include "XPButton.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QImage>
#include <QMouseEvent>
#include <QStringList>

namespace pellitor::testing {

// Records every event of a button as one line of text.
struct EventLog {
    QStringList lines;
    explicit EventLog(XPButton& b)
    {
        const auto mouse = [this](const char* name) {
            return [this, name](qint16& button, qint16& shift, float& x, float& y) {
                lines << QStringLiteral("%1 %2 %3 %4 %5").arg(name).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        QObject::connect(&b, &XPButton::Click, [this] { lines << "Click"; });
        QObject::connect(&b, &XPButton::DoubleClick, [this] { lines << "DoubleClick"; });
        QObject::connect(&b, &XPButton::KeyDown, [this](qint16& code, qint16& shift) {
            lines << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(&b, &XPButton::KeyPress,
                         [this](qint16& ascii) { lines << QStringLiteral("KeyPress %1").arg(ascii); });
        QObject::connect(&b, &XPButton::KeyUp, [this](qint16& code, qint16& shift) {
            lines << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
        QObject::connect(&b, &XPButton::MouseDown, mouse("MouseDown"));
        QObject::connect(&b, &XPButton::MouseMove, mouse("MouseMove"));
        QObject::connect(&b, &XPButton::MouseUp, mouse("MouseUp"));
        QObject::connect(&b, &XPButton::MouseEnters,
                         [this](qint32 x, qint32 y) { lines << QStringLiteral("MouseEnters %1 %2").arg(x).arg(y); });
        QObject::connect(&b, &XPButton::MouseLeaves,
                         [this](qint32 x, qint32 y) { lines << QStringLiteral("MouseLeaves %1 %2").arg(x).arg(y); });
    }
};

// The pointer over button (or off it) for one tick of the shared hover clock.
inline void hover(XPButton& button, FakePointer& pointer, bool over = true)
{
    const QPoint centre = button.mapToGlobal(button.rect().center());
    pointer.moveTo(over ? centre : centre + QPoint(0, 500), over ? &button : nullptr);
    platform::HoverClock::current().tick();
}

inline void focus(XPButton& button, bool in = true)
{
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(&button, &event);
}

inline void pressLeft(XPButton& button)
{
    const QPointF at = button.rect().center();
    QMouseEvent event(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &event);
}

// The button as its window shows it, painted by its own paintEvent onto a backdrop; render()
// keeps to the window shape, so outside it the backdrop stays. grab() would leave those pixels
// undefined: the button claims to paint every pixel itself.
inline QImage render(XPButton& button, QRgb backdrop = qRgb(255, 0, 255))
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(backdrop);
    button.render(&image);
    return image;
}

} // namespace pellitor::testing
