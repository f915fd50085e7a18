// The graph window through the real main window (offscreen): opened by Ctrl+G, drawn live from the
// three inputs, its messages in the status line and never in a box, moved by the keyboard, told to
// assistive tools, and saved as the very PNG that pellitor-calc draws for the same view and size.
#include "CalculateCommand.h"
#include "EvaluatorMath.h"
#include "FakeCalculateView.h"
#include "GraphCanvas.h"
#include "GraphLink.h"
#include "GraphWindow.h"
#include "InputBox.h"
#include "LocaleNumberText.h"
#include "PlotPainter.h"
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "RecordingSaveDialog.h"
#include "ResultBox.h"
#include "Translations.h"
#include "frmMain.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <charconv>
#include <memory>
#include <random>

using namespace pellitor;
using graph::GraphCanvas;
using graph::GraphWindow;

namespace {

struct Opened {
    std::unique_ptr<frmMain> main;
    GraphWindow* graph = nullptr;
    GraphCanvas* canvas = nullptr;
    InputBox* expression = nullptr;
    InputBox* parameter = nullptr;
};

Opened openGraph()
{
    Opened opened;
    opened.main = std::make_unique<frmMain>();
    opened.main->show();
    // The shortcut works in the active window.
    if (!QTest::qWaitForWindowActive(opened.main.get()))
        return opened;
    opened.expression = opened.main->findChild<InputBox*>("Text1");
    opened.parameter = opened.main->findChild<InputBox*>("Text2");
    QTest::keyClick(opened.expression, Qt::Key_G, Qt::ControlModifier);
    opened.graph = opened.main->graphLink()->graphWindow();
    if (opened.graph)
        opened.canvas = opened.graph->canvas();
    return opened;
}

// Waits until the curve for the inputs, the view and the size as they are now has come.
bool settled(const GraphCanvas* canvas)
{
    return QTest::qWaitFor([canvas] { return !canvas->computing(); }, 5000);
}

// The pixels of the curve's colour (or all but: the line is smoothed) in the real widget.
std::vector<QPoint> curvePixels(GraphCanvas* canvas, QRgb colour = plot::CurveColour)
{
    const QImage image = canvas->grab().toImage();
    const QColor curve(colour);
    std::vector<QPoint> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - curve.red()) + std::abs(c.green() - curve.green())
                    + std::abs(c.blue() - curve.blue())
                < 40)
                found.emplace_back(x, y);
        }
    }
    return found;
}

QString number(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, int(end.ptr - text));
}

// What the readout must say at x: the report's y, or its words, for the same text and angle unit.
QString reportedReadout(const QString& expression, bool degrees, float x)
{
    static const platform::LocaleNumberText english(QLocale(QLocale::English, QLocale::UnitedStates));
    char digits[64];
    testing::FakeCalculateView view;
    view.expression = expression.toStdU16String();
    view.parameter = QString::fromLatin1(digits, int(std::to_chars(digits, digits + 64, x, std::chars_format::fixed).ptr
                                                     - digits))
                         .toStdU16String();
    view.arc = !degrees;
    view.angle = degrees;
    const CalculateCommand::Outcome outcome = CalculateCommand(view, english).run();
    const QString readoutX = QString::fromLatin1(
        digits, int(std::to_chars(digits, digits + 64, double(x), std::chars_format::general, 9).ptr - digits));
    const QStringList lines = QString::fromStdU16String(view.result).split("\r\n");
    QString rest;
    switch (outcome) {
    case CalculateCommand::Outcome::Value: rest = "y = " + lines.value(2).mid(4); break;
    case CalculateCommand::Outcome::CannotCalculate: rest = "Can not calculate"; break;
    case CalculateCommand::Outcome::EngineFault: rest = QString::fromStdU16String(view.messages.last().text); break;
    default: rest = "no value";
    }
    return "x = " + readoutX + "   " + rest;
}

// Why the readout at x does not say what the report says there, or nothing when it does: the
// report's y where that text shows four significant digits or more in twelve characters or fewer,
// else seven significant digits in scientific form that the report's four decimals round to; x
// with all its digits, or where the trace moved by a pixel (pixel wide in x; 0 for a move to the
// neighbouring 32-bit x) with the decimals that one pixel resolves.
QString unlikeTheReport(const QString& readout, const QString& reported, float x, double pixel)
{
    const QString readX = readout.section("   ", 0, 0);
    const QString readRest = readout.section("   ", 1);
    const QString reportX = reported.section("   ", 0, 0);
    const QString reportRest = reported.section("   ", 1);
    if (pixel == 0.0 && readX != reportX)
        return readX + " is not " + reportX;
    if (pixel > 0.0) {
        const QString number = readX.mid(4);
        const int decimals = number.contains('.') ? int(number.size() - number.indexOf('.') - 1) : 0;
        const double step = std::pow(10.0, -decimals);
        if (std::fabs(number.toDouble() - x) > step / 2 + 1e-12 || step > pixel || step * 10 <= pixel)
            return readX + " does not give " + QString::number(x, 'g', 9) + " to a pixel of " + QString::number(pixel);
    }
    if (!reportRest.startsWith("y = ") || readRest == reportRest) {
        const QString y = reportRest.mid(4);
        int significant = 0;
        for (const QChar c : y)
            significant += c.isDigit() && (significant > 0 || c != '0');
        if (readRest != reportRest)
            return readRest + " is not " + reportRest;
        if (reportRest.startsWith("y = ") && y != "0.0000" && (significant < 4 || y.size() > 12))
            return readRest + " shows too few digits or too many characters";
        return {};
    }
    // Seven significant digits of the report's number, which is known to four decimals.
    static const QRegularExpression scientific(R"(^y = -?\d\.\d{6}E[-+]\d{2,}$)");
    const double value = readRest.mid(4).toDouble();
    const double reportValue = reportRest.mid(4).remove(',').toDouble();
    const double lastDigit = std::pow(10.0, std::floor(std::log10(std::max(std::fabs(value), 1e-300))) - 6);
    if (!scientific.match(readRest).hasMatch() || std::fabs(value - reportValue) > lastDigit / 2 + 0.00005)
        return readRest + " is not the report's " + reportRest + " in seven significant digits";
    return {};
}

} // namespace

class tst_GraphWindow : public QObject {
    Q_OBJECT
private slots:
    void opensWithCtrlGAndClosesWithTheMainWindow()
    {
        Opened opened = openGraph();
        QVERIFY(opened.graph);
        QTRY_VERIFY(opened.graph->isVisible());
        QCOMPARE(opened.graph->windowTitle(), "Graph");
        QVERIFY(opened.graph->minimumWidth() >= 320 && opened.graph->minimumHeight() >= 200);
        // Ctrl+G from another control raises the same window.
        QTest::keyClick(opened.parameter, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(opened.main->graphLink()->graphWindow(), opened.graph);
        // The expression box's menu ends with the same action.
        QCOMPARE(opened.expression->actions().value(0), opened.main->graphLink()->action());
        const QPointer<GraphWindow> graph = opened.graph;
        opened.main->close();
        QTRY_VERIFY(!graph || !graph->isVisible());
    }

    void drawsTheExpressionLive()
    {
        Opened opened = openGraph();
        QVERIFY(opened.canvas);
        opened.expression->setText("x");
        QVERIFY(settled(opened.canvas));
        const auto meanRowOfLeftThird = [&] {
            const std::vector<QPoint> pixels = curvePixels(opened.canvas);
            double sum = 0;
            int count = 0;
            for (const QPoint& p : pixels) {
                if (p.x() < opened.canvas->width() / 3) {
                    sum += p.y();
                    ++count;
                }
            }
            return count ? sum / count : -1.0;
        };
        const double rising = meanRowOfLeftThird();
        QVERIFY(rising > opened.canvas->height() / 2); // y = x starts low on the left
        opened.expression->setText("-x");
        QVERIFY(settled(opened.canvas));
        const double falling = meanRowOfLeftThird();
        QVERIFY2(falling > 0 && falling < opened.canvas->height() / 2, qPrintable(QString::number(falling)));
        // The angle unit is an input too.
        opened.expression->setText("sin(x)");
        QVERIFY(settled(opened.canvas));
        const std::size_t radians = curvePixels(opened.canvas).size();
        opened.main->findChild<QRadioButton*>("Option2")->setChecked(true);
        QVERIFY(opened.canvas->computing());
        QVERIFY(settled(opened.canvas));
        QVERIFY(opened.canvas->curve()->degrees);
        QVERIFY(curvePixels(opened.canvas).size() != radians);
    }

    // The trace is read when it moves and the curve is the worker's: a paint, here of a 3840x2160
    // graph of a sum of 1,000 x, evaluates nothing (RND's sequence on this thread stays where it
    // was) and paints the finished pieces themselves.
    void paintingEvaluatesNothing()
    {
        static const platform::LocaleNumberText english(QLocale(QLocale::English, QLocale::UnitedStates));
        GraphCanvas canvas(english, [](const QString& text) { return text; });
        canvas.resize(3840, 2160);
        canvas.setInputs({u"rnd(x)*0" + QString("+x").repeated(1000).toStdU16String(), u"0.5", false});
        QVERIFY(settled(&canvas));
        QCOMPARE(canvas.traceX(), std::optional(0.5f));
        QCOMPARE(canvas.shownPicture().pieces.get(), &canvas.curve()->pieces);
        const std::mt19937 before = evaluator::randomSequence();
        QCOMPARE(canvas.grab().size(), QSize(3840, 2160));
        canvas.grab();
        QVERIFY(evaluator::randomSequence() == before);
        canvas.traceTo(0.25f); // the check sees an evaluation where there is one
        QVERIFY(evaluator::randomSequence() != before);
    }

    // While the text is refused the last curve stays, dimmed, under its own title, and nothing is
    // read off it; a good text is drawn at once.
    // F1 in the graph window opens the help page at the graph's section, over the graph window.
    void f1OpensTheHelpAtTheGraph()
    {
        Opened opened = openGraph();
        QVERIFY(opened.graph);
        QVERIFY(QTest::qWaitForWindowActive(opened.graph)); // its shortcuts work where it is active
        testing::RecordingOpener opener;
        QTest::keyClick(opened.canvas, Qt::Key_F1);
        QCOMPARE(opener.opened().size(), std::size_t(1));
        const QString& document = opener.opened().front().document;
        QVERIFY2(document.startsWith("file:///") && document.endsWith("help.htm#graph"), qPrintable(document));
        QCOMPARE(opener.opened().front().owner.data(), opened.graph);
    }

    void aRefusedTextKeepsTheLastCurveDimmedAndReadsNothing_data()
    {
        QTest::addColumn<QString>("good");
        QTest::addColumn<QString>("refused");
        QTest::newRow("an operand missing") << "x"
                                            << "x*";
        QTest::newRow("a symbol undefined") << "exp(x)"
                                            << "1e-12*x";
    }
    void aRefusedTextKeepsTheLastCurveDimmedAndReadsNothing()
    {
        QFETCH(QString, good);
        QFETCH(QString, refused);
        Opened opened = openGraph();
        opened.parameter->setText("3.5");
        opened.expression->setText(good);
        QVERIFY(settled(opened.canvas));
        opened.canvas->traceTo(3.5f);
        QVERIFY(opened.canvas->readout().contains("y = "));
        const std::size_t live = curvePixels(opened.canvas).size();
        QVERIFY(live > 100);
        opened.expression->setText(refused);
        QVERIFY(settled(opened.canvas));
        QVERIFY(!opened.graph->statusText().isEmpty());
        QCOMPARE(opened.canvas->readout(), QString());
        QCOMPARE(curvePixels(opened.canvas).size(), 0u); // nor the parameter's marker
        const plot::PlotColours& screen = opened.canvas->shownPicture().style.colours;
        QVERIFY(curvePixels(opened.canvas, screen.dimmedCurve).size() > live / 2);
        QCOMPARE(QString::fromStdU16String(opened.canvas->shownPicture().title), "y=" + good);
        opened.canvas->setFocus();
        QTest::keyClick(opened.canvas, Qt::Key_Z); // nothing to jump along
        QTest::keyClick(opened.canvas, Qt::Key_Right);
        QCOMPARE(opened.canvas->readout(), QString());
        opened.expression->setText(good);
        QVERIFY(settled(opened.canvas));
        QVERIFY(opened.canvas->readout().startsWith("x = 3.5   y = "));
        QVERIFY(curvePixels(opened.canvas).size() > live / 2);
    }

    // With "Angle" the first view, and Home, span a turn either way.
    void theFirstViewInDegreesIsATurnEitherWay()
    {
        Opened opened = openGraph();
        opened.main->findChild<QRadioButton*>("Option2")->setChecked(true);
        opened.expression->setText("sin(x)");
        QVERIFY(settled(opened.canvas));
        QCOMPARE(opened.canvas->viewport().xs().from, -360.0);
        QCOMPARE(opened.canvas->viewport().xs().to, 360.0);
        opened.canvas->setFocus();
        QTest::keyClick(opened.canvas, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(opened.canvas->viewport().xs().from > -360.0);
        opened.main->findChild<QRadioButton*>("Option1")->setChecked(true); // a view of the user's stays
        QVERIFY(opened.canvas->viewport().xs().from > -360.0);
        opened.main->findChild<QRadioButton*>("Option2")->setChecked(true);
        QTest::keyClick(opened.canvas, Qt::Key_Home);
        QCOMPARE(opened.canvas->viewport().xs().to, 360.0);
        opened.main->findChild<QRadioButton*>("Option1")->setChecked(true); // a first view follows the unit
        QCOMPARE(opened.canvas->viewport().xs().to, 10.0);
    }

    void refusalsGoToTheStatusLineNotIntoABox_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("status");
        QTest::newRow("translator") << "2+"
                                    << "Character 2:  Operand expected";
        QTest::newRow("check") << "2=x"
                               << "The expression is illegal.";
        QTest::newRow("symbol") << "2+y"
                                << "Character 2:  Undefined symbol : 'y'";
        // A name of a million letters is quoted shortened in the middle: laying it all out in the
        // label took seconds at every key.
        const QString longName = "Character 2:  Undefined symbol : '" + QString(1'000'000, 'y') + "'";
        QTest::newRow("a long name") << "2+" + QString(1'000'000, 'y')
                                     << longName.left(100) + QChar(0x2026) + longName.right(100);
        QTest::newRow("no value") << "sqr(x-100)"
                                  << "No value at any x in view.";
        QTest::newRow("a curve") << "x"
                                 << "";
    }
    void refusalsGoToTheStatusLineNotIntoABox()
    {
        QFETCH(QString, expression);
        QFETCH(QString, status);
        testing::RecordingMessageBox boxes;
        Opened opened = openGraph();
        opened.expression->setText(expression);
        QVERIFY(settled(opened.canvas));
        QCOMPARE(opened.graph->statusText(), status);
        QVERIFY(boxes.empty());
        // A message takes lines, never width: the window keeps its smallest size.
        QVERIFY(opened.graph->minimumSizeHint().width() <= opened.graph->minimumWidth());
        QCOMPARE(curvePixels(opened.canvas).empty(), !status.isEmpty());
    }

    // The parameter's x carries the y that the report gives for it.
    void marksTheParameterWithTheReportsY()
    {
        Opened opened = openGraph();
        opened.expression->setText("2cos(x^2)/x");
        opened.parameter->setText("0.5");
        QVERIFY(settled(opened.canvas));
        const graph::GraphCurve* curve = opened.canvas->curve();
        QVERIFY(curve->markerX && curve->markerY);
        QCOMPARE(*curve->markerX, 0.5f);
        testing::RecordingMessageBox boxes;
        QTest::keyClick(opened.expression, Qt::Key_Return);
        QVERIFY(opened.main->findChild<ResultBox*>("Text4")->toPlainText().endsWith(
            QStringLiteral("y=") + QLocale().toString(*curve->markerY, 'f', 4)));
        opened.parameter->setText("100"); // out of view: no mark
        QVERIFY(settled(opened.canvas));
        QVERIFY(!opened.canvas->curve()->markerX);
    }

    void theKeyboardMovesTheViewAndTellsReaders()
    {
        Opened opened = openGraph();
        opened.expression->setText("x");
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(opened.canvas);
        QVERIFY(reader);
        QCOMPARE(reader->role(), QAccessible::Graphic);
        QCOMPARE(reader->text(QAccessible::Name), "Graph of y=x");
        QVERIFY(reader->text(QAccessible::Description).startsWith("x from -10 to 10; y from "));

        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            double from, to;
        } moves[] = {
            {Qt::Key_Plus, Qt::ControlModifier, -8.0, 8.0},
            {Qt::Key_Right, Qt::ControlModifier, -6.4, 9.6},
            {Qt::Key_Minus, Qt::ControlModifier, -8.4, 11.6},
            {Qt::Key_Home, Qt::NoModifier, -10.0, 10.0},
        };
        for (const auto& move : moves) {
            QTest::keyClick(opened.canvas, move.key, move.modifiers);
            QCOMPARE_LT(std::abs(opened.canvas->viewport().xs().from - move.from), 1e-9);
            QCOMPARE_LT(std::abs(opened.canvas->viewport().xs().to - move.to), 1e-9);
        }
        // Dragging to the right by a tenth of the frame shows what lies a tenth further left.
        const QRectF frame = plot::pictureFrame(opened.canvas->shownPicture());
        const QPoint from = frame.center().toPoint();
        QTest::mousePress(opened.canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(opened.canvas, from + QPoint(int(frame.width() / 10), 0));
        QTest::mouseRelease(opened.canvas, Qt::LeftButton, {}, from + QPoint(int(frame.width() / 10), 0));
        QCOMPARE_LT(std::abs(opened.canvas->viewport().xs().from + 12.0), 0.1);
        QTest::keyClick(opened.canvas, Qt::Key_Home);
        QTest::keyClick(opened.canvas, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(reader->text(QAccessible::Description).startsWith("x from -8 to 8; y from "));
        QVERIFY(!opened.canvas->viewport().followsCurve());
        QTest::keyClick(opened.canvas, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(opened.canvas->viewport().followsCurve());

        // Zooming in stops at the finest view, with a word in the status line (about 0, where
        // the 32-bit numbers lie densest, after some 400 steps).
        for (int i = 0; i < 1000 && opened.graph->statusText().isEmpty(); ++i)
            QTest::keyClick(opened.canvas, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY2(opened.graph->statusText().startsWith("Finest view"), qPrintable(opened.graph->statusText()));
    }

    // Thousands of traced points, each read as the Calculate command reports it.
    void theTraceReadsWhatTheReportSays_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("degrees");
        QTest::newRow("2cos(x^2)/x") << "2cos(x^2)/x" << false;
        QTest::newRow("gaps") << "sqr(x)+log(x-3)" << false;
        QTest::newRow("pole") << "1/x" << false;
        QTest::newRow("overflow") << "exp(x^3)" << false;
        QTest::newRow("jumps") << "int(x)" << false;
        QTest::newRow("degrees") << "sin(x)" << true;
    }
    void theTraceReadsWhatTheReportSays()
    {
        QFETCH(QString, expression);
        QFETCH(bool, degrees);
        Opened opened = openGraph();
        opened.main->findChild<QRadioButton*>(degrees ? "Option2" : "Option1")->setChecked(true);
        opened.expression->setText(expression);
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        QCOMPARE(*opened.canvas->traceX(), 0.0f); // the parameter's x
        const plot::Span before = opened.canvas->viewport().xs();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int times;
        } walk[] = {{Qt::Key_Right, Qt::NoModifier, 350},
                    {Qt::Key_Right, Qt::ShiftModifier, 50},
                    {Qt::Key_Left, Qt::NoModifier, 700},
                    {Qt::Key_Left, Qt::ShiftModifier, 50}};
        int points = 0;
        for (const auto& step : walk) {
            for (int i = 0; i < step.times; ++i) {
                QTest::keyClick(opened.canvas, step.key, step.modifiers);
                const float x = *opened.canvas->traceX();
                const double pixel = step.modifiers == Qt::NoModifier ? opened.canvas->pixelWidth() : 0.0;
                const QString unlike = unlikeTheReport(opened.canvas->readout(),
                                                       reportedReadout(expression, degrees, x), x, pixel);
                QVERIFY2(unlike.isEmpty(), qPrintable(unlike));
                ++points;
            }
        }
        QCOMPARE(points, 1150);
        // The trace went beyond the view on both sides, and the view followed.
        QVERIFY(opened.canvas->viewport().xs().from < before.from);
    }

    void typingAnXMovesTheTraceAndEnterReportsIt()
    {
        Opened opened = openGraph();
        opened.expression->setText("2cos(x^2)/x");
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        QTest::keyClicks(opened.canvas, "3");
        auto* field = opened.graph->findChild<QLineEdit*>("xField");
        QVERIFY(field && field->isVisible());
        QTest::keyClicks(field, ".5");
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->isVisible());
        QCOMPARE(*opened.canvas->traceX(), 3.5f);
        QTest::keyClicks(opened.canvas, "-");
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QCOMPARE(*opened.canvas->traceX(), 3.5f);
        // Enter on the trace: the parameter box takes its x as one undo step, and the report follows.
        testing::RecordingMessageBox boxes;
        QTest::keyClick(opened.canvas, Qt::Key_Return);
        QCOMPARE(opened.parameter->text(), "3.5");
        QVERIFY(opened.main->findChild<ResultBox*>("Text4")->toPlainText().endsWith(
            opened.canvas->readout().section("y = ", 1)));
        opened.parameter->undo();
        QCOMPARE(opened.parameter->text(), "0");
    }

    // A refused x says why in the status line until an x is taken, in every language.
    void aTakenXClearsTheRefusalBefore_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("English") << QStringList{} << "Illegal data exist.";
        QTest::newRow("German") << QStringList{"de-DE"} << "Es sind ungültige Daten vorhanden.";
    }
    void aTakenXClearsTheRefusalBefore()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, refusal);
        const Translations translations(languages, QCoreApplication::applicationDirPath());
        Opened opened = openGraph();
        opened.expression->setText("x^2");
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        QTest::keyClicks(opened.canvas, "1");
        auto* field = opened.graph->findChild<QLineEdit*>("xField");
        QTest::keyClicks(field, "e999");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(opened.graph->statusText(), refusal);
        QVERIFY(field->isVisible());
        field->clear();
        QTest::keyClicks(field, "2");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(opened.canvas->readout(), "x = 2   y = 4.0000");
        QCOMPARE(opened.graph->statusText(), "");
    }

    void jumpsNameWhatTheyFind()
    {
        Opened opened = openGraph();
        opened.expression->setText("2cos(x^2)/x");
        QVERIFY(settled(opened.canvas));
        opened.parameter->setText("0.5"); // the trace goes to the parameter's new x
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        QCOMPARE(*opened.canvas->traceX(), 0.5f);
        QTest::keyClick(opened.canvas, Qt::Key_Z);
        QTRY_COMPARE(opened.canvas->readout(), "zero at x = 1.25331414");
        // The middle of the 244 x that share the least y, with the digits that run supports.
        QTest::keyClick(opened.canvas, Qt::Key_E);
        QTRY_COMPARE(opened.canvas->readout(), "minimum at x = 1.7248; y = -1.1435");
        QTest::keyClick(opened.canvas, Qt::Key_P, Qt::ShiftModifier);
        QTRY_COMPARE(opened.canvas->readout(), "pole near x = 0"); // never a subnormal beside it
        QCOMPARE(*opened.canvas->traceX(), 0.0f);
        QTest::keyClick(opened.canvas, Qt::Key_P, Qt::ShiftModifier); // the pole is not found again
        QTRY_COMPARE(opened.canvas->readout(), "no pole, gap or jump to the left within 100 view widths");
        // A jump that scrolls the view keeps its words.
        opened.expression->setText("sin(x)");
        opened.parameter->setText("9");
        QVERIFY(settled(opened.canvas));
        QTest::keyClick(opened.canvas, Qt::Key_Z);
        QTRY_COMPARE(opened.canvas->readout(), "zero at x = 9.42477798");
        QTest::keyClick(opened.canvas, Qt::Key_Z);
        QTRY_COMPARE(opened.canvas->readout(), "zero at x = 12.566371");
        QVERIFY(settled(opened.canvas));
        QCOMPARE(opened.canvas->readout(), "zero at x = 12.566371");
        opened.expression->setText("x^2+1");
        QVERIFY(settled(opened.canvas));
        QTest::keyClick(opened.canvas, Qt::Key_Z);
        QTRY_COMPARE(opened.canvas->readout(), "no zero to the right within 100 view widths");
        // The description names what the view holds.
        QTest::keyClick(opened.canvas, Qt::Key_Home);
        opened.expression->setText("sin(x)");
        QVERIFY(settled(opened.canvas));
        const QString description = opened.canvas->accessibleDescription();
        QVERIFY2(description.contains("Zeros at x = -9.42477798; -6.28318548; -3.14159274; 0; 3.14159274"),
                 qPrintable(description));
        QVERIFY(description.contains("Maxima at x = "));
    }

    // Holding an arrow key: a reader hears the latest readout, at most five a second. Each change
    // of the readout label is one announcement (Qt's bridge tells a reader of its new name).
    void readersHearTheLatestReadoutAtMostFiveASecond()
    {
        Opened opened = openGraph();
        opened.expression->setText("x");
        QVERIFY(settled(opened.canvas));
        opened.canvas->setFocus();
        auto* label = opened.graph->findChild<QLabel*>("readout");
        QTest::qWait(250);
        QString heard = label->text();
        int changes = 0;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(opened.canvas, Qt::Key_Right);
            QTest::qWait(5);
            if (label->text() != heard) {
                heard = label->text();
                ++changes;
            }
        }
        const double seconds = clock.elapsed() / 1000.0;
        QTRY_COMPARE(label->text(), opened.canvas->readout()); // the latest wins
        QVERIFY2(changes >= 1 && changes <= 5 * seconds + 1,
                 qPrintable(QString("%1 in %2 s").arg(changes).arg(seconds)));
    }

    // At any scale (the test runs at 1 and, with QT_SCALE_FACTOR=2, at 2), the grid's lines cover
    // whole device pixels, as many as the scale: painted at the screen's pixels, not a bitmap
    // scaled up.
    void crispAtTheScreensScale()
    {
        Opened opened = openGraph();
        opened.expression->setText("5"); // flat, in the middle
        QVERIFY(settled(opened.canvas));
        const QImage image = opened.canvas->grab().toImage();
        const int scale = qRound(opened.canvas->devicePixelRatioF());
        QCOMPARE(image.width(), opened.canvas->width() * scale);
        // Along a row above the curve: the frame's sides, the vertical grid lines and the y axis,
        // in the colours of the screen's picture.
        const plot::PlotColours& screen = opened.canvas->shownPicture().style.colours;
        int runs = 0;
        const int row = image.height() / 3;
        for (int x = 1; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, row);
            if (colour != screen.grid && colour != screen.axis && colour != screen.frame)
                continue;
            int end = x;
            while (end < image.width() && image.pixel(end, row) == colour)
                ++end;
            QCOMPARE(end - x, scale);
            // Beside a line, the background, untouched by smoothing.
            QCOMPARE(image.pixel(x - 1, row), screen.background);
            QCOMPARE(image.pixel(end, row), screen.background);
            ++runs;
            x = end;
        }
        QVERIFY(runs >= 3);
    }

    // Saved as soon as the worker has drawn the view, whether the save waits for it (a move just
    // made) or the curve that shows was drawn for other y (an automatic range the view refused).
    void savesThePictureThatPellitorCalcDraws_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("format");
        QTest::newRow("a view just moved") << QString() << "2cos(x^2)/x" << true << "png";
        // Its steps of 10^36 break the curve at the y of 3*10^38 that stay, not at its automatic y,
        // which reach beyond the 32-bit range.
        QTest::newRow("y the view could not take") << "3*10^38"
                                                   << "x*3.3*10^38+10^36*int(20x)" << false << "png";
    }

    void savesThePictureThatPellitorCalcDraws()
    {
        QFETCH(QString, before);
        QFETCH(QString, expression);
        QFETCH(bool, move);
        QFETCH(QString, format);
        QTemporaryDir folder;
        Opened opened = openGraph();
        opened.graph->resize(700, 460);
        if (!before.isEmpty()) {
            opened.expression->setText(before);
            QVERIFY(settled(opened.canvas));
        }
        opened.expression->setText(expression);
        QVERIFY(settled(opened.canvas));
        if (move) {
            QTest::keyClick(opened.canvas, Qt::Key_Right, Qt::ControlModifier); // a view of its own
            QTest::keyClick(opened.canvas, Qt::Key_Plus, Qt::ControlModifier);
        }

        const QString saved = folder.filePath("graph"); // the filter gives the extension
        testing::RecordingSaveDialog dialog({saved, format.toUpper() + " image (*." + format + ")"});
        QTest::keyClick(opened.canvas, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialog.asked(), 1);
        QTRY_VERIFY(QFile::exists(saved + "." + format));

        const plot::Span xs = opened.canvas->viewport().xs();
        const plot::Span ys = opened.canvas->viewport().ys();
        const QString drawn = folder.filePath("calc." + format);
        QProcess calc;
        calc.start(QCoreApplication::applicationDirPath() + "/pellitor-calc",
                   {"--plot", number(xs.from) + ":" + number(xs.to), "--y", number(ys.from) + ":" + number(ys.to),
                    "--size", QString("%1x%2").arg(opened.canvas->width()).arg(opened.canvas->height()), "-o", drawn,
                    "--", expression});
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        QFile mine(saved + "." + format);
        QFile theirs(drawn);
        QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
        const QByteArray bytes = mine.readAll();
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes == theirs.readAll());
    }

    // With pinned curves the saved picture is pellitor-calc's for the same expressions, the pinned
    // ones first and the live one last; at the screen's scale (the CTest entry with QT_SCALE_FACTOR=2)
    // it is pellitor-calc's picture of the logical size at that --scale.
    void savesSeveralCurvesAsPellitorCalcDraws_data()
    {
        QTest::addColumn<QStringList>("expressions");
        QTest::newRow("one pinned") << QStringList{"sin(x)", "x^2/20-2"};
        // One without a value in view stays in the legend, and a third colour.
        QTest::newRow("two pinned, one not in view") << QStringList{"sqr(x-20)", "2cos(x^2)/x", "x/4"};
    }

    void savesSeveralCurvesAsPellitorCalcDraws()
    {
        QFETCH(QStringList, expressions);
        QTemporaryDir folder;
        Opened opened = openGraph();
        opened.graph->resize(700, 460);
        for (qsizetype i = 0; i < expressions.size(); ++i) {
            if (i > 0)
                opened.canvas->pinLive();
            opened.expression->setText(expressions[i]);
            QVERIFY(settled(opened.canvas));
        }
        QCOMPARE(opened.canvas->curves().shownPins(), std::size_t(expressions.size() - 1));

        const QString saved = folder.filePath("graph.png");
        testing::RecordingSaveDialog dialog({saved, "PNG image (*.png)"});
        QTest::keyClick(opened.canvas, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(QFile::exists(saved));

        const plot::Span xs = opened.canvas->viewport().xs();
        const plot::Span ys = opened.canvas->viewport().ys();
        const double scale = opened.canvas->devicePixelRatioF();
        const QString drawn = folder.filePath("calc.png");
        QStringList arguments{"--plot", number(xs.from) + ":" + number(xs.to),
                              "--y",    number(ys.from) + ":" + number(ys.to),
                              "--size", QString("%1x%2").arg(opened.canvas->width()).arg(opened.canvas->height()),
                              "-o",     drawn};
        if (scale != 1.0)
            arguments << "--scale" << QString::number(scale);
        QProcess calc;
        calc.start(QCoreApplication::applicationDirPath() + "/pellitor-calc", arguments << "--" << expressions);
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        QFile mine(saved);
        QFile theirs(drawn);
        QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
        const QByteArray bytes = mine.readAll();
        QCOMPARE(QImage::fromData(bytes).size(), QSize(opened.canvas->width(), opened.canvas->height()) * scale);
        QVERIFY(bytes == theirs.readAll());
    }

    void aFailedSaveSaysWhyAndLeavesNoFile()
    {
        testing::RecordingMessageBox boxes;
        Opened opened = openGraph();
        opened.expression->setText("x");
        QVERIFY(settled(opened.canvas));
        const QString nowhere = "/proc/no-such-folder/graph.svg";
        testing::RecordingSaveDialog dialog({nowhere, "SVG image (*.svg)"});
        opened.graph->savePicture();
        QCOMPARE(boxes.shown().size(), 1u);
        QVERIFY(QString::fromStdU16String(boxes.last().text).startsWith("The graph could not be saved as " + nowhere));
        QVERIFY(!QFile::exists(nowhere));
    }
};

QTEST_MAIN(tst_GraphWindow)
#include "tst_GraphWindow.moc"
