// The guard in front of Qt's accessibility bridge, and how it takes the bridge's place on the bus.
#include "TextBridgeGuard.h"

#include "TextBoxAccessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <algorithm>

namespace pellitor {

namespace {
// Where the bridge answers for every accessible object (a subtree: one path per object), and the
// name of its connection to the accessibility bus.
const QString BridgePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString BusName = QStringLiteral("a11y");

QAccessibleInterface* interfaceAt(const QString& path)
{
    if (!path.startsWith(BridgePath + u'/'))
        return nullptr;
    bool number = false;
    const QAccessible::Id id = path.mid(BridgePath.size() + 1).toUInt(&number);
    return number ? QAccessible::accessibleInterface(id) : nullptr;
}

// The bridge registers itself when accessibility turns on; the guard takes its place and passes
// every call on to it.
void guardBridge()
{
    QDBusConnection bus(BusName);
    if (!bus.isConnected())
        return;
    auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(BridgePath));
    if (!bridge || qobject_cast<TextBridgeGuard*>(bridge))
        return;
    auto* guard = new TextBridgeGuard(bridge);
    bus.unregisterObject(BridgePath);
    if (!bus.registerVirtualObject(BridgePath, guard, QDBusConnection::SubPath)) {
        bus.registerVirtualObject(BridgePath, bridge, QDBusConnection::SubPath);
        delete guard;
    }
}

class ActivationObserver final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        // The bridge registers right after it says it is active.
        if (active)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &guardBridge, Qt::QueuedConnection);
    }
};
} // namespace

TextBridgeGuard::TextBridgeGuard(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), m_bridge(bridge) {}

void TextBridgeGuard::install()
{
    static ActivationObserver observer;
    static const bool installed = [] {
        QAccessible::installActivationObserver(&observer);
        if (QAccessible::isActive())
            observer.accessibilityActiveChanged(true);
        return true;
    }();
    Q_UNUSED(installed);
}

std::optional<QList<QVariant>> TextBridgeGuard::clamped(const QDBusMessage& message)
{
    QList<QVariant> arguments = message.arguments();
    if (message.interface() == u"org.a11y.atspi.EditableText" && message.member() == u"InsertText"
        && arguments.size() == 3) {
        // (position, text, length)
        const int length = arguments[2].toInt();
        const int clampedLength = std::clamp(length, 0, int(arguments[1].toString().size()));
        if (clampedLength == length)
            return std::nullopt;
        arguments[2] = clampedLength;
        return arguments;
    }
    if (message.interface() == u"org.a11y.atspi.Text" && message.member() == u"GetRangeExtents"
        && arguments.size() == 3) {
        // (start, end, coordinate type); an end of -1 is the end of the text.
        QAccessibleInterface* iface = interfaceAt(message.path());
        QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
        if (!text)
            return std::nullopt;
        const int count = text->characterCount();
        auto [first, end] = std::pair{0, count};
        if (auto* box = dynamic_cast<TextBoxAccessible*>(iface))
            std::tie(first, end) = box->shownRange();
        const int start = arguments[0].toInt();
        const int stop = arguments[1].toInt() == -1 ? count : arguments[1].toInt();
        // Outside [first, end) no character has extents: the union is the same without them. The
        // bridge measures the end offset too, and answers nothing for a range it finds empty, so
        // one offset that shows nothing stays on either side.
        const int clampedStart = std::clamp(start, first - 1, end);
        const int clampedStop = std::clamp(stop, first - 1, end);
        if (clampedStart == start && clampedStop == arguments[1].toInt())
            return std::nullopt;
        arguments[0] = clampedStart;
        arguments[1] = clampedStop;
        return arguments;
    }
    return std::nullopt;
}

QString TextBridgeGuard::introspect(const QString& path) const
{
    return m_bridge ? m_bridge->introspect(path) : QString();
}

bool TextBridgeGuard::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (!m_bridge)
        return false;
    const std::optional<QList<QVariant>> arguments = clamped(message);
    if (!arguments)
        return m_bridge->handleMessage(message, connection);
    QDBusMessage call = message;
    call.setArguments(*arguments);
    return m_bridge->handleMessage(call, connection);
}

} // namespace pellitor
