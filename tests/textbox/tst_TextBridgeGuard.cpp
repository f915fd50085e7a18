// The guard in front of Qt's accessibility bridge: the calls it clamps before the bridge sees
// them, checked against the text boxes' own answers, and the calls it passes on unchanged.
#include "InputBox.h"
#include "TextBridgeGuard.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include <climits>

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
};

QTEST_MAIN(tst_TextBridgeGuard)
#include "tst_TextBridgeGuard.moc"
