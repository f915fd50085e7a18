// The text boxes as assistive tools meet them: characters, words and lines around an offset,
// edits, caret and selection through the accessible interfaces, the changes they announce, where
// characters are on the screen, and calls that stay cheap with ten million characters.
#include "InputBox.h"
#include "RecordingAnnouncer.h"
#include "ResultBox.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

// The two kinds of box at the sizes the main window gives them, in a shown window.
struct Boxes {
    QWidget window;
    InputBox* input = new InputBox(&window);
    ResultBox* result = new ResultBox(&window);

    Boxes()
    {
        input->setGeometry(6, 23, 387, 22);
        result->setGeometry(15, 176, 373, 55);
        window.resize(402, 284);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window did not show");
    }
    TextBoxBase* box(const QString& kind) const
    {
        return kind == "result" ? static_cast<TextBoxBase*>(result) : static_cast<TextBoxBase*>(input);
    }
};

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface || !iface->textInterface() || !iface->editableTextInterface())
        qFatal("no text interface");
    return iface;
}

using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;

QString piece(QAccessibleTextInterface* text, Query query, int offset, QAccessible::TextBoundaryType type)
{
    int start = 0;
    int end = 0;
    const QString found = (text->*query)(offset, type, &start, &end);
    return QStringLiteral("%1|%2|%3").arg(found).arg(start).arg(end);
}

const QString Report = QStringLiteral("Function y=x\n  x=1\n  y=1.0000");

} // namespace

class tst_TextBoxAccessible : public QObject {
    Q_OBJECT

private slots:
    void pieces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<QStringList>("beforeAtAfter");
        const int c = QAccessible::CharBoundary, w = QAccessible::WordBoundary, l = QAccessible::LineBoundary;
        QTest::newRow("character") << "input"
                                   << "2cos(x)" << 2 << c << QStringList{"c|1|2", "o|2|3", "s|3|4"};
        QTest::newRow("surrogate pair, asked at its second half")
            << "input" << QString::fromUtf8("a\U0001F600b") << 2 << c
            << QStringList{"a|0|1", QString::fromUtf8("\U0001F600|1|3"), "b|3|4"};
        QTest::newRow("letter and its mark") << "input" << QString::fromUtf8("ae\u0301x") << 1 << c
                                             << QStringList{"a|0|1", QString::fromUtf8("e\u0301|1|3"), "x|3|4"};
        QTest::newRow("character at the end") << "input"
                                              << "12" << 2 << c << QStringList{"2|1|2", "|2|2", "|2|2"};
        QTest::newRow("-1 is the end") << "input"
                                       << "12" << -1 << c << QStringList{"2|1|2", "|2|2", "|2|2"};
        QTest::newRow("word at the start") << "input"
                                           << "2cos(x^2)" << 2 << w << QStringList{"|0|0", "2cos|0|4", "(|4|5"};
        QTest::newRow("run of blanks") << "input"
                                       << "sin x  + 1" << 6 << w << QStringList{"x|4|5", "  |5|7", "+|7|8"};
        QTest::newRow("one-line box: one line") << "input"
                                                << "1+2" << 3 << l << QStringList{"|0|0", "1+2|0|3", "|3|3"};
        QTest::newRow("past the end") << "input"
                                      << "12" << 3 << c << QStringList{"|-1|-1", "|-1|-1", "|-1|-1"};
        QTest::newRow("negative") << "input"
                                  << "12" << -5 << c << QStringList{"|-1|-1", "|-1|-1", "|-1|-1"};
        QTest::newRow("empty") << "input"
                               << "" << 0 << w << QStringList{"|-1|-1", "|-1|-1", "|-1|-1"};
        QTest::newRow("report line") << "result" << Report << 14 << l
                                     << QStringList{"Function y=x\n|0|13", "  x=1\n|13|19", "  y=1.0000|19|29"};
        QTest::newRow("report line at its break")
            << "result" << Report << 18 << l << QStringList{"Function y=x\n|0|13", "  x=1\n|13|19", "  y=1.0000|19|29"};
        QTest::newRow("last line at the end")
            << "result" << Report << 29 << l << QStringList{"  x=1\n|13|19", "  y=1.0000|19|29", "|29|29"};
        QTest::newRow("paragraph") << "result" << Report << 0 << int(QAccessible::ParagraphBoundary)
                                   << QStringList{"|0|0", "Function y=x\n|0|13", "  x=1\n|13|19"};
        QTest::newRow("whole text") << "result" << Report << 5 << int(QAccessible::NoBoundary)
                                    << QStringList{"|0|0", Report + "|0|29", "|29|29"};
    }
    void pieces()
    {
        QFETCH(QString, kind);
        QFETCH(QString, content);
        QFETCH(int, offset);
        QFETCH(int, boundary);
        QFETCH(QStringList, beforeAtAfter);
        Boxes boxes;
        TextBoxBase* box = boxes.box(kind);
        box->setText(content);
        QAccessibleTextInterface* text = accessible(box)->textInterface();
        const auto type = QAccessible::TextBoundaryType(boundary);
        const QStringList found{piece(text, &QAccessibleTextInterface::textBeforeOffset, offset, type),
                                piece(text, &QAccessibleTextInterface::textAtOffset, offset, type),
                                piece(text, &QAccessibleTextInterface::textAfterOffset, offset, type)};
        QCOMPARE(found, beforeAtAfter);
    }

    // A piece longer than 32,768 characters is handed over in stretches of that grid, the same
    // whichever offset in it is asked; shorter pieces stay whole, across a grid point too.
    void longPieces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("startEnd");
        const int w = QAccessible::WordBoundary, l = QAccessible::LineBoundary, s = QAccessible::SentenceBoundary;
        const QString digits(100'000, u'1');
        const QString sum = QString("x+").repeated(50'000);
        const QString paragraph = QString(100'000, u'a') + "\nb";
        const QString emoji = QString::fromUtf8("\U0001F600");
        QTest::newRow("word, 100,000 digits") << "input" << digits << w << 50'000 << "32768|65536";
        QTest::newRow("word, its last stretch") << "input" << digits << w << 99'999 << "98304|100000";
        QTest::newRow("one line of 100,000") << "input" << sum << l << 70'000 << "65536|98304";
        QTest::newRow("sentence of 100,001 with its break") << "result" << paragraph << s << 100'000 << "98304|100001";
        QTest::newRow("the short sentence after it") << "result" << paragraph << s << 100'001 << "100001|100002";
        QTest::newRow("paragraph") << "result" << paragraph << int(QAccessible::ParagraphBoundary) << 5 << "0|32768";
        QTest::newRow("a short word across a grid point")
            << "input" << QString(32'766, u'+') + "cos" + QString(10, u'+') << w << 32'768 << "32766|32769";
        QTest::newRow("a pair across a grid point stays whole")
            << "input" << QString(32'767, u'x') + emoji + QString(40'000, u'x') << l << 32'768 << "0|32769";
        QTest::newRow("after the pair") << "input" << QString(32'767, u'x') + emoji + QString(40'000, u'x') << l
                                        << 32'769 << "32769|65536";
    }
    void longPieces()
    {
        QFETCH(QString, kind);
        QFETCH(QString, content);
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(QString, startEnd);
        Boxes boxes;
        TextBoxBase* box = boxes.box(kind);
        box->setText(content);
        QAccessibleTextInterface* text = accessible(box)->textInterface();
        const auto type = QAccessible::TextBoundaryType(boundary);
        int start = 0, end = 0;
        const QString found = text->textAtOffset(offset, type, &start, &end);
        QCOMPARE(QStringLiteral("%1|%2").arg(start).arg(end), startEnd);
        QCOMPARE(found, content.mid(start, end - start));
        // Every offset of the piece finds the same piece.
        for (int at : {start, (start + end) / 2, end - 1}) {
            int otherStart = 0, otherEnd = 0;
            text->textAtOffset(at, type, &otherStart, &otherEnd);
            QCOMPARE(std::pair(otherStart, otherEnd), std::pair(start, end));
        }
    }

    // Reading on piece by piece, as a reader does, hands over the whole text once, in order.
    void readingOnCoversTheText_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("boundary");
        QTest::newRow("lines of one long line") << QString("x+").repeated(60'000) << int(QAccessible::LineBoundary);
        QTest::newRow("words of mixed lengths")
            << QString(40'000, u'1') + "+cos(x)+" + QString(70'000, u'2') << int(QAccessible::WordBoundary);
        QTest::newRow("sentences") << QString(40'000, u'a') + "\n\nb\n" + QString(33'000, u'c')
                                   << int(QAccessible::SentenceBoundary);
    }
    void readingOnCoversTheText()
    {
        QFETCH(QString, content);
        QFETCH(int, boundary);
        Boxes boxes;
        boxes.result->setText(content);
        QAccessibleTextInterface* text = accessible(boxes.result)->textInterface();
        const auto type = QAccessible::TextBoundaryType(boundary);
        QString read;
        int start = 0, end = 0;
        read += text->textAtOffset(0, type, &start, &end);
        while (end < content.size()) {
            const int previousEnd = end;
            const QString next = text->textAfterOffset(start, type, &start, &end);
            QCOMPARE(start, previousEnd);
            QVERIFY(next.size() <= (1 << 15) + 1);
            read += next;
        }
        QCOMPARE(read.size(), content.size());
        QVERIFY(read == content);
        // And back from the end.
        text->textAtOffset(content.size() - 1, type, &start, &end);
        const int lastStart = start;
        text->textBeforeOffset(lastStart, type, &start, &end);
        QCOMPARE(end, lastStart);
        QVERIFY(start < end);
    }

    // The bus ends a text at a NUL: a reader gets the blank the box shows for it instead.
    void nulReadAsBlank()
    {
        Boxes boxes;
        const QString content = QStringLiteral("1+") + QChar(0) + QStringLiteral(" 2+x");
        boxes.input->setText(content);
        QAccessibleInterface* iface = accessible(boxes.input);
        QAccessibleTextInterface* text = iface->textInterface();
        const QString shown = QStringLiteral("1+  2+x");
        QCOMPARE(text->text(0, -1), shown);
        QCOMPARE(iface->text(QAccessible::Value), shown);
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(2, QAccessible::CharBoundary, &start, &end), " ");
        QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), shown);
        QCOMPARE(boxes.input->text(), content); // the box keeps what it holds
    }

    // A line is a line as the result box shows it, wrapped at its edge.
    void resultLinesAreTheLinesShown()
    {
        Boxes boxes;
        boxes.result->setPlainText("Function y=" + QString(300, u'x') + "\r\n  x=1");
        QVERIFY(boxes.result->visualLineCount() >= 4);
        QAccessibleTextInterface* text = accessible(boxes.result)->textInterface();
        for (int line = 0; line < boxes.result->visualLineCount(); ++line) {
            const auto [start, end] = boxes.result->visualLine(line);
            const int withBreak = end < text->characterCount() && boxes.result->text().at(end) == u'\n' ? end + 1 : end;
            QCOMPARE(piece(text, &QAccessibleTextInterface::textAtOffset, start, QAccessible::LineBoundary),
                     QStringLiteral("%1|%2|%3")
                         .arg(boxes.result->text().mid(start, withBreak - start))
                         .arg(start)
                         .arg(withBreak));
        }
    }

    void editing_data()
    {
        using Edit = std::function<void(QAccessibleInterface*)>;
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("caret");
        QTest::newRow("insert") << "input" << Edit([](auto* i) { i->editableTextInterface()->insertText(1, "x"); })
                                << "1x2" << 2;
        QTest::newRow("insert past the end")
            << "input" << Edit([](auto* i) { i->editableTextInterface()->insertText(99, "+"); }) << "12+" << 3;
        QTest::newRow("delete") << "input" << Edit([](auto* i) { i->editableTextInterface()->deleteText(0, 1); }) << "2"
                                << 0;
        QTest::newRow("replace up to -1, the end")
            << "input" << Edit([](auto* i) { i->editableTextInterface()->replaceText(0, -1, "abc"); }) << "abc" << 3;
        QTest::newRow("value") << "input" << Edit([](auto* i) { i->setText(QAccessible::Value, "9"); }) << "9" << 1;
        QTest::newRow("line breaks of the result box")
            << "result" << Edit([](auto* i) { i->editableTextInterface()->insertText(2, "\r\nx\ry"); }) << "12\nx\ny"
            << 6;
    }
    void editing()
    {
        using Edit = std::function<void(QAccessibleInterface*)>;
        QFETCH(QString, kind);
        QFETCH(Edit, edit);
        QFETCH(QString, content);
        QFETCH(int, caret);
        Boxes boxes;
        TextBoxBase* box = boxes.box(kind);
        box->setText("12");
        QSignalSpy edited(box, &TextBoxBase::textEdited);
        QAccessibleInterface* iface = accessible(box);
        edit(iface);
        QCOMPARE(box->text(), content);
        QCOMPARE(iface->text(QAccessible::Value), content);
        QCOMPARE(iface->textInterface()->cursorPosition(), caret);
        QCOMPARE(edited.size(), 1); // a person's edit, made through a tool
        box->undo();
        QCOMPARE(box->text(), "12");
    }

    void caretAndSelection()
    {
        Boxes boxes;
        boxes.input->setText("2cos(x)");
        QAccessibleTextInterface* text = accessible(boxes.input)->textInterface();
        text->setCursorPosition(3);
        QCOMPARE(boxes.input->cursorPosition(), 3);
        QCOMPARE(text->selectionCount(), 0);
        text->setSelection(0, 1, 4);
        QCOMPARE(boxes.input->selectedText(), "cos");
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(1, 4));
        text->addSelection(5, 6); // one selection at most: it replaces the first
        QCOMPARE(boxes.input->selectedText(), "x");
        text->removeSelection(0);
        QVERIFY(!boxes.input->hasSelectedText());
        QCOMPARE(text->cursorPosition(), 6);
    }

    void announcements_data()
    {
        using Change = std::function<void(InputBox*)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("announced");
        QTest::newRow("key") << Change([](InputBox* b) { QTest::keyClick(b, Qt::Key_5); })
                             << QStringList{"insert 2 5", "caret 3"};
        QTest::newRow("Backspace") << Change([](InputBox* b) { QTest::keyClick(b, Qt::Key_Backspace); })
                                   << QStringList{"remove 1 2", "caret 1"};
        // The program replaces the whole text; only what differs is announced.
        QTest::newRow("whole text, one character more")
            << Change([](InputBox* b) { b->setText("152"); }) << QStringList{"insert 1 5", "caret 3"};
        QTest::newRow("same text, caret to the start")
            << Change([](InputBox* b) { b->replaceContent("12"); }) << QStringList{"caret 0"};
        QTest::newRow("everything replaced") << Change([](InputBox* b) { b->replaceContent("ab"); })
                                             << QStringList{"remove 0 12", "insert 0 ab", "caret 0"};
        QTest::newRow("a surrogate pair stays whole")
            << Change([](InputBox* b) {
                   b->setText(QString::fromUtf8("1\U0001F600"));
                   b->setText(QString::fromUtf8("1\U0001F601")); // the same first half
               })
            << QStringList{"remove 1 2", QString::fromUtf8("insert 1 \U0001F600"), "caret 3",
                           QString::fromUtf8("remove 1 \U0001F600"), QString::fromUtf8("insert 1 \U0001F601")};
        QTest::newRow("a NUL, announced as the blank shown")
            << Change([](InputBox* b) { b->setText(QStringLiteral("1") + QChar(0) + QStringLiteral("2")); })
            << QStringList{"insert 1  ", "caret 3"};
        QTest::newRow("select all") << Change([](InputBox* b) { QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier); })
                                    << QStringList{"selection 0 2"};
        QTest::newRow("undo") << Change([](InputBox* b) {
            QTest::keyClicks(b, "34");
            b->undo();
        }) << QStringList{"insert 2 3", "caret 3", "insert 3 4", "caret 4", "remove 2 34", "caret 2"};
    }
    void announcements()
    {
        using Change = std::function<void(InputBox*)>;
        QFETCH(Change, change);
        QFETCH(QStringList, announced);
        Boxes boxes;
        boxes.input->setText("12");
        boxes.input->setFocus();
        QTRY_VERIFY(boxes.input->hasFocus());
        RecordingAnnouncer announcer;
        change(boxes.input);
        QCOMPARE(announcer.lines(boxes.input), announced);
    }

    // Where a shown character is on the screen, and back; characters that do not show have none.
    void geometry_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("shown");
        QTest::newRow("first character") << "input" << 0 << true;
        QTest::newRow("in the middle") << "input" << 40 << true;
        QTest::newRow("far right, scrolled off") << "input" << 350 << false;
        QTest::newRow("second line") << "result" << 4 << true;
        QTest::newRow("line scrolled off") << "result" << 300 << false;
    }
    void geometry()
    {
        QFETCH(QString, kind);
        QFETCH(int, offset);
        QFETCH(bool, shown);
        Boxes boxes;
        TextBoxBase* box = boxes.box(kind);
        QString content;
        for (int i = 0; i < 100; ++i)
            content += QStringLiteral("x+%1\n").arg(i % 10);
        box->setText(kind == "input" ? content.replace(u'\n', u'-') : content);
        box->setCursorPosition(0);
        QAccessibleTextInterface* text = accessible(box)->textInterface();
        const QRect rect = text->characterRect(offset);
        QCOMPARE(!rect.isEmpty(), shown);
        if (!shown)
            return;
        QVERIFY(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()).contains(rect));
        // Anywhere on the character, its right half too, which is nearer the next caret position.
        for (int x : {rect.left(), rect.center().x(), rect.right()})
            QCOMPARE(text->offsetAtPoint(QPoint(x, rect.center().y())), offset);
        QVERIFY(text->characterRect(offset + 1).left() >= rect.right());
        QCOMPARE(text->offsetAtPoint(box->mapToGlobal(QPoint(-5, -5))), -1);
    }

    // What a screen reader asks costs what it asks for: no call lays out the whole text.
    void tenMillionCharacters_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("expression box") << "input";
        QTest::newRow("result box") << "result";
    }
    void tenMillionCharacters()
    {
        QFETCH(QString, kind);
        Boxes boxes;
        TextBoxBase* box = boxes.box(kind);
        constexpr int Length = 10'000'000;
        box->setText(QString(Length, u'x'));
        const int caret = Length / 2;
        box->setCursorPosition(caret);
        box->grab(); // everything that shows is laid out
        const qint64 before = box->laidOutCharacters();

        QAccessibleInterface* iface = accessible(box);
        QAccessibleTextInterface* text = iface->textInterface();
        int start = 0, end = 0;
        QCOMPARE(text->characterCount(), Length);
        QCOMPARE(text->cursorPosition(), caret);
        QCOMPARE(text->textAtOffset(caret, QAccessible::CharBoundary, &start, &end), "x");
        QCOMPARE(text->text(caret, caret + 100), QString(100, u'x'));
        QVERIFY(!text->characterRect(caret).isEmpty());
        QVERIFY(text->characterRect(0).isEmpty());
        QCOMPARE(text->offsetAtPoint(text->characterRect(caret).center()), caret);
        QCOMPARE(iface->text(QAccessible::Value).size(), Length);
        QVERIFY(iface->state().editable);
        if (kind == "result") {
            const QString line = text->textAtOffset(caret, QAccessible::LineBoundary, &start, &end);
            QVERIFY(line.size() < 1000 && start <= caret && caret < end);
        }
        QVERIFY2(box->laidOutCharacters() - before < 100'000,
                 qPrintable(QString::number(box->laidOutCharacters() - before)));
    }
};

QTEST_MAIN(tst_TextBoxAccessible)
#include "tst_TextBoxAccessible.moc"
