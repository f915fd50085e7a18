// The main window driven as a user drives it: its layout and tab order, start-up, the keypad with
// its caret and selection rules, Backspace, Clear, Enter, Calculate through the window, the
// function list with Insert, and Help.
#include "FormLayout.h"
#include "MainLayout.h"
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

class tst_frmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<RecordingOpener> m_opener;
    std::unique_ptr<frmMain> m_window;

    InputBox* text1() const { return child<InputBox>(*m_window, "Text1"); }
    InputBox* text2() const { return child<InputBox>(*m_window, "Text2"); }
    QListWidget* list1() const { return child<QListWidget>(*m_window, "List1"); }
    QWidget* focused() const { return QApplication::focusWidget(); }

    void openWindow(const QString& folder = QString())
    {
        m_window = std::make_unique<frmMain>(folder);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

private slots:
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_opener = std::make_unique<RecordingOpener>();
        openWindow();
    }
    void cleanup()
    {
        m_window.reset();
        m_opener.reset();
        m_boxes.reset();
    }

    void window()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Pellitor"));
        QCOMPARE(m_window->size(), QSize(402, 284));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(m_window->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        QCOMPARE(text1()->font().family(), "Tahoma");
        QCOMPARE(text1()->font().pointSizeF(), 8.25);
        QCOMPARE(child(*m_window, "Label1")->font().family(), "Verdana");
    }

    // Pixels at 96 dpi: twips / 15, and for buttons the stored HIMETRIC extent.
    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Label1") << "Label1"
                                << "frmMain" << QRect(8, 5, 321, 13);
        QTest::newRow("Option1") << "Option1"
                                 << "frmMain" << QRect(294, 5, 43, 13);
        QTest::newRow("Text1") << "Text1"
                               << "frmMain" << QRect(6, 23, 387, 22);
        QTest::newRow("Frame1") << "Frame1"
                                << "frmMain" << QRect(6, 50, 106, 106);
        QTest::newRow("Text2") << "Text2"
                               << "Frame1" << QRect(18, 33, 76, 19);
        QTest::newRow("List1") << "List1"
                               << "frmMain" << QRect(273, 74, 121, 74);
        QTest::newRow("Text4") << "Text4"
                               << "Frame2" << QRect(9, 15, 373, 55);
        QTest::newRow("key 1") << "XPButton7"
                               << "frmMain" << QRect(120, 53, 25, 22);
        QTest::newRow("key 0") << "XPButton22"
                               << "frmMain" << QRect(120, 134, 25, 22);
        QTest::newRow("key B") << "XPButton26"
                               << "frmMain" << QRect(240, 134, 25, 22);
        QTest::newRow("Insert") << "XPButton27"
                                << "frmMain" << QRect(330, 53, 61, 16);
        QTest::newRow("Calculate") << "XPButton28"
                                   << "frmMain" << QRect(64, 252, 58, 22);
        QTest::newRow("About") << "XPButton31"
                               << "frmMain" << QRect(280, 252, 61, 22);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QWidget* widget = child(*m_window, name);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), rect);
    }

    // The keypad's grid as the user sees it, with each key's look and tooltip.
    void keypad_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        const char* grid[4][5] = {{"1", "2", "3", "+", "*"},
                                  {"4", "5", "6", "-", "/"},
                                  {"7", "8", "9", "(", ")"},
                                  {"0", ".", "x", "^", "B"}};
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 5; ++column) {
                const QString caption = QString::fromLatin1(grid[row][column]);
                const QString tip = caption == u"."   ? "Decimal Point"
                                    : caption == u"x" ? "Variable x"
                                    : caption == u"B" ? "Backspace"
                                                      : "";
                QTest::addRow("%d,%d %s", row, column, grid[row][column]) << row << column << caption << tip;
            }
        }
    }
    void keypad()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        const QString name = QStringLiteral("XPButton%1").arg(7 + row * 5 + column);
        auto* key = child<XPButton>(*m_window, name);
        QCOMPARE(key->Caption(), caption);
        QCOMPARE(key->ColorStyle(), 2);
        QCOMPARE(key->toolTip(), toolTip);
        QCOMPARE(key->pos(), QPoint(120 + 30 * column, QList<int>{53, 80, 107, 134}.at(row)));
        if (caption == u"B")
            return;
        place(text1(), "12", 1);
        click(*m_window, name);
        QCOMPARE(text1()->text(), "1" + caption + "2");
        QCOMPARE(text1()->cursorPosition(), 2);
        QCOMPARE(focused(), text1());
    }

    void buttonsAndTooltips()
    {
        const QStringList expected{"XPButton23 Decimal Point", "XPButton24 Variable x", "XPButton26 Backspace",
                                   "XPButton27 Select And Insert A Function"};
        QStringList withTips;
        for (const QWidget* widget : m_window->findChildren<QWidget*>()) {
            if (!widget->toolTip().isEmpty())
                withTips << widget->objectName() + ' ' + widget->toolTip();
        }
        withTips.sort();
        QCOMPARE(withTips, expected);
        const QList<std::pair<QString, int>> commands{
            {"Insert", 3}, {"Calculate", 1}, {"Clear", 1}, {"Help", 1}, {"About", 1}};
        for (int i = 0; i < commands.size(); ++i) {
            auto* button = child<XPButton>(*m_window, QStringLiteral("XPButton%1").arg(27 + i));
            QCOMPARE(button->Caption(), commands[i].first);
            QCOMPARE(button->ColorStyle(), commands[i].second);
        }
        // A stored button keeps only what differs from the defaults, and its extent.
        const auto keyOf = [](int index) { return layout::storedLayout(MainLayout::buttons()[index]).keys(); };
        QCOMPARE(keyOf(0), (QStringList{"_extentx", "_extenty", "caption", "colorstyle"}));
        QCOMPARE(keyOf(21), (QStringList{"_extentx", "_extenty", "caption"}));
    }

    void tabOrder()
    {
        QStringList expected{"Text1", "Text2", "Text4"};
        for (int key = 7; key <= 26; ++key)
            expected << QStringLiteral("XPButton%1").arg(key);
        expected << "List1"
                 << "XPButton27"
                 << "XPButton28"
                 << "XPButton29"
                 << "XPButton30"
                 << "XPButton31"
                 << "Option1"
                 << "Option2";
        QStringList chain;
        QWidget* widget = text1();
        do {
            if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty())
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != text1() && chain.size() < 100);
        QCOMPARE(chain, expected);
        // And the Tab key follows it: out of the result box, not into it as a tab character.
        child<ResultBox>(*m_window, "Text4")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), "XPButton7");
    }

    void startUp()
    {
        QCOMPARE(focused(), text1());
        QCOMPARE(text1()->text(), QString());
        QCOMPARE(text2()->text(), "0");
        QCOMPARE(text2()->cursorPosition(), 0);
        QCOMPARE(report(*m_window), QString());
        QVERIFY(child<QRadioButton>(*m_window, "Option1")->isChecked());
        QVERIFY(!child<QRadioButton>(*m_window, "Option2")->isChecked());
        QCOMPARE(child<QLabel>(*m_window, "Label2")->text(), "x");
        QCOMPARE(list1()->selectedItems().size(), 1);
        QCOMPARE(list1()->selectedItems().first()->text(), "abs()");
    }

    // Keypad keys and Backspace against the caret and a selection, clicked with the mouse so the
    // focus leaves the box first.
    void editing_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("5 between digits") << "12" << 1 << 0 << "XPButton13"
                                          << "152" << 2;
        QTest::newRow("into empty") << "" << 0 << 0 << "XPButton24"
                                    << "x" << 1;
        QTest::newRow("at end") << "2" << 1 << 0 << "XPButton25"
                                << "2^" << 2;
        QTest::newRow("+ keeps selection") << "abc" << 1 << 1 << "XPButton10"
                                           << "a+bc" << 2;
        QTest::newRow("+ keeps leftward selection") << "abc" << 2 << -1 << "XPButton10"
                                                    << "a+bc" << 2;
        QTest::newRow("B before selection") << "abc" << 1 << 1 << "XPButton26"
                                            << "bc" << 0;
        QTest::newRow("B at end") << "abc" << 3 << 0 << "XPButton26"
                                  << "ab" << 2;
        QTest::newRow("B in middle") << "2cos" << 2 << 0 << "XPButton26"
                                     << "2os" << 1;
        QTest::newRow("B whole text selected") << "abc" << 0 << 3 << "XPButton26"
                                               << "abc" << 3;
    }
    void editing()
    {
        QFETCH(QString, content);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        place(text1(), content, start, length);
        click(*m_window, key);
        QCOMPARE(text1()->text(), expected);
        QCOMPARE(text1()->cursorPosition(), caret);
        if (expected != content) {
            QCOMPARE(focused(), text1());
            QVERIFY(!text1()->hasSelectedText());
        }
    }

    void backspaceAtStartDoesNothing()
    {
        place(text1(), "abc", 0);
        text2()->setFocus();
        QTest::keyClick(child<XPButton>(*m_window, "XPButton26"), Qt::Key_Return);
        QCOMPARE(text1()->text(), "abc");
        QCOMPARE(focused(), text2());
    }

    void keyWhileParameterHasFocus()
    {
        place(text1(), "2x", 1);
        text2()->setFocus();
        QTest::keyClick(text2(), Qt::Key_End);
        click(*m_window, "XPButton10");
        QCOMPARE(text1()->text(), "2+x");
        QCOMPARE(text2()->text(), "0");
        QCOMPARE(focused(), text1());
        QCOMPARE(text1()->cursorPosition(), 2);
    }

    void longExpressionKeepsEveryCharacter()
    {
        const QString longText(40000, QLatin1Char('1'));
        place(text1(), longText, 40000);
        click(*m_window, "XPButton10");
        QCOMPARE(text1()->text().size(), 40001);
        QVERIFY(text1()->text().endsWith('+'));
    }

    void clearThenCalculate()
    {
        place(text1(), "2x", 2);
        text2()->setText("3");
        child<QRadioButton>(*m_window, "Option2")->setChecked(true);
        list1()->setCurrentRow(5);
        click(*m_window, "XPButton28");
        QVERIFY(!report(*m_window).isEmpty());
        text2()->setFocus();
        QTest::keyClick(child<XPButton>(*m_window, "XPButton29"), Qt::Key_Return);
        QCOMPARE(text1()->text(), QString());
        QCOMPARE(text2()->text(), QString());
        QCOMPARE(report(*m_window), QString());
        QCOMPARE(focused(), text2());
        QVERIFY(child<QRadioButton>(*m_window, "Option2")->isChecked());
        QCOMPARE(list1()->currentItem()->text(), "actan()");
        QVERIFY(list1()->currentItem()->isSelected());

        click(*m_window, "XPButton28");
        QCOMPARE(text1()->text(), "0");
        QCOMPARE(text2()->text(), "0");
        QCOMPARE(report(*m_window), "Function y=0\n  x=0\n  y=0.0000");
        QVERIFY(m_boxes->empty());
    }

    // Enter in either box runs Calculate; the key itself goes nowhere.
    void enter_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::newRow("Text1 Return") << "Text1" << int(Qt::Key_Return);
        QTest::newRow("Text1 keypad Enter") << "Text1" << int(Qt::Key_Enter);
        QTest::newRow("Text2 Return") << "Text2" << int(Qt::Key_Return);
    }
    void enter()
    {
        QFETCH(QString, box);
        QFETCH(int, key);
        text1()->setText("2cos(x^2)/x");
        text2()->setText("1");
        auto* target = child<InputBox>(*m_window, box);
        target->setFocus();
        target->setCursorPosition(1);
        QSignalSpy edited(target, &InputBox::textEdited);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(report(*m_window), "Function y=2cos(x^2)/x\n  x=1\n  y=1.0806");
        QCOMPARE(edited.count(), 0);
        QCOMPARE(text1()->text(), "2cos(x^2)/x");
        QCOMPARE(text2()->text(), "1");
        QCOMPARE(text1()->cursorPosition(), 0);
        QVERIFY(m_boxes->empty());
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<bool>("angle");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::newRow("value") << "2 x"
                               << "3" << false << "2x"
                               << "3"
                               << "Function y=2x\n  x=3\n  y=6.0000"
                               << "" << 0;
        QTest::newRow("degrees") << "sin(x)"
                                 << "30" << true << "sin(x)"
                                 << "30"
                                 << "Function y=sin(x)\n  x=30\n  y=0.5000"
                                 << "" << 0;
        QTest::newRow("grouping") << "x*1000"
                                  << "1,2345" << false << "x*1000"
                                  << "1.2345"
                                  << "Function y=x*1000\n  x=1.2345\n  y=1,234.5000"
                                  << "" << 0;
        QTest::newRow("syntax") << "2+y"
                                << "1" << false << "2+y"
                                << "1"
                                << "Function y=2+y\n"
                                << "Syntax Error" << 16;
        QTest::newRow("illegal expression") << "2=x"
                                            << "1" << false << "2=x"
                                            << "1"
                                            << "previous"
                                            << "Error" << 48;
    }
    void calculate()
    {
        QFETCH(QString, expression);
        QFETCH(QString, parameter);
        QFETCH(bool, angle);
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QFETCH(QString, report);
        QFETCH(QString, message);
        QFETCH(int, style);
        child<ResultBox>(*m_window, "Text4")->setPlainText("previous");
        this->text1()->setText(expression);
        this->text2()->setText(parameter);
        child<QRadioButton>(*m_window, angle ? "Option2" : "Option1")->setChecked(true);
        click(*m_window, "XPButton28");
        QCOMPARE(this->text1()->text(), text1);
        QCOMPARE(this->text2()->text(), text2);
        QCOMPARE(pellitor::testing::report(*m_window), report);
        if (message.isEmpty()) {
            QVERIFY(m_boxes->empty());
            return;
        }
        QCOMPARE(m_boxes->shown().size(), std::size_t(1));
        QCOMPARE(QString::fromStdU16String(m_boxes->last().title), message);
        QCOMPARE(m_boxes->last().style, style);
    }

    // The worked example by mouse only: keypad, function list, Insert, Calculate.
    void workedExampleByMouse()
    {
        text2()->setText(QString());
        click(*m_window, "XPButton8"); // 2
        QListWidget* list = list1();
        QListWidgetItem* cos = list->findItems("cos()", Qt::MatchExactly).value(0);
        QVERIFY(cos);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(cos).center());
        click(*m_window, "XPButton27"); // cos(
        for (const char* key : {"XPButton24", "XPButton25", "XPButton8", "XPButton21", "XPButton16", "XPButton24"})
            click(*m_window, key); // x^2)/x
        QCOMPARE(text1()->text(), "2cos(x^2)/x");
        QTest::mouseClick(text2(), Qt::LeftButton);
        QTest::keyClicks(text2(), "1");
        click(*m_window, "XPButton28");
        QCOMPARE(report(*m_window), "Function y=2cos(x^2)/x\n  x=1\n  y=1.0806");
    }

    void workedExampleByKeyboard()
    {
        QTest::keyClicks(focused(), "2cos(x^2)/x");
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), text2());
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), "1");
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(report(*m_window), "Function y=2cos(x^2)/x\n  x=1\n  y=1.0806");
    }

    void functionList()
    {
        QStringList shown;
        for (int row = 0; row < list1()->count(); ++row)
            shown << list1()->item(row)->text();
        const QStringList alphabetical{"abs()",  "acos()",  "acosh()", "acsec()", "acsech()", "actan()", "actanh()",
                                       "asec()", "asech()", "asin()",  "asinh()", "atan()",   "atanh()", "cos()",
                                       "cosh()", "csec()",  "ctan()",  "ctanh()", "exp()",    "int()",   "log()",
                                       "rnd()",  "sec()",   "sin()",   "sinh()",  "sqr()",    "tan()",   "tanh()"};
        QCOMPARE(shown, alphabetical);
        QCOMPARE(list1()->font().family(), "Arial");
        QCOMPARE(list1()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void insert_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("after");
        QTest::newRow("after start-up") << ""
                                        << "" << 0 << "abs(" << 4;
        QTest::newRow("acsech") << "acsech()"
                                << "" << 0 << "acsech(" << 7;
        QTest::newRow("middle") << "sin()"
                                << "2x" << 1 << "2sin(x" << 5;
    }
    void insert()
    {
        QFETCH(QString, entry);
        QFETCH(QString, content);
        QFETCH(int, caret);
        QFETCH(QString, expected);
        QFETCH(int, after);
        place(text1(), content, caret);
        if (!entry.isEmpty())
            list1()->setCurrentItem(list1()->findItems(entry, Qt::MatchExactly).value(0));
        click(*m_window, "XPButton27");
        QCOMPARE(text1()->text(), expected);
        QCOMPARE(text1()->cursorPosition(), after);
        QCOMPARE(focused(), text1());
    }

    void doubleClickOnlySelects()
    {
        QListWidgetItem* tan = list1()->findItems("tan()", Qt::MatchExactly).value(0);
        list1()->scrollToItem(tan);
        QTest::mouseDClick(list1()->viewport(), Qt::LeftButton, {}, list1()->visualItemRect(tan).center());
        QCOMPARE(text1()->text(), QString());
        QCOMPARE(list1()->selectedItems(), QList<QListWidgetItem*>{tan});
        // Ctrl+click on the selected entry leaves it selected.
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list1()->visualItemRect(tan).center());
        QCOMPARE(list1()->selectedItems(), QList<QListWidgetItem*>{tan});
    }

    // Help finds the page beside the program (a build tree) or in the installed data folder
    // relative to it (bin/../share/pellitor), whatever the prefix.
    void help_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("opened");
        const QString beside = "prefix/bin/help.htm";
        const QString installed = "prefix/share/pellitor/help.htm";
        QTest::newRow("beside the program") << QStringList{beside} << beside;
        QTest::newRow("in the data folder") << QStringList{installed} << installed;
        QTest::newRow("both: the one beside") << QStringList{installed, beside} << beside;
        QTest::newRow("a folder named help.htm beside") << QStringList{beside + "/", installed} << installed;
        QTest::newRow("in the documentation folder only")
            << QStringList{"prefix/share/doc/pellitor/help.htm"} << beside;
        QTest::newRow("nowhere") << QStringList{} << beside;
    }
    void help()
    {
        QFETCH(QStringList, pages);
        QFETCH(QString, opened);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("prefix/bin"));
        for (const QString& page : pages) {
            const QString path = root.filePath(page);
            if (page.endsWith('/')) {
                QVERIFY(QDir().mkpath(path));
                continue;
            }
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        openWindow(root.filePath("prefix/bin"));
        place(text1(), "2x", 1);
        click(*m_window, "XPButton30");
        QCOMPARE(m_opener->opened().size(), std::size_t(1));
        QCOMPARE(m_opener->opened()[0].document, root.filePath(opened));
        QCOMPARE(m_opener->opened()[0].owner, m_window.get());
        QVERIFY(m_boxes->empty());
        QCOMPARE(text1()->text(), "2x");
        QCOMPARE(report(*m_window), QString());
    }

    // With no program to open web pages (xdg-open is only recommended), Help says so in an
    // error box and where the page is, so it can be opened by hand.
    void helpWithoutAProgram()
    {
        m_opener->failFromNow();
        place(text1(), "2x", 1);
        click(*m_window, "XPButton30");
        QCOMPARE(m_opener->opened().size(), std::size_t(1));
        QCOMPARE(m_boxes->shown().size(), std::size_t(1));
        QCOMPARE(m_boxes->last().title, u"Error");
        QCOMPARE(m_boxes->last().style, platform::MessageStyle::Exclamation);
        QCOMPARE(QString::fromStdU16String(m_boxes->last().text),
                 "No program could open the help page. It is here:\n" + m_opener->opened()[0].document);
        QCOMPARE(text1()->text(), "2x");
    }

    void helpBesideTheBuiltProgram()
    {
        // The build puts the page beside every program it builds, where the window finds it.
        const QString page = QCoreApplication::applicationDirPath() + "/help.htm";
        QVERIFY(QFile::exists(page));
        click(*m_window, "XPButton30");
        QCOMPARE(m_opener->opened().size(), std::size_t(1));
        QCOMPARE(m_opener->opened()[0].document, page);
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
