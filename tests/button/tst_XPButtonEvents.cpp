// The button's events: their order and arguments for keys, mouse, focus and the hover poll, the
// arguments handlers change, the disabled button, and the one shared poll of a whole window.
#include "ButtonDriver.h"
#include "DesignColor.h"
#include "Pointer.h"
#include "RecordingMessageBox.h"

#include <QApplication>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
constexpr int W = 75;
constexpr int H = 23;
const QPoint OuterTop(W / 2, 1);
// The outer top line of style 1's pressed, focus and hover rings.
const QRgb PressedTop = bgr(ring::Pressed1[0]);
const QRgb FocusTop = bgr(ring::Focus1[0]);
const QRgb HoverTop = bgr(ring::Hover1[0]);

std::unique_ptr<XPButton> makeButton()
{
    auto button = std::make_unique<XPButton>();
    button->resize(W, H);
    button->InitProperties();
    button->setCaption(QString());
    return button;
}

QRgb outerTop(XPButton& button)
{
    return render(button).pixel(OuterTop);
}
} // namespace

Q_DECLARE_METATYPE(std::function<void(pellitor::XPButton&, pellitor::testing::FakePointer&)>)

class tst_XPButtonEvents : public QObject {
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("whilePressed");
        QTest::addColumn<QStringList>("afterRelease");
        QTest::addColumn<bool>("pressedLook");
        QTest::newRow("Space: pressed look, no click")
            << int(Qt::Key_Space) << 0 << QStringList{"KeyDown 32 0", "KeyPress 32"}
            << QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"} << true;
        QTest::newRow("Enter: click, no pressed look")
            << int(Qt::Key_Return) << 0 << QStringList{"KeyDown 13 0", "KeyPress 13", "Click"}
            << QStringList{"KeyDown 13 0", "KeyPress 13", "Click", "KeyUp 13 0"} << false;
        QTest::newRow("a") << int(Qt::Key_A) << 0 << QStringList{"KeyDown 65 0", "KeyPress 97"}
                           << QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"} << false;
        QTest::newRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier)
                                  << QStringList{"KeyDown 16 1", "KeyDown 113 1"}
                                  << QStringList{"KeyDown 16 1", "KeyDown 113 1", "KeyUp 113 1", "KeyUp 16 0"} << false;
        QTest::newRow("F1, no character") << int(Qt::Key_F1) << 0 << QStringList{"KeyDown 112 0"}
                                          << QStringList{"KeyDown 112 0", "KeyUp 112 0"} << false;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, whilePressed);
        QFETCH(QStringList, afterRelease);
        QFETCH(bool, pressedLook);
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        QTest::keyPress(button.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(log.lines, whilePressed);
        QCOMPARE(outerTop(*button) == PressedTop, pressedLook);
        QTest::keyRelease(button.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(log.lines, afterRelease);
        QVERIFY(outerTop(*button) != PressedTop);
    }

    void heldSpaceKeepsThePressedLook()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        QTest::keyPress(button.get(), Qt::Key_Space);
        // A held key repeats: some systems send a release with every repeat.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(button.get(), &release);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(button.get(), &repeat);
        QCOMPARE(outerTop(*button), PressedTop);
        QCOMPARE(log.lines, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32"}));
    }

    // Each change of what the button shows asks for a paint of the shown button.
    void stateChangesRepaint_data()
    {
        QTest::addColumn<std::function<void(XPButton&, FakePointer&)>>("change");
        using Change = std::function<void(XPButton&, FakePointer&)>;
        QTest::newRow("focus in") << Change([](XPButton& b, FakePointer&) { focus(b); });
        QTest::newRow("focus out") << Change([](XPButton& b, FakePointer&) { focus(b, false); });
        QTest::newRow("pointer enters") << Change([](XPButton& b, FakePointer& p) { hover(b, p); });
        QTest::newRow("left press") << Change([](XPButton& b, FakePointer&) { pressLeft(b); });
        QTest::newRow("Space down") << Change([](XPButton& b, FakePointer&) { QTest::keyPress(&b, Qt::Key_Space); });
        QTest::newRow("caption") << Change([](XPButton& b, FakePointer&) { b.setCaption("5"); });
        QTest::newRow("disabled") << Change([](XPButton& b, FakePointer&) { b.setEnabledFlag(false); });
        QTest::newRow("Terminate") << Change([](XPButton& b, FakePointer&) { b.Terminate(); });
    }
    void stateChangesRepaint()
    {
        QFETCH(std::function<void(XPButton&, FakePointer&)>, change);
        FakePointer pointer;
        QWidget window;
        window.resize(W + 20, H + 20);
        auto* button = new XPButton(&window);
        button->setGeometry(10, 10, W, H);
        button->InitProperties();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (QByteArray(QTest::currentDataTag()) == "focus out")
            focus(*button); // the state it leaves
        int paints = 0;
        struct Counter : QObject {
            int* count;
            explicit Counter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                *count += event->type() == QEvent::Paint;
                return false;
            }
        } counter(&paints);
        QCoreApplication::processEvents();
        button->installEventFilter(&counter);
        change(*button, pointer);
        QTRY_VERIFY(paints > 0);
    }

    void handlersChangeTheArguments()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        // A KeyPress handler that swallows Enter suppresses the click.
        auto swallow = connect(button.get(), &XPButton::KeyPress, [](qint16& ascii) { ascii = 0; });
        QTest::keyClick(button.get(), Qt::Key_Return);
        QVERIFY(!log.lines.contains("Click"));
        disconnect(swallow);
        // A KeyDown handler that clears KeyCode keeps Space from showing the pressed look.
        connect(button.get(), &XPButton::KeyDown, [](qint16& code, qint16&) { code = 0; });
        QTest::keyPress(button.get(), Qt::Key_Space);
        QVERIFY(outerTop(*button) != PressedTop);
        // A MouseDown handler that changes Button keeps the left press from showing it.
        connect(button.get(), &XPButton::MouseDown, [](qint16& b, qint16&, float&, float&) { b = 2; });
        QTest::mousePress(button.get(), Qt::LeftButton);
        QVERIFY(outerTop(*button) != PressedTop);
    }

    void mouse_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("pressedLook");
        QTest::newRow("left") << int(Qt::LeftButton) << 0
                              << QStringList{"MouseDown 1 0 10 12", "MouseUp 1 0 10 12", "Click"} << true;
        QTest::newRow("ctrl+left") << int(Qt::LeftButton) << int(Qt::ControlModifier)
                                   << QStringList{"MouseDown 1 2 10 12", "MouseUp 1 2 10 12", "Click"} << true;
        QTest::newRow("right") << int(Qt::RightButton) << 0 << QStringList{"MouseDown 2 0 10 12", "MouseUp 2 0 10 12"}
                               << false;
        QTest::newRow("middle") << int(Qt::MiddleButton) << 0 << QStringList{"MouseDown 4 0 10 12", "MouseUp 4 0 10 12"}
                                << false;
    }
    void mouse()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(QStringList, expected);
        QFETCH(bool, pressedLook);
        FakePointer pointer;
        auto b = makeButton();
        EventLog log(*b);
        QTest::mousePress(b.get(), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(10, 12));
        QCOMPARE(outerTop(*b) == PressedTop, pressedLook);
        QTest::mouseRelease(b.get(), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(10, 12));
        log.lines.removeIf([](const QString& line) { return line.startsWith("MouseMove"); });
        QCOMPARE(log.lines, expected);
        QVERIFY(outerTop(*b) != PressedTop);
    }

    void pressDraggedOffKeepsThePressedLookAndGivesNoClick()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        QTest::mousePress(button.get(), Qt::LeftButton, {}, QPoint(10, 12));
        hover(*button, pointer); // pressed wins over hover
        QCOMPARE(outerTop(*button), PressedTop);
        hover(*button, pointer, false);
        QTest::mouseMove(button.get(), QPoint(W + 30, 12));
        QCOMPARE(outerTop(*button), PressedTop);
        QTest::mouseRelease(button.get(), Qt::LeftButton, {}, QPoint(W + 30, 12));
        QVERIFY(!log.lines.contains("Click"));
        QVERIFY(log.lines.contains(QStringLiteral("MouseUp 1 0 %1 12").arg(W + 30)));
        QVERIFY(outerTop(*button) != PressedTop);
        // A release on a cut-off corner is outside too.
        QTest::mousePress(button.get(), Qt::LeftButton, {}, QPoint(10, 12));
        QTest::mouseRelease(button.get(), Qt::LeftButton, {}, QPoint(W - 1, 12)); // the column past the shape
        QVERIFY(!log.lines.contains("Click"));
    }

    void doubleClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("left: one click, then DoubleClick")
            << Qt::LeftButton << QStringList{"MouseDown 1 0 10 12", "MouseUp 1 0 10 12", "Click",
                                             "MouseDown 1 0 10 12", "DoubleClick",       "MouseUp 1 0 10 12"};
        QTest::newRow("right: neither") << Qt::RightButton
                                        << QStringList{"MouseDown 2 0 10 12", "MouseUp 2 0 10 12",
                                                       "MouseDown 2 0 10 12", "MouseUp 2 0 10 12"};
    }
    void doubleClick()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QStringList, events);
        FakePointer pointer;
        auto target = makeButton();
        EventLog log(*target);
        // The system's sequence for a double click: the second press comes with a double-click event.
        const auto send = [&](QEvent::Type type) {
            QMouseEvent event(type, QPointF(10, 12), target->mapToGlobal(QPointF(10, 12)), button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
            QCoreApplication::sendEvent(target.get(), &event);
        };
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            send(type);
        QCOMPARE(log.lines, events);
    }

    void focusShowsAndHidesTheFocusRing()
    {
        FakePointer pointer;
        auto button = makeButton();
        focus(*button);
        QCOMPARE(outerTop(*button), FocusTop);
        hover(*button, pointer); // hover wins over focus
        QCOMPARE(outerTop(*button), HoverTop);
        hover(*button, pointer, false);
        QCOMPARE(outerTop(*button), FocusTop);
        focus(*button, false);
        QVERIFY(outerTop(*button) != FocusTop);
    }

    void disabledButtonIgnoresInputButStaysFocusable()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        button->setEnabledFlag(false);
        QVERIFY(button->isEnabled());
        QVERIFY(button->focusPolicy() != Qt::NoFocus);
        const QImage disabled = render(*button);
        QTest::mouseClick(button.get(), Qt::LeftButton);
        QTest::mouseDClick(button.get(), Qt::LeftButton);
        QTest::keyClick(button.get(), Qt::Key_Return);
        QTest::keyPress(button.get(), Qt::Key_Space);
        focus(*button);
        hover(*button, pointer);
        QCOMPARE(log.lines, QStringList());
        QCOMPARE(render(*button), disabled);
        // None of it was recorded: enabled again, the button shows the normal look.
        QTest::keyRelease(button.get(), Qt::Key_Space);
        button->setEnabledFlag(true);
        QCOMPARE(outerTop(*button), render(*makeButton()).pixel(OuterTop));
        hover(*button, pointer);
        QCOMPARE(log.lines, QStringList{QStringLiteral("MouseEnters %1 %2")
                                            .arg(button->mapToGlobal(button->rect().center()).x())
                                            .arg(button->mapToGlobal(button->rect().center()).y())});
    }

    void hoverPollRaisesEntersAndLeavesOnce()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        QRgb ringDuringEnters = 0;
        connect(button.get(), &XPButton::MouseEnters, [&] { ringDuringEnters = outerTop(*button); });
        pointer.moveTo(QPoint(300, 200), button.get());
        platform::HoverClock::current().tick();
        platform::HoverClock::current().tick();
        QCOMPARE(log.lines, QStringList{"MouseEnters 300 200"});
        QCOMPARE(ringDuringEnters, HoverTop); // flag and repaint come before the event
        pointer.moveTo(QPoint(310, 260), nullptr);
        platform::HoverClock::current().tick();
        platform::HoverClock::current().tick();
        QCOMPARE(log.lines, (QStringList{"MouseEnters 300 200", "MouseLeaves 310 260"}));
        QCOMPARE(button->cursorPosition(), QPoint(310, 260));
        // Another widget over the button counts as outside.
        QWidget cover;
        pointer.moveTo(QPoint(300, 200), &cover);
        platform::HoverClock::current().tick();
        QCOMPARE(log.lines.size(), 2);
    }

    void disabledWhileHoveredKeepsHoverUntilEnabled()
    {
        FakePointer pointer;
        auto button = makeButton();
        EventLog log(*button);
        hover(*button, pointer);
        button->setEnabledFlag(false);
        hover(*button, pointer, false);
        QCOMPARE(log.lines.size(), 1);
        QVERIFY(button->findChild<platform::HoverTimer*>("tmrCheck")->isActive());
        button->setEnabledFlag(true);
        QCOMPARE(outerTop(*button), HoverTop);
        platform::HoverClock::current().tick();
        QCOMPARE(log.lines.size(), 2);
        QVERIFY(log.lines.last().startsWith("MouseLeaves"));
    }

    void oneSharedPollServesAWindowOfButtons()
    {
        FakePointer pointer;
        std::vector<std::unique_ptr<XPButton>> buttons;
        std::vector<std::unique_ptr<EventLog>> logs;
        for (int i = 0; i < 25; ++i) {
            buttons.push_back(makeButton());
            logs.push_back(std::make_unique<EventLog>(*buttons.back()));
        }
        QVERIFY(platform::HoverClock::current().isRunning());
        const int reads = pointer.reads();
        pointer.moveTo(QPoint(40, 50), buttons[7].get());
        platform::HoverClock::current().tick();
        QCOMPARE(pointer.reads(), reads + 1);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(logs[i]->lines.size(), i == 7 ? 1 : 0);
        // The clock's own 50 ms timer drives the poll.
        pointer.moveTo(QPoint(41, 50), buttons[8].get());
        QTRY_COMPARE_WITH_TIMEOUT(logs[8]->lines.size(), 1, 1000);
        QCOMPARE(logs[7]->lines.last(), QStringLiteral("MouseLeaves 41 50"));
        logs.clear();
        buttons.clear();
        QTRY_VERIFY_WITH_TIMEOUT(!platform::HoverClock::current().isRunning(), 1000);
    }

    // Once every button has had a tick since the last change, the clock stops; each of these
    // changes resumes it, and the next tick finds the pointer over the button.
    void clockRestsUntilSomethingChanges_data()
    {
        QTest::addColumn<int>("cause");
        QTest::newRow("the pointer moves") << 0;
        QTest::newRow("a window shown") << 1;
        QTest::newRow("a widget hidden") << 2;
        QTest::newRow("a timer started") << 3;
        QTest::newRow("a button enabled") << 4;
    }
    void clockRestsUntilSomethingChanges()
    {
        QFETCH(int, cause);
        FakePointer pointer;
        QWidget window;
        QWidget* widget = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto button = makeButton();
        EventLog log(*button);
        platform::HoverClock& clock = platform::HoverClock::current();
        pointer.moveTo(QPoint(5, 5), button.get());
        QVERIFY(clock.isRunning());
        clock.tick();
        QCOMPARE(log.lines, QStringList{"MouseEnters 5 5"});
        QVERIFY(!clock.isRunning());
        QVERIFY(button->findChild<platform::HoverTimer*>("tmrCheck")->isActive());

        pointer.placeQuietly(QPoint(900, 700), nullptr);
        QTest::qWait(3 * platform::HoverClock::Interval);
        QCOMPARE(log.lines.size(), 1); // nothing polled meanwhile
        std::unique_ptr<XPButton> another;
        std::unique_ptr<QWidget> shown;
        switch (cause) {
        case 0: pointer.moveTo(QPoint(900, 700), nullptr); break;
        case 1:
            shown = std::make_unique<QWidget>();
            shown->show();
            break;
        case 2: widget->hide(); break;
        case 3: another = makeButton(); break;
        default: button->setEnabledFlag(true); break;
        }
        QVERIFY(clock.isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(log.lines.size(), 2, 1000);
        QCOMPARE(log.lines.last(), QStringLiteral("MouseLeaves 900 700"));
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);
    }

    // A hover timer that starts has not seen the pointer: it gets one tick, even when nothing
    // changed since its last one.
    void aStartedTimerGetsATick()
    {
        FakePointer pointer;
        platform::HoverClock& clock = platform::HoverClock::current();
        platform::HoverTimer timer;
        int ticks = 0;
        connect(&timer, &platform::HoverTimer::timeout, [&] { ++ticks; });
        timer.start();
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);
        timer.stop();
        timer.start();
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 2, 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);
    }

    // A handler that runs a nested event loop (a modal window) stops only its own button's poll.
    void nestedLoopInAHandlerLeavesTheOtherButtonsHovering()
    {
        FakePointer pointer;
        auto first = makeButton();
        auto second = makeButton();
        EventLog firstLog(*first);
        EventLog secondLog(*second);
        QStringList seenInsideTheLoop;
        connect(first.get(), &XPButton::MouseEnters, [&] {
            QEventLoop loop;
            connect(second.get(), &XPButton::MouseEnters, &loop, &QEventLoop::quit);
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            pointer.moveTo(QPoint(7, 7), second.get());
            loop.exec();
            seenInsideTheLoop = secondLog.lines;
        });
        pointer.moveTo(QPoint(5, 5), first.get());
        QTRY_COMPARE_WITH_TIMEOUT(firstLog.lines.size(), 2, 3000);
        QCOMPARE(seenInsideTheLoop, QStringList{"MouseEnters 7 7"});
        QCOMPARE(firstLog.lines, (QStringList{"MouseEnters 5 5", "MouseLeaves 7 7"}));
        QCOMPARE(secondLog.lines, QStringList{"MouseEnters 7 7"});
    }

    // A hover timer keeps the clock it first started on: its ticks, its pointer sample, its stop.
    void aButtonKeepsItsClock()
    {
        FakePointer pointer;
        platform::HoverClock own;
        std::unique_ptr<XPButton> button;
        {
            const platform::InstallGuard<platform::HoverClock> installed(own);
            button = makeButton();
        }
        EventLog log(*button);
        pointer.moveTo(QPoint(3, 4), button.get());
        own.tick();
        pointer.moveTo(QPoint(9, 9), nullptr);
        own.tick();
        QCOMPARE(log.lines, (QStringList{"MouseEnters 3 4", "MouseLeaves 9 9"}));
        button->findChild<platform::HoverTimer*>("tmrCheck")->stop();
        own.wake();
        QVERIFY(!own.isRunning());
    }

    void buttonDeletedByItsEntersHandler()
    {
        FakePointer pointer;
        auto other = makeButton();
        XPButton* button = makeButton().release();
        connect(button, &XPButton::MouseEnters, [&] { delete button; });
        pointer.moveTo(QPoint(1, 1), button);
        platform::HoverClock::current().tick();
        pointer.moveTo(QPoint(1, 1), other.get());
        platform::HoverClock::current().tick();
        QVERIFY(other->findChild<platform::HoverTimer*>("tmrCheck")->isActive());
    }

    void accessKeyShowsItsCode()
    {
        RecordingMessageBox boxes;
        auto button = makeButton();
        button->AccessKeyPress(65);
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QVERIFY(boxes.last().text == u"65");
        QVERIFY(boxes.last().title == u"Pellitor");
        QCOMPARE(boxes.last().style, 0);
    }
};

QTEST_MAIN(tst_XPButtonEvents)
#include "tst_XPButtonEvents.moc"
