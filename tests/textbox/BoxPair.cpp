// Sends the same events to one of our text boxes and to the Qt box it stands in for.
#include "BoxPair.h"

#include "InputBox.h"
#include "ResultBox.h"

#include <QClipboard>
#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace pellitor::testing {

namespace {

QString visible(QString text)
{
    // Line breaks, blanks and characters outside ASCII spelled out, so that a failure reads plainly.
    QString out;
    for (const QChar c : text) {
        if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QFont boxFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPixelSize(13);
    return font;
}

// The desktop's two clipboards as the boxes left them. Reading a clipboard asks the X server who
// owns it, so the texts are read once after each change (the boxes change them seldom) and kept.
class Clipboards : public QObject {
public:
    static Clipboards& instance()
    {
        static Clipboards clipboards;
        return clipboards;
    }
    QString text(QClipboard::Mode mode) const { return mode == QClipboard::Clipboard ? m_clipboard : m_selection; }
    // Sets them back (before the second box gets the same event).
    void set(const QString& clipboard, const QString& selection)
    {
        QClipboard* board = QGuiApplication::clipboard();
        if (clipboard != m_clipboard)
            board->setText(clipboard, QClipboard::Clipboard);
        if (selection != m_selection)
            board->setText(selection, QClipboard::Selection);
    }

private:
    Clipboards()
    {
        QClipboard* board = QGuiApplication::clipboard();
        connect(board, &QClipboard::changed, this, [this, board](QClipboard::Mode mode) {
            (mode == QClipboard::Clipboard ? m_clipboard : m_selection) = board->text(mode);
        });
        // Both start empty and ours: under Xvfb, Qt's plain text box crashed pasting from a
        // clipboard that no program owned.
        board->setText(QString(), QClipboard::Clipboard);
        board->setText(QString(), QClipboard::Selection);
    }
    QString m_clipboard;
    QString m_selection;
};

void setClipboards(const QString& clipboard, const QString& selection)
{
    Clipboards::instance().set(clipboard, selection);
}

BoxState withClipboards(BoxState state)
{
    state.clipboard = Clipboards::instance().text(QClipboard::Clipboard);
    state.selection = Clipboards::instance().text(QClipboard::Selection);
    return state;
}

BoxState ourState(const TextBoxBase& box)
{
    BoxState state;
    state.text = box.text();
    state.caret = box.cursorPosition();
    state.anchor = box.hasSelectedText() && box.selectionStart() == state.caret
                       ? state.caret + int(box.selectedText().size())
                   : box.hasSelectedText() ? box.selectionStart()
                                           : state.caret;
    return withClipboards(state);
}

void sendKey(QWidget* box, QKeyCombination key, const QString& text)
{
    QTest::sendKeyEvent(QTest::Press, box, key.key(), text, key.keyboardModifiers());
    QTest::sendKeyEvent(QTest::Release, box, key.key(), text, key.keyboardModifiers());
}

void press(QWidget* target, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    QTest::mousePress(target, button, modifiers, at);
}

void release(QWidget* target, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    QTest::mouseRelease(target, button, modifiers, at);
}

void drop(QWidget* target, const QString& text, QPoint at)
{
    QMimeData data;
    data.setText(text);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent dropped(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.setDropAction(Qt::CopyAction);
    QApplication::sendEvent(target, &dropped);
}

// Both boxes of a pair are children of one window; each sequence gets fresh ones, so that no timer (a triple click's)
// or remembered word outlives it.
template <class Reference, class Ours>
class Pair : public BoxPair {
public:
    Pair(QSize size, const QFont& font) : m_size(size), m_font(font)
    {
        // Shown but not mapped: the boxes get every event and lay out for their size, and
        // nothing is painted.
        m_window.setAttribute(Qt::WA_DontShowOnScreen);
        m_window.resize(size.width() + 20, 2 * size.height() + 30);
        m_window.show();
    }
    QWidget* reference() override { return m_reference.get(); }
    QWidget* ours() override { return m_ours.get(); }

protected:
    void renew()
    {
        m_reference = std::make_unique<Reference>(&m_window);
        m_ours = std::make_unique<Ours>(&m_window);
        int top = 5;
        for (QWidget* box : {static_cast<QWidget*>(m_reference.get()), static_cast<QWidget*>(m_ours.get())}) {
            box->setFont(m_font);
            box->setGeometry(QRect(QPoint(5, top), m_size));
            box->show();
            top += m_size.height() + 10;
        }
    }

    QWidget m_window;
    QSize m_size;
    QFont m_font;
    std::unique_ptr<Reference> m_reference;
    std::unique_ptr<Ours> m_ours;
};

// A Qt line edit with its selection draggable, as ours is (for a drag; see beforeStep).
class LinePair final : public Pair<QLineEdit, InputBox> {
public:
    LinePair() : Pair({900, 30}, boxFont()) {}
    void reset(const QString& text, int anchor, int caret) override
    {
        renew();
        m_reference->setDragEnabled(true);
        m_reference->setText(text);
        m_reference->setSelection(anchor, caret - anchor);
        if (anchor == caret)
            m_reference->setCursorPosition(caret);
        m_ours->setText(text);
        m_ours->setSelection(anchor, caret - anchor);
    }
    BoxState state(QWidget* box) const override
    {
        if (box != m_reference.get())
            return ourState(*m_ours);
        const QLineEdit& edit = *m_reference;
        BoxState state;
        state.text = edit.text();
        state.caret = edit.cursorPosition();
        state.anchor = !edit.hasSelectedText()                ? state.caret
                       : edit.selectionStart() == state.caret ? edit.selectionEnd()
                                                              : edit.selectionStart();
        return withClipboards(state);
    }
    std::optional<QPoint> pointAt(int position) override
    {
        // The middle of the widest run of pixels at which a click lands on position.
        const QLineEdit& edit = *m_reference;
        const int y = edit.height() / 2;
        int bestStart = -1, bestLength = 0, runStart = -1;
        for (int x = 0; x <= edit.width(); ++x) {
            const bool here = x < edit.width() && m_reference->cursorPositionAt(QPoint(x, y)) == position;
            if (here && runStart < 0)
                runStart = x;
            if (!here && runStart >= 0) {
                if (x - runStart > bestLength) {
                    bestStart = runStart;
                    bestLength = x - runStart;
                }
                runStart = -1;
            }
        }
        if (bestStart < 0)
            return std::nullopt;
        return QPoint(bestStart + bestLength / 2, y);
    }
    QWidget* mouseTarget(QWidget* box) const override { return box == m_ours.get() ? m_ours->viewport() : box; }
    void beforeStep(const Step& step) override
    {
        // Deliberate difference (README): a press in the selection of Qt's line edit whose
        // selection can be dragged, released without a drag, drops the selection and leaves the
        // caret; ours puts the caret where the button went up, as a line edit with nothing to
        // drag does on a click. So a click goes to such a line edit, and a drag to a draggable
        // one, which ends the comparison when it started no drag.
        m_reference->setDragEnabled(step.kind == Step::Drag);
        m_dragFromSelection = step.kind == Step::Drag && m_reference->hasSelectedText();
        m_caretBefore = m_reference->cursorPosition();
    }
    bool comparable() const override
    {
        const bool pressedWithoutDrag = m_dragFromSelection && !m_reference->hasSelectedText()
                                        && m_reference->cursorPosition() == m_caretBefore;
        // Deliberate differences (README): Qt's line edit turns right to left when its text starts
        // with a right-to-left letter, ours stays left to right; after some redos it leaves its
        // caret past the end of the text, or a broken selection (starting at -1, after redoing
        // the deletion of one character selected leftwards); ours keeps both within the text.
        return !pressedWithoutDrag && !m_reference->text().isRightToLeft()
               && m_reference->cursorPosition() <= m_reference->text().size()
               && !(m_reference->hasSelectedText() && m_reference->selectionStart() < 0);
    }

private:
    bool m_dragFromSelection = false;
    int m_caretBefore = 0;
};

// Deliberate difference (README): Qt's box orders right-to-left letters as one paragraph across
// the line breaks of Shift+Enter (line separators), ours orders each line on its own.
bool ordersAcrossLineSeparators(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.contains(QChar::LineSeparator))
            continue;
        for (const char32_t c : text.toUcs4())
            if (QChar::direction(c) == QChar::DirR || QChar::direction(c) == QChar::DirAL)
                return true;
    }
    return false;
}

// A Qt plain text box laid out left to right, whose Tab key moves the focus, as ours does.
class PlainPair final : public Pair<QPlainTextEdit, ResultBox> {
public:
    explicit PlainPair(const QFont& font) : Pair({900, 300}, font) {}
    void resetBoxes(const QString& text, int anchor, int caret)
    {
        renew();
        QTextOption option = m_reference->document()->defaultTextOption();
        option.setTextDirection(Qt::LeftToRight);
        m_reference->document()->setDefaultTextOption(option);
        m_reference->setTabChangesFocus(true);
        m_reference->setPlainText(text);
        QTextCursor cursor = m_reference->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(caret, QTextCursor::KeepAnchor);
        m_reference->setTextCursor(cursor);
        m_ours->setPlainText(text);
        m_ours->setSelection(anchor, caret - anchor);
    }
    BoxState state(QWidget* box) const override
    {
        if (box != m_reference.get())
            return ourState(*m_ours);
        // The text as the box reads it back: line breaks, those of Shift+Enter too, as "\n" (but
        // no-break spaces kept, see README).
        BoxState state;
        state.text = m_reference->document()
                         ->toRawText()
                         .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
                         .replace(QChar::LineSeparator, QLatin1Char('\n'));
        state.caret = m_reference->textCursor().position();
        state.anchor = m_reference->textCursor().anchor();
        return withClipboards(state);
    }
    std::optional<QPoint> pointAt(int position) override
    {
        if (position > m_reference->document()->characterCount() - 1)
            return std::nullopt;
        QTextCursor cursor(m_reference->document());
        cursor.setPosition(position);
        const QPoint centre = m_reference->cursorRect(cursor).center();
        if (!m_reference->viewport()->rect().contains(centre))
            return std::nullopt;
        return centre;
    }
    QWidget* mouseTarget(QWidget* box) const override
    {
        return box == m_ours.get() ? m_ours->viewport() : m_reference->viewport();
    }
    void beforeStep(const Step& step) override
    {
        // Deliberate difference (README): Enter with the caret on an empty line makes Qt's box
        // first reset the line's formats, steps of its undo history that change no character.
        const bool enter = step.kind == Step::Key && step.key.keyboardModifiers() == Qt::NoModifier
                           && (step.key.key() == Qt::Key_Return || step.key.key() == Qt::Key_Enter);
        if (enter && m_reference->textCursor().block().text().isEmpty())
            m_left = true;
    }
    bool comparable() const override { return !m_left && !ordersAcrossLineSeparators(*m_reference->document()); }
    void reset(const QString& text, int anchor, int caret) override;

private:
    bool m_left = false;
};

void PlainPair::reset(const QString& text, int anchor, int caret)
{
    m_left = false;
    resetBoxes(text, anchor, caret);
}

} // namespace

QString BoxState::describe() const
{
    return QStringLiteral("\"%1\" caret %2 anchor %3, clipboard \"%4\", selection \"%5\"")
        .arg(visible(text))
        .arg(caret)
        .arg(anchor)
        .arg(visible(clipboard), visible(selection));
}

QString Step::describe() const
{
    switch (kind) {
    case Key: return QKeySequence(key).toString();
    case Type: return QStringLiteral("type \"%1\"").arg(visible(text));
    case Click:
        return QStringLiteral("%1click at %2")
            .arg(key.keyboardModifiers() ? QStringLiteral("shift-") : QString())
            .arg(at);
    case DoubleClick: return QStringLiteral("double click at %1").arg(at);
    case TripleClick: return QStringLiteral("triple click at %1").arg(at);
    case Drag: return QStringLiteral("drag from %1 to %2").arg(at).arg(to);
    case MiddleClick: return QStringLiteral("middle click at %1").arg(at);
    case Preedit: return QStringLiteral("input method composes \"%1\"").arg(visible(text));
    case Commit: return QStringLiteral("input method commits \"%1\"").arg(visible(text));
    case Compose:
        return QStringLiteral("input method composes \"%1\", commits \"%2\"").arg(visible(text), visible(commit));
    case Drop: return QStringLiteral("drop \"%1\" at %2").arg(visible(text)).arg(at);
    case SetClipboard: return QStringLiteral("clipboard \"%1\"").arg(visible(text));
    case SetSelection: return QStringLiteral("selection \"%1\"").arg(visible(text));
    }
    return {};
}

QString Sequence::describe() const
{
    QStringList described;
    for (const Step& step : steps)
        described << step.describe();
    return QStringLiteral("start \"%1\" anchor %2 caret %3; %4")
        .arg(visible(text))
        .arg(anchor)
        .arg(caret)
        .arg(described.join(QLatin1String(", ")));
}

void BoxPair::apply(QWidget* box, const Step& step, std::optional<QPoint> at, std::optional<QPoint> to)
{
    QWidget* target = mouseTarget(box);
    switch (step.kind) {
    case Step::Key: QTest::keyClick(box, step.key.key(), step.key.keyboardModifiers()); break;
    case Step::Type: {
        const QChar first = step.text.isEmpty() ? QChar() : step.text.front();
        const Qt::Key key = step.text.size() == 1 && first.unicode() < 0x7F ? Qt::Key(first.toUpper().unicode())
                                                                            : Qt::Key_unknown;
        sendKey(box, QKeyCombination(step.key.keyboardModifiers(), key), step.text);
        break;
    }
    case Step::Click:
    case Step::DoubleClick:
    case Step::TripleClick:
    case Step::MiddleClick: {
        if (!at)
            break;
        const Qt::MouseButton button = step.kind == Step::MiddleClick ? Qt::MiddleButton : Qt::LeftButton;
        const Qt::KeyboardModifiers modifiers = step.key.keyboardModifiers();
        press(target, button, modifiers, *at);
        release(target, button, modifiers, *at);
        if (step.kind == Step::DoubleClick || step.kind == Step::TripleClick) {
            press(target, button, modifiers, *at);
            QTest::mouseDClick(target, button, modifiers, *at);
            release(target, button, modifiers, *at);
        }
        if (step.kind == Step::TripleClick) {
            press(target, button, modifiers, *at);
            release(target, button, modifiers, *at);
        }
        break;
    }
    case Step::Drag: {
        if (!at || !to)
            break;
        // A drag out of the selection starts the desktop's drag, which waits for the real pointer:
        // each is called off at once, in both boxes alike.
        QTimer canceller;
        QObject::connect(&canceller, &QTimer::timeout, [] { QDrag::cancel(); });
        canceller.start(20);
        press(target, Qt::LeftButton, {}, *at);
        for (int i = 1; i <= 3; ++i)
            QTest::mouseMove(target, *at + (*to - *at) * i / 3);
        release(target, Qt::LeftButton, {}, *to);
        break;
    }
    case Step::Preedit: {
        const QList<QInputMethodEvent::Attribute> attributes{
            {QInputMethodEvent::Cursor, int(step.text.size()), 1, QVariant()}};
        QInputMethodEvent event(step.text, attributes);
        QApplication::sendEvent(box, &event);
        break;
    }
    case Step::Commit:
    case Step::Compose: {
        if (step.kind == Step::Compose) {
            const QList<QInputMethodEvent::Attribute> attributes{
                {QInputMethodEvent::Cursor, int(step.text.size()), 1, QVariant()}};
            QInputMethodEvent composing(step.text, attributes);
            QApplication::sendEvent(box, &composing);
        }
        QInputMethodEvent event;
        event.setCommitString(step.kind == Step::Compose ? step.commit : step.text);
        QApplication::sendEvent(box, &event);
        break;
    }
    case Step::Drop:
        if (at)
            drop(target, step.text, *at);
        break;
    case Step::SetClipboard:
    case Step::SetSelection: break;
    }
    QCoreApplication::processEvents();
}

int BoxPair::firstDifference(const Sequence& sequence, QString* log)
{
    setClipboards(QString(), QString());
    reset(sequence.text, sequence.anchor, sequence.caret);
    if (state(reference()) != state(ours())) {
        if (log)
            *log = QStringLiteral("start: Qt %1\n       ours %2")
                       .arg(state(reference()).describe(), state(ours()).describe());
        return 0;
    }
    int number = 0;
    for (const Step& step : sequence.steps) {
        ++number;
        if (step.kind == Step::SetClipboard || step.kind == Step::SetSelection) {
            QGuiApplication::clipboard()->setText(step.text, step.kind == Step::SetClipboard ? QClipboard::Clipboard
                                                                                             : QClipboard::Selection);
            continue;
        }
        const BoxState before = state(ours());
        const bool pointed = step.kind == Step::Click || step.kind == Step::DoubleClick
                             || step.kind == Step::TripleClick || step.kind == Step::Drag
                             || step.kind == Step::MiddleClick || step.kind == Step::Drop;
        const std::optional<QPoint> at = pointed ? pointAt(step.at) : std::nullopt;
        const std::optional<QPoint> to = step.kind == Step::Drag ? pointAt(step.to) : std::nullopt;
        beforeStep(step);
        apply(reference(), step, at, to);
        const BoxState expected = state(reference());
        if (!comparable()) {
            ++m_leftEarly;
            return -1;
        }
        setClipboards(before.clipboard, before.selection);
        apply(ours(), step, at, to);
        const BoxState actual = state(ours());
        if (log)
            *log += QStringLiteral("%1. %2\n   Qt   %3\n   ours %4\n")
                        .arg(number)
                        .arg(step.describe(), expected.describe(), actual.describe());
        setClipboards(expected.clipboard, expected.selection);
        if (expected != actual)
            return number;
    }
    return -1;
}

Sequence BoxPair::shrink(Sequence sequence)
{
    // Cut the steps after the difference, then drop single steps while the difference stays.
    const int failing = firstDifference(sequence);
    if (failing > 0)
        sequence.steps.resize(failing);
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (std::size_t i = sequence.steps.size(); i-- > 0;) {
            Sequence shorter = sequence;
            shorter.steps.erase(shorter.steps.begin() + i);
            const int differs = firstDifference(shorter);
            if (differs >= 0) {
                shorter.steps.resize(std::max(differs, 0));
                sequence = shorter;
                dropped = true;
            }
        }
    }
    return sequence;
}

std::unique_ptr<BoxPair> makeLinePair()
{
    return std::make_unique<LinePair>();
}

std::unique_ptr<BoxPair> makePlainPair(std::optional<QFont> font)
{
    return std::make_unique<PlainPair>(font.value_or(boxFont()));
}

} // namespace pellitor::testing
