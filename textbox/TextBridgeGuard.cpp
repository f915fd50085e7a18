// The guard in front of Qt's accessibility bridge, and how it takes the bridge's place on the bus.
#include "TextBridgeGuard.h"

#include "ModalBlocking.h"
#include "TextBoxAccessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QWidget>

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

// One range of GetBoundedRanges' answer: start, end, text and a value (a(iisv) on the bus).
struct BoundedRange {
    int start = 0;
    int end = 0;
    QString text;
    QDBusVariant value;
};

QDBusArgument& operator<<(QDBusArgument& argument, const BoundedRange& range)
{
    argument.beginStructure();
    argument << range.start << range.end << range.text << range.value;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BoundedRange& range)
{
    argument.beginStructure();
    argument >> range.start >> range.end >> range.text >> range.value;
    argument.endStructure();
    return argument;
}

// The object is one a person could not reach now: disabled, or a widget behind a modal window.
bool unreachable(QAccessibleInterface* iface)
{
    return iface->state().disabled || platform::isBlockedByModalWindow(qobject_cast<QWidget*>(iface->object()));
}

// The character at offset as its code point, a surrogate pair as one; 0 outside the text.
int codePointAt(QAccessibleTextInterface* text, int offset)
{
    if (offset < 0 || offset >= text->characterCount())
        return 0;
    const QString around = text->text(offset, offset + 2);
    if (around.isEmpty())
        return 0;
    if (around.size() == 2 && around[0].isHighSurrogate() && around[1].isLowSurrogate())
        return int(QChar::surrogateToUcs4(around[0], around[1]));
    return around[0].unicode();
}

// Whether a selection of the text runs from start to end (in either order, within the text), as
// AddSelection asked for; an empty one is none.
bool selected(QAccessibleTextInterface* text, int start, int end)
{
    const int count = text->characterCount();
    const int first = std::clamp(std::min(start, end), 0, count);
    const int last = std::clamp(std::max(start, end), 0, count);
    for (int i = 0; first < last && i < text->selectionCount(); ++i) {
        int from = -1;
        int to = -1;
        text->selection(i, &from, &to);
        if (from == first && to == last)
            return true;
    }
    return false;
}

bool takesEdits(QAccessibleInterface* iface)
{
    const QAccessible::State state = iface->state();
    return state.editable && !state.readOnly && !unreachable(iface);
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

std::optional<QDBusMessage> TextBridgeGuard::answered(const QDBusMessage& message)
{
    QAccessibleInterface* iface = interfaceAt(message.path());
    if (!iface)
        return std::nullopt;
    const QList<QVariant> arguments = message.arguments();
    const QString interface = message.interface();
    const QString member = message.member();
    if (interface == u"org.a11y.atspi.Action" && member == u"DoAction") {
        // The bridge says true for any action it hands on, refused or not.
        if (unreachable(iface))
            return message.createReply(false);
        return std::nullopt;
    }
    if (interface == u"org.a11y.atspi.EditableText") {
        static const QStringList edits{QStringLiteral("SetTextContents"), QStringLiteral("InsertText"),
                                       QStringLiteral("DeleteText"), QStringLiteral("CutText"),
                                       QStringLiteral("PasteText")};
        if (edits.contains(member) && !takesEdits(iface))
            return message.createReply(false);
        return std::nullopt;
    }
    QAccessibleTextInterface* text = iface->textInterface();
    if (interface != u"org.a11y.atspi.Text" || !text)
        return std::nullopt;
    if (member == u"GetCharacterAtOffset" && arguments.size() == 1)
        return message.createReply(codePointAt(text, arguments[0].toInt()));
    if (member == u"GetBoundedRanges") {
        static const bool registered = (qDBusRegisterMetaType<BoundedRange>(),
                                        qDBusRegisterMetaType<QList<BoundedRange>>(), true);
        Q_UNUSED(registered);
        return message.createReply(QVariant::fromValue(QList<BoundedRange>()));
    }
    if (member == u"AddSelection" && arguments.size() == 2) {
        const int start = arguments[0].toInt();
        const int end = arguments[1].toInt();
        text->addSelection(start, end);
        return message.createReply(selected(text, start, end));
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
    if (const std::optional<QDBusMessage> reply = answered(message)) {
        connection.send(*reply);
        return true;
    }
    const std::optional<QList<QVariant>> arguments = clamped(message);
    if (!arguments)
        return m_bridge->handleMessage(message, connection);
    QDBusMessage call = message;
    call.setArguments(*arguments);
    return m_bridge->handleMessage(call, connection);
}

} // namespace pellitor
