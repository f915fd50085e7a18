// The calculator's one-line input box. Keys, mouse, input methods and drops follow Qt's line edit;
// the editing itself is LineEditing's. For showing the text it keeps the index of the first
// character that shows and lays out only a run from there to the right edge (with a few
// characters of context before it for shaping): scrolling, the caret and the mouse are all
// measured on such short runs.
#include "InputBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace pellitor {

namespace {

// Characters laid out before the first one shown, so that it is shaped as in the whole text.
constexpr int Context = 16;
// The first run laid out; it grows fourfold until it reaches the edge of the box.
constexpr int FirstSpan = 256;
// No run grows beyond this, even over characters that take no room (a run of combining marks):
// a run this long of visible characters is wider than any box.
constexpr int LongestSpan = 1 << 10;
// Between the frame's inside and the text, as in Qt's own line edit.
constexpr int HorizontalMargin = 2;
// Steps from a guess to the first character that fits: in right-to-left text the x of a position
// is no longer in order, and a few steps decide it as well as many.
constexpr int FittingSteps = 8;

// A position that does not split a surrogate pair: moved back onto the pair's start.
int pairStart(const QString& text, int position)
{
    if (position > 0 && position < text.size() && text.at(position).isLowSurrogate()
        && text.at(position - 1).isHighSurrogate())
        return position - 1;
    return position;
}

} // namespace

InputBox::InputBox(QWidget* parent) : TextBoxBase(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The style paints the panel, rounded corners and all, over the window's own background.
    viewport()->setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_MacShowFocusRect);
}

int InputBox::caretPosition() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void InputBox::insertAtCaret(const QString& text)
{
    userEdit([&] {
        m_editing.moveCursor(caretPosition(), false);
        m_editing.insert(text);
    });
}

bool InputBox::backspaceAtCaret()
{
    if (caretPosition() == 0)
        return false;
    userEdit([&] {
        m_editing.moveCursor(caretPosition(), false);
        m_editing.backspace();
    });
    return true;
}

void InputBox::replaceContent(const QString& text)
{
    setPreedit(QString(), 0);
    m_editing.replaceAll(text, 0);
    changed(true, false);
}

QSize InputBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * HorizontalMargin,
                     std::max(metrics.height(), 14) + 2);
    const QStyleOptionFrame option = panelOption();
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
}

QSize InputBox::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const QStyleOptionFrame option = panelOption();
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(metrics.maxWidth(), metrics.height() + 2),
                                     this);
}

bool InputBox::editKey(QKeyEvent* event)
{
    LineEditing& e = m_editing;
    const EditableText& c = content();
    const int caret = c.caret();
    const int size = c.size();
    const auto matches = [event](QKeySequence::StandardKey key) { return event->matches(key); };
    const auto copyAndDelete = [&] {
        copy();
        e.del();
    };
    if (matches(QKeySequence::Undo)) {
        e.undo();
    } else if (matches(QKeySequence::Redo)) {
        e.redo();
    } else if (matches(QKeySequence::SelectAll)) {
        e.selectAll();
    } else if (matches(QKeySequence::Copy)) {
        copy();
    } else if (matches(QKeySequence::Paste)) {
        // On X11, Ctrl+Shift+Insert pastes the selection rather than the clipboard.
        const bool selection = event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                               && event->key() == Qt::Key_Insert;
        e.paste(QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
    } else if (matches(QKeySequence::Cut)) {
        if (c.hasSelection())
            copyAndDelete();
    } else if (matches(QKeySequence::DeleteEndOfLine)) {
        e.setSelection(caret, size);
        copyAndDelete();
    } else if (matches(QKeySequence::MoveToStartOfLine) || matches(QKeySequence::MoveToStartOfBlock)) {
        e.moveCursor(0, false);
    } else if (matches(QKeySequence::MoveToEndOfLine) || matches(QKeySequence::MoveToEndOfBlock)) {
        e.moveCursor(size, false);
    } else if (matches(QKeySequence::SelectStartOfLine) || matches(QKeySequence::SelectStartOfBlock)) {
        e.moveCursor(0, true);
    } else if (matches(QKeySequence::SelectEndOfLine) || matches(QKeySequence::SelectEndOfBlock)) {
        e.moveCursor(size, true);
    } else if (matches(QKeySequence::MoveToNextChar)) {
        // A step with a selection lands on its edge (the X11 convention).
        e.moveCursor(c.hasSelection() ? c.selectionEnd() : c.nextCharacter(caret, true), false);
    } else if (matches(QKeySequence::SelectNextChar)) {
        e.moveCursor(c.nextCharacter(caret, true), true);
    } else if (matches(QKeySequence::MoveToPreviousChar)) {
        e.moveCursor(c.hasSelection() ? c.selectionStart() : c.previousCharacter(caret, true), false);
    } else if (matches(QKeySequence::SelectPreviousChar)) {
        e.moveCursor(c.previousCharacter(caret, true), true);
    } else if (matches(QKeySequence::MoveToNextWord) || matches(QKeySequence::SelectNextWord)) {
        e.moveCursor(c.nextWord(caret, size, true), matches(QKeySequence::SelectNextWord));
    } else if (matches(QKeySequence::MoveToPreviousWord) || matches(QKeySequence::SelectPreviousWord)) {
        e.moveCursor(c.previousWord(caret, 0, true), matches(QKeySequence::SelectPreviousWord));
    } else if (matches(QKeySequence::Delete)) {
        e.del();
    } else if (matches(QKeySequence::DeleteEndOfWord)) {
        // The word step extends a selection there is, and the deletion takes all of it; where the
        // step selects nothing the line edit deletes the next character.
        e.moveCursor(c.nextWord(caret, size, true), true);
        e.del();
    } else if (matches(QKeySequence::DeleteStartOfWord)) {
        e.moveCursor(c.previousWord(caret, 0, true), true);
        if (c.hasSelection())
            e.del();
    } else if (matches(QKeySequence::DeleteCompleteLine)) {
        e.setSelection(0, size);
        copyAndDelete();
    } else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & Qt::ControlModifier)) {
        e.backspace();
    } else if (event->key() == Qt::Key_Direction_L || event->key() == Qt::Key_Direction_R) {
        // The box always runs left to right: a formula reads that way.
    } else if (isAcceptableInput(event, false)) {
        e.insert(event->text());
        return true;
    } else {
        return false;
    }
    copyToSelection();
    return true;
}

void InputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    bool handled = false;
    userEdit([&] { return handled = editKey(event); });
    event->setAccepted(handled);
}

void InputBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const bool gettingInput = !commit.isEmpty() || event->preeditString() != preeditText()
                              || event->replacementLength() > 0;
    userEdit([&] {
        EditableText& c = content();
        if (gettingInput && c.hasSelection())
            m_editing.del();
        int after = c.caret();
        if (event->replacementStart() <= 0)
            after += int(commit.size()) - std::min(-event->replacementStart(), event->replacementLength());
        c.moveCaret(std::max(0, c.caret() + event->replacementStart()));
        if (event->replacementLength() > 0) {
            c.select(c.caret(), c.caret() + event->replacementLength());
            m_editing.del();
        }
        if (!commit.isEmpty())
            m_editing.insert(commit);
        else
            c.moveCaret(after);
        int cursor = int(event->preeditString().size());
        for (const QInputMethodEvent::Attribute& attribute : event->attributes())
            if (attribute.type == QInputMethodEvent::Cursor)
                cursor = attribute.length ? attribute.start : -1;
        setPreedit(event->preeditString(), cursor);
        contentChanged();
    });
    event->accept();
}

bool InputBox::inSelection(const QPoint& point)
{
    if (!hasSelectedText())
        return false;
    const Run& shown = shownRun();
    const qreal x = point.x() - textRect().x() + shown.x(m_first);
    const int on = shown.inText(shown.layout.lineAt(0).xToCursor(x, QTextLine::CursorOnCharacter));
    return on >= content().selectionStart() && on < content().selectionEnd();
}

void InputBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pressedAt = at;
    if (event->button() == Qt::RightButton)
        return;
    userEdit([&] {
        if (!preeditText().isEmpty()) {
            QGuiApplication::inputMethod()->commit();
            setPreedit(QString(), 0);
            contentChanged();
        }
        if (m_tripleClick.isActive() && (at - m_tripleClickAt).manhattanLength() < QApplication::startDragDistance()) {
            m_editing.selectAll();
            return;
        }
        const bool mark = event->modifiers() & Qt::ShiftModifier;
        if (!mark && event->button() == Qt::LeftButton && inSelection(at))
            m_dragDelay.start(QApplication::startDragTime(), this);
        else
            m_editing.moveCursor(positionAt(at), mark);
    });
}

void InputBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    if (m_dragDelay.isActive()) {
        if ((at - m_pressedAt).manhattanLength() > QApplication::startDragDistance()) {
            m_dragDelay.stop();
            if (dragSelection(Qt::CopyAction, Qt::CopyAction))
                userEdit([this] { m_editing.del(); });
        }
        return;
    }
    userEdit([&] { m_editing.moveCursor(positionAt(at), true); });
}

void InputBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragDelay.isActive()) {
        // The press in the selection started no drag: it was a click, which puts the caret where
        // it landed, with nothing selected.
        m_dragDelay.stop();
        const QPoint at = event->position().toPoint();
        userEdit([&] { m_editing.moveCursor(positionAt(at), false); });
        return;
    }
    if (!QGuiApplication::clipboard()->supportsSelection())
        return;
    if (event->button() == Qt::LeftButton) {
        copyToSelection();
    } else if (event->button() == Qt::MiddleButton) {
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        userEdit([&] {
            m_editing.deselect();
            m_editing.paste(selection);
        });
    }
}

void InputBox::selectWordAt(int position)
{
    const EditableText& c = content();
    const int next = std::min(position + 1, c.size());
    const int start = c.previousWord(next, 0, true);
    m_editing.moveCursor(start, false);
    int end = c.nextWord(start, c.size(), true);
    while (end > position && c.text().at(end - 1).isSpace())
        --end;
    m_editing.moveCursor(end, true);
}

void InputBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    userEdit([&] { selectWordAt(positionAt(at)); });
    m_tripleClick.start(QApplication::doubleClickInterval(), this);
    m_tripleClickAt = at;
}

void InputBox::dragOver(int position)
{
    if (position >= 0)
        userEdit([&] { m_editing.moveCursor(position, false); });
}

void InputBox::dropText(const QString& text, int position, bool fromHere, bool move)
{
    // As the line edit does: a copy within the box drops the selection first; the dropped text
    // comes out selected when it came from this box.
    if (fromHere && !move)
        m_editing.deselect();
    const int oldStart = content().hasSelection() ? content().selectionStart() : -1;
    const int oldEnd = content().hasSelection() ? content().selectionEnd() : -1;
    m_editing.moveCursor(position, false);
    m_editing.insert(text);
    if (!fromHere)
        return;
    const int length = int(text.size());
    if (move && position > oldStart && position <= oldEnd)
        m_editing.setSelection(oldStart, length);
    else if (move && position > oldEnd)
        m_editing.setSelection(position - length, length);
    else
        m_editing.setSelection(position, length);
}

void InputBox::focusInEvent(QFocusEvent* event)
{
    // As in any line edit, Tab into the box selects what it holds.
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        && !hasSelectedText())
        selectAll();
    TextBoxBase::focusInEvent(event);
}

void InputBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_dragDelay.timerId()) {
        // Held long enough in the selection without moving: the drag starts.
        m_dragDelay.stop();
        if (dragSelection(Qt::CopyAction, Qt::CopyAction))
            userEdit([this] { m_editing.del(); });
        return;
    }
    TextBoxBase::timerEvent(event);
}

QStyleOptionFrame InputBox::panelOption() const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    return option;
}

QRect InputBox::textRect() const
{
    const QStyleOptionFrame option = panelOption();
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int height = QFontMetrics(font()).height();
    const int top = inside.y() + (inside.height() - height + 1) / 2;
    return {inside.x() + HorizontalMargin, top, inside.width() - 2 * HorizontalMargin, height};
}

void InputBox::layOutRun(Run& run, int start, int end)
{
    const QString& text = content().text();
    run.start = pairStart(text, std::max(0, start - Context));
    run.end = end < text.size() && end > 0 && text.at(end).isLowSurrogate() ? end + 1 : end;
    layOut(run.layout, run.start, run.end);
    const int caret = content().caret();
    const bool composing = !preeditText().isEmpty() && run.start <= caret && caret <= run.end;
    run.preeditAt = composing ? caret - run.start : -1;
    run.preeditLength = int(preeditText().size());
}

qreal InputBox::shownWidth(const Run& run, int from)
{
    // The run's width less the context before from. Right-to-left text puts positions out of
    // order, so this asks the line for its width rather than subtracting two positions' x.
    return run.layout.lineAt(0).naturalTextWidth() - std::max<qreal>(0, run.x(from) - run.x(run.start));
}

const InputBox::Run& InputBox::shownRun()
{
    if (m_shownValid)
        return m_shown;
    const int size = content().size();
    const qreal width = textRect().width();
    for (int span = FirstSpan;; span *= 4) {
        layOutRun(m_shown, m_first, std::min(size, m_first + span));
        if (m_shown.end >= size || shownWidth(m_shown, m_first) > width || span >= LongestSpan)
            break;
    }
    m_shownValid = true;
    return m_shown;
}

int InputBox::firstFitting(int end, qreal width)
{
    Run run;
    int start = end;
    for (int span = FirstSpan;; span *= 4) {
        start = std::max(0, end - span);
        layOutRun(run, start, end);
        if (start == 0 || shownWidth(run, start) > width || span >= LongestSpan)
            break;
    }
    const qreal target = run.x(end) - width;
    int first = run.inText(run.layout.lineAt(0).xToCursor(target, QTextLine::CursorBetweenCharacters));
    for (int step = 0; step < FittingSteps && first < end && run.x(first) < target; ++step)
        first = content().nextCharacter(first);
    return std::clamp(first, start, end);
}

void InputBox::contentChanged()
{
    m_first = std::min(m_first, content().size());
    m_shownValid = false;
}

void InputBox::ensureVisible(int position)
{
    const qreal width = textRect().width() - 1; // the caret's own pixel stays inside
    if (position < m_first) {
        // Scrolled left: the position stands at the left edge.
        m_first = position;
        m_shownValid = false;
    } else {
        const Run& shown = shownRun();
        if (position > shown.end || shown.x(position) - shown.x(m_first) > width) {
            m_first = firstFitting(position, width);
            m_shownValid = false;
        }
    }
    // No empty room at the right while text is hidden at the left.
    if (m_first > 0) {
        const Run& shown = shownRun();
        const int size = content().size();
        if (shown.end == size && shown.x(size) - shown.x(m_first) < width) {
            m_first = firstFitting(size, width);
            m_shownValid = false;
        }
    }
}

int InputBox::positionAt(const QPoint& point)
{
    const Run& shown = shownRun();
    const qreal x = point.x() - textRect().x() + shown.x(m_first);
    const int position = shown.inText(shown.layout.lineAt(0).xToCursor(x, QTextLine::CursorBetweenCharacters));
    return std::clamp(position, 0, content().size());
}

QRect InputBox::caretRect()
{
    const Run& shown = shownRun();
    const QRect text = textRect();
    const int caret = std::clamp(content().caret(), shown.start, shown.end);
    const int composed = shown.preeditAt >= 0 ? preeditCursor() : 0;
    const qreal x = shown.layout.lineAt(0).cursorToX(shown.inLayout(caret) + composed);
    const int left = text.x() + qRound(x - shown.x(m_first));
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    return {left, text.y(), width, text.height()};
}

QRect InputBox::characterRect(int position)
{
    const Run& shown = shownRun();
    if (position < m_first || position >= shown.end)
        return {};
    const QRect text = textRect();
    const qreal left = shown.x(position) - shown.x(m_first);
    if (left >= text.width())
        return {};
    const qreal right = shown.x(content().nextCharacter(position)) - shown.x(m_first);
    return columns(text.x() + left, text.x() + right, text.y(), text.height());
}

int InputBox::lineStart(int)
{
    return 0;
}

int InputBox::lineEnd(int)
{
    return content().size();
}

void InputBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QStyleOptionFrame panel = panelOption();
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    painter.setClipRect(inside);
    const Run& shown = shownRun();
    const QRect text = textRect();
    painter.setPen(palette().text().color());
    shown.layout.draw(&painter, QPointF(text.x() - shown.x(m_first), text.y()), selectionIn(shown.start, shown.end),
                      inside);
    if (caretShown())
        painter.fillRect(caretRect(), palette().text());
}

} // namespace pellitor
