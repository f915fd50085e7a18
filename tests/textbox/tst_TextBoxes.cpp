// The calculator's own text boxes behave as ordinary text boxes do: the editing keys with the
// caret and a selection, undo, the clipboard, the mouse, and the result box's lines.
#include "InputBox.h"
#include "ResultBox.h"

#include <QClipboard>
#include <QtTest>

using namespace pellitor;

class tst_TextBoxes : public QObject {
    Q_OBJECT

private slots:
    // Keys pressed in a one-line box holding "ab cd" with the caret (and a selection) given.
    void keys_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caretAfter");
        QTest::addColumn<int>("anchorAfter");

        QTest::newRow("type") << 2 << 2 << QKeySequence(Qt::Key_X) << "abx cd" << 3 << 3;
        QTest::newRow("type over selection") << 1 << 4 << QKeySequence(Qt::Key_X) << "axd" << 2 << 2;
        QTest::newRow("backspace") << 2 << 2 << QKeySequence(Qt::Key_Backspace) << "a cd" << 1 << 1;
        QTest::newRow("backspace at start") << 0 << 0 << QKeySequence(Qt::Key_Backspace) << "ab cd" << 0 << 0;
        QTest::newRow("backspace selection") << 4 << 1 << QKeySequence(Qt::Key_Backspace) << "ad" << 1 << 1;
        QTest::newRow("delete") << 2 << 2 << QKeySequence(Qt::Key_Delete) << "abcd" << 2 << 2;
        QTest::newRow("delete at end") << 5 << 5 << QKeySequence(Qt::Key_Delete) << "ab cd" << 5 << 5;
        QTest::newRow("left") << 2 << 2 << QKeySequence(Qt::Key_Left) << "ab cd" << 1 << 1;
        QTest::newRow("left onto selection start") << 1 << 4 << QKeySequence(Qt::Key_Left) << "ab cd" << 1 << 1;
        QTest::newRow("right onto selection end") << 4 << 1 << QKeySequence(Qt::Key_Right) << "ab cd" << 4 << 4;
        QTest::newRow("shift right") << 2 << 2 << QKeySequence(Qt::SHIFT | Qt::Key_Right) << "ab cd" << 3 << 2;
        QTest::newRow("shift left twice")
            << 2 << 2 << QKeySequence(Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left) << "ab cd" << 0 << 2;
        QTest::newRow("home") << 3 << 3 << QKeySequence(Qt::Key_Home) << "ab cd" << 0 << 0;
        QTest::newRow("shift end") << 1 << 1 << QKeySequence(Qt::SHIFT | Qt::Key_End) << "ab cd" << 5 << 1;
        QTest::newRow("word right") << 0 << 0 << QKeySequence(Qt::CTRL | Qt::Key_Right) << "ab cd" << 3 << 3;
        QTest::newRow("word left") << 5 << 5 << QKeySequence(Qt::CTRL | Qt::Key_Left) << "ab cd" << 3 << 3;
        QTest::newRow("delete word back") << 5 << 5 << QKeySequence(Qt::CTRL | Qt::Key_Backspace) << "ab " << 3 << 3;
        QTest::newRow("select all") << 2 << 2 << QKeySequence(QKeySequence::SelectAll) << "ab cd" << 5 << 0;
        QTest::newRow("select all, type")
            << 2 << 2 << QKeySequence(QKeySequence(QKeySequence::SelectAll)[0], QKeyCombination(Qt::Key_Z)) << "z" << 1
            << 1;
        QTest::newRow("typed word undone")
            << 5 << 5
            << QKeySequence(QKeyCombination(Qt::Key_X), QKeyCombination(Qt::Key_Y), QKeySequence(QKeySequence::Undo)[0])
            << "ab cd" << 5 << 5;
        QTest::newRow("undo, redo") << 0 << 0
                                    << QKeySequence(QKeyCombination(Qt::Key_Delete),
                                                    QKeySequence(QKeySequence::Undo)[0],
                                                    QKeySequence(QKeySequence::Redo)[0])
                                    << "b cd" << 0 << 0;
        QTest::newRow("up is not for a one-line box") << 2 << 2 << QKeySequence(Qt::Key_Up) << "ab cd" << 2 << 2;
    }
    void keys()
    {
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(QKeySequence, keys);
        InputBox box;
        box.setText("ab cd");
        box.setSelection(anchor, caret - anchor);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(&box, keys[i].key(), keys[i].keyboardModifiers());
        QTEST(box.text(), "text");
        QTEST(box.cursorPosition(), "caretAfter");
        QFETCH(int, anchorAfter);
        QCOMPARE(box.hasSelectedText(), anchorAfter != box.cursorPosition());
    }

    void clipboard()
    {
        InputBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setText("2cos(x)");
        box.setSelection(1, 3);
        QTest::keySequence(&box, QKeySequence::Cut);
        QCOMPARE(box.text(), "2(x)");
        QCOMPARE(QGuiApplication::clipboard()->text(), "cos");
        QTest::keySequence(&box, QKeySequence::Paste);
        QTest::keySequence(&box, QKeySequence::Paste);
        QCOMPARE(box.text(), "2coscos(x)");
        QCOMPARE(box.cursorPosition(), 7);
        // A one-line box keeps a pasted line break as it is; the Calculate command refuses it.
        QGuiApplication::clipboard()->setText("a\r\nb");
        QTest::keySequence(&box, QKeySequence::Paste);
        QCOMPARE(box.text(), "2coscosa\r\nb(x)");
    }

    // A click puts the caret between the characters it falls between; a double click selects a word.
    void mouse()
    {
        InputBox box;
        box.resize(200, 22);
        box.setText("12345 abc");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setCursorPosition(0);
        const int digit = QFontMetrics(box.font()).horizontalAdvance(u'1');
        const QPoint afterThree(box.cursorRect().x() + 3 * digit, box.height() / 2);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, afterThree);
        QCOMPARE(box.cursorPosition(), 3);
        QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, afterThree);
        QCOMPARE(box.selectedText(), "12345");
    }

    void resultBoxLines_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("held");
        QTest::newRow("CR LF") << "Function y=x\r\n  x=1\r\n  y=1.0000"
                               << "Function y=x\n  x=1\n  y=1.0000";
        QTest::newRow("lone CR") << "a\rb"
                                 << "a\nb";
        QTest::newRow("trailing break") << "Function y=2+y\r\n"
                                        << "Function y=2+y\n";
        QTest::newRow("no-break space kept") << QString("1\u00A0234,5") << QString("1\u00A0234,5");
    }
    void resultBoxLines()
    {
        QFETCH(QString, given);
        ResultBox box;
        box.resize(200, 60);
        box.setPlainText(given);
        QTEST(box.toPlainText(), "held");
        QCOMPARE(box.cursorPosition(), 0);
        QCOMPARE(box.visualLineCount(), int(box.toPlainText().count(u'\n')) + 1);
    }

    void resultBoxRewraps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("wide and narrow letters") << QString("Wi").repeated(80) + "\n" + QString("iiW").repeated(60);
        QTest::newRow("a report") << "Function y=" + QString("2cos(x^2)/x+").repeated(12) + "\n  x=1\n  y=1.0806";
    }
    // After an edit the lines are where a fresh wrap of the whole text puts them: deleting the
    // first character of a line lets the line before take what now fits, and undo gives the
    // lines back.
    void resultBoxRewraps()
    {
        QFETCH(QString, text);
        const auto lines = [](const QString& wrapped, const ResultBox* edited) {
            ResultBox fresh;
            fresh.resize(edited->size());
            fresh.show();
            fresh.setPlainText(wrapped);
            QList<std::pair<int, int>> expected, actual;
            for (int line = 0; line < fresh.visualLineCount(); ++line)
                expected << fresh.visualLine(line);
            for (int line = 0; line < edited->visualLineCount(); ++line)
                actual << edited->visualLine(line);
            return std::pair(actual, expected);
        };
        ResultBox box;
        box.resize(150, 100);
        box.show();
        box.setPlainText(text);
        QVERIFY(box.visualLineCount() > 10);
        for (int line = 1; line < box.visualLineCount(); ++line) {
            box.setSelection(box.visualLine(line).first, 1);
            QTest::keyClick(&box, Qt::Key_Delete);
            const auto [deleted, wrapped] = lines(box.toPlainText(), &box);
            QCOMPARE(deleted, wrapped);
            box.undo();
            QCOMPARE(box.toPlainText(), text);
            const auto [undone, original] = lines(text, &box);
            QCOMPARE(undone, original);
        }
    }

    // Up and Down keep to the visual lines; Enter breaks the line; Tab leaves the box.
    void resultBoxKeys()
    {
        QWidget window;
        auto* box = new ResultBox(&window);
        box->setGeometry(0, 0, 200, 60);
        auto* next = new InputBox(&window);
        next->setGeometry(0, 70, 100, 22);
        box->setPlainText("abc\ndefgh\nij");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->cursorPosition(), 6);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->cursorPosition(), 12);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->toPlainText(), "abc\ndefgh\nij\n");
        QCOMPARE(box->visualLineCount(), 4);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
};

QTEST_MAIN(tst_TextBoxes)
#include "tst_TextBoxes.moc"
