// Stands between Qt's accessibility bridge (AT-SPI on the desktop's bus) and the text boxes, for
// the two text calls whose arguments the bridge takes on trust: a range's extents, which it
// measures one offset at a time over whatever range it is given (a range up to the largest int
// never ends), and an insertion whose length it takes from the caller (it pads the text with
// memory it does not own). Both reach the bridge clamped; every other call passes unchanged.
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

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QPointer<QDBusVirtualObject> m_bridge;
};

} // namespace pellitor
