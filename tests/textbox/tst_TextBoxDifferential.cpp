// Our text boxes beside Qt's own, on X11: the same keys, clicks, clipboard texts, input method
// events and drops go to a QLineEdit and an InputBox, and to a QPlainTextEdit and a ResultBox, and
// after each the two must show the same text, caret and selection and leave the same clipboard and
// X11 selection. First every editing key Qt binds, on texts with surrogate pairs, combining marks
// and right-to-left letters; then a seeded random walk. A difference is shrunk to its fewest steps.
#include "BoxPair.h"
#include "DesignFont.h"

#include <QClipboard>
#include <QtTest>

#include <random>

Q_DECLARE_METATYPE(pellitor::testing::Sequence)

using namespace pellitor::testing;

namespace {

// The keys Qt binds for editing, each with every binding this platform gives it.
const QKeySequence::StandardKey EditingKeys[] = {
    QKeySequence::Delete,
    QKeySequence::Cut,
    QKeySequence::Copy,
    QKeySequence::Paste,
    QKeySequence::Undo,
    QKeySequence::Redo,
    QKeySequence::SelectAll,
    QKeySequence::Deselect,
    QKeySequence::MoveToNextChar,
    QKeySequence::MoveToPreviousChar,
    QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToNextLine,
    QKeySequence::MoveToPreviousLine,
    QKeySequence::MoveToNextPage,
    QKeySequence::MoveToPreviousPage,
    QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine,
    QKeySequence::MoveToStartOfBlock,
    QKeySequence::MoveToEndOfBlock,
    QKeySequence::MoveToStartOfDocument,
    QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextChar,
    QKeySequence::SelectPreviousChar,
    QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord,
    QKeySequence::SelectNextLine,
    QKeySequence::SelectPreviousLine,
    QKeySequence::SelectNextPage,
    QKeySequence::SelectPreviousPage,
    QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine,
    QKeySequence::SelectStartOfBlock,
    QKeySequence::SelectEndOfBlock,
    QKeySequence::SelectStartOfDocument,
    QKeySequence::SelectEndOfDocument,
    QKeySequence::DeleteStartOfWord,
    QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine,
    QKeySequence::InsertParagraphSeparator,
    QKeySequence::InsertLineSeparator,
    QKeySequence::Backspace,
};

std::vector<QKeyCombination> editingKeys()
{
    std::vector<QKeyCombination> keys;
    for (QKeySequence::StandardKey standard : EditingKeys)
        for (const QKeySequence& binding : QKeySequence::keyBindings(standard))
            keys.push_back(binding[0]);
    // Keys no standard key names: Backspace with Shift, Insert, Escape, and the one-line box's Enter.
    for (QKeyCombination key :
         {QKeyCombination(Qt::Key_Backspace), QKeyCombination(Qt::SHIFT | Qt::Key_Backspace),
          QKeyCombination(Qt::Key_Insert), QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ALT | Qt::Key_Left)})
        keys.push_back(key);
    return keys;
}

// Texts with what makes editing hard: signs between words, blanks, a letter and its combining
// mark, characters beyond the Basic Multilingual Plane, right-to-left letters after a left-to-right
// one (a text that starts right to left is a deliberate difference, see README).
const QString LineTexts[] = {
    QStringLiteral("2cos(x)"),
    QStringLiteral("ab  cd..ef"),
    QStringLiteral("xe\u0301e\u0301 \u0301y"),
    QStringLiteral("x\U0001F600a\U0001D465b"),
    QStringLiteral("ab \u05D0\u05D1\u05D2 cd \u0639\u0631"),
    QString(),
};
const QString PlainTexts[] = {
    QStringLiteral("abc\ndefghij\nkl\nmnopqrstu"),
    QStringLiteral("Function y=2cos(x)\n  x=1\n  y=1.0806"),
    QStringLiteral("\n \n\nx"),
    QStringLiteral("xe\u0301e\u0301 \U0001F600\na \u05D0\u05D1 b"),
    QString(),
};

// Positions that split no surrogate pair.
std::vector<int> positions(const QString& text)
{
    std::vector<int> at{0};
    for (int i = 1; i <= text.size(); ++i)
        if (i == text.size() || !text.at(i).isLowSurrogate())
            at.push_back(i);
    return at;
}

class Walk {
public:
    Walk(quint32 seed, bool multiLine) : m_random(seed), m_multiLine(multiLine), m_keys(editingKeys()) {}

    Sequence sequence(int length)
    {
        Sequence sequence;
        const auto& texts = m_multiLine ? std::vector<QString>(std::begin(PlainTexts), std::end(PlainTexts))
                                        : std::vector<QString>(std::begin(LineTexts), std::end(LineTexts));
        sequence.text = pick(texts);
        const std::vector<int> at = positions(sequence.text);
        sequence.anchor = pick(at);
        sequence.caret = pick(at);
        for (int i = 0; i < length; ++i)
            sequence.steps.push_back(step());
        return sequence;
    }

private:
    template <class T>
    const T& pick(const std::vector<T>& from)
    {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(m_random)];
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    Step step()
    {
        static const std::vector<QString> typed{"x",          "2",      "+",      "(",     ")",      "^",
                                                ".",          " ",      "a",      "b",     "\u00E9", "\u0301",
                                                "\U0001F600", "\u05D0", "\u0639", "\u00DF"};
        static const std::vector<QString> clips{"cos", "b\nc", "x y",     "\U0001F600+1", "\r\n",
                                                "",    "a\tb", "e\u0301", "\u05D0\u05D1"};
        static const std::vector<QString> composed{"^", "\u02C6", "ab", "\u05D0", "e\u0301"};
        Step step;
        const int roll = below(100);
        if (roll < 50) {
            step.kind = Step::Key;
            step.key = pick(m_keys);
        } else if (roll < 75) {
            step.kind = Step::Type;
            step.text = pick(typed);
        } else if (roll < 85) {
            static const std::vector<Step::Kind> mouse{Step::Click,       Step::Click, Step::DoubleClick,
                                                       Step::TripleClick, Step::Drag,  Step::MiddleClick};
            step.kind = pick(mouse);
            step.at = below(16);
            step.to = below(16);
            if (step.kind == Step::Click && below(3) == 0)
                step.key = QKeyCombination(Qt::ShiftModifier, Qt::Key_unknown);
        } else if (roll < 91) {
            step.kind = below(2) ? Step::SetClipboard : Step::SetSelection;
            step.text = pick(clips);
        } else if (roll < 97) {
            // An input method composes, then commits what it composed or something else.
            step = Step::composing(pick(composed), pick(composed));
        } else {
            step.kind = Step::Drop;
            step.text = pick(clips);
            step.at = below(16);
        }
        return step;
    }

    std::mt19937 m_random;
    bool m_multiLine;
    std::vector<QKeyCombination> m_keys;
};

// Runs the sequences; on the first that differs, fails with it shrunk and its steps side by side.
void compare(BoxPair& pair, const std::vector<Sequence>& sequences)
{
    for (const Sequence& sequence : sequences) {
        if (pair.firstDifference(sequence) < 0)
            continue;
        const Sequence shortest = pair.shrink(sequence);
        QString log;
        pair.firstDifference(shortest, &log);
        QFAIL(qPrintable(QStringLiteral("the boxes differ after: %1\n%2").arg(shortest.describe(), log)));
    }
    qInfo("%zu sequences, %d of them compared only up to a deliberate difference", sequences.size(), pair.leftEarly());
}

std::vector<Sequence> everyKey(const QString* texts, std::size_t count)
{
    std::vector<Sequence> sequences;
    const Step undo = Step::pressed(QKeySequence::Undo);
    const Step redo = Step::pressed(QKeySequence::Redo);
    for (QKeyCombination key : editingKeys()) {
        for (std::size_t t = 0; t < count; ++t) {
            const QString& text = texts[t];
            const std::vector<int> at = positions(text);
            const int middle = at[at.size() / 2];
            // Caret at the start, in the middle, at the end; a selection made rightwards and leftwards.
            const std::pair<int, int> starts[] = {
                {0, 0},
                {middle, middle},
                {int(text.size()), int(text.size())},
                {at[at.size() / 4], middle},
                {int(text.size()), at[at.size() / 3]},
            };
            for (auto [anchor, caret] : starts)
                sequences.push_back({text, anchor, caret, {Step::pressed(key), undo, redo, Step::pressed(key)}});
        }
    }
    return sequences;
}

// Up, Down and the page keys from every position of lines of different widths, there and back: a
// proportional font puts the kept column between two characters of the other line.
std::vector<Sequence> verticalMoves()
{
    const QString texts[] = {
        QStringLiteral("Fun\n  ="),
        QStringLiteral("Func\n  y=0"),
        QStringLiteral("Function y=2cos(x^2)/x\n  x=1\n  y=1.0806"),
        QStringLiteral("iiil\nWWmw\n.,;:\n\nxy"),
    };
    const std::pair<QKeySequence::StandardKey, QKeySequence::StandardKey> keys[] = {
        {QKeySequence::MoveToPreviousLine, QKeySequence::MoveToNextLine},
        {QKeySequence::SelectNextLine, QKeySequence::SelectPreviousLine},
        {QKeySequence::MoveToNextPage, QKeySequence::MoveToPreviousPage},
        {QKeySequence::SelectPreviousPage, QKeySequence::SelectNextPage},
    };
    std::vector<Sequence> sequences;
    for (const QString& text : texts)
        for (const int at : positions(text))
            for (const auto& [there, back] : keys)
                sequences.push_back({text, at, at, {Step::pressed(there), Step::pressed(there), Step::pressed(back)}});
    return sequences;
}

std::vector<Sequence> walk(quint32 seed, bool multiLine)
{
    Walk random(seed, multiLine);
    std::vector<Sequence> sequences;
    for (int i = 0; i < 1000; ++i)
        sequences.push_back(random.sequence(30));
    return sequences;
}

quint32 seed()
{
    bool ok = false;
    const quint32 given = qEnvironmentVariable("PELLITOR_WALK_SEED").toUInt(&ok);
    return ok ? given : 19;
}

} // namespace

class tst_TextBoxDifferential : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the reference boxes follow X11's conventions only on the xcb platform");
        QVERIFY(QGuiApplication::clipboard()->supportsSelection());
    }

    void lineEveryKey()
    {
        auto pair = makeLinePair();
        compare(*pair, everyKey(LineTexts, std::size(LineTexts)));
    }
    void plainEveryKey()
    {
        auto pair = makePlainPair();
        compare(*pair, everyKey(PlainTexts, std::size(PlainTexts)));
    }

    void plainVerticalMovesInTheDesignFont()
    {
        pellitor::platform::registerDesignFonts();
        auto pair = makePlainPair(pellitor::platform::designFont());
        compare(*pair, verticalMoves());
    }

    // The cases the random walk meets only now and then, spelled out.
    void lineCases_data() { cases(false); }
    void lineCases()
    {
        QFETCH(Sequence, sequence);
        auto pair = makeLinePair();
        compare(*pair, {sequence});
    }
    void plainCases_data() { cases(true); }
    void plainCases()
    {
        QFETCH(Sequence, sequence);
        auto pair = makePlainPair();
        compare(*pair, {sequence});
    }

    void lineRandomWalk()
    {
        auto pair = makeLinePair();
        compare(*pair, walk(seed(), false));
    }
    void plainRandomWalk()
    {
        auto pair = makePlainPair();
        compare(*pair, walk(seed() + 1, true));
    }

private:
    static void cases(bool multiLine)
    {
        QTest::addColumn<Sequence>("sequence");
        const auto key = [](QKeySequence::StandardKey standard) { return Step::pressed(standard); };
        const auto type = &Step::typed;
        const auto at = [](Step::Kind kind, int position, int to = 0) { return Step::mouse(kind, position, to); };
        const auto text = [](Step::Kind kind, const QString& carried, int position = 0) {
            return Step::carrying(kind, carried, position);
        };
        const Step undo = key(QKeySequence::Undo);
        const Step backspace = Step::pressed(QKeyCombination(Qt::Key_Backspace));
        QTest::newRow("undo after backspace") << Sequence{"abc", 3, 3, {backspace, undo}};
        QTest::newRow("typing after a paste")
            << Sequence{"ab", 2, 2, {text(Step::SetClipboard, "cos"), key(QKeySequence::Paste), type("x"), undo, undo}};
        QTest::newRow("word typed over a selection")
            << Sequence{"2cos(x)", 1, 4, {type("s"), type("i"), type("n"), undo}};
        QTest::newRow("deletions grouped") << Sequence{"abcdef", 6, 6, {backspace, backspace, backspace, undo}};
        QTest::newRow("deletions forward grouped")
            << Sequence{"abcdef", 0, 0, {key(QKeySequence::Delete), key(QKeySequence::Delete), undo}};
        QTest::newRow("click, double click, triple click")
            << Sequence{"ab cd ef", 0, 0, {at(Step::Click, 4), at(Step::DoubleClick, 4), at(Step::TripleClick, 1)}};
        QTest::newRow("click inside a selection")
            << Sequence{"sin(x) + cos(yy)*12.5", 2, 8, {at(Step::Click, 5), at(Step::Click, 4)}};
        QTest::newRow("shift click") << Sequence{"ab cd ef", 1, 1, {Step::mouse(Step::Click, 5, 0, Qt::ShiftModifier)}};
        QTest::newRow("drag select") << Sequence{"ab cd ef", 0, 0, {at(Step::Drag, 1, 6)}};
        QTest::newRow("middle click") << Sequence{"ab cd",
                                                  0,
                                                  0,
                                                  {text(Step::SetSelection, "XY"), at(Step::MiddleClick, 2), undo}};
        QTest::newRow("drop") << Sequence{"abcd", 0, 0, {text(Step::Drop, "XY", 1), undo}};
        QTest::newRow("dead key") << Sequence{"x2", 1, 1, {Step::composing("^", "^"), undo}};
        QTest::newRow("pre-edit over a selection")
            << Sequence{"abcd", 1, 3, {text(Step::Preedit, "^"), text(Step::Commit, "\u00EA")}};
        QTest::newRow("selection by keys reaches the X11 selection")
            << Sequence{"ab cd",
                        0,
                        0,
                        {key(QKeySequence::SelectNextChar), key(QKeySequence::SelectEndOfLine),
                         key(QKeySequence::SelectAll)}};
        QTest::newRow("surrogate pair") << Sequence{
            "a\U0001F600b", 1, 1, {key(QKeySequence::MoveToNextChar), backspace, undo, key(QKeySequence::Delete)}};
        QTest::newRow("combining marks") << Sequence{"ae\u0301\u0302b",
                                                     1,
                                                     1,
                                                     {key(QKeySequence::MoveToNextChar), backspace,
                                                      key(QKeySequence::MoveToPreviousChar), key(QKeySequence::Delete),
                                                      undo}};
        if (multiLine) {
            QTest::newRow("column kept over short lines")
                << Sequence{"abc\ndefghij\nkl\nmnopqrstu",
                            10,
                            10,
                            {key(QKeySequence::MoveToNextLine), key(QKeySequence::MoveToNextLine),
                             key(QKeySequence::SelectPreviousLine), key(QKeySequence::MoveToPreviousPage),
                             key(QKeySequence::MoveToNextPage)}};
            QTest::newRow("word deletion at a line's start")
                << Sequence{"abc\ndefghij\nkl\nmnopqrstu", 12, 12, {key(QKeySequence::DeleteStartOfWord), undo}};
            QTest::newRow("word deletion before a line break")
                << Sequence{"\n ", 0, 0, {key(QKeySequence::DeleteEndOfWord)}};
            QTest::newRow("lines selected by a triple click and a drag, then Shift+Down")
                << Sequence{"Fun  x=1\n  y=1.0806",
                            3,
                            3,
                            {at(Step::DoubleClick, 13), at(Step::Drag, 13, 0), key(QKeySequence::SelectNextLine)}};
            QTest::newRow("Shift+Enter, then everything copied")
                << Sequence{"ab",
                            1,
                            1,
                            {Step::pressed(QKeyCombination(Qt::SHIFT | Qt::Key_Return)), type("c"),
                             key(QKeySequence::SelectAll), key(QKeySequence::Copy), undo}};
            const Step shiftEnter = Step::pressed(QKeyCombination(Qt::SHIFT | Qt::Key_Return));
            QTest::newRow("blanks before a Shift+Enter break, reached by Up and by a click")
                << Sequence{"a  bcd",
                            3,
                            3,
                            {shiftEnter, key(QKeySequence::MoveToNextChar), key(QKeySequence::MoveToNextChar),
                             key(QKeySequence::MoveToPreviousLine), at(Step::Click, 0), at(Step::Click, 2)}};
            QTest::newRow("double click on a line that holds only its Shift+Enter break")
                << Sequence{"ab", 2, 2, {shiftEnter, shiftEnter, at(Step::DoubleClick, 3)}};
            QTest::newRow("Delete over characters typed at different times")
                << Sequence{"ab",
                            1,
                            1,
                            {type("x"), key(QKeySequence::MoveToEndOfLine), type("y"),
                             key(QKeySequence::MoveToStartOfLine), key(QKeySequence::Delete), key(QKeySequence::Delete),
                             key(QKeySequence::Delete), undo, undo}};
            QTest::newRow("paste at the start")
                << Sequence{"ab\ncd",
                            0,
                            0,
                            {text(Step::SetClipboard, "XY"), key(QKeySequence::Paste), undo, key(QKeySequence::Redo)}};
        }
    }
};

QTEST_MAIN(tst_TextBoxDifferential)
#include "tst_TextBoxDifferential.moc"
