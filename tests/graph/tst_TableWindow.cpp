// The table of values (offscreen): its rows are pellitor-calc --table's, cell for cell, copied and
// saved as it writes them, in C and German numbers; they scroll far both ways and end where x
// stops changing; a refused start or step keeps the rows; a reader finds a table; and the graph
// hears which rows are in view.
#include "LocaleNumberText.h"
#include "RecordingMessageBox.h"
#include "RecordingSaveDialog.h"
#include "TableWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

struct Calc {
    int exit = -1;
    QString out;
};

// The real pellitor-calc, under the locale name given as LC_ALL.
Calc runCalc(const QString& localeName, const QStringList& arguments)
{
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", localeName);
    calc.setProcessEnvironment(environment);
    calc.start(QCoreApplication::applicationDirPath() + "/pellitor-calc", arguments);
    if (!calc.waitForFinished(30000))
        return {};
    return {calc.exitCode(), QString::fromUtf8(calc.readAllStandardOutput())};
}

QLocale localeOf(const QString& localeName)
{
    return localeName == "C" ? QLocale::c() : QLocale(localeName.section('.', 0, 0));
}

// Exact, where QCOMPARE would compare floats within a relative 10^-5.
QString exact(float x)
{
    return QString::number(double(x), 'g', 9);
}

TableCurve curve(const QString& name, const QString& expression, bool degrees = false)
{
    std::u16string refusal;
    return {name, translate(expression.toStdU16String(), refusal).value().postfix, degrees};
}

// A table window in a locale's numbers, shown.
struct Opened {
    explicit Opened(const QString& localeName) : numbers(localeOf(localeName)), window(numbers)
    {
        window.setLocale(localeOf(localeName));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // Both fields typed, then Enter: the two are taken or refused together.
    void type(const QString& start, const QString& step)
    {
        window.findChild<QLineEdit*>("start")->setText(start);
        auto* field = window.findChild<QLineEdit*>("step");
        field->clear();
        QTest::keyClicks(field, step);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QString row(std::int64_t step, int column) const
    {
        TableModel* model = window.model();
        const auto text = [&](int at) { return model->index(model->rowOf(step), at).data().toString(); };
        return text(0) + '\t' + text(column);
    }
    // The x of the rows that show, to the last where the view reaches below them.
    std::vector<float> xsInView() const
    {
        QTableView* view = window.view();
        const int bottom = view->rowAt(view->viewport()->height() - 1);
        std::vector<float> xs;
        for (int row = view->rowAt(0); row >= 0 && row <= (bottom < 0 ? window.model()->rowCount() - 1 : bottom); ++row)
            xs.push_back(window.model()->x(row));
        return xs;
    }
    void press(int key, int times, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        window.view()->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window.view(), Qt::Key(key), modifiers);
    }

    platform::LocaleNumberText numbers;
    TableWindow window;
};

} // namespace

class tst_TableWindow : public QObject {
    Q_OBJECT
private slots:
    void rowsCopyAndCsvAreCalcs_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<QString>("range"); // FROM:TO:STEP; FROM and STEP typed into the fields
        const struct {
            const char* name;
            const char* localeName;
            const char* expression;
            bool degrees;
            const char* range;
        } cases[] = {
            {"a pole, C", "C", "2cos(x^2)/x", false, "0:1:0.25"},
            {"an error, C", "C", "1/(x-500)+exp(1000-x)*0", false, "0:1500:500"},
            {"large values, C", "C", "x^3/7", false, "999000:1000000:0.5"},
            // The first x is rounded once from its decimals: 16777218, where its 64-bit value gives 16777216.
            {"a start past 2^24, C", "C", "x-16777216", false, "16777217.0000000001:16777229:3"},
            {"degrees, C", "C", "tan(x)", true, "-360:360:7.5"},
            {"decimal comma, German", "de_DE.UTF-8", "x*1000", false, "999,5:1000,5:0,5"},
            {"601 rows, German", "de_DE.UTF-8", "sqr(x)*1000", false, "-3:3:0,01"},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << c.localeName << c.expression << c.degrees << c.range;
    }
    void rowsCopyAndCsvAreCalcs()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, expression);
        QFETCH(bool, degrees);
        QFETCH(QString, range);
        const QStringList arguments = QStringList{"--table", range}
                                      + (degrees ? QStringList{"--angle"} : QStringList());
        const Calc rows = runCalc(localeName, arguments + QStringList{"--", expression});
        const Calc csv = runCalc(localeName, arguments + QStringList{"--csv", "--", expression});
        QCOMPARE(rows.exit, 0);
        QCOMPARE(csv.exit, 0);

        Opened opened(localeName);
        opened.window.setCurves({curve("y1 = " + expression, expression, degrees)});
        opened.type(range.section(':', 0, 0), range.section(':', 2, 2));
        QCOMPARE(opened.window.refusal(), QString());
        const QStringList lines = rows.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.front(), "x\ty");
        for (int i = 1; i < lines.size(); ++i)
            QCOMPARE(opened.row(i - 1, 1), lines[i]);

        // The same rows selected: Ctrl+C copies calc's lines, Ctrl+S saves its --csv lines.
        TableModel* model = opened.window.model();
        QTableView* view = opened.window.view();
        const int first = model->rowOf(0);
        view->selectionModel()->select(QItemSelection(model->index(first, 0),
                                                      model->index(first + lines.size() - 2, 1)),
                                       QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), rows.out);
        QTemporaryDir folder;
        testing::RecordingSaveDialog dialog({folder.filePath("table"), "CSV file (*.csv)"});
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialog.asked(), 1);
        QFile saved(folder.filePath("table.csv"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), csv.out);
    }

    void twoCurvesAreNamedAndEachIsCalcs()
    {
        const QStringList sines = runCalc("C", {"--table", "-2:2:0.5", "sin(x)"}).out.split('\n', Qt::SkipEmptyParts);
        const QStringList roots = runCalc("C", {"--table", "-2:2:0.5", "sqr(x)"}).out.split('\n', Qt::SkipEmptyParts);
        Opened opened("C");
        opened.window.setCurves({curve("y1 = sin(x)", "sin(x)"), curve("y2 = sqr(x), real", "sqr(x)")});
        opened.type("-2", "0.5");
        QCOMPARE(opened.window.model()->rowsText({}, false), "x\ty1 = sin(x)\ty2 = sqr(x), real\n");
        QCOMPARE(opened.window.model()->rowsText({}, true), "x,y1 = sin(x),\"y2 = sqr(x), real\"\n");
        QCOMPARE(sines.size(), 10);
        for (int i = 1; i < sines.size(); ++i) {
            QCOMPARE(opened.row(i - 1, 1), sines[i]);
            QCOMPARE(opened.row(i - 1, 2), roots[i]);
        }
    }

    void pagesAndSelectionRunOnAsTheWindowMoves()
    {
        Opened opened("C");
        TableModel* model = opened.window.model();
        QTableView* view = opened.window.view();
        view->selectRow(model->rowOf(0));
        const int page = int(opened.xsInView().size());
        std::int64_t top = 0;
        // Past the first move of the model's window, a quarter of it on.
        while (model->stepOf(view->currentIndex().row()) < TableModel::WindowRows / 4 + page) {
            opened.press(Qt::Key_PageDown, 1, Qt::ShiftModifier);
            const std::int64_t now = model->stepOf(view->rowAt(0));
            QVERIFY2(now >= top && now - top <= page, qPrintable(QString("%1 after %2").arg(now).arg(top)));
            top = now;
        }
        opened.press(Qt::Key_C, 1);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), model->stepOf(view->currentIndex().row()) + 2);
        for (int i = 1; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::number(i - 1));
    }

    void scrolledFarOrToAnEndEachRowHasItsX_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("key"); // pressed with Ctrl, each time half the model's window on
        QTest::addColumn<int>("presses");
        QTest::addColumn<float>("end"); // the x of the last row that way, or NaN
        const float none = NAN;
        const struct {
            const char* name;
            const char* start;
            const char* step;
            Qt::Key key;
            int presses;
            float end;
        } cases[] = {
            {"far down, quarters", "0", "0.25", Qt::Key_End, 40, none},
            {"far up, tenths", "3.7", "0.1", Qt::Key_Home, 40, none},
            {"far down and past 0, thousandths", "-500", "0.001", Qt::Key_End, 40, none},
            // 16777217 would round to 16777216 again; 341E+36 lies beyond the 32-bit range.
            {"to 2^24", "16777000", "1", Qt::Key_End, 3, 16777216.0f},
            {"to -2^24", "-16777000", "1", Qt::Key_Home, 3, -16777216.0f},
            {"to the largest", "0", "1e36", Qt::Key_End, 3, float(340e36)},
            {"to the least", "0", "1e36", Qt::Key_Home, 3, float(-340e36)},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << c.start << c.step << int(c.key) << c.presses << c.end;
    }
    void scrolledFarOrToAnEndEachRowHasItsX()
    {
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(float, end);
        Opened opened("C");
        opened.type(start, step);
        opened.press(key, presses);
        const std::int64_t top = opened.window.model()->stepOf(opened.window.view()->rowAt(0));
        // Each row in view is start + k*step, k counted apart from the model's window.
        const std::vector<float> xs = opened.xsInView();
        QVERIFY(xs.size() > 10);
        for (std::size_t i = 0; i < xs.size(); ++i)
            QCOMPARE(exact(xs[i]), exact(float(start.toDouble() + (double(top) + double(i)) * step.toDouble())));
        if (std::isnan(end)) {
            QVERIFY(std::abs(top) > 1'000'000);
            return;
        }
        QCOMPARE(exact(key == Qt::Key_End ? xs.back() : xs.front()), exact(end));
        const int last = key == Qt::Key_End ? opened.window.model()->rowCount() - 1 : 0;
        QCOMPARE(opened.window.view()->currentIndex().row(), last);
    }

    void refusedEntriesKeepTheRows_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("range"); // pellitor-calc's range for the same start and step
        QTest::addColumn<QString>("refusal");
        const struct {
            const char* name;
            const char* start;
            const char* step;
            const char* range;
            const char* refusal;
        } cases[] = {
            {"step 0", "0", "0", "0:1:0", "The step must not be 0."},
            {"step not a number", "0", "abc", "0:1:abc", "The step \"abc\" is not a number."},
            {"start beyond 32 bits", "1e39", "1", "", "The start must lie within"},
            {"crowded at 1", "1", "0.00000001", "1:1.0000001:0.00000001",
             "A step of 0.00000001 cannot change a 32-bit x near 1"},
            {"crowded at 2^24", "16777216", "1", "16777216:16777217:1",
             "A step of 1 cannot change a 32-bit x near 16777216"},
            {"taken at 1", "1", "0.0000001", "1:1.0000001:0.0000001", ""},
            {"taken at 2^24 + 2", "16777218", "1", "16777218:16777219:1", ""},
        };
        for (const auto& c : cases)
            QTest::newRow(c.name) << c.start << c.step << c.range << c.refusal;
    }
    void refusedEntriesKeepTheRows()
    {
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(QString, range);
        QFETCH(QString, refusal);
        Opened opened("C");
        opened.type("5", "1");
        const std::vector<float> before = opened.xsInView();
        opened.type(start, step);
        if (!range.isEmpty())
            QCOMPARE(runCalc("C", {"--table", range, "x"}).exit, refusal.isEmpty() ? 0 : 64);
        const TableSteps steps = opened.window.model()->steps();
        if (refusal.isEmpty()) {
            QCOMPARE(opened.window.refusal(), QString());
            QCOMPARE(exact(steps.first), exact(start.toFloat()));
            const std::vector<float> xs = opened.xsInView();
            QVERIFY(std::find(xs.begin(), xs.end(), steps.first) != xs.end());
            return;
        }
        QVERIFY2(opened.window.refusal().startsWith(refusal), qPrintable(opened.window.refusal()));
        // The message takes room from the rows, which stay.
        const std::vector<float> after = opened.xsInView();
        QCOMPARE(after, std::vector<float>(before.begin(), before.begin() + after.size()));
        QCOMPARE(exact(steps.first), "5");
        QCOMPARE(steps.step, 1.0);
    }

    void copiesTheRowsInViewWhereNoneIsSelected()
    {
        Opened opened("C");
        opened.window.setCurves({curve("y1 = x", "x")});
        opened.press(Qt::Key_C, 1);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), opened.xsInView().size() + 1);
        QCOMPARE(lines[1], "0\t0.0000");
    }

    void aFailedSaveSaysWhy()
    {
        testing::RecordingMessageBox boxes;
        Opened opened("C");
        testing::RecordingSaveDialog dialog({"/proc/no-such-folder/table.csv", "CSV file (*.csv)"});
        opened.window.saveCsv();
        QCOMPARE(boxes.shown().size(), 1u);
        QVERIFY(QString::fromStdU16String(boxes.last().text)
                    .startsWith("The table could not be saved as /proc/no-such-folder/table.csv: "));
    }

    void rowsShownFollowTheView()
    {
        Opened opened("C");
        QSignalSpy shown(&opened.window, &TableWindow::rowsShown);
        const auto last = [&shown] {
            return shown.isEmpty() ? std::vector<float>() : shown.last().front().value<std::vector<float>>();
        };
        QTRY_VERIFY(!last().empty() && last() == opened.xsInView());
        QCOMPARE(exact(last().front()), "0");
        opened.press(Qt::Key_PageDown, 1, Qt::NoModifier);
        QTRY_VERIFY(last().front() > 0.0f && last() == opened.xsInView());
        opened.window.hide();
        QTRY_VERIFY(last().empty());
    }

    void readsAsATable()
    {
        Opened opened("C");
        opened.window.setCurves({curve("y1 = 1/x", "1/x"), curve("y2 = x", "x")});
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(opened.window.view());
        QVERIFY(table && table->tableInterface());
        QAccessibleTableInterface* cells = table->tableInterface();
        QCOMPARE(cells->columnCount(), 3);
        QCOMPARE(cells->columnDescription(1), "y1 = 1/x");
        const int row = opened.window.model()->rowOf(0);
        QCOMPARE(cells->cellAt(row, 1)->text(QAccessible::Name), "Can not calculate");
        // The hidden vertical header gives each row its x. (Asked as descriptions: Qt's header cells,
        // which columnHeaderCells() makes, are never freed.)
        QCOMPARE(cells->rowDescription(row), "0");
        QCOMPARE(cells->cellAt(row + 4, 2)->text(QAccessible::Name), "4.0000");
    }
};

QTEST_MAIN(tst_TableWindow)
#include "tst_TableWindow.moc"
