// What the side-by-side comparison with Qt's boxes cannot see: an input method's composing text
// on the screen, a selection dragged out of a box, the keypad's edits as undo steps, and an undo
// history that stays within its memory however much is pasted.
#include "DocumentEditing.h"
#include "InputBox.h"
#include "LineEditing.h"
#include "RecordingDrag.h"
#include "ResultBox.h"

#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include <functional>
#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

std::unique_ptr<TextBoxBase> makeBox(bool multiLine)
{
    std::unique_ptr<TextBoxBase> box;
    if (multiLine)
        box = std::make_unique<ResultBox>();
    else
        box = std::make_unique<InputBox>();
    box->resize(300, multiLine ? 80 : 24);
    return box;
}

// A point in the box's viewport where a click puts the caret at position (on the first line).
QPoint pointAt(TextBoxBase& box, int position)
{
    const int y = box.viewport()->height() / (dynamic_cast<ResultBox*>(&box) ? 8 : 2);
    for (int x = 0; x < box.viewport()->width(); ++x)
        if (box.cursorPositionAt(box.viewport()->mapTo(&box, QPoint(x, y))) == position)
            return {x + 2, y};
    return {};
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

} // namespace

class tst_TextBoxEditing : public QObject {
    Q_OBJECT

private slots:
    void composingTextShows_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("one-line box") << false;
        QTest::newRow("result box") << true;
    }
    // A dead key's "^" shows at the caret before it is committed, and is not yet text.
    void composingTextShows()
    {
        QFETCH(bool, multiLine);
        auto box = makeBox(multiLine);
        box->setText("x2");
        box->setCursorPosition(1);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QImage before = box->grab().toImage();
        QInputMethodEvent composing("^", {{QInputMethodEvent::Cursor, 1, 1, QVariant()}});
        QApplication::sendEvent(box.get(), &composing);
        QCOMPARE(box->text(), "x2");
        QCOMPARE(box->preeditText(), "^");
        QVERIFY(box->grab().toImage() != before);
        QInputMethodEvent committed;
        committed.setCommitString("^");
        QApplication::sendEvent(box.get(), &committed);
        QCOMPARE(box->text(), "x^2");
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(box->preeditText(), QString());
    }

    void dragsSelectionOut_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("onSource");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("actions");
        // The line edit's drags copy; the plain text box's move unless dropped back on the box.
        QTest::newRow("one-line box, moved elsewhere")
            << false << int(Qt::MoveAction) << false << "abc def" << int(Qt::CopyAction);
        QTest::newRow("result box, moved elsewhere")
            << true << int(Qt::MoveAction) << false << "abc " << int(Qt::CopyAction | Qt::MoveAction);
        QTest::newRow("result box, copied")
            << true << int(Qt::CopyAction) << false << "abc def" << int(Qt::CopyAction | Qt::MoveAction);
        QTest::newRow("result box, dropped on itself")
            << true << int(Qt::MoveAction) << true << "abc def" << int(Qt::CopyAction | Qt::MoveAction);
    }
    void dragsSelectionOut()
    {
        QFETCH(bool, multiLine);
        QFETCH(int, outcome);
        QFETCH(bool, onSource);
        QFETCH(int, actions);
        RecordingDrag drag({Qt::DropAction(outcome), onSource});
        auto box = makeBox(multiLine);
        box->setText("abc def");
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        box->setSelection(4, 3);
        const QPoint inSelection = pointAt(*box, 5);
        QVERIFY(!inSelection.isNull());
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, inSelection);
        QTest::mouseMove(box->viewport(), inSelection + QPoint(30, 0));
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, inSelection + QPoint(30, 0));
        QCOMPARE(drag.offers().size(), 1u);
        QCOMPARE(drag.offers().front().text, "def");
        QCOMPARE(int(drag.offers().front().actions), actions);
        QTEST(box->text(), "text");
    }

    // Text dropped from elsewhere goes in where it lands, and undo takes it out.
    void takesDrops()
    {
        for (bool multiLine : {false, true}) {
            auto box = makeBox(multiLine);
            box->setText("abcd");
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box.get()));
            QMimeData data;
            data.setText("XY");
            const QPoint at = pointAt(*box, 1);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(box->viewport(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(box->viewport(), &drop);
            QCOMPARE(box->text(), "aXYbcd");
            box->undo();
            QCOMPARE(box->text(), "abcd");
        }
    }

    // The keypad's edits are undo steps like typing: keys clicked one after another undo
    // together, "B" on its own; a whole content rewritten (Calculate, Clear) comes back with its
    // caret and selection.
    void keypadEditsUndo()
    {
        InputBox box;
        box.setText("2x");
        box.setSelection(1, 1);
        box.replaceContent("2*x");
        QCOMPARE(box.cursorPosition(), 0);
        box.insertAtCaret("1");
        box.insertAtCaret("+");
        QCOMPARE(box.text(), "1+2*x");
        QVERIFY(box.backspaceAtCaret());
        QCOMPARE(box.text(), "12*x");
        box.undo();
        QCOMPARE(box.text(), "1+2*x");
        box.undo();
        QCOMPARE(box.text(), "2*x");
        box.undo();
        QCOMPARE(box.text(), "2x");
        QCOMPARE(box.selectedText(), "x");
        box.redo();
        QCOMPARE(box.text(), "2*x");
    }

    // "B" takes a whole character before the caret, a surrogate pair too; a caret put between the
    // two halves of a pair stands before the pair, so nothing splits it.
    void keypadKeepsPairsWhole()
    {
        const QString emoji = QString::fromUtf8("\U0001F600");
        InputBox box;
        box.setText("1" + emoji);
        QVERIFY(box.backspaceAtCaret());
        QCOMPARE(box.text(), "1");
        box.setText("1" + emoji + "2");
        box.setCursorPosition(2);
        QCOMPARE(box.cursorPosition(), 1);
        box.insertAtCaret("+");
        QCOMPARE(box.text(), "1+" + emoji + "2");
        box.setSelection(4, 1);
        QVERIFY(box.backspaceAtCaret());
        QCOMPARE(box.text(), "1+2");
    }

    void programMovesEndSteps_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("caret moved away and back")
            << QStringList{"type ab", "caret 0", "caret 2", "type c", "undo", "undo"};
        QTest::newRow("caret moved elsewhere") << QStringList{"type ab", "caret 1", "type c", "undo", "undo"};
        QTest::newRow("caret put where it is") << QStringList{"type ab", "caret 2", "type c", "undo"};
        QTest::newRow("all selected, then the caret at the end")
            << QStringList{"type ab", "select all", "caret 2", "type c", "undo", "undo"};
        QTest::newRow("all selected from the start")
            << QStringList{"type ab", "caret 0", "select all", "caret 2", "type c", "undo"};
        QTest::newRow("selection set, then the caret")
            << QStringList{"type ab", "select 0 1", "caret 2", "type c", "undo", "undo"};
    }
    // The program (or an assistive tool) putting the caret or the selection ends an undo step as
    // it does in Qt's line edit: both boxes go the same way and must show the same after each step.
    void programMovesEndSteps()
    {
        QFETCH(QStringList, steps);
        QLineEdit reference;
        InputBox box;
        for (const QString& step : steps) {
            const QStringList words = step.split(u' ');
            if (words[0] == "type") {
                QTest::keyClicks(&reference, words[1]);
                QTest::keyClicks(&box, words[1]);
            } else if (words[0] == "caret") {
                reference.setCursorPosition(words[1].toInt());
                box.setCursorPosition(words[1].toInt());
            } else if (words[0] == "select" && words[1] == "all") {
                reference.selectAll();
                box.selectAll();
            } else if (words[0] == "select") {
                reference.setSelection(words[1].toInt(), words[2].toInt());
                box.setSelection(words[1].toInt(), words[2].toInt());
            } else {
                reference.undo();
                box.undo();
            }
            const QString after = QStringLiteral("after \"%1\"").arg(step);
            QVERIFY2(box.text() == reference.text(), qPrintable(after + ": " + box.text() + " / " + reference.text()));
            QVERIFY2(box.cursorPosition() == reference.cursorPosition(), qPrintable(after));
            QVERIFY2(box.selectedText() == reference.selectedText(), qPrintable(after));
        }
    }

    void keyLeftAloneCostsNoRepaint_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("one-line box") << false;
        QTest::newRow("result box") << true;
    }
    // A modifier pressed on its own changes nothing and repaints nothing; a key that moves the
    // caret repaints.
    void keyLeftAloneCostsNoRepaint()
    {
        QFETCH(bool, multiLine);
        auto box = makeBox(multiLine);
        box->setText("abc def");
        box->show();
        box->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        PaintCounter paints(box->viewport());
        QTest::qWait(50);
        const int settled = paints.count;
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt})
            QTest::keyPress(box.get(), key);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, settled);
        QTest::keyClick(box.get(), Qt::Key_Left);
        QTRY_VERIFY(paints.count > settled);
    }

    void enterOnAnEmptyLineIsOneStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("undone"); // the text after each undo, until none is left
        QTest::newRow("cut to an empty box") << "x" << 1 << 0 << "cut" << QStringList{"", "x"};
        QTest::newRow("Backspace to an empty box") << "x" << 1 << 1 << "backspace" << QStringList{"", "x"};
        QTest::newRow("an empty line between two") << "a\n\nb" << 2 << 2 << "" << QStringList{"a\n\nb"};
        QTest::newRow("a selection that ends on an empty line")
            << "ab\n\ncd" << 1 << 3 << "" << QStringList{"ab\n\ncd"};
    }
    // Deliberate (README): Enter with the caret on an empty line is one undo step, where Qt's
    // plain text box first records a reset of the line's formats that changes no character.
    void enterOnAnEmptyLineIsOneStep()
    {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(QString, edit);
        QFETCH(QStringList, undone);
        ResultBox box;
        box.setPlainText(text);
        box.setSelection(anchor, caret - anchor);
        if (edit == "cut")
            box.cut();
        else if (edit == "backspace")
            QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        for (const QString& expected : undone) {
            QVERIFY(box.isUndoAvailable());
            box.undo();
            QCOMPARE(box.text(), expected);
        }
        QVERIFY(!box.isUndoAvailable());
    }

    void historyIsBounded_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("one-line rules") << false;
        QTest::newRow("multi-line rules") << true;
    }
    // Select all and paste, again and again: the history keeps at most its budget besides the
    // newest step, drops the oldest steps, and what it keeps still undoes to earlier texts.
    void historyIsBounded()
    {
        QFETCH(bool, multiLine);
        constexpr std::size_t budget = 1000;
        EditableText content;
        LineEditing line(content, budget);
        DocumentEditing document(content, budget);
        const auto paste = [&](const QString& text) {
            content.select(0, content.size());
            if (multiLine)
                document.insertFragment(text);
            else
                line.paste(text);
        };
        const auto history = [&] { return multiLine ? document.historySize() : line.historySize(); };
        std::vector<QString> pasted;
        for (int i = 0; i < 20; ++i) {
            pasted.push_back(QString(300, QChar(u'a' + i)));
            paste(pasted.back());
            QVERIFY2(history() <= budget + 2 * 300, qPrintable(QString::number(history())));
        }
        std::size_t undone = 0;
        while (multiLine ? document.undo() : line.undo()) {
            ++undone;
            QVERIFY(undone < pasted.size());
            QCOMPARE(content.text(), pasted[pasted.size() - 1 - undone]);
        }
        QVERIFY(undone >= 1);
        QVERIFY(undone < 19);
        QVERIFY(multiLine ? document.redo() : line.redo());
        QCOMPARE(content.text(), pasted[pasted.size() - undone]);
    }

    // A paste of many lines, its undo and its redo, anywhere in the result box, and the undo of
    // their deletion: each moves no more pieces along than the text holds (a line is two pieces,
    // its characters and its break), where one piece at a time moved all after it every time.
    void manyLinesCostLinear_data()
    {
        QTest::addColumn<double>("where");
        QTest::newRow("at the start") << 0.0;
        QTest::newRow("in the middle") << 0.5;
        QTest::newRow("at the end") << 1.0;
    }
    void manyLinesCostLinear()
    {
        QFETCH(double, where);
        constexpr int lines = 20'000;
        const QString pasted = QString("1\n").repeated(lines);
        EditableText content;
        DocumentEditing document(content);
        document.insertFragment(pasted);
        const std::pair<const char*, std::function<void()>> steps[] = {
            {"paste", [&] { content.moveCaret(int(where * content.size()) / 2 * 2), document.insertFragment(pasted); }},
            {"undo", [&] { QVERIFY(document.undo()); }},
            {"redo", [&] { QVERIFY(document.redo()); }},
            {"delete", [&] { content.select(0, content.size()), document.removeSelectedText(); }},
            {"undo the deletion", [&] { QVERIFY(document.undo()); }},
        };
        for (const auto& [name, step] : steps) {
            const std::size_t before = document.movedPieces();
            step();
            const std::size_t moved = document.movedPieces() - before;
            QVERIFY2(moved <= 2 * std::size_t(content.size()) + 8,
                     qPrintable(QStringLiteral("%1 moved %2").arg(name).arg(moved)));
        }
        QCOMPARE(content.text(), pasted + pasted);
    }
};

QTEST_MAIN(tst_TextBoxEditing)
#include "tst_TextBoxEditing.moc"
