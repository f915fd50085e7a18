// The main window on a scaled screen, read off grab() in device pixels: each of its buttons, where
// the layout puts it, shows its border and its hover ring equally wide on all four edges. CTest
// runs it at several QT_SCALE_FACTORs.
#include "DesignColor.h"
#include "EdgeRuns.h"
#include "FakePointer.h"
#include "HoverClock.h"
#include "RecordingMessageBox.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
// Hover ring and border of styles 1 and 2, and of style 3.
const QList<quint32> hoverRings[2] = {ring::Hover1, ring::Hover3};
constexpr quint32 borders[2] = {border::Blue, border::Green};
} // namespace

class tst_frmMainScaled : public QObject {
    Q_OBJECT

private slots:
    void everyButtonsLinesAreEquallyWide_data()
    {
        QTest::addColumn<QString>("name");
        for (int number = 7; number <= 31; ++number) {
            const QString name = QStringLiteral("XPButton%1").arg(number);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void everyButtonsLinesAreEquallyWide()
    {
        QFETCH(QString, name);
        RecordingMessageBox boxes;
        FakePointer pointer;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal ratio = window.devicePixelRatioF();
        const int width = expectedLineWidth(window);
        QVERIFY2(width > 0, "no expected line width at this ratio");

        XPButton* button = child<XPButton>(window, name);
        pointer.moveTo(button->mapToGlobal(button->rect().center()), button);
        platform::HoverClock::current().tick();
        const QImage image = window.grab().toImage();
        QCOMPARE(image.devicePixelRatio(), ratio);

        const int scheme = button->ColorStyle() == 3 ? 1 : 0;
        const QRect area = deviceRect(*button, window, ratio);
        for (int e = 0; e < 4; ++e) {
            // From the middle outwards: the inner ring line, the outer one, the border.
            const QList<QRgb> colours{bgr(hoverRings[scheme][4 + e]), bgr(hoverRings[scheme][e]), bgr(borders[scheme])};
            const QString runs = runsAcross(image, startAcross(image, area, edges[e], colours, width), edges[e],
                                            colours);
            QCOMPARE(edgeName(edges[e]) + (": " + runs), edgeName(edges[e]) + (": " + equalRuns(3, width)));
        }
    }
};

QTEST_MAIN(tst_frmMainScaled)
#include "tst_frmMainScaled.moc"
