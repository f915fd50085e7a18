// The main window's edits as a person takes them back: what the keypad, "B", Insert, Clear and
// the Calculate command do to the boxes undoes with Ctrl+Z in the box, and "B" and the keypad
// never split a character that takes two UTF-16 units.
#include "RecordingMessageBox.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QListWidget>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

class tst_frmMainEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<frmMain> m_window;

    InputBox* text1() const { return child<InputBox>(*m_window, "Text1"); }
    InputBox* text2() const { return child<InputBox>(*m_window, "Text2"); }
    ResultBox* text4() const { return child<ResultBox>(*m_window, "Text4"); }
    static void undo(TextBoxBase* box) { QTest::keySequence(box, QKeySequence::Undo); }

private slots:
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_boxes.reset();
    }

    // Keys clicked one after another undo together, as typed ones do; "B" undoes on its own.
    void keypadUndoes()
    {
        click(*m_window, "XPButton17"); // 7
        click(*m_window, "XPButton10"); // +
        click(*m_window, "XPButton24"); // x
        QCOMPARE(text1()->text(), "7+x");
        click(*m_window, "XPButton26"); // B
        QCOMPARE(text1()->text(), "7+");
        undo(text1());
        QCOMPARE(text1()->text(), "7+x");
        undo(text1());
        QCOMPARE(text1()->text(), "");
        QTest::keySequence(text1(), QKeySequence::Redo);
        QCOMPARE(text1()->text(), "7+x");
    }

    void insertUndoes()
    {
        place(text1(), "x", 0);
        child<QListWidget>(*m_window, "List1")->setCurrentRow(0);
        click(*m_window, "XPButton27");
        QCOMPARE(text1()->text(), "abs(x");
        undo(text1());
        QCOMPARE(text1()->text(), "x");
    }

    // Clear empties all three boxes as steps that undo gives back, the report too.
    void clearUndoes()
    {
        text1()->setText("2x");
        text2()->setText("3");
        click(*m_window, "XPButton28");
        const QString reportShown = report(*m_window);
        QVERIFY(reportShown.startsWith("Function y=2x"));
        click(*m_window, "XPButton29");
        QCOMPARE(text1()->text(), "");
        QCOMPARE(text4()->toPlainText(), "");
        undo(text1());
        QCOMPARE(text1()->text(), "2x");
        undo(text2());
        QCOMPARE(text2()->text(), "3");
        undo(text4());
        QCOMPARE(text4()->toPlainText(), reportShown);
    }

    // The Calculate command writes the cleaned expression back; undo gives the typed one back.
    void calculateRewriteUndoes()
    {
        text1()->setFocus();
        QTest::keyClicks(text1(), "2 x");
        click(*m_window, "XPButton28");
        QCOMPARE(text1()->text(), "2x");
        QCOMPARE(text1()->cursorPosition(), 0);
        undo(text1());
        QCOMPARE(text1()->text(), "2 x");
    }

    // "B" after an emoji takes all of it; a key with the caret set between its halves goes in
    // before it.
    void keypadKeepsPairsWhole()
    {
        const QString emoji = QString::fromUtf8("\U0001F600");
        place(text1(), "1" + emoji, 3);
        click(*m_window, "XPButton26");
        QCOMPARE(text1()->text(), "1");
        place(text1(), "1" + emoji, 2);
        click(*m_window, "XPButton22"); // 0
        QCOMPARE(text1()->text(), "10" + emoji);
    }
};

QTEST_MAIN(tst_frmMainEditing)
#include "tst_frmMainEditing.moc"
