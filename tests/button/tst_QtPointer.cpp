// Hover through the Qt pointer, which learns where the pointer is from the events our windows
// receive: the widget under it honours the rounded shape, every way of leaving a button clears its
// hover within one interval, and the clock stops once the pointer rests.
#include "HoverClock.h"
#include "Pointer.h"
#include "XPButton.h"

#include <QtTest>

#include <memory>

using namespace pellitor;

namespace {
constexpr int W = 75;
constexpr int H = 23;

// A window with two buttons side by side, the first at (10, 10).
struct Window {
    QWidget widget;
    XPButton* first;
    XPButton* second;
    QStringList events;

    Window()
    {
        widget.resize(200, 60);
        first = new XPButton(&widget);
        second = new XPButton(&widget);
        first->setGeometry(10, 10, W, H);
        second->setGeometry(100, 10, W, H);
        for (XPButton* button : {first, second}) {
            button->InitProperties();
            QObject::connect(button, &XPButton::MouseEnters, [this, button](qint32 x, qint32 y) {
                events << QStringLiteral("%1 enters %2 %3").arg(button->objectName()).arg(x).arg(y);
            });
            QObject::connect(button, &XPButton::MouseLeaves, [this, button](qint32 x, qint32 y) {
                events << QStringLiteral("%1 leaves %2 %3").arg(button->objectName()).arg(x).arg(y);
            });
        }
        first->setObjectName("first");
        second->setObjectName("second");
    }

    // Shows the window with the pointer in its corner, over no button. Qt drops a move to where
    // the pointer already is, so every later move to a button is a real one.
    bool open()
    {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            return false;
        moveTo(QPoint(199, 59));
        return true;
    }

    // The pointer moves to local, reported through the platform's own path, which withholds it
    // from a window that a modal window blocks. The platform's cursor moves along, so that the
    // enter events it makes up carry the pointer's real position.
    void moveTo(QPoint local)
    {
        QCursor::setPos(widget.mapToGlobal(local));
        QTest::mouseMove(widget.windowHandle(), local);
    }
    QPoint global(QPoint local) const { return widget.mapToGlobal(local); }
};

QString at(const char* what, QPoint global)
{
    return QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(what)).arg(global.x()).arg(global.y());
}
} // namespace

class tst_QtPointer : public QObject {
    Q_OBJECT

private slots:
    void widgetUnderThePointer_data()
    {
        QTest::addColumn<QPoint>("local");
        QTest::addColumn<QString>("expected");
        QTest::newRow("button's middle") << QPoint(10 + W / 2, 10 + H / 2) << "first";
        QTest::newRow("inside the rounded corner") << QPoint(11, 11) << "first";
        QTest::newRow("cut-off corner") << QPoint(10, 10) << "window";
        QTest::newRow("column past the shape") << QPoint(10 + W - 1, 10 + H / 2) << "window";
        QTest::newRow("window's last pixel") << QPoint(199, 59) << "window";
        QTest::newRow("outside, during a drag") << QPoint(200, 30) << "none";
    }
    void widgetUnderThePointer()
    {
        QFETCH(QPoint, local);
        QFETCH(QString, expected);
        Window window;
        QVERIFY(window.open());
        window.moveTo(local);
        const QWidget* under = platform::Pointer::current().widgetUnderPointer();
        const QString name = !under ? "none" : under == &window.widget ? "window" : under->objectName();
        QCOMPARE(name, expected);
    }

    // Every way the pointer can stop being over a button, and the clock's own timer telling it.
    void hoverFollowsThePointer_data()
    {
        QTest::addColumn<int>("route");
        QTest::newRow("to the other button") << 0;
        QTest::newRow("across the window's edge") << 1;
        QTest::newRow("window hidden") << 2;
        QTest::newRow("window minimised") << 3;
        QTest::newRow("modal window opened") << 4;
    }
    void hoverFollowsThePointer()
    {
        QFETCH(int, route);
        Window window;
        QVERIFY(window.open());
        platform::HoverClock& clock = platform::HoverClock::current();
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);

        const QPoint over(40, 20);
        window.moveTo(over);
        QVERIFY(clock.isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(window.events, QStringList{at("first enters", window.global(over))}, 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);

        QWidget modal;
        const QPoint other(130, 20);
        QEvent leave(QEvent::Leave);
        switch (route) {
        case 0: window.moveTo(other); break;
        case 1: QCoreApplication::sendEvent(window.widget.windowHandle(), &leave); break;
        case 2: window.widget.hide(); break;
        case 3: window.widget.showMinimized(); break;
        default:
            // away from the pointer: the window under it only becomes blocked
            modal.setGeometry(600, 600, 50, 50);
            modal.setWindowModality(Qt::ApplicationModal);
            modal.show();
            break;
        }
        QTRY_COMPARE_WITH_TIMEOUT(window.events.size(), route == 0 ? 3 : 2, 1000);
        QVERIFY(window.events.at(1).startsWith("first leaves"));
        if (route == 0)
            QCOMPARE(window.events.at(2), at("second enters", window.global(other)));
        QTRY_VERIFY_WITH_TIMEOUT(!clock.isRunning(), 1000);
    }

    // Back from a modal window, the next pointer event brings the hover back.
    void hoverReturnsAfterAModalWindow()
    {
        Window window;
        QVERIFY(window.open());
        window.moveTo(QPoint(40, 20));
        QTRY_COMPARE_WITH_TIMEOUT(window.events.size(), 1, 1000);
        {
            QWidget modal;
            modal.setWindowModality(Qt::ApplicationModal);
            modal.show();
            QTRY_COMPARE_WITH_TIMEOUT(window.events.size(), 2, 1000);
            window.moveTo(QPoint(130, 20)); // withheld from a blocked window
        }
        window.moveTo(QPoint(131, 20));
        QTRY_COMPARE_WITH_TIMEOUT(window.events.size(), 3, 1000);
        QVERIFY(window.events.at(2).startsWith("second enters"));
    }
};

QTEST_MAIN(tst_QtPointer)
#include "tst_QtPointer.moc"
