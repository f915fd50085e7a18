// The guard in front of Qt's accessibility bridge: the calls it clamps before the bridge sees
// them, checked against the text boxes' own answers, and the calls it passes on unchanged.
#include "InputBox.h"
#include "TextBridgeGuard.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <array>
#include <climits>
#include <string_view>

using namespace pellitor;

namespace {

// Stands in for Qt's bridge, doing what it does with an insertion: the text made as long as the
// length the caller gave, then inserted.
class FakeBridge final : public QDBusVirtualObject {
public:
    QList<QDBusMessage> received;

    QString introspect(const QString&) const override { return QStringLiteral("<node/>"); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override
    {
        received << message;
        if (message.member() == u"InsertText") {
            QString text = message.arguments().at(1).toString();
            text.resize(message.arguments().at(2).toInt());
            QAccessible::accessibleInterface(message.path().section(u'/', -1).toUInt())
                ->editableTextInterface()
                ->insertText(message.arguments().at(0).toInt(), text);
        }
        return true;
    }
};

struct Box {
    QWidget window;
    InputBox* input = new InputBox(&window);

    explicit Box(const QString& text)
    {
        input->setGeometry(6, 23, 387, 22);
        window.resize(402, 80);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window did not show");
        input->setText(text);
    }
    QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(input); }
    QString path() const { return QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(iface())); }
};

QDBusMessage call(const QString& path, const char* interface, const char* member, const QList<QVariant>& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral(":1.1"), path, QString::fromLatin1(interface),
                                                          QString::fromLatin1(member));
    message.setArguments(arguments);
    return message;
}

// The scale factor the test runs at (QT_SCALE_FACTOR; CTest runs it at 1, and at 3 on a screen
// whose corner is not at (0, 0)), and that corner, which keeps its place in the screen's pixels.
int scaleFactor()
{
    return std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
}

QPoint corner()
{
    return QGuiApplication::primaryScreen()->geometry().topLeft();
}

// The box's window with its client area 100 by 50 of Qt's pixels from the screen's corner.
void placeAt100x50(Box& box)
{
    box.window.setGeometry(QRect(corner() + QPoint(100, 50), box.window.size()));
    QTRY_COMPARE(box.window.mapToGlobal(QPoint()), corner() + QPoint(100, 50));
    QCOMPARE(box.window.devicePixelRatio(), qreal(scaleFactor())); // the factor took
}

// The union of the characters' rectangles over [start, end], as the bridge builds it.
QRect extents(QAccessibleTextInterface* text, int start, int end)
{
    QRect rect;
    for (int i = start; i <= end; ++i)
        rect |= text->characterRect(i);
    return rect;
}

} // namespace

class tst_TextBridgeGuard : public QObject {
    Q_OBJECT

private slots:
    // An insertion's length is clamped to its text; a shorter one stays, as a caller may mean it.
    void insertionLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("passed");
        QTest::addColumn<QString>("content");
        QTest::newRow("longer than the text") << 300 << 2 << "RR12";
        QTest::newRow("the largest int") << INT_MAX << 2 << "RR12";
        QTest::newRow("negative") << -7 << 0 << "12";
        QTest::newRow("the text's") << 2 << 2 << "RR12";
        QTest::newRow("shorter") << 1 << 1 << "R12";
    }
    void insertionLength()
    {
        QFETCH(int, length);
        QFETCH(int, passed);
        QFETCH(QString, content);
        Box box("12");
        FakeBridge bridge;
        TextBridgeGuard guard(&bridge);
        QVERIFY(guard.handleMessage(call(box.path(), "org.a11y.atspi.EditableText", "InsertText",
                                         {0, QStringLiteral("RR"), length}),
                                    QDBusConnection(QStringLiteral("none"))));
        QCOMPARE(bridge.received.size(), 1);
        QCOMPARE(bridge.received[0].arguments().at(2).toInt(), passed);
        QCOMPARE(box.input->text(), content);
    }

    // A range of extents reaches the bridge no wider than the characters that show, and its
    // answer is the same as over the whole range.
    void rangeExtents_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("the ends of int") << INT_MIN << INT_MAX;
        QTest::newRow("the whole text, -1") << 0 << -1;
        QTest::newRow("from the start to the caret") << 0 << 50'000;
        QTest::newRow("from the caret on") << 49'990 << 100'000;
        QTest::newRow("before what shows") << 0 << 10;
        QTest::newRow("reversed") << 60'000 << 10;
    }
    void rangeExtents()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        Box box(QString("x+").repeated(50'000));
        box.input->setCursorPosition(50'000);
        QAccessibleTextInterface* text = box.iface()->textInterface();
        const int count = text->characterCount();
        const std::optional<QList<QVariant>> passed = TextBridgeGuard::clamped(
            call(box.path(), "org.a11y.atspi.Text", "GetRangeExtents", {start, end, 0u}));
        QVERIFY(passed);
        const int passedStart = passed->at(0).toInt();
        const int passedEnd = passed->at(1).toInt();
        QVERIFY2(passedEnd - passedStart <= 1000, qPrintable(QStringLiteral("%1..%2").arg(passedStart).arg(passedEnd)));
        QCOMPARE(passed->at(2).toUInt(), 0u);
        const int last = end == -1 ? count : end;
        const QRect whole = last <= start ? QRect() : extents(text, std::max(start, 0), std::min(last, count));
        const QRect clamped = passedEnd <= passedStart ? QRect() : extents(text, passedStart, passedEnd);
        QCOMPARE(clamped, whole);
        QCOMPARE(whole.isNull(), (start == 0 && end == 10) || last <= start);
        if (end == 50'000)
            QVERIFY(!whole.isNull()); // the caret's character, at the left edge, only
    }

    // The calls answered here, as the state is, where the bridge answers wrongly or never; with a
    // modal window open the box takes no edit and a button no press. "[" and "]" mark a selection.
    void answered_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QList<QVariant>>("arguments");
        QTest::addColumn<QVariant>("reply");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const QString& text, bool modal, const char* call,
                            const QList<QVariant>& arguments, const QVariant& reply, const QString& after) {
            QTest::newRow(name) << text << modal << call << arguments << reply << after;
        };
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        row("a letter beyond ASCII", "é", false, "Text.GetCharacterAtOffset", {0}, 0xE9, "é");
        row("a surrogate pair", "a" + emoji, false, "Text.GetCharacterAtOffset", {1}, 0x1F600, "a" + emoji);
        row("past the end", "ab", false, "Text.GetCharacterAtOffset", {5}, 0, "ab");
        row("ranges in a rectangle", "ab", false, "Text.GetBoundedRanges", {0, 0, 99, 99, 0u, 0u, 0u},
            QVariant::fromValue(QDBusArgument()), "ab");
        row("a selection replaced", "[12]34", false, "Text.AddSelection", {3, 1}, true, "1[23]4");
        row("an empty selection", "1234", false, "Text.AddSelection", {2, 2}, false, "1234");
        row("an edit behind a modal window", "12", true, "EditableText.SetTextContents", {"x"}, false, "12");
        row("an insertion behind a modal window", "12", true, "EditableText.InsertText", {0, "x", 1}, false, "12");
        row("an edit", "12", false, "EditableText.DeleteText", {0, 1}, QVariant(), "12");
        row("a press behind a modal window", "", true, "Action.DoAction", {0}, false, "");
        row("a press", "", false, "Action.DoAction", {0}, QVariant(), "");
    }
    void answered()
    {
        QFETCH(QString, text);
        QFETCH(bool, modal);
        QFETCH(QString, call);
        QFETCH(QList<QVariant>, arguments);
        QFETCH(QVariant, reply);
        QFETCH(QString, after);
        Box box(QString(text).remove('[').remove(']'));
        if (text.contains('['))
            box.input->setSelection(int(text.indexOf('[')), int(text.indexOf(']') - text.indexOf('[') - 1));
        auto* button = new QPushButton("1", &box.window);
        QDialog dialog;
        dialog.setModal(true);
        dialog.setVisible(modal);
        QAccessibleInterface* target = call.startsWith("Action") ? QAccessible::queryAccessibleInterface(button)
                                                                 : box.iface();
        const std::optional<QDBusMessage> answer = TextBridgeGuard::answered(
            ::call(QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(target)),
                   qPrintable("org.a11y.atspi." + call.section('.', 0, 0)), qPrintable(call.section('.', 1)),
                   arguments));
        QCOMPARE(answer.has_value(), reply.isValid());
        if (answer && reply.metaType() == QMetaType::fromType<QDBusArgument>()) // no ranges, as a(iisv)
            QCOMPARE(QDBusMetaType::typeToSignature(answer->arguments().at(0).metaType()), "a(iisv)");
        else if (answer)
            QCOMPARE(answer->arguments(), QList<QVariant>{reply});
        QString shown = box.input->text();
        if (box.input->hasSelectedText())
            shown.insert(box.input->selectionStart() + box.input->selectedText().size(), ']')
                .insert(box.input->selectionStart(), '[');
        QCOMPARE(shown, after);
        QCOMPARE(box.iface()->state().editable, !modal);
    }

    // Everything else passes as the caller sent it.
    void unchanged_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QList<QVariant>>("arguments");
        const QList<QVariant> ends{INT_MIN, INT_MAX, 0u};
        QTest::newRow("a range that fits") << "box"
                                           << "GetRangeExtents" << QList<QVariant>{0, 1, 0u};
        QTest::newRow("a text range") << "box"
                                      << "GetText" << QList<QVariant>{INT_MIN, INT_MAX};
        QTest::newRow("an object that is gone") << "/org/a11y/atspi/accessible/4294967295"
                                                << "GetRangeExtents" << ends;
        QTest::newRow("no object") << "/org/a11y/atspi/accessible/root"
                                   << "GetRangeExtents" << ends;
        QTest::newRow("too few arguments") << "box"
                                           << "GetRangeExtents" << QList<QVariant>{INT_MIN, INT_MAX};
    }
    void unchanged()
    {
        QFETCH(QString, path);
        QFETCH(QString, member);
        QFETCH(QList<QVariant>, arguments);
        Box box("12");
        FakeBridge bridge;
        TextBridgeGuard guard(&bridge);
        const QDBusMessage message = call(path == "box" ? box.path() : path, "org.a11y.atspi.Text",
                                          member.toLatin1().constData(), arguments);
        QVERIFY(!TextBridgeGuard::clamped(message));
        QVERIFY(guard.handleMessage(message, QDBusConnection(QStringLiteral("none"))));
        QCOMPARE(bridge.received.size(), 1);
        QCOMPARE(bridge.received[0].arguments(), arguments);
        QCOMPARE(guard.introspect(box.path()), "<node/>");
    }

    // At a scale, extents in the screen's pixels by the bridge's rules (any coordinates but the
    // screen's relative to the window, where a component's left and top edges alone move); at 1
    // none answered here. The box is at (6, 23) in the window, 387 by 22.
    void screenPixels_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QList<QVariant>>("arguments");
        QTest::addColumn<QList<QVariant>>("reply");
        const int s = scaleFactor();
        const QPoint window = corner() + s * QPoint(100, 50);
        const QRect box(window + s * QPoint(6, 23), s * QSize(387, 22));
        const QRect inWindow(s * QPoint(6, 23), box.bottomRight());
        const auto row = [](const char* name, const char* call, const QList<QVariant>& arguments,
                            const QList<QVariant>& reply) { QTest::newRow(name) << call << arguments << reply; };
        row("on the screen", "Component.GetExtents", {0u}, {box});
        row("in the window", "Component.GetExtents", {1u}, {inWindow});
        row("in the parent, as in the window", "Component.GetExtents", {2u}, {inWindow});
        row("a position in the window", "Component.GetPosition", {1u}, {s * 6, s * 23});
        row("a size", "Component.GetSize", {}, {s * 387, s * 22});
        row("no character, in the window", "Text.GetCharacterExtents", {99, 1u}, {-window.x(), -window.y(), 0, 0});
        row("an empty range", "Text.GetRangeExtents", {2, 1, 1u}, {-1, -1, 0, 0});
    }
    void screenPixels()
    {
        QFETCH(QString, call);
        QFETCH(QList<QVariant>, arguments);
        QFETCH(QList<QVariant>, reply);
        Box box("12");
        placeAt100x50(box);
        const std::optional<QDBusMessage> answer = TextBridgeGuard::inScreenPixels(
            ::call(box.path(), qPrintable("org.a11y.atspi." + call.section('.', 0, 0)),
                   qPrintable(call.section('.', 1)), arguments));
        QCOMPARE(answer.has_value(), scaleFactor() != 1);
        if (answer)
            QCOMPARE(answer->arguments(), reply);
    }

    // The characters' extents: Qt's rectangles scaled from the screen's corner, moved by the
    // window's place in the window's coordinates alone; a range's the union of its characters',
    // its ends clamped.
    void characterExtents()
    {
        Box box("12+3");
        placeAt100x50(box);
        const int s = scaleFactor();
        QAccessibleTextInterface* text = box.iface()->textInterface();
        for (const uint coordinates : {0u, 1u, 2u}) {
            const QPoint origin = coordinates == 1 ? corner() + s * QPoint(100, 50) : QPoint();
            const auto expected = [&](const QRect& rect) {
                const QRect moved(corner() + s * (rect.topLeft() - corner()) - origin, s * rect.size());
                return QList<QVariant>{moved.x(), moved.y(), moved.width(), moved.height()};
            };
            // the end's character counts: "+" of "1[2+]3" too
            for (const auto [start, end, first, last] :
                 {std::array{0, -1, 0, 4}, {INT_MIN, INT_MAX, 0, 4}, {1, 2, 1, 2}}) {
                const auto answer = TextBridgeGuard::inScreenPixels(
                    call(box.path(), "org.a11y.atspi.Text", "GetRangeExtents", {start, end, coordinates}));
                QCOMPARE(answer.has_value(), s != 1);
                if (answer)
                    QCOMPARE(answer->arguments(), expected(extents(text, first, last)));
            }
            const auto answer = TextBridgeGuard::inScreenPixels(
                call(box.path(), "org.a11y.atspi.Text", "GetCharacterExtents", {2, coordinates}));
            if (answer)
                QCOMPARE(answer->arguments(), expected(text->characterRect(2)));
        }
    }

    // At a scale, a point in the screen's pixels reaches the bridge as the Qt pixel that covers it,
    // counted from the screen's corner, or from the window's where the bridge reads it as relative
    // to the window; at 1 as it came. Each point is the last screen pixel of its Qt pixel.
    void logicalPoints_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QList<QVariant>>("arguments");
        QTest::addColumn<QPoint>("passed");
        const int s = scaleFactor();
        const auto row = [s](const char* name, const char* object, const char* call, QPoint at, uint coordinates) {
            const QPoint from = coordinates == 0 || (coordinates == 2 && std::string_view(call) != "Component.Contains")
                                    ? corner()
                                    : QPoint();
            const QPoint device = from + s * at + QPoint(s - 1, s - 1);
            QTest::newRow(name) << object << call << QList<QVariant>{device.x(), device.y(), coordinates} << from + at;
        };
        row("the box's corner, on the screen", "box", "Component.Contains", {106, 73}, 0);
        row("its last pixel", "box", "Component.Contains", {492, 94}, 0);
        row("relative to the window", "box", "Component.Contains", {6, 23}, 1);
        row("left of the window: rounded down", "box", "Component.Contains", {-1, -1}, 1);
        row("in the parent, as in the window", "box", "Component.Contains", {6, 23}, 2);
        row("in the window's parent, as on the screen", "window", "Component.GetAccessibleAtPoint", {106, 73}, 2);
        row("the application's", "application", "Component.GetAccessibleAtPoint", {106, 73}, 0);
        row("a text's, in the window", "box", "Text.GetOffsetAtPoint", {9, 30}, 1);
        row("a text's, in its parent, as on the screen", "box", "Text.GetOffsetAtPoint", {115, 80}, 2);
    }
    void logicalPoints()
    {
        QFETCH(QString, object);
        QFETCH(QString, call);
        QFETCH(QList<QVariant>, arguments);
        QFETCH(QPoint, passed);
        Box box("12");
        placeAt100x50(box);
        FakeBridge bridge;
        TextBridgeGuard guard(&bridge);
        const QString path = object == "box" ? box.path()
                             : object == "window"
                                 ? QStringLiteral("/org/a11y/atspi/accessible/%1")
                                       .arg(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&box.window)))
                                 : QStringLiteral("/org/a11y/atspi/accessible/root");
        const QDBusMessage message = ::call(path, qPrintable("org.a11y.atspi." + call.section('.', 0, 0)),
                                            qPrintable(call.section('.', 1)), arguments);
        QCOMPARE(TextBridgeGuard::inLogicalPixels(message).has_value(), scaleFactor() != 1);
        QVERIFY(guard.handleMessage(message, QDBusConnection(QStringLiteral("none"))));
        QCOMPARE(bridge.received.size(), 1);
        QCOMPARE(bridge.received[0].arguments(), (QList<QVariant>{passed.x(), passed.y(), arguments[2]}));
    }
};

QTEST_MAIN(tst_TextBridgeGuard)
#include "tst_TextBridgeGuard.moc"
