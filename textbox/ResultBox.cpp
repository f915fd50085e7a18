// The result box. Keys, mouse, input methods and drops follow Qt's plain text box; the editing
// itself is DocumentEditing's. Its text is wrapped by summing the widths of its characters, which
// are measured once each for a font; an edit re-wraps from the line before the one it touched
// until the lines meet the old ones again; a line is laid out only when it shows, and its layout
// kept until the text changes. Kerning is off, so that a laid-out line is as wide as the sum that
// placed its break.
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
// A line of characters that take no room (a run of combining marks) still ends somewhere.
constexpr int LongestLine = 4096;
// Laid-out lines kept for repainting; scrolling far away starts afresh.
constexpr std::size_t KeptLayouts = 256;

bool endsLine(QChar c)
{
    return c == u'\n' || c == QChar::LineSeparator;
}

// A blank for the word steps of a double click (the text document's own short list).
bool isSpaceInWord(QChar c)
{
    return c == u'\t' || c == u' ' || c == QChar::Nbsp || c == QChar::LineSeparator;
}

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

std::pair<int, int> ResultBox::visualLine(int line) const
{
    const QString& text = content().text();
    const int start = m_lineStarts.at(line);
    int end = line + 1 < visualLineCount() ? m_lineStarts[line + 1] : int(text.size());
    if (end > start && endsLine(text.at(end - 1)))
        --end;
    return {start, end};
}

QFont ResultBox::textFont() const
{
    QFont unkerned = font();
    unkerned.setKerning(false);
    return unkerned;
}

qreal ResultBox::advance(const QChar* text, int at, int size)
{
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < size && QChar::isLowSurrogate(text[at + 1].unicode())) {
        char32_t code = QChar::surrogateToUcs4(unit, text[at + 1].unicode());
        // Characters no font shows (unassigned, private) share the width of a missing glyph, and
        // ideographs share one width: a text of a million different ones is measured in moments.
        const QChar::Category category = QChar::category(code);
        if (category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse)
            code = 0xFFFF0; // a private use character stands for them all
        else if (QChar::script(code) == QChar::Script_Han)
            code = 0x20000;
        auto known = m_wideAdvances.constFind(code);
        if (known == m_wideAdvances.cend())
            known = m_wideAdvances.insert(code, QFontMetricsF(textFont()).horizontalAdvance(QString::fromUcs4(&code, 1)));
        return *known;
    }
    float& width = m_advances[unit];
    if (width < 0) {
        // Control characters show as blanks.
        const QChar shown = unit < 0x20 ? QChar(u' ') : QChar(unit);
        width = float(QFontMetricsF(textFont()).horizontalAdvance(shown));
    }
    return width;
}

void ResultBox::wrapFrom(int firstLine, const EditableText::Span* span)
{
    const QString& text = content().text();
    const QChar* units = text.constData();
    const int size = int(text.size());
    const qreal width = std::max(1, viewport()->width() - 2 * Margin);
    const std::vector<int> old = span ? m_lineStarts : std::vector<int>{};
    const int shift = span ? span->newEnd - span->oldEnd : 0;
    m_lineStarts.resize(std::size_t(firstLine) + 1);
    // True when the new line start meets an old one past the edit: the rest is the old lines,
    // shifted by what the edit added or took away.
    const auto rejoined = [&](int start) {
        if (!span || start < span->newEnd)
            return false;
        const auto at = std::lower_bound(old.begin() + firstLine + 1, old.end(), start - shift);
        if (at == old.end() || *at != start - shift)
            return false;
        for (auto rest = at + 1; rest != old.end(); ++rest)
            m_lineStarts.push_back(*rest + shift);
        return true;
    };
    qreal x = 0;
    int start = m_lineStarts.back();
    for (int i = start; i < size; ++i) {
        ++m_wrapped;
        const QChar unit = units[i];
        if (endsLine(unit)) {
            m_lineStarts.push_back(i + 1);
            if (rejoined(i + 1))
                return;
            start = i + 1;
            x = 0;
            continue;
        }
        // A surrogate pair was measured at its first half and stays whole.
        if (unit.isLowSurrogate() && i > 0 && units[i - 1].isHighSurrogate())
            continue;
        const float known = m_advances[unit.unicode()]; // a surrogate's entry stays unknown
        const qreal w = unit == u'\t' ? TabStop - std::fmod(x, TabStop) : known >= 0 ? known : advance(units, i, size);
        // A mark stays with its letter, unless a run of them grows too long for one line.
        const bool mark = unit.unicode() >= 0x300 && unit.isMark();
        if (i > start && ((!mark && x + w > width) || i - start >= LongestLine)) {
            m_lineStarts.push_back(i);
            if (rejoined(i))
                return;
            start = i;
            x = 0;
        }
        x += w;
    }
}

void ResultBox::contentChanged()
{
    // The widths are measured afresh only for a new font: an edit or a resize keeps them.
    if (textFont() != m_measuredFont || m_advances.empty()) {
        m_measuredFont = textFont();
        m_advances.assign(0x10000, -1.0f);
        m_wideAdvances.clear();
    }
    m_layouts.clear();
    m_lineHeight = std::max(1, int(std::ceil(QFontMetricsF(textFont()).height())));
    m_lineStarts.assign(1, 0);
    wrapFrom(0, nullptr);
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
    wrapFrom(std::max(0, lineOf(span.from) - 1), &span);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, visualLineCount() - linesPerPage()));
}

int ResultBox::linesPerPage() const
{
    return std::max(1, (viewport()->height() - Margin) / m_lineHeight);
}

int ResultBox::lineOf(int position) const
{
    return int(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), position) - m_lineStarts.begin()) - 1;
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
    const auto [start, end] = visualLine(line);
    const int at = start + lineLayout(line).lineAt(0).xToCursor(point.x() - Margin, QTextLine::CursorBetweenCharacters);
    return std::clamp(at, start, end);
}

qreal ResultBox::caretX(int position)
{
    const int line = lineOf(position);
    return lineLayout(line).lineAt(0).cursorToX(position - m_lineStarts[line]);
}

QRect ResultBox::caretRect()
{
    const int caret = content().caret();
    const int line = lineOf(caret);
    const int offset = caret - m_lineStarts[line] + (preeditText().isEmpty() ? 0 : preeditCursor());
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
    return {m_lineStarts[first], visualLine(last).second};
}

int ResultBox::lineStart(int position)
{
    return m_lineStarts[lineOf(position)];
}

int ResultBox::lineEnd(int position)
{
    const int line = lineOf(position);
    const auto [start, end] = visualLine(line);
    // A line broken at the box's edge ends before a blank at its end, as in Qt's text boxes.
    const bool wrapped = line + 1 < visualLineCount() && !endsLine(content().text().at(m_lineStarts[line + 1] - 1));
    return wrapped && end > start && content().text().at(end - 1).isSpace() ? end - 1 : end;
}

int ResultBox::verticalMove(int position, int lines)
{
    const int target = lineOf(position) + lines;
    if (target < 0 || target >= visualLineCount())
        return -1;
    if (!m_column)
        m_column = caretX(position);
    const auto [start, end] = visualLine(target);
    return std::clamp(start + lineLayout(target).lineAt(0).xToCursor(*m_column), start, end);
}

void ResultBox::move(int position, bool select, bool vertical)
{
    if (!vertical)
        m_column.reset();
    content().moveCaret(position, select);
}

int ResultBox::nextWordPosition(int position) const
{
    const EditableText& c = content();
    if (position >= c.size())
        return position;
    if (c.text().at(position) == u'\n')
        return position + 1;
    int lineEnd = int(c.text().indexOf(u'\n', position));
    return c.nextWord(position, lineEnd < 0 ? c.size() : lineEnd);
}

int ResultBox::previousWordPosition(int position) const
{
    const EditableText& c = content();
    if (position <= 0)
        return 0;
    if (c.text().at(position - 1) == u'\n')
        return position - 1;
    const int lineStart = int(c.text().lastIndexOf(u'\n', position - 1)) + 1;
    return c.previousWord(position, lineStart);
}

std::pair<int, int> ResultBox::wordUnder(int position) const
{
    // The start of the word (the text document's StartOfWord), then its end (EndOfWord).
    const EditableText& c = content();
    const QString& text = c.text();
    const int lineStart = position == 0 ? 0 : int(text.lastIndexOf(u'\n', position - 1)) + 1;
    const int found = int(text.indexOf(u'\n', position));
    const int lineEnd = found < 0 ? c.size() : found;
    int start = position;
    const bool atEnd = position == lineEnd;
    if (position > lineStart
        && !(atEnd && (isSpaceInWord(text.at(position - 1)) || EditableText::isWordSeparator(text.at(position - 1)))))
        start = c.previousWord(atEnd ? position : position + 1, lineStart);
    int end = start;
    if (end < lineEnd) {
        if (EditableText::isWordSeparator(text.at(end))) {
            while (end < lineEnd && EditableText::isWordSeparator(text.at(end)))
                ++end;
        } else {
            while (end < lineEnd && !isSpaceInWord(text.at(end)) && !EditableText::isWordSeparator(text.at(end)))
                ++end;
        }
    } else {
        end = start;
    }
    return {start, end};
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
    const auto next = [&] { return caret < c.size() && c.text().at(caret) == u'\n' ? caret + 1 : c.nextCharacter(caret); };
    const auto previous = [&] {
        return caret > 0 && c.text().at(caret - 1) == u'\n' ? caret - 1 : c.previousCharacter(caret);
    };
    const Move moves[] = {
        {QKeySequence::MoveToNextChar, false, false, [&] { return c.hasSelection() ? c.selectionEnd() : next(); }},
        {QKeySequence::MoveToPreviousChar, false, false,
         [&] { return c.hasSelection() ? c.selectionStart() : previous(); }},
        {QKeySequence::SelectNextChar, true, false, next},
        {QKeySequence::SelectPreviousChar, true, false, previous},
        {QKeySequence::SelectNextWord, true, false, [&] { return nextWordPosition(caret); }},
        {QKeySequence::SelectPreviousWord, true, false, [&] { return previousWordPosition(caret); }},
        {QKeySequence::SelectStartOfLine, true, false, [&] { return lineStart(caret); }},
        {QKeySequence::SelectEndOfLine, true, false, [&] { return lineEnd(caret); }},
        {QKeySequence::SelectStartOfDocument, true, false, [] { return 0; }},
        {QKeySequence::SelectEndOfDocument, true, false, [&] { return c.size(); }},
        // Shift+Up on the first line selects to the start, Shift+Down on the last to the end.
        {QKeySequence::SelectPreviousLine, true, true,
         [&] { return lineOf(caret) == 0 ? (m_column.reset(), 0) : verticalMove(caret, -1); }},
        {QKeySequence::SelectNextLine, true, true,
         [&] { return lineOf(caret) == visualLineCount() - 1 ? (m_column.reset(), c.size()) : verticalMove(caret, 1); }},
        {QKeySequence::MoveToNextWord, false, false, [&] { return nextWordPosition(caret); }},
        {QKeySequence::MoveToPreviousWord, false, false, [&] { return previousWordPosition(caret); }},
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
        const QString pasted = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
        edit(!pasted.isEmpty(), [&] { e.insertFragment(pasted); });
    } else if (matches(QKeySequence::Delete)) {
        edit(true, [&] { e.deleteChar(); });
    } else if (matches(QKeySequence::DeleteEndOfWord)) {
        edit(true, [&] {
            if (!selected)
                c.moveCaret(nextWordPosition(c.caret()), true);
            e.removeSelectedText();
        });
    } else if (matches(QKeySequence::DeleteStartOfWord)) {
        edit(true, [&] {
            if (!selected)
                c.moveCaret(previousWordPosition(c.caret()), true);
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
    userEdit([&] { handled = editKey(event); });
    // Every key the box takes makes its selection the X11 selection, but Copy and a page move.
    const bool paging = event->matches(QKeySequence::MoveToNextPage) || event->matches(QKeySequence::MoveToPreviousPage);
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
    const auto [start, end] = wordUnder(position);
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
        if (end > start) {
            const auto [wordStart, wordEnd] = wordUnder(c.caret());
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
        const bool breakSelected = hasSelectedText() && end < content().size() && endsLine(content().text().at(end))
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
        const int x = Margin + qRound(lineLayout(line).lineAt(0).cursorToX(m_dropCaret - m_lineStarts[line]));
        painter.fillRect(QRect(x, lineTop(line), 1, m_lineHeight), palette().text());
    }
}

} // namespace pellitor
