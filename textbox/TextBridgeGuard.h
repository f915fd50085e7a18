// Stands between Qt's accessibility bridge (AT-SPI on the desktop's bus) and the program's
// accessible objects. Two text calls whose arguments the bridge takes on trust reach it clamped: a
// range's extents, which it measures one offset at a time over whatever range it is given (a
// range up to the largest int never ends), and an insertion whose length it takes from the caller
// (it pads the text with memory it does not own). Five calls that the bridge answers wrongly are
// answered here instead, as the state is: the character at an offset (the bridge gives the first
// byte of its UTF-8, sign-extended), the ranges within a rectangle (never answered), an action
// (true even when refused), an added selection (false although made), and an edit of a text that
// takes none (the bridge makes it). Where Qt's pixels are not the screen's (a scale factor on X11),
// the extents of objects and texts are answered here in the screen's pixels, and the points that
// come in reach the bridge in Qt's. Every other call passes unchanged.
#pragma once

#include <QDBusVirtualObject>
#include <QPointer>
#include <QVariant>

#include <optional>

namespace pellitor {

class TextBridgeGuard final : public QDBusVirtualObject {
    Q_OBJECT
public:
    // Puts a guard in front of the bridge once the bridge is on the bus: now, or when
    // accessibility turns on. Installing it again does nothing.
    static void install();

    explicit TextBridgeGuard(QDBusVirtualObject* bridge);

    // The arguments a call reaches the bridge with, when they differ from the caller's: an
    // insertion's length no longer than its text, a range of extents no wider than the
    // characters that can show.
    static std::optional<QList<QVariant>> clamped(const QDBusMessage& message);
    // The reply to a call answered here instead of by the bridge, doing what it asks if anything:
    // GetCharacterAtOffset gives the character's code point (0 outside the text);
    // GetBoundedRanges no range; DoAction false, doing nothing, on an object that is disabled or
    // behind a modal window; AddSelection whether the selection now is the one asked for; an edit
    // false, doing nothing, when the text takes no edits (not editable, read-only, disabled, or
    // behind a modal window).
    static std::optional<QDBusMessage> answered(const QDBusMessage& message);
    // Where the object's screen is scaled: the reply to a call for extents in the screen's pixels
    // (Component GetExtents, GetPosition, GetSize; Text GetCharacterExtents, GetRangeExtents),
    // by the bridge's rules for the coordinate types.
    static std::optional<QDBusMessage> inScreenPixels(const QDBusMessage& message);
    // Where the object's screen is scaled: the arguments of a call with a point in the screen's
    // pixels (Component Contains, GetAccessibleAtPoint; Text GetOffsetAtPoint) with the point in
    // Qt's, as the bridge takes it.
    static std::optional<QList<QVariant>> inLogicalPixels(const QDBusMessage& message);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QPointer<QDBusVirtualObject> m_bridge;
};

} // namespace pellitor
