// The graph window's menu and keys in the real window (offscreen): the context menu's entries and
// which apply, Escape and Ctrl+W, F1, the view-range dialog, equal scales, and a failed save's box
// over the graph window.
#include "GraphActions.h"
#include "PlotPainter.h"
#include "RecordingMessageBox.h"
#include "RecordingSaveDialog.h"
#include "ShownGraph.h"
#include "ViewNavigator.h"
#include "ViewRangeDialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

using testing::settled;

// The graph of expression, active and its plot focused: the window's shortcuts work in the active
// window.
std::unique_ptr<GraphWindow> graphOf(std::u16string expression)
{
    auto window = testing::shownGraph(std::move(expression));
    window->activateWindow(); // the window's shortcuts work in the active window
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the graph window did not become active");
    window->canvas()->setFocus();
    return window;
}

} // namespace

class tst_GraphMenu : public QObject {
    Q_OBJECT
private slots:
    void theMenuShowsItsEntriesWithShortcutsAndWhatApplies()
    {
        const auto window = graphOf(u"x^2");
        QMenu* menu = window->actions()->menu();
        QTest::keyClick(window->canvas(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        QStringList entries;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text().remove(u'&') + u'|' + action->shortcut().toString();
        }
        QCOMPARE(entries, QStringList({"Copy|Ctrl+C", "Save As...|Ctrl+S", "Print...|Ctrl+P", "Back|Alt+Left",
                                       "Forward|Alt+Right", "Reset View|Home", "Fit y|Ctrl+0", "Zoom In|Ctrl++",
                                       "Zoom Out|Ctrl+-", "View Range...|", "Equal Scales|", "Pin Curve|Ctrl+D",
                                       "Pinned Curves|", "Table of Values|Ctrl+T", "Help|F1"}));
        QVERIFY(!window->actions()->back->isEnabled());
        QVERIFY(!window->actions()->reset->isEnabled()); // the first view
        menu->hide();
        QTest::keyClick(window->canvas(), Qt::Key_Plus, Qt::ControlModifier);
        // The Menu key, as the platform hands it on: a context menu event from the keyboard.
        const QPoint centre = window->canvas()->rect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre, window->canvas()->mapToGlobal(centre));
        QApplication::sendEvent(window->canvas(), &menuKey);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(window->actions()->back->isEnabled());
        QVERIFY(!window->actions()->forward->isEnabled());
        QVERIFY(window->actions()->reset->isEnabled());
        QVERIFY(window->actions()->fitY->isEnabled());
        menu->hide();
    }

    // Until the user traces, the readout says how to, and no ring or line is drawn; the marks
    // explain themselves in tooltips and the status line.
    void theReadoutSaysHowToTraceAndTheMarksSayWhatTheyAre()
    {
        const auto window = graphOf(u"2cos(x^2)/x");
        GraphCanvas* canvas = window->canvas();
        window->setInputs({u"2cos(x^2)/x", u"0", false});
        QVERIFY(settled(canvas));
        QVERIFY2(canvas->readout().startsWith("Point at the curve"), qPrintable(canvas->readout()));
        QVERIFY(!canvas->traceIsALine());
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Left); // back at x = 0, where there is no value
        QVERIFY(canvas->readout().startsWith("x = 0"));
        QVERIFY(canvas->traceIsALine());
        QVERIFY(window->statusText().startsWith("The dashed line"));
        window->setInputs({u"2cos(x^2)/x", u"1", false});
        QVERIFY(settled(canvas));
        const QRectF frame = plot::pictureFrame(canvas->shownPicture());
        const plot::Span& xs = canvas->viewport().xs();
        const plot::Span& ys = canvas->viewport().ys();
        const QPoint dot(int(frame.left() + (1.0 - xs.from) / (xs.to - xs.from) * frame.width()),
                         int(frame.bottom() - (2 * std::cos(1.0) - ys.from) / (ys.to - ys.from) * frame.height()));
        QHelpEvent tip(QEvent::ToolTip, dot, canvas->mapToGlobal(dot));
        QApplication::sendEvent(canvas, &tip);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().startsWith("The parameter's x"), qPrintable(QToolTip::text()));
    }

    void escapeAndCtrlWCloseTheWindowF1AsksForHelp()
    {
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            const auto window = graphOf(u"x");
            QTest::keySequence(window->canvas(), keys);
            QVERIFY2(!window->isVisible(), qPrintable(keys.toString()));
        }
        const auto window = graphOf(u"x");
        // Escape in the open x field closes the field, not the window.
        QVERIFY(settled(window->canvas()));
        QTest::keyClick(window->canvas(), Qt::Key_1);
        QLineEdit* field = window->findChild<QLineEdit*>(QStringLiteral("xField"));
        QVERIFY(field->isVisible());
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QVERIFY(window->isVisible());
        QSignalSpy help(window.get(), &GraphWindow::helpAsked);
        QTest::keyClick(window->canvas(), Qt::Key_F1);
        QCOMPARE(help.count(), 1);
    }

    void theViewRangeDialogAppliesOrSaysWhyNot()
    {
        const auto window = graphOf(u"x");
        window->setLocale(QLocale(QLocale::German, QLocale::Germany));
        window->askViewRange();
        auto* dialog = window->findChild<ViewRangeDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const auto set = [dialog](const char* name, const QString& text) {
            dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
        };
        const struct {
            QString xFrom, xTo;
            QString message; // empty: applied
        } cases[] = {
            {"abc", "2", "\"abc\" is not a number."},
            {"3", "2", "x from must be less than x to."},
            {"1", "1,0000001", "This range is too narrow: neighbouring pixels would show the same 32-bit x."},
            {"-1,5", "2,5", ""},
        };
        for (const auto& c : cases) {
            set("xFrom", c.xFrom);
            set("xTo", c.xTo);
            set("yFrom", "-1");
            set("yTo", "1");
            QTest::keyClick(dialog->findChild<QLineEdit*>("yTo"), Qt::Key_Return);
            QCOMPARE(dialog->message(), c.message);
        }
        QTRY_VERIFY(!window->findChild<ViewRangeDialog*>());
        QCOMPARE(window->canvas()->viewport().xs().from, -1.5);
        QCOMPARE(window->canvas()->viewport().xs().to, 2.5);
    }

    // Equal scales: a unit as many pixels in y as in x, kept while zooming one axis.
    void equalScalesShowACircleAsACircle()
    {
        const auto window = graphOf(u"sqr(1-x^2)");
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        window->actions()->equalScales->trigger();
        const auto pixelsPerUnit = [canvas] {
            const QRectF frame = plot::pictureFrame(canvas->shownPicture());
            const plot::Span& xs = canvas->viewport().xs();
            const plot::Span& ys = canvas->viewport().ys();
            return std::pair(frame.width() / (xs.to - xs.from), frame.height() / (ys.to - ys.from));
        };
        auto [x, y] = pixelsPerUnit();
        QVERIFY2(std::abs(x - y) < 0.02 * x, qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
        QWheelEvent wheel(canvas->rect().center(), canvas->mapToGlobal(canvas->rect().center()), {}, {0, 240},
                          Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        std::tie(x, y) = pixelsPerUnit();
        QVERIFY2(std::abs(x - y) < 0.02 * x, qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
    }

    void aFailedSaveSaysSoOverTheGraphWindow()
    {
        const auto window = graphOf(u"x");
        QVERIFY(settled(window->canvas()));
        testing::RecordingSaveDialog dialog({QStringLiteral("/nonexistent-folder/graph.png"), QString()});
        testing::RecordingMessageBox boxes;
        window->actions()->save->trigger();
        QTRY_VERIFY(!boxes.empty());
        QCOMPARE(boxes.last().owner, window.get());
    }
};

QTEST_MAIN(tst_GraphMenu)
#include "tst_GraphMenu.moc"
