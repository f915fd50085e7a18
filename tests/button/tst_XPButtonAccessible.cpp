// The button as assistive tools meet it: its role, name, description and states, the "Press"
// action against what Space does, the changes it announces, and a focus ring that shows in every
// colour scheme and widget style.
#include "ButtonDriver.h"
#include "DesignColor.h"
#include "RecordingAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QStyleFactory>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
constexpr int W = 75;
constexpr int H = 23;
const QRgb PressedTop = bgr(ring::Pressed1[0]); // style 1's pressed outer top line

// A button in a shown window whose other control holds the focus.
struct Shown {
    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    XPButton* button = new XPButton(&window);

    explicit Shown(const QString& caption)
    {
        button->setGeometry(0, 40, W, H);
        button->InitProperties();
        button->setCaption(caption);
        window.resize(200, 100);
        window.show();
        other->setFocus();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not show");
    }
};

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        qFatal("no accessible interface");
    return iface;
}

QRgb outerTop(XPButton& button)
{
    return button.grab().toImage().pixel(W / 2, 1);
}
} // namespace

class tst_XPButtonAccessible : public QObject {
    Q_OBJECT

private slots:
    void interface_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("plain") << "Calculate"
                               << "" << true << false << false;
        QTest::newRow("tooltip, focused") << "."
                                          << "Decimal Point" << true << true << false;
        QTest::newRow("pressed by the mouse") << "B"
                                              << "Backspace" << true << false << true;
        // Enabled false greys it; it still takes the focus, as the keyboard finds it.
        QTest::newRow("disabled, focused") << "Insert"
                                           << "Select And Insert A Function" << false << true << false;
    }
    void interface()
    {
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(bool, enabled);
        QFETCH(bool, focused);
        QFETCH(bool, pressed);
        Shown shown(caption);
        XPButton* button = shown.button;
        button->setToolTip(toolTip);
        button->setEnabledFlag(enabled);
        if (focused) {
            button->activateWindow();
            button->setFocus();
            QTRY_VERIFY(button->hasFocus());
        }
        if (pressed)
            pressLeft(*button);

        QAccessibleInterface* iface = accessible(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), caption);
        QCOMPARE(iface->text(QAccessible::Description), toolTip);
        const QAccessible::State state = iface->state();
        QVERIFY(state.focusable);
        QCOMPARE(bool(state.focused), focused);
        QCOMPARE(bool(state.pressed), pressed);
        QCOMPARE(bool(state.disabled), !enabled);
        QVERIFY(iface->actionInterface());
        QCOMPARE(iface->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        // The name follows the caption.
        button->setCaption(caption + "!");
        QCOMPARE(iface->text(QAccessible::Name), caption + "!");
    }

    // "Press" goes the keyboard's way for Space, then clicks once; the pressed look shows between.
    void pressAction_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("swallowSpace");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("pressedLook");
        const QStringList space{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"};
        QTest::newRow("enabled") << true << false << space + QStringList{"Click"} << true;
        QTest::newRow("disabled: nothing") << false << false << QStringList{} << false;
        QTest::newRow("KeyDown handler clears Space") << true << true << space + QStringList{"Click"} << false;
    }
    void pressAction()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, swallowSpace);
        QFETCH(QStringList, events);
        QFETCH(bool, pressedLook);
        QElapsedTimer sincePress;
        qint64 clickedAfter = -1;
        Shown shown("5");
        XPButton* button = shown.button;
        button->setEnabledFlag(enabled);
        connect(button, &XPButton::Click, button, [&] { clickedAfter = sincePress.elapsed(); });
        EventLog log(*button);
        if (swallowSpace)
            connect(button, &XPButton::KeyDown, [](qint16& code, qint16&) { code = 0; });
        RecordingAnnouncer announcer;
        QAccessibleInterface* iface = accessible(button);

        sincePress.start();
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The call returns before the release, so a Click that opens a modal window cannot hold
        // up the assistive tool.
        QVERIFY(!log.lines.contains("Click"));
        QCOMPARE(outerTop(*button) == PressedTop, pressedLook);
        QCOMPARE(bool(iface->state().pressed), pressedLook);
        QTRY_COMPARE(log.lines, events);
        // The look stays a tenth of a second before the click, as a person's press shows it (a
        // coarse timer may end a little early).
        if (events.contains("Click"))
            QVERIFY2(clickedAfter >= 90, qPrintable(QString::number(clickedAfter)));
        QVERIFY(outerTop(*button) != PressedTop);
        const QStringList announced = pressedLook ? QStringList{"state pressed", "state pressed"} : QStringList{};
        QCOMPARE(announcer.lines(button), announced);

        // The same as Space on the keyboard, plus the click.
        if (enabled && !swallowSpace) {
            log.lines.clear();
            QTest::keyClick(button, Qt::Key_Space);
            QCOMPARE(log.lines + QStringList{"Click"}, events);
        }
    }

    void pressTwiceClicksTwice()
    {
        Shown shown("5");
        XPButton* button = shown.button;
        EventLog log(*button);
        QAccessibleActionInterface* action = accessible(button)->actionInterface();
        action->doAction(QAccessibleActionInterface::pressAction());
        action->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(log.lines.count("Click"), 2);
        // The second press waits for the first and starts just before its Click.
        QCOMPARE(log.lines, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "KeyDown 32 0", "KeyPress 32",
                                         "Click", "KeyUp 32 0", "Click"}));
    }

    // A modal window blocks the button for the mouse, and so for "Press": the action is refused
    // and the button reads as disabled while it lasts.
    void blockedByModalWindow_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("application-modal, no owner") << "application" << true;
        QTest::newRow("application-modal, owned by the button's window") << "owned" << true;
        QTest::newRow("window-modal, owned by the button's window") << "window" << true;
        QTest::newRow("window-modal, owned by another window") << "other window" << false;
        QTest::newRow("the button inside the modal window") << "inside" << false;
        QTest::newRow("a modal window of the button's own, then one it owns") << "nested" << true;
        QTest::newRow("none") << "" << false;
    }
    void blockedByModalWindow()
    {
        QFETCH(QString, opened);
        QFETCH(bool, blocked);
        Shown shown("About");
        QWidget other;
        other.show();
        QDialog dialog(opened == "owned" || opened == "window" || opened == "nested" ? &shown.window
                       : opened == "other window"                                    ? &other
                                                                                     : nullptr);
        dialog.setWindowModality(opened.startsWith("window") || opened == "other window" ? Qt::WindowModal
                                                                                         : Qt::ApplicationModal);
        XPButton* button = shown.button;
        if (opened == "inside") {
            button = new XPButton(&dialog);
            button->InitProperties();
        }
        QDialog inner(&dialog);
        inner.setModal(true);
        if (!opened.isEmpty())
            dialog.show();
        if (opened == "nested")
            inner.show();
        EventLog log(*button);
        QAccessibleInterface* iface = accessible(button);
        QCOMPARE(bool(iface->state().disabled), blocked);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (blocked) {
            QTest::qWait(250);
            QCOMPARE(log.lines, QStringList{});
        } else {
            QTRY_COMPARE(log.lines.count("Click"), 1);
        }
    }

    // A Click that opens a modal window holds up no call, and the press that waited behind it
    // finds the button blocked, as a second mouse click would: one Click, one window.
    void pressWhileClickOpensModalWindow()
    {
        Shown shown("About");
        XPButton* button = shown.button;
        QAccessibleActionInterface* action = accessible(button)->actionInterface();
        EventLog log(*button);
        int clicks = 0;
        bool disabledWhileOpen = false;
        QStringList whileOpen;
        connect(button, &XPButton::Click, [&] {
            ++clicks;
            QDialog about(&shown.window);
            QTimer::singleShot(150, &about, [&] {
                disabledWhileOpen = accessible(button)->state().disabled;
                const qsizetype before = log.lines.size();
                action->doAction(QAccessibleActionInterface::pressAction());
                whileOpen = log.lines.mid(before);
            });
            QTimer::singleShot(400, &about, &QDialog::accept);
            about.exec();
        });
        action->doAction(QAccessibleActionInterface::pressAction());
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 0);
        QTRY_COMPARE(clicks, 1);
        QTest::qWait(300);
        QCOMPARE(clicks, 1);
        QVERIFY(disabledWhileOpen);
        QCOMPARE(whileOpen, QStringList{});
        // Unblocked again, it presses.
        action->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks, 2);
    }

    // A handler may delete the button while a press is under way.
    void deletedDuringPress_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("KeyDown") << "KeyDown";
        QTest::newRow("KeyUp") << "KeyUp";
        QTest::newRow("Click") << "Click";
        QTest::newRow("before the release") << "";
    }
    void deletedDuringPress()
    {
        QFETCH(QString, when);
        QWidget window;
        auto* button = new XPButton(&window);
        button->InitProperties();
        window.show();
        QPointer<XPButton> alive(button);
        if (when == "KeyDown")
            connect(button, &XPButton::KeyDown, [button](qint16&, qint16&) { delete button; });
        else if (when == "KeyUp")
            connect(button, &XPButton::KeyUp, [button](qint16&, qint16&) { delete button; });
        else if (when == "Click")
            connect(button, &XPButton::Click, [button] { delete button; });
        accessible(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (when.isEmpty())
            delete button;
        QTRY_VERIFY(!alive);
    }

    void announcements_data()
    {
        QTest::addColumn<std::function<void(XPButton&)>>("change");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("caption") << std::function<void(XPButton&)>([](XPButton& b) { b.setCaption("7"); })
                                 << QStringList{"name"};
        QTest::newRow("tooltip") << std::function<void(XPButton&)>([](XPButton& b) { b.setToolTip("Seven"); })
                                 << QStringList{"description"};
        QTest::newRow("Enabled") << std::function<void(XPButton&)>([](XPButton& b) { b.setEnabledFlag(false); })
                                 << QStringList{"state disabled"};
        QTest::newRow("left press and release")
            << std::function<void(XPButton&)>([](XPButton& b) { QTest::mouseClick(&b, Qt::LeftButton); })
            << QStringList{"state pressed", "state pressed"};
        QTest::newRow("release with nothing pressed")
            << std::function<void(XPButton&)>([](XPButton& b) { QTest::mouseRelease(&b, Qt::LeftButton); })
            << QStringList{};
    }
    void announcements()
    {
        QFETCH(std::function<void(XPButton&)>, change);
        QFETCH(QStringList, expected);
        Shown shown("5");
        XPButton* button = shown.button;
        RecordingAnnouncer announcer;
        change(*button);
        QCOMPARE(announcer.lines(button), expected);
    }

    // The focus ring stands out from the normal look in every colour scheme, whatever the
    // widget style: at least half the ring's pixels change clearly.
    void focusRingShowsInEveryStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("colorStyle");
        for (const QString& style : QStyleFactory::keys())
            for (int colorStyle : {1, 2, 3})
                QTest::addRow("%s, ColorStyle %d", qPrintable(style), colorStyle) << style << colorStyle;
    }
    void focusRingShowsInEveryStyle()
    {
        QFETCH(QString, style);
        QFETCH(int, colorStyle);
        QApplication::setStyle(style);
        Shown shown("OK");
        XPButton* button = shown.button;
        button->setColorStyle(colorStyle);
        const QImage normal = button->grab().toImage();
        focus(*button);
        const QImage focused = button->grab().toImage();

        int ring = 0;
        int changed = 0;
        const qreal ratio = focused.devicePixelRatio();
        const QRect outer = QRect(1, 1, W - 3, H - 3);
        for (int y = outer.top(); y <= outer.bottom(); ++y) {
            for (int x = outer.left(); x <= outer.right(); ++x) {
                if (QRect(outer.adjusted(2, 2, -2, -2)).contains(x, y))
                    continue;
                const QPoint at = (QPointF(x, y) * ratio).toPoint();
                const QColor a = normal.pixelColor(at);
                const QColor b = focused.pixelColor(at);
                const int difference = std::max(
                    {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
                ++ring;
                changed += difference >= 24;
            }
        }
        QVERIFY2(2 * changed >= ring, qPrintable(QStringLiteral("%1 of %2 ring pixels change").arg(changed).arg(ring)));
    }
};

QTEST_MAIN(tst_XPButtonAccessible)
#include "tst_XPButtonAccessible.moc"
