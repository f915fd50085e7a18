// Puts an XPButton into a state the way the system would: the pointer over it for one hover
// tick, a focus change, a left press; and renders it as a window would show it.
#pragma once

#include "FakePointer.h"
#include "HoverClock.h"
#include "XPButton.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace pellitor::testing {

// The pointer over button (or off it) for one tick of the shared hover clock.
inline void hover(XPButton& button, FakePointer& pointer, bool over = true)
{
    const QPoint centre = button.mapToGlobal(button.rect().center());
    pointer.moveTo(over ? centre : centre + QPoint(0, 500), over ? &button : nullptr);
    platform::HoverClock::instance().tick();
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

// The button as its window shows it: the surface cleared, the look drawn, clipped to the
// window shape; outside the shape stays backdrop.
inline QImage render(const XPButton& button, QRgb backdrop = qRgb(255, 0, 255))
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(backdrop);
    QPainter painter(&image);
    painter.setClipRegion(button.mask().isEmpty() ? QRegion(button.rect()) : button.mask());
    painter.fillRect(button.rect(), button.palette().color(QPalette::Button));
    button.paintOn(painter);
    painter.end();
    return image;
}

} // namespace pellitor::testing
