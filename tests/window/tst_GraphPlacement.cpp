// Where the graph window opens: the arithmetic over screens from 1366x768 up at scales 1, 1.5 and 2
// with the main window at the left, in the middle and at the right, and the real windows placed.
#include "FormLayout.h"
#include "GraphLink.h"
#include "GraphPlacement.h"
#include "RecordingMessageBox.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QScreen>
#include <QtTest>

#include <algorithm>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
// The main window's client area, and the expression box and the Calculate button in it.
constexpr QSize MainClient(402, 284);
constexpr QRect Text1(6, 23, 387, 22);
constexpr QRect Calculate(64, 252, 58, 22);
// The graph's client sizes: as its layout prefers it, and its smallest.
constexpr QSize Preferred(640, 440);
constexpr QSize Minimum(320, 200);

enum class MainAt { Left, Centre, Right };

// A screen in logical pixels (device pixels over the scale) with a title bar of 22 device pixels
// on each window, and the main window centred in height.
GraphRoom roomOn(QRect screen, double scale, MainAt at)
{
    const QMargins frame(1, qRound(22 / scale), 1, 1);
    const QSize main = MainClient.grownBy(frame);
    const int spare = screen.width() - main.width();
    const int x = screen.left() + (at == MainAt::Left ? 0 : at == MainAt::Right ? spare : spare / 2);
    const QRect mainFrame(QPoint(x, screen.top() + (screen.height() - main.height()) / 2), main);
    const QPoint client = mainFrame.topLeft() + QPoint(frame.left(), frame.top());
    return {screen, mainFrame, {Text1.translated(client), Calculate.translated(client)}, Preferred, Minimum, frame};
}

QRect logical(QSize device, double scale, QPoint origin = {})
{
    return {origin, (QSizeF(device) / scale).toSize()};
}

QString text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

Q_DECLARE_METATYPE(GraphRoom)

class tst_GraphPlacement : public QObject {
    Q_OBJECT

private slots:
    void neitherHidesTheOther_data()
    {
        QTest::addColumn<GraphRoom>("room");
        const struct {
            const char* name;
            QSize device;
            QPoint origin;
        } screens[] = {{"1366x768", {1366, 768}, {}},
                       {"1920x1080", {1920, 1080}, {}},
                       {"1920x1080 right of another", {1920, 1080}, {1920, 0}},
                       {"1080x1920 upright", {1080, 1920}, {}}};
        const struct {
            const char* name;
            MainAt at;
        } places[] = {{"left", MainAt::Left}, {"centred", MainAt::Centre}, {"right", MainAt::Right}};
        for (const auto& screen : screens)
            for (const double scale : {1.0, 1.5, 2.0})
                for (const auto& place : places)
                    QTest::addRow("%s at %g, main %s", screen.name, scale, place.name)
                        << roomOn(logical(screen.device, scale, screen.origin), scale, place.at);
    }
    // On the screen at least at its smallest; side by side wherever the screen holds both, top
    // edges level; else over the main window with the expression box and Calculate in view.
    void neitherHidesTheOther()
    {
        QFETCH(GraphRoom, room);
        const GraphPlace place = placeGraph(room);
        const QSize smallest = Minimum.grownBy(room.frame);
        const QSize preferred = Preferred.grownBy(room.frame);
        const QString where = "graph " + text(place.graph) + ", main " + text(place.main);
        QVERIFY2(room.screen.contains(place.graph), qPrintable(where));
        QVERIFY2(room.screen.contains(place.main) && place.main.size() == room.main.size(), qPrintable(where));
        QVERIFY2(place.graph.width() >= smallest.width() && place.graph.height() >= smallest.height()
                     && place.graph.width() <= preferred.width() && place.graph.height() <= preferred.height(),
                 qPrintable(where));
        if (room.main.width() + smallest.width() <= room.screen.width()) {
            QVERIFY2(!place.graph.intersects(place.main), qPrintable(where));
            const bool beside = place.graph.left() > place.main.right() || place.graph.right() < place.main.left();
            if (beside && place.main.top() + place.graph.height() <= room.screen.bottom() + 1)
                QCOMPARE(place.graph.top(), place.main.top());
        } else {
            QCOMPARE(place.main, room.main);
            for (const QRect& part : room.keepUncovered)
                QVERIFY2(!part.intersects(place.graph), qPrintable(where + ", covers " + text(part)));
        }
        // The main window moves only where neither side had room for the graph's smallest size.
        if (place.main != room.main)
            QVERIFY2(room.screen.right() - room.main.right() < smallest.width()
                         && room.main.left() - room.screen.left() < smallest.width(),
                     qPrintable(where));
        // A side with room for the preferred size gets it.
        if (std::max(room.screen.right() - room.main.right(), room.main.left() - room.screen.left())
            >= preferred.width() + 8)
            QCOMPARE(place.graph.width(), preferred.width());
    }

    void placesExactly_data()
    {
        QTest::addColumn<GraphRoom>("room");
        QTest::addColumn<QRect>("graph");
        QTest::addColumn<QRect>("main");
        // Frames (1, 22, 1, 1) at scale 1, (1, 15, 1, 1) at 1.5 and (1, 11, 1, 1) at 2.
        const QRect wide(0, 0, 1920, 1080);
        QTest::newRow("1920x1080: right, preferred, level")
            << roomOn(wide, 1, MainAt::Centre) << QRect(1170, 386, 642, 463) << QRect(758, 386, 404, 307);
        QTest::newRow("1920x1080, main at the right: left")
            << roomOn(wide, 1, MainAt::Right) << QRect(866, 386, 642, 463) << QRect(1516, 386, 404, 307);
        QTest::newRow("1366x768: narrowed to the room on the right")
            << roomOn(logical({1366, 768}, 1), 1, MainAt::Centre) << QRect(893, 230, 473, 463)
            << QRect(481, 230, 404, 307);
        QTest::newRow("1920x1080 at 1.5: narrowed, not over the main window")
            << roomOn(logical({1920, 1080}, 1.5), 1.5, MainAt::Centre) << QRect(850, 210, 430, 456)
            << QRect(438, 210, 404, 300);
        QTest::newRow("1920x1080 at 2: the main window moved aside")
            << roomOn(logical({1920, 1080}, 2), 2, MainAt::Centre) << QRect(412, 122, 548, 418)
            << QRect(0, 122, 404, 296);
        QTest::newRow("1366x768 at 2: over the main window, its expression box and Calculate in view")
            << roomOn(logical({1366, 768}, 2), 2, MainAt::Centre) << QRect(361, 172, 322, 212)
            << QRect(139, 44, 404, 296);
        QTest::newRow("729 wide: the smallest width, the gap narrowed to the room")
            << roomOn(QRect(0, 0, 729, 600), 1, MainAt::Left) << QRect(407, 146, 322, 454) << QRect(0, 146, 404, 307);
        QTest::newRow("600x1000: below") << roomOn(QRect(0, 0, 600, 1000), 1, MainAt::Centre) << QRect(0, 661, 600, 339)
                                         << QRect(98, 346, 404, 307);
        GraphRoom low = roomOn(wide, 1, MainAt::Left);
        low.main.moveTop(700);
        QTest::newRow("main low: the graph shortened to the screen, level")
            << low << QRect(412, 700, 642, 380) << QRect(0, 700, 404, 307);
    }
    void placesExactly()
    {
        QFETCH(GraphRoom, room);
        QFETCH(QRect, graph);
        QFETCH(QRect, main);
        const GraphPlace place = placeGraph(room);
        QCOMPARE(place.graph, graph);
        QCOMPARE(place.main, main);
    }

    // The real windows, on the screen and at the scale that CTest gives the offscreen platform: on
    // the screen, side by side where it holds both, else the expression box and Calculate in view.
    void opensBesideTheMainWindow()
    {
        RecordingMessageBox boxes;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect started = window.frameGeometry();
        window.showGraph();
        QWidget* graph = window.graphLink()->graphWindow();
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        const QRect screen = window.screen()->availableGeometry();
        const QRect placed = graph->frameGeometry();
        const QRect main = window.frameGeometry();
        const QString where = "graph " + text(placed) + ", main " + text(main) + " on " + text(screen);
        QVERIFY2(screen.contains(placed) && screen.contains(main), qPrintable(where));
        QVERIFY2(graph->width() >= graph->minimumWidth() && graph->height() >= graph->minimumHeight(),
                 qPrintable(where));
        const int smallest = graph->minimumWidth() + placed.width() - graph->width();
        if (main.width() + smallest <= screen.width()) {
            QVERIFY2(!placed.intersects(main), qPrintable(where));
            if (placed.left() > main.right() || placed.right() < main.left())
                QCOMPARE(placed.top(), main.top());
            return;
        }
        QCOMPARE(main, started);
        for (const char* name : {"Text1", "XPButton28"}) {
            const QWidget* part = child(window, name);
            QVERIFY2(!QRect(part->mapToGlobal(QPoint(0, 0)), part->size()).intersects(placed),
                     qPrintable(where + " covers " + name));
        }
    }
};

QTEST_MAIN(tst_GraphPlacement)
#include "tst_GraphPlacement.moc"
