// The result box. Keys, mouse, input methods and drops follow Qt's plain text box; the editing
// itself is DocumentEditing's, the lines ResultLines'. A line is laid out only when it shows, and
// its layout kept until the text changes. Lines are laid out kerned, as in Qt's text box, so that
// Up and Down keep the same column as there; their breaks were placed by the characters' own
// widths, which kerning changes by a fraction of a pixel a pair, mostly narrowing the line.
#include "ResultBox.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace pellitor {

namespace {

// Around the text, as in Qt's own text documents.
constexpr int Margin = 4;
// Laid-out lines kept for repainting; scrolling far away starts afresh.
constexpr std::size_t KeptLayouts = 256;

} // namespace

ResultBox::ResultBox(QWidget* parent) : TextBoxBase(parent)
{
    m_editing.track(&m_clickedWord);
    m_editing.track(&m_clickedLine);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contentChanged();
}

void ResultBox::setPlainText(const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    m_column.reset();
    setText(lines);
    setCursorPosition(0);
}

void ResultBox::clearContent()
{
    m_column.reset();
    content().select(0, content().size());
    m_editing.removeSelectedText();
    changed(true, false);
}

qreal ResultBox::wrapWidth() const
{
    return viewport()->width() - 2 * Margin;
}

void ResultBox::contentChanged()
{
    // The widths are measured afresh only for a new font: an edit or a resize keeps them.
    m_lines.setFont(textFont());
    m_layouts.clear();
    m_lineHeight = std::max(1, int(std::ceil(QFontMetricsF(textFont()).height())));
    m_lines.wrap(content().text(), wrapWidth());
    QScrollBar* bar = verticalScrollBar();
    const int page = linesPerPage();
    bar->setRange(0, std::max(0, visualLineCount() - page));
    bar->setPageStep(page);
    bar->setSingleStep(1);
}

void ResultBox::contentEdited(const EditableText::Span& span)
{
    m_layouts.clear();
    m_column.reset();
    m_lines.rewrap(content().text(), wrapWidth(), span);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, visualLineCount() - linesPerPage()));
}

int ResultBox::linesPerPage() const
{
    return std::max(1, (viewport()->height() - Margin) / m_lineHeight);
}

int ResultBox::lineTop(int line) const
{
    return Margin + (line - verticalScrollBar()->value()) * m_lineHeight;
}

const QTextLayout& ResultBox::lineLayout(int line)
{
    auto kept = m_layouts.find(line);
    if (kept != m_layouts.end())
        return *kept->second;
    if (m_layouts.size() >= KeptLayouts)
        m_layouts.clear();
    auto layout = std::make_unique<QTextLayout>();
    const auto [start, end] = visualLine(line);
    layOut(*layout, start, end);
    return *m_layouts.emplace(line, std::move(layout)).first->second;
}

void ResultBox::ensureVisible(int position)
{
    const int line = lineOf(position);
    QScrollBar* bar = verticalScrollBar();
    if (line < bar->value())
        bar->setValue(line);
    else if (line >= bar->value() + linesPerPage())
        bar->setValue(line - linesPerPage() + 1);
}

int ResultBox::positionAt(const QPoint& point)
{
    const int offset = int(std::floor(qreal(point.y() - Margin) / m_lineHeight));
    const int line = std::clamp(verticalScrollBar()->value() + offset, 0, visualLineCount() - 1);
    return positionInLine(line, point.x() - Margin);
}

int ResultBox::positionInLine(int line, qreal x)
{
    const auto [start, end] = visualLine(line);
    const QTextLine laidOut = lineLayout(line).lineAt(0);
    // The blanks that end a line broken with Shift+Enter take no position of their own, as in
    // Qt's text layouts: right of the line's start and from where they start, x falls before the
    // line separator.
    const QString& text = content().text();
    if (end < content().size() && text.at(end) == QChar::LineSeparator) {
        int blanks = end;
        while (blanks > start && text.at(blanks - 1).isSpace())
            --blanks;
        if (blanks < end && x > 0 && x >= laidOut.cursorToX(blanks - start))
            return end;
    }
    return std::clamp(start + laidOut.xToCursor(x, QTextLine::CursorBetweenCharacters), start, end);
}

qreal ResultBox::caretX(int position)
{
    const int line = lineOf(position);
    return lineLayout(line).lineAt(0).cursorToX(position - m_lines.start(line));
}

QRect ResultBox::caretRect()
{
    const int caret = content().caret();
    const int line = lineOf(caret);
    const int offset = caret - m_lines.start(line) + (preeditText().isEmpty() ? 0 : preeditCursor());
    const int x = Margin + qRound(lineLayout(line).lineAt(0).cursorToX(offset));
    return {x, lineTop(line), 1, m_lineHeight};
}

QRect ResultBox::characterRect(int position)
{
    const int line = lineOf(position);
    const int first = verticalScrollBar()->value();
    const auto [start, end] = visualLine(line);
    if (position >= end || line < first || line >= first + linesPerPage())
        return {};
    const QTextLine laidOut = lineLayout(line).lineAt(0);
    const qreal left = laidOut.cursorToX(position - start);
    const qreal right = laidOut.cursorToX(content().nextCharacter(position) - start);
    return columns(Margin + left, Margin + right, lineTop(line), m_lineHeight);
}

std::pair<int, int> ResultBox::shownRange()
{
    const int first = std::min(verticalScrollBar()->value(), visualLineCount() - 1);
    const int last = std::min(first + linesPerPage(), visualLineCount()) - 1;
    return {m_lines.start(first), visualLine(last).second};
}

int ResultBox::lineStart(int position)
{
    return m_lines.start(lineOf(position));
}

int ResultBox::lineEnd(int position)
{
    const int line = lineOf(position);
    const auto [start, end] = visualLine(line);
    // A line broken at the box's edge ends before a blank at its end, as in Qt's text boxes.
    const bool wrapped = line + 1 < visualLineCount()
                         && !ResultLines::endsLine(content().text().at(m_lines.start(line + 1) - 1));
    return wrapped && end > start && content().text().at(end - 1).isSpace() ? end - 1 : end;
}

int ResultBox::verticalMove(int position, int lines)
{
    const int target = lineOf(position) + lines;
    if (target < 0 || target >= visualLineCount())
        return -1;
    if (!m_column)
        m_column = caretX(position);
    return positionInLine(target, *m_column);
}

void ResultBox::move(int position, bool select, bool vertical)
{
    if (!vertical)
        m_column.reset();
    content().moveCaret(position, select);
}

bool ResultBox::moveKey(QKeyEvent* event)
{
    const EditableText& c = content();
    const int caret = c.caret();
    const auto matches = [event](QKeySequence::StandardKey key) { return event->matches(key); };
    const int page = linesPerPage();
    // A page up or down moves as far as a page, but stays on the first or last line.
    const auto pageMove = [&](int lines) {
        const int line = lineOf(caret);
        const int target = std::clamp(line + lines, 0, visualLineCount() - 1);
        return target == line ? -1 : verticalMove(caret, target - line);
    };
    struct Move {
        QKeySequence::StandardKey key;
        bool select;
        bool vertical;
        std::function<int()> to;
    };
    const auto next = [&] {
        return caret < c.size() && c.text().at(caret) == u'\n' ? caret + 1 : c.nextCharacter(caret);
    };
    const auto previous = [&] {
        return caret > 0 && c.text().at(caret - 1) == u'\n' ? caret - 1 : c.previousCharacter(caret);
    };
    const Move moves[] = {
        {QKeySequence::MoveToNextChar, false, false, [&] { return c.hasSelection() ? c.selectionEnd() : next(); }},
        {QKeySequence::MoveToPreviousChar, false, false,
         [&] { return c.hasSelection() ? c.selectionStart() : previous(); }},
        {QKeySequence::SelectNextChar, true, false, next},
        {QKeySequence::SelectPreviousChar, true, false, previous},
        {QKeySequence::SelectNextWord, true, false, [&] { return m_editing.nextWord(caret); }},
        {QKeySequence::SelectPreviousWord, true, false, [&] { return m_editing.previousWord(caret); }},
        {QKeySequence::SelectStartOfLine, true, false, [&] { return lineStart(caret); }},
        {QKeySequence::SelectEndOfLine, true, false, [&] { return lineEnd(caret); }},
        {QKeySequence::SelectStartOfDocument, true, false, [] { return 0; }},
        {QKeySequence::SelectEndOfDocument, true, false, [&] { return c.size(); }},
        // Shift+Up on the first line selects to the start, Shift+Down on the last to the end.
        {QKeySequence::SelectPreviousLine, true, true,
         [&] { return lineOf(caret) == 0 ? (m_column.reset(), 0) : verticalMove(caret, -1); }},
        {QKeySequence::SelectNextLine, true, true,
         [&] {
             return lineOf(caret) == visualLineCount() - 1 ? (m_column.reset(), c.size()) : verticalMove(caret, 1);
         }},
        {QKeySequence::MoveToNextWord, false, false, [&] { return m_editing.nextWord(caret); }},
        {QKeySequence::MoveToPreviousWord, false, false, [&] { return m_editing.previousWord(caret); }},
        {QKeySequence::MoveToNextLine, false, true, [&] { return verticalMove(caret, 1); }},
        {QKeySequence::MoveToPreviousLine, false, true, [&] { return verticalMove(caret, -1); }},
        {QKeySequence::MoveToStartOfLine, false, false, [&] { return lineStart(caret); }},
        {QKeySequence::MoveToEndOfLine, false, false, [&] { return lineEnd(caret); }},
        {QKeySequence::MoveToStartOfDocument, false, false, [] { return 0; }},
        {QKeySequence::MoveToEndOfDocument, false, false, [&] { return c.size(); }},
        {QKeySequence::SelectPreviousPage, true, true, [&] { return pageMove(-page); }},
        {QKeySequence::SelectNextPage, true, true, [&] { return pageMove(page); }},
        {QKeySequence::MoveToPreviousPage, false, true, [&] { return pageMove(-page); }},
        {QKeySequence::MoveToNextPage, false, true, [&] { return pageMove(page); }},
    };
    for (const Move& m : moves) {
        if (!matches(m.key))
            continue;
        const int to = m.to();
        // A vertical move that finds no line leaves the caret (and its selection) where it is.
        if (to >= 0)
            move(to, m.select, m.vertical);
        return true;
    }
    return false;
}

bool ResultBox::editKey(QKeyEvent* event)
{
    const auto matches = [event](QKeySequence::StandardKey key) { return event->matches(key); };
    DocumentEditing& e = m_editing;
    EditableText& c = content();
    if (matches(QKeySequence::SelectAll)) {
        move(0, false);
        move(c.size(), true);
        return true;
    }
    if (matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    if (moveKey(event))
        return true;
    // An edit forgets the column that Up and Down keep, unless it finds nothing to do.
    const auto edit = [this](bool acts, auto&& action) {
        if (acts)
            m_column.reset();
        action();
    };
    const bool selected = c.hasSelection();
    if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier)) {
        edit(selected || c.caret() > 0, [&] { e.deletePreviousChar(); });
    } else if (matches(QKeySequence::InsertParagraphSeparator)) {
        edit(true, [&] { e.insertBlock(); });
    } else if (matches(QKeySequence::InsertLineSeparator)) {
        edit(true, [&] { e.insertText(QString(QChar::LineSeparator)); });
    } else if (matches(QKeySequence::Undo)) {
        edit(e.canUndo(), [&] { e.undo(); });
    } else if (matches(QKeySequence::Redo)) {
        edit(e.canRedo(), [&] { e.redo(); });
    } else if (matches(QKeySequence::Cut)) {
        edit(selected, [&] {
            if (selected) {
                copy();
                e.removeSelectedText();
            }
        });
    } else if (matches(QKeySequence::Paste)) {
        const bool selection = event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                               && event->key() == Qt::Key_Insert;
        const QString pasted = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection
                                                                            : QClipboard::Clipboard);
        edit(!pasted.isEmpty(), [&] { e.insertFragment(pasted); });
    } else if (matches(QKeySequence::Delete)) {
        edit(true, [&] { e.deleteChar(); });
    } else if (matches(QKeySequence::DeleteEndOfWord)) {
        edit(true, [&] {
            if (!selected)
                c.moveCaret(m_editing.nextWord(c.caret()), true);
            e.removeSelectedText();
        });
    } else if (matches(QKeySequence::DeleteStartOfWord)) {
        edit(true, [&] {
            if (!selected)
                c.moveCaret(m_editing.previousWord(c.caret()), true);
            e.removeSelectedText();
        });
    } else if (matches(QKeySequence::DeleteEndOfLine)) {
        edit(true, [&] {
            const int found = int(c.text().indexOf(u'\n', c.caret()));
            c.moveCaret(found < 0 ? c.size() : found, true);
            e.removeSelectedText();
        });
    } else if (isAcceptableInput(event, false)) {
        edit(true, [&] { e.insertText(event->text()); });
    } else {
        return false;
    }
    return true;
}

void ResultBox::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    userEdit([&] { return handled = editKey(event); });
    // Every key the box takes makes its selection the X11 selection, but Copy and a page move.
    const bool paging = event->matches(QKeySequence::MoveToNextPage)
                        || event->matches(QKeySequence::MoveToPreviousPage);
    if (handled && !paging && !event->matches(QKeySequence::Copy))
        copyToSelection();
    event->setAccepted(handled);
}

void ResultBox::forgetHistory()
{
    m_editing.reset();
    m_column.reset();
}

bool ResultBox::undoStep()
{
    if (!m_editing.undo())
        return false;
    m_column.reset();
    return true;
}

bool ResultBox::redoStep()
{
    if (!m_editing.redo())
        return false;
    m_column.reset();
    return true;
}

void ResultBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const bool gettingInput = !commit.isEmpty() || event->preeditString() != preeditText()
                              || event->replacementLength() > 0;
    if (!gettingInput && event->attributes().isEmpty()) {
        event->ignore();
        return;
    }
    userEdit([&] {
        EditableText& c = content();
        m_column.reset();
        m_editing.beginEditBlock(c.caret());
        if (gettingInput)
            m_editing.removeSelectedText();
        if (!commit.isEmpty() || event->replacementLength() > 0) {
            const int from = std::clamp(c.caret() + event->replacementStart(), 0, c.size());
            c.select(from, std::min(from + event->replacementLength(), c.size()));
            m_editing.insertText(commit);
        }
        int cursor = int(event->preeditString().size());
        for (const QInputMethodEvent::Attribute& attribute : event->attributes())
            if (attribute.type == QInputMethodEvent::Cursor)
                cursor = attribute.length ? attribute.start : -1;
        setPreedit(event->preeditString(), cursor);
        m_editing.endEditBlock();
        m_layouts.clear();
    });
    event->accept();
}

void ResultBox::extendByWords(int position, qreal x)
{
    const int wordStart = std::min(m_clickedWord.anchor, m_clickedWord.position);
    const int wordEnd = std::max(m_clickedWord.anchor, m_clickedWord.position);
    if (position >= wordStart && position <= wordEnd) {
        content().select(m_clickedWord.anchor, m_clickedWord.position);
        m_column = m_clickedWordColumn;
        return;
    }
    // The word at position, as the text document's word steps find it; none at a line's start.
    const QString& text = content().text();
    const int lineStart = position == 0 ? 0 : int(text.lastIndexOf(u'\n', position - 1)) + 1;
    if (position == lineStart)
        return;
    const auto [start, end] = m_editing.wordUnder(position);
    if (end == start || lineOf(start) != lineOf(end))
        return;
    const qreal startX = Margin + caretX(start);
    const qreal endX = Margin + caretX(end);
    if (x < startX || x > endX)
        return;
    // The word clicked first stays selected, whichever way the drag goes.
    const int anchor = position < m_clickedWord.position ? wordEnd : wordStart;
    content().select(anchor, x - startX < endX - x ? start : end);
    m_column.reset();
    copyToSelection();
}

void ResultBox::extendByLines(int position)
{
    const int lineStart = std::min(m_clickedLine.anchor, m_clickedLine.position);
    const int lineEnd = std::max(m_clickedLine.anchor, m_clickedLine.position);
    const QString& text = content().text();
    if (position >= lineStart && position <= lineEnd) {
        content().select(m_clickedLine.anchor, m_clickedLine.position);
        m_column = m_clickedLineColumn;
        return;
    }
    if (position < m_clickedLine.position) {
        content().select(lineEnd, position == 0 ? 0 : int(text.lastIndexOf(u'\n', position - 1)) + 1);
    } else {
        const int found = int(text.indexOf(u'\n', position));
        content().select(lineStart, found < 0 ? content().size() : found + 1);
    }
    m_column.reset();
    copyToSelection();
}

void ResultBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pressedAt = at;
    m_mightDrag = false;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_mousePressed = true;
    userEdit([&] {
        m_column.reset();
        if (!preeditText().isEmpty()) {
            QGuiApplication::inputMethod()->commit();
            setPreedit(QString(), 0);
            m_layouts.clear();
        }
        EditableText& c = content();
        if (m_tripleClick.isActive() && (at - m_tripleClickAt).manhattanLength() < QApplication::startDragDistance()) {
            // A triple click selects the line with its line break.
            const QString& text = c.text();
            const int start = c.caret() == 0 ? 0 : int(text.lastIndexOf(u'\n', c.caret() - 1)) + 1;
            const int found = int(text.indexOf(u'\n', c.caret()));
            const int end = found < 0 ? c.size() : found + 1;
            c.select(start, end);
            m_clickedLine = {start, end};
            m_clickedLineColumn = caretX(end);
            m_tripleClick.stop();
            return;
        }
        const int position = positionAt(at);
        if (event->modifiers() == Qt::ShiftModifier) {
            if (!m_clickedLine.empty())
                extendByLines(position);
            else if (!m_clickedWord.empty())
                extendByWords(position, at.x());
            else
                c.moveCaret(position, true);
            return;
        }
        // A press in the selection (its edges too) may start a drag.
        if (c.hasSelection() && position >= c.selectionStart() && position <= c.selectionEnd()) {
            m_mightDrag = true;
            return;
        }
        c.moveCaret(position);
        m_clickedWord = {};
        m_clickedLine = {};
    });
}

void ResultBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    if (m_mightDrag) {
        // As in Qt's text boxes, every further move starts a drag again until the button is up.
        if ((at - m_pressedAt).manhattanLength() > QApplication::startDragDistance()) {
            m_mousePressed = false;
            if (dragSelection(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction))
                userEdit([this] { m_editing.removeSelectedText(); });
        }
        return;
    }
    userEdit([&] {
        const int position = positionAt(at);
        if (!m_clickedLine.empty())
            extendByLines(position);
        else if (!m_clickedWord.empty())
            extendByWords(position, at.x());
        else if (m_mousePressed)
            content().moveCaret(position, true);
    });
}

void ResultBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_mightDrag && event->button() == Qt::LeftButton) {
        m_mousePressed = false;
        userEdit([&] { content().moveCaret(positionAt(at)); });
    }
    if (m_mousePressed) {
        m_mousePressed = false;
        copyToSelection();
    } else if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        userEdit([&] {
            m_column.reset();
            content().moveCaret(positionAt(at));
            m_editing.insertFragment(selection);
        });
    }
}

void ResultBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_mightDrag = false;
    bool selected = false;
    userEdit([&] {
        EditableText& c = content();
        c.moveCaret(positionAt(at));
        const auto [start, end] = visualLine(lineOf(c.caret()));
        // A line ended by Shift+Enter holds its line separator, as in Qt's text document, so
        // the word around it is selected even where nothing else is on the line.
        if (end > start || (end < c.size() && c.text().at(end) == QChar::LineSeparator)) {
            const auto [wordStart, wordEnd] = m_editing.wordUnder(c.caret());
            c.select(wordStart, wordEnd);
            selected = true;
        }
        m_clickedWord = {c.anchor(), c.caret()};
        m_clickedWordColumn = caretX(c.caret());
    });
    m_tripleClickAt = at;
    m_tripleClick.start(QApplication::doubleClickInterval(), this);
    if (selected)
        copyToSelection();
}

void ResultBox::dragOver(int position)
{
    m_dropCaret = position;
    viewport()->update();
}

void ResultBox::dropText(const QString& text, int position, bool fromHere, bool move)
{
    m_dropCaret = -1;
    // The plain text box takes no empty text.
    if (text.isEmpty())
        return;
    m_column.reset();
    EditableText& c = content();
    m_editing.beginEditBlock(position);
    if (move && fromHere && c.hasSelection()) {
        const int start = c.selectionStart();
        const int end = c.selectionEnd();
        m_editing.removeSelectedText();
        position = position > end ? position - (end - start) : position > start ? start : position;
    }
    c.moveCaret(position);
    m_editing.insertFragment(text);
    m_editing.endEditBlock();
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setPen(palette().text().color());
    const QRect area = event->rect();
    const int first = std::max(verticalScrollBar()->value(), 0);
    for (int line = first; line < visualLineCount(); ++line) {
        const int top = lineTop(line);
        if (top > area.bottom())
            break;
        if (top + m_lineHeight < area.top())
            continue;
        const auto [start, end] = visualLine(line);
        // A selected line break shows as a selected blank, as in Qt's own text boxes.
        QList<QTextLayout::FormatRange> selection = selectionIn(start, end);
        lineLayout(line).draw(&painter, QPointF(Margin, top), selection);
        const bool breakSelected = hasSelectedText() && end < content().size()
                                   && ResultLines::endsLine(content().text().at(end))
                                   && content().selectionStart() <= end && end < content().selectionEnd();
        if (breakSelected) {
            const qreal x = Margin + lineLayout(line).lineAt(0).naturalTextWidth();
            painter.fillRect(QRectF(x, top, QFontMetricsF(textFont()).horizontalAdvance(u' '), m_lineHeight),
                             palette().highlight());
        }
    }
    if (caretShown()) {
        const QRect caret = caretRect();
        if (caret.intersects(area))
            painter.fillRect(caret, palette().text());
    }
    if (m_dropCaret >= 0) {
        const int line = lineOf(m_dropCaret);
        const int x = Margin + qRound(lineLayout(line).lineAt(0).cursorToX(m_dropCaret - m_lines.start(line)));
        painter.fillRect(QRect(x, lineTop(line), 1, m_lineHeight), palette().text());
    }
}

} // namespace pellitor
