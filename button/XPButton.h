// The program's owner-drawn push button: rounded shape, vertical gradient, coloured rings for
// hover, focus and pressed, an optional masked icon and a caption, in three colour schemes.
#pragma once

#include "HoverTimer.h"
#include "clsGradient.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>

namespace pellitor::ModXPButton {
class PixelGrid;
} // namespace pellitor::ModXPButton

namespace pellitor::platform {
class ControlHost;
class PropertyBag;
} // namespace pellitor::platform

namespace pellitor {

// Derives from QWidget, not QAbstractButton: Space shows the pressed look but never clicks, Enter
// clicks without a pressed look, and the events carry their arguments by reference.
class XPButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(qint32 ColorStyle READ ColorStyle WRITE setColorStyle)
    Q_PROPERTY(bool FocusDottedRect READ FocusDottedRect WRITE setFocusDottedRect)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag)
    Q_PROPERTY(QFont FontType READ FontType WRITE setFontType)
    Q_PROPERTY(QImage Icon READ Icon WRITE setIcon)
    Q_PROPERTY(QImage IconMask READ IconMask WRITE setIconMask)
    Q_PROPERTY(qint32 RoundedValue READ RoundedValue WRITE setRoundedValue)
    Q_PROPERTY(qint32 CaptionAlignment READ CaptionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(qint32 IconAlignment READ IconAlignment WRITE setIconAlignment)

public:
    // host supplies change notification, the run-mode test and the display name; without one
    // the button runs as in a running program, named by its objectName. The caller keeps the
    // host's ownership; it must outlive the button.
    explicit XPButton(QWidget* parent = nullptr, platform::ControlHost* host = nullptr);
    ~XPButton() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    // 0x00BBGGRR.
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 value);
    // 1, 2, 3: the colour schemes; any other value paints no background, border or caption.
    qint32 ColorStyle() const { return m_colorStyle; }
    void setColorStyle(qint32 value);
    bool FocusDottedRect() const { return m_focusDottedRect; }
    void setFocusDottedRect(bool value);
    // The button's own flag. QWidget::setEnabled is left alone on purpose: a button with Enabled
    // false keeps the focus and its input, shows the greyed look and ignores what it receives.
    bool Enabled() const { return m_enabled; }
    void setEnabledFlag(bool value);
    QFont FontType() const { return font(); }
    void setFontType(const QFont& value);
    QImage Icon() const { return m_icon; }
    void setIcon(const QImage& value);
    QImage IconMask() const { return m_iconMask; }
    void setIconMask(const QImage& value);
    // Width and height of the corner ellipse, pixels.
    qint32 RoundedValue() const { return m_roundedValue; }
    void setRoundedValue(qint32 value);
    // 0 left, 1 right, 2 centre; other values draw no caption.
    qint32 CaptionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(qint32 value);
    // 1 left, 2 right; other values draw no icon.
    qint32 IconAlignment() const { return m_iconAlignment; }
    void setIconAlignment(qint32 value);

    // A new instance placed in a window: the defaults, the display name as caption, and the
    // hover timer in run mode.
    void InitProperties();
    // A stored instance: every key read with its default, then the hover timer in run mode. A
    // stored value of the wrong type throws platform::PropertyBagError; the keys after it are
    // not applied.
    void ReadProperties(const platform::PropertyBag& bag);
    // Writes every key with its default (the bag keeps only those that differ).
    void WriteProperties(platform::PropertyBag& bag) const;
    // Stops the hover timer, clears the hover, focus and pressed flags and leaves the surface
    // blank. The destructor calls it.
    void Terminate();
    // The host reports the access key typed (none is declared): a message box with its code.
    void AccessKeyPress(qint16 KeyAscii);

    // The last pointer position the hover poll read, screen pixels.
    QPoint cursorPosition() const { return ptCursor; }

    // What an assistive tool's "Press" does: Space goes down and up on the button, through the
    // same handlers and events as the keyboard's, with the pressed look shown for a moment
    // between, and then Click is raised once. It returns at once: the release and Click follow
    // from the event loop, so a Click that opens a modal window never holds up the tool's call;
    // a press that comes while one is showing waits its turn. Nothing happens while Enabled is
    // false or while a modal window blocks the button, as for the mouse: a press the modal
    // window blocks by the time it would click is dropped, with those waiting behind it.
    void press();

signals:
    void Click();
    void DoubleClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseEnters(qint32 X, qint32 Y);
    void MouseLeaves(qint32 X, qint32 Y);

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class XPButtonAccessible;

    // The defaults in one place: a new instance starts from them, reading a stored layout falls
    // back to them, and writing one leaves out every value equal to them. The others have no
    // single default: Caption is the display name for a new instance and empty in a stored
    // layout, FontType starts as the design font, Icon and IconMask as no picture.
    struct Defaults {
        static constexpr quint32 ForeColor = 0; // black
        static constexpr qint32 ColorStyle = 1;
        static constexpr bool FocusDottedRect = true;
        static constexpr bool Enabled = true;
        static constexpr qint32 RoundedValue = 5;
        static constexpr qint32 CaptionAlignment = 2;
        static constexpr qint32 IconAlignment = 1;
    };

    void propertyChanged(const char* name);
    // Sets bolPressed, repaints and tells assistive tools when it changed.
    void setPressed(bool pressed);
    // Space down, and the pressed look shown until m_pressRelease fires.
    void startPress();
    // Releases the key of a press still showing its pressed look, starts the next press waiting,
    // then raises Click unless a modal window blocks the button.
    void finishPress();
    void startHoverTimerInRunMode();
    void tmrCheck_Timer();
    void applyWindowShape();
    // The rounded window shape for the current size and RoundedValue, in logical pixels.
    QRegion windowShape() const;
    bool insideShape(QPoint local) const;

    void Redraw(QPainter& painter) const;
    // The border, the ring, the dots and the gradient are drawn in device pixels on grid; the
    // icon and the caption in logical pixels.
    void drawEnabledLook(QPainter& painter, const ModXPButton::PixelGrid& grid, clsGradient& gradient, int style) const;
    void drawDisabledLook(QPainter& painter, const ModXPButton::PixelGrid& grid, clsGradient& gradient) const;
    void drawRing(QPainter& painter, const ModXPButton::PixelGrid& grid, const quint32 (&colors)[8], int lines) const;
    void drawOutline(QPainter& painter, const ModXPButton::PixelGrid& grid, quint32 color) const;
    void DrawIcon(QPainter& painter) const;
    void DrawCaption(QPainter& painter, const QString& text, qint32 alignment, quint32 color) const;
    void DrawDottedRect(QPainter& painter, const ModXPButton::PixelGrid& grid) const;

    platform::ControlHost* m_host;

    QString m_caption;
    quint32 m_foreColor = Defaults::ForeColor;
    qint32 m_colorStyle = Defaults::ColorStyle;
    qint32 m_captionAlignment = Defaults::CaptionAlignment;
    qint32 m_iconAlignment = Defaults::IconAlignment;
    QPoint ptCursor;
    bool bolPressed = false;
    bool bolHover = false;
    bool bolFocused = false;
    bool m_focusDottedRect = Defaults::FocusDottedRect;
    bool m_enabled = Defaults::Enabled;
    qint32 m_roundedValue = Defaults::RoundedValue;
    QImage m_icon;
    QImage m_iconMask;

    platform::HoverTimer* tmrCheck;
    QImage imgIcon; // the icon as RGB32 pixels, ready for the block copy
    QImage imgMask; // the mask, likewise

    // The left button went down on the button and has not come up: its release may be a click.
    bool m_clickPending = false;
    // A press by an assistive tool shows its pressed look until this fires.
    QBasicTimer m_pressRelease;
    // Presses by an assistive tool that came while one was showing.
    int m_pressesWaiting = 0;
    // Terminate ran: paint leaves the surface blank.
    bool m_terminated = false;
    // The size and ellipse the window shape was last built for.
    QSize m_shapeSize;
    qint32 m_shapeEllipse = -1;
};

} // namespace pellitor
