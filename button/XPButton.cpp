// The button's properties, their persistence, and its pointer, keyboard, focus and hover handling.
#include "XPButton.h"

#include "Announcer.h"
#include "ControlHost.h"
#include "DesignFont.h"
#include "HoverClock.h"
#include "KeyCodes.h"
#include "MessageBox.h"
#include "ModXPButton.h"
#include "ModalBlocking.h"
#include "PropertyBag.h"
#include "XPButtonAccessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace pellitor {

namespace {
constexpr qint16 LeftButton = 1;
constexpr qint16 SpaceKey = 32;
constexpr qint16 EnterKey = 13;
// How long a press by an assistive tool shows the pressed look, as a key held briefly would.
constexpr int PressShownMs = 100;

void announce(XPButton* button, QAccessible::Event what)
{
    QAccessibleEvent event(button, what);
    platform::Announcer::send(event);
}

void announceState(XPButton* button, void (*mark)(QAccessible::State&))
{
    QAccessible::State changed;
    mark(changed);
    QAccessibleStateChangeEvent event(button, changed);
    platform::Announcer::send(event);
}
} // namespace

XPButton::XPButton(QWidget* parent, platform::ControlHost* host)
    : QWidget(parent), m_host(host), tmrCheck(new platform::HoverTimer(this))
{
    tmrCheck->setObjectName(QStringLiteral("tmrCheck"));
    platform::registerDesignFonts();
    setFont(platform::designFont());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // paintEvent covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyWindowShape();
    XPButtonAccessible::installFactory();
}

XPButton::~XPButton()
{
    Terminate();
}

void XPButton::propertyChanged(const char* name)
{
    // A host that fails throws, and the repaint is skipped.
    if (m_host)
        m_host->propertyChanged(QString::fromLatin1(name));
    update();
    if (qstrcmp(name, "Caption") == 0)
        announce(this, QAccessible::NameChanged);
    else if (qstrcmp(name, "Enabled") == 0)
        announceState(this, [](QAccessible::State& state) { state.disabled = true; });
}

void XPButton::setPressed(bool pressed)
{
    const bool changed = bolPressed != pressed;
    bolPressed = pressed;
    update();
    if (changed)
        announceState(this, [](QAccessible::State& state) { state.pressed = true; });
}

void XPButton::setCaption(const QString& value)
{
    m_caption = value;
    propertyChanged("Caption");
}

void XPButton::setForeColor(quint32 value)
{
    m_foreColor = value;
    propertyChanged("ForeColor");
}

void XPButton::setColorStyle(qint32 value)
{
    m_colorStyle = value;
    propertyChanged("ColorStyle");
}

void XPButton::setFocusDottedRect(bool value)
{
    m_focusDottedRect = value;
    propertyChanged("FocusDottedRect");
}

void XPButton::setEnabledFlag(bool value)
{
    m_enabled = value;
    // A disabled button ignored the poll; enabled again, it must see where the pointer is.
    if (value)
        platform::HoverClock::current().wake();
    propertyChanged("Enabled");
}

void XPButton::setFontType(const QFont& value)
{
    setFont(value);
    propertyChanged("FontType");
}

void XPButton::setIcon(const QImage& value)
{
    m_icon = value;
    imgIcon = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
    propertyChanged("Icon");
}

void XPButton::setIconMask(const QImage& value)
{
    m_iconMask = value;
    imgMask = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
    propertyChanged("IconMask");
}

void XPButton::setRoundedValue(qint32 value)
{
    m_roundedValue = value;
    applyWindowShape();
    propertyChanged("RoundedValue");
}

void XPButton::setCaptionAlignment(qint32 value)
{
    m_captionAlignment = value;
    propertyChanged("CaptionAlignment");
}

void XPButton::setIconAlignment(qint32 value)
{
    m_iconAlignment = value;
    propertyChanged("IconAlignment");
}

void XPButton::InitProperties()
{
    m_terminated = false;
    setCaption(m_host ? m_host->displayName() : objectName());
    setForeColor(Defaults::ForeColor);
    setColorStyle(Defaults::ColorStyle);
    setFocusDottedRect(Defaults::FocusDottedRect);
    setEnabledFlag(Defaults::Enabled);
    setIcon(QImage());
    setIconMask(QImage());
    setRoundedValue(Defaults::RoundedValue);
    setCaptionAlignment(Defaults::CaptionAlignment);
    setIconAlignment(Defaults::IconAlignment);
    startHoverTimerInRunMode();
}

void XPButton::ReadProperties(const platform::PropertyBag& bag)
{
    m_terminated = false;
    setCaption(bag.read<QString>("Caption", QString()));
    setForeColor(static_cast<quint32>(bag.read<qint32>("ForeColor", static_cast<qint32>(Defaults::ForeColor))));
    setColorStyle(bag.read<qint32>("ColorStyle", Defaults::ColorStyle));
    setFocusDottedRect(bag.read<bool>("FocusDottedRect", Defaults::FocusDottedRect));
    setEnabledFlag(bag.read<bool>("Enabled", Defaults::Enabled));
    setFontType(bag.read<QFont>("FontType", font()));
    setIcon(bag.read<QImage>("Icon", QImage()));
    setIconMask(bag.read<QImage>("IconMask", QImage()));
    setRoundedValue(bag.read<qint32>("RoundedValue", Defaults::RoundedValue));
    setCaptionAlignment(bag.read<qint32>("CaptionAlignment", Defaults::CaptionAlignment));
    setIconAlignment(bag.read<qint32>("IconAlignment", Defaults::IconAlignment));
    startHoverTimerInRunMode();
}

void XPButton::WriteProperties(platform::PropertyBag& bag) const
{
    bag.writeProperty("Caption", m_caption, QString());
    bag.writeProperty("ForeColor", static_cast<qint32>(m_foreColor), static_cast<qint32>(Defaults::ForeColor));
    bag.writeProperty("ColorStyle", m_colorStyle, Defaults::ColorStyle);
    bag.writeProperty("FocusDottedRect", m_focusDottedRect, Defaults::FocusDottedRect);
    bag.writeProperty("Enabled", m_enabled, Defaults::Enabled);
    // Against the design font, not the current one: a font passed as its own default would
    // never be stored, and a changed caption font would be lost on the next load.
    bag.writeProperty("FontType", font(), platform::designFont());
    bag.writeProperty("Icon", m_icon, QImage());
    bag.writeProperty("IconMask", m_iconMask, QImage());
    bag.writeProperty("RoundedValue", m_roundedValue, Defaults::RoundedValue);
    bag.writeProperty("CaptionAlignment", m_captionAlignment, Defaults::CaptionAlignment);
    bag.writeProperty("IconAlignment", m_iconAlignment, Defaults::IconAlignment);
}

void XPButton::startHoverTimerInRunMode()
{
    const bool runMode = m_host ? m_host->userMode() : true;
    if (runMode) {
        connect(tmrCheck, &platform::HoverTimer::timeout, this, &XPButton::tmrCheck_Timer, Qt::UniqueConnection);
        tmrCheck->start();
    }
}

void XPButton::Terminate()
{
    tmrCheck->stop();
    m_pressRelease.stop();
    m_pressesWaiting = 0;
    bolPressed = false;
    bolHover = false;
    bolFocused = false;
    m_terminated = true;
    update();
}

void XPButton::AccessKeyPress(qint16 KeyAscii)
{
    platform::MessageBox::show(QString::number(KeyAscii).toStdU16String(), u"Pellitor", platform::MessageStyle::OkOnly);
}

void XPButton::press()
{
    if (!m_enabled || platform::isBlockedByModalWindow(this))
        return;
    if (m_pressRelease.isActive())
        ++m_pressesWaiting;
    else
        startPress();
}

void XPButton::startPress()
{
    const QPointer<XPButton> alive(this);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(this, &down);
    if (alive)
        m_pressRelease.start(PressShownMs, this);
}

void XPButton::finishPress()
{
    if (!m_pressRelease.isActive())
        return;
    m_pressRelease.stop();
    const QPointer<XPButton> alive(this);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(this, &up);
    if (!alive)
        return;
    if (!m_enabled || platform::isBlockedByModalWindow(this)) {
        // The button stopped taking input while the press showed (a modal window opened by the
        // press before it, say): no Click, for this press nor those waiting.
        m_pressesWaiting = 0;
        return;
    }
    // The next press starts before this Click: if the Click opens a modal window, that press
    // finds the button blocked when it ends, as a second mouse click would.
    if (m_pressesWaiting > 0) {
        --m_pressesWaiting;
        startPress();
    }
    if (alive)
        emit Click();
}

void XPButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_pressRelease.timerId())
        finishPress();
    else
        QWidget::timerEvent(event);
}

bool XPButton::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The tooltip is what assistive tools read as the button's description.
    if (event->type() == QEvent::ToolTipChange)
        announce(this, QAccessible::DescriptionChanged);
    return handled;
}

void XPButton::tmrCheck_Timer()
{
    if (!m_enabled)
        return;
    tmrCheck->stop();
    const platform::PointerSample& sample = tmrCheck->sample();
    ptCursor = sample.position;
    const bool over = sample.widget == this;
    // A host handler may delete the button; nothing of it is touched after that.
    const QPointer<XPButton> alive(this);
    if (!bolHover && over) {
        bolHover = true;
        update();
        emit MouseEnters(ptCursor.x(), ptCursor.y());
    }
    if (alive && bolHover && !over) {
        bolHover = false;
        update();
        emit MouseLeaves(ptCursor.x(), ptCursor.y());
    }
    if (alive)
        tmrCheck->start();
}

void XPButton::applyWindowShape()
{
    // Setting the shape repaints; doing it only on a real change keeps paints from feeding
    // themselves.
    if (size() == m_shapeSize && m_roundedValue == m_shapeEllipse)
        return;
    m_shapeSize = size();
    m_shapeEllipse = m_roundedValue;
    setMask(windowShape());
}

QRegion XPButton::windowShape() const
{
    // Like the outline drawn on its edge, the shape ends one pixel before the right and bottom
    // edges: its pixels run from (0, 0) to (W-2, H-2).
    return ModXPButton::roundedShape(QSize(width() - 1, height() - 1), m_roundedValue);
}

bool XPButton::insideShape(QPoint local) const
{
    return mask().isEmpty() ? rect().contains(local) : mask().contains(local);
}

void XPButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (m_terminated)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    Redraw(painter);
}

void XPButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyWindowShape();
}

void XPButton::focusInEvent(QFocusEvent*)
{
    if (!m_enabled)
        return;
    bolFocused = true;
    update();
}

void XPButton::focusOutEvent(QFocusEvent*)
{
    if (!m_enabled)
        return;
    bolFocused = false;
    update();
}

void XPButton::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (!m_enabled)
        return;
    qint16 KeyCode = platform::virtualKeyCode(event->key(), event->modifiers());
    qint16 Shift = platform::shiftState(event->modifiers());
    const QPointer<XPButton> alive(this);
    emit KeyDown(KeyCode, Shift);
    if (!alive)
        return;
    if (KeyCode == SpaceKey)
        setPressed(true);
    const QString text = event->text();
    if (text.isEmpty())
        return;
    qint16 KeyAscii = static_cast<qint16>(text.at(0).unicode());
    emit KeyPress(KeyAscii);
    if (alive && KeyAscii == EnterKey)
        emit Click();
}

void XPButton::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    // A held key repeats its key-down alone; the release that some systems send with each
    // repeat is not a key going up.
    if (event->isAutoRepeat() || !m_enabled)
        return;
    qint16 KeyCode = platform::virtualKeyCode(event->key(), event->modifiers());
    qint16 Shift = platform::shiftState(event->modifiers());
    const QPointer<XPButton> alive(this);
    emit KeyUp(KeyCode, Shift);
    if (alive && KeyCode == SpaceKey)
        setPressed(false);
}

void XPButton::mousePressEvent(QMouseEvent* event)
{
    if (!m_enabled)
        return;
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    qint16 Button = platform::mouseButtons(event->button());
    qint16 Shift = platform::shiftState(event->modifiers());
    float X = static_cast<float>(event->position().x());
    float Y = static_cast<float>(event->position().y());
    const QPointer<XPButton> alive(this);
    emit MouseDown(Button, Shift, X, Y);
    if (alive && Button == LeftButton)
        setPressed(true);
}

void XPButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    // The system reports this press as a double click: its release is no click.
    m_clickPending = false;
    emit DoubleClick();
}

void XPButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_enabled)
        return;
    qint16 Button = platform::mouseButtons(event->buttons());
    qint16 Shift = platform::shiftState(event->modifiers());
    float X = static_cast<float>(event->position().x());
    float Y = static_cast<float>(event->position().y());
    emit MouseMove(Button, Shift, X, Y);
}

void XPButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool leftUp = event->button() == Qt::LeftButton;
    // The system's click: the left button went down and came up on the button.
    const bool click = leftUp && m_clickPending && insideShape(event->position().toPoint());
    if (leftUp)
        m_clickPending = false;
    if (!m_enabled)
        return;
    qint16 Button = platform::mouseButtons(event->button());
    qint16 Shift = platform::shiftState(event->modifiers());
    float X = static_cast<float>(event->position().x());
    float Y = static_cast<float>(event->position().y());
    const QPointer<XPButton> alive(this);
    emit MouseUp(Button, Shift, X, Y);
    if (!alive)
        return;
    if (Button == LeftButton)
        setPressed(false);
    if (click)
        emit Click();
}

} // namespace pellitor
