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
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cmath>

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

// As interfaceAt, and the application itself, which a reader asks for the object at a point.
QAccessibleInterface* objectAt(const QString& path)
{
    if (path == BridgePath + QStringLiteral("/root"))
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    return interfaceAt(path);
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

// Two of AT-SPI's coordinate types: on the screen, and relative to the top-level window. The bridge
// reads the third, relative to the parent, as one of these, which one depending on the call.
enum Coordinates : uint { Screen = 0, Window = 1 };

// Qt's logical pixels and the screen's. With a scale factor on X11 (QT_SCALE_FACTOR, or the
// screen's own) one of Qt's pixels is factor screen pixels wide, counted from the screen's top-left
// corner, which keeps its place. The bridge hands on Qt's rectangles and takes points as Qt's.
// A Wayland compositor's coordinates are Qt's own: nothing to scale there.
struct Scale {
    qreal factor = 1;
    QPoint origin;

    bool isOne() const { return qFuzzyCompare(factor, 1.0); }
    QRect toScreen(const QRect& rect) const
    {
        if (rect == QRect()) // no rectangle, as the bridge gives it for a character outside the text
            return rect;
        return {origin + (rect.topLeft() - origin) * factor, rect.size() * factor};
    }
    // The Qt pixel that covers a screen pixel (rounding down, so that an object's last screen
    // pixel is still in it); a screen point counts from the screen's corner, a relative one from 0.
    QPoint toLogical(const QPoint& point, bool onScreen) const
    {
        const QPoint from = onScreen ? origin : QPoint();
        const auto down = [this](int value, int start) {
            const double logical = start + std::floor((double(value) - start) / factor);
            return int(std::clamp(logical, double(INT_MIN), double(INT_MAX)));
        };
        return {down(point.x(), from.x()), down(point.y(), from.y())};
    }
};

// The scale of the screen that the object's top-level window is on; on X11 a window's device
// pixel ratio is the screen's scale factor. An object with no window (the application) takes the
// primary screen's.
Scale scaleOf(QAccessibleInterface* iface)
{
    if (QGuiApplication::platformName().startsWith(u"wayland"))
        return {};
    QWindow* window = nullptr;
    for (QAccessibleInterface* up = iface; up && !window; up = up->parent())
        window = up->window();
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {window ? window->devicePixelRatio() : screen->devicePixelRatio(), screen->geometry().topLeft()};
}

// The top-level window that the bridge measures window coordinates from: the first window or
// dialog up from the object, or what sits right under the application.
QAccessibleInterface* topLevelOf(QAccessibleInterface* iface)
{
    const QAccessibleInterface* application = QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    while (iface && iface->role() != QAccessible::Window && iface->role() != QAccessible::Dialog
           && iface->parent() != application)
        iface = iface->parent();
    return iface;
}

// The object's extents in the screen's pixels by the bridge's rules: relative to the top-level
// window for any coordinate type but the screen's, where the bridge moves the left and top edges
// alone (the size grows by the window's place; kept, so that the answers at every scale are the
// bridge's at 1).
QRect componentExtents(QAccessibleInterface* iface, const Scale& scale, uint coordinates)
{
    QRect extents = scale.toScreen(iface->rect());
    QAccessibleInterface* window = coordinates == Screen ? nullptr : topLevelOf(iface);
    if (window)
        extents.setTopLeft(extents.topLeft() - scale.toScreen(window->rect()).topLeft());
    return extents;
}

// A text's extents in the screen's pixels by the bridge's rules: the window's coordinates
// relative to the top-level window, any other type as the screen's.
QList<QVariant> textExtents(QAccessibleInterface* iface, const Scale& scale, QRect rect, uint coordinates)
{
    rect = scale.toScreen(rect);
    if (QAccessibleInterface* window = coordinates == Window ? topLevelOf(iface) : nullptr)
        rect.translate(-scale.toScreen(window->rect()).topLeft());
    return {rect.x(), rect.y(), rect.width(), rect.height()};
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

std::optional<QDBusMessage> TextBridgeGuard::inScreenPixels(const QDBusMessage& message)
{
    QAccessibleInterface* iface = objectAt(message.path());
    const Scale scale = iface ? scaleOf(iface) : Scale();
    if (scale.isOne())
        return std::nullopt;
    const QList<QVariant> arguments = message.arguments();
    const QString member = message.member();
    if (message.interface() == u"org.a11y.atspi.Component") {
        if (member == u"GetSize") {
            const QSize size = scale.toScreen(iface->rect()).size();
            return message.createReply(QList<QVariant>{size.width(), size.height()});
        }
        if (arguments.size() != 1 || (member != u"GetExtents" && member != u"GetPosition"))
            return std::nullopt;
        const QRect extents = componentExtents(iface, scale, arguments[0].toUInt());
        if (member == u"GetPosition")
            return message.createReply(QList<QVariant>{extents.x(), extents.y()});
        return message.createReply(QVariant::fromValue(extents)); // (iiii): x, y, width, height
    }
    QAccessibleTextInterface* text = iface->textInterface();
    if (message.interface() != u"org.a11y.atspi.Text" || !text)
        return std::nullopt;
    if (member == u"GetCharacterExtents" && arguments.size() == 2)
        return message.createReply(
            textExtents(iface, scale, text->characterRect(arguments[0].toInt()), arguments[1].toUInt()));
    if (member != u"GetRangeExtents" || arguments.size() != 3)
        return std::nullopt;
    // (start, end, coordinate type), clamped as for the bridge; the union of the characters'
    // rectangles from start to end, both included, as the bridge builds it.
    const QList<QVariant> range = clamped(message).value_or(arguments);
    const int start = range[0].toInt();
    const int end = range[1].toInt() == -1 ? text->characterCount() : range[1].toInt();
    if (end <= start)
        return message.createReply(QList<QVariant>{-1, -1, 0, 0});
    QRect rect;
    for (int i = start; i <= end; ++i)
        rect |= text->characterRect(i);
    return message.createReply(textExtents(iface, scale, rect, range[2].toUInt()));
}

std::optional<QList<QVariant>> TextBridgeGuard::inLogicalPixels(const QDBusMessage& message)
{
    // (x, y, coordinate type)
    const QString member = message.member();
    QList<QVariant> arguments = message.arguments();
    const bool component = message.interface() == u"org.a11y.atspi.Component"
                           && (member == u"Contains" || member == u"GetAccessibleAtPoint");
    const bool text = message.interface() == u"org.a11y.atspi.Text" && member == u"GetOffsetAtPoint";
    QAccessibleInterface* iface = (component || text) && arguments.size() == 3 ? objectAt(message.path()) : nullptr;
    const Scale scale = iface ? scaleOf(iface) : Scale();
    if (scale.isOne())
        return std::nullopt;
    // The bridge reads a point relative to the window for Contains in any coordinates but the
    // screen's, as it measures extents; for the other two in the window's only (and one relative
    // to the parent as on the screen).
    const uint coordinates = arguments[2].toUInt();
    const bool relative = member == u"Contains" ? coordinates != Screen : coordinates == Window;
    const QPoint point = scale.toLogical({arguments[0].toInt(), arguments[1].toInt()}, !relative);
    arguments[0] = point.x();
    arguments[1] = point.y();
    return arguments;
}

QString TextBridgeGuard::introspect(const QString& path) const
{
    return m_bridge ? m_bridge->introspect(path) : QString();
}

bool TextBridgeGuard::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (!m_bridge)
        return false;
    std::optional<QDBusMessage> reply = answered(message);
    if (!reply)
        reply = inScreenPixels(message);
    if (reply) {
        connection.send(*reply);
        return true;
    }
    std::optional<QList<QVariant>> arguments = clamped(message);
    if (!arguments)
        arguments = inLogicalPixels(message);
    if (!arguments)
        return m_bridge->handleMessage(message, connection);
    QDBusMessage call = message;
    call.setArguments(*arguments);
    return m_bridge->handleMessage(call, connection);
}

} // namespace pellitor
