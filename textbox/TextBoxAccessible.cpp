// The text boxes' accessible interface. Pieces of text (characters, words, lines) are found from
// the offset outwards, never by scanning the whole text.
#include "TextBoxAccessible.h"

#include "ModalBlocking.h"
#include "TextBoxBase.h"
#include "TextBridgeGuard.h"

namespace pellitor {

namespace {
// An offset of -1 means the end of the text, -2 the caret, as assistive tools use them.
constexpr int EndOffset = -1;
constexpr int CaretOffset = -2;
// No piece found by a boundary (a character, word, line or sentence) is handed over longer than
// this, as Qt's own line edit holds no more than 32767 characters: a longer piece goes in
// stretches that start at multiples of it.
constexpr int LongestPiece = 1 << 15;

QAccessibleInterface* textBoxFactory(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TextBoxBase*>(object))
        return new TextBoxAccessible(box);
    return nullptr;
}
} // namespace

QString TextBoxAccessible::readable(QString text)
{
    text.replace(QChar(0), QLatin1Char(' '));
    return text;
}

TextBoxAccessible::TextBoxAccessible(TextBoxBase* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

void TextBoxAccessible::installFactory()
{
    static const bool installed = (QAccessible::installFactory(textBoxFactory), true);
    Q_UNUSED(installed);
    TextBridgeGuard::install();
}

TextBoxBase* TextBoxAccessible::box() const
{
    return static_cast<TextBoxBase*>(widget());
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // Both kinds of box take typing, the result box too; behind a modal window neither takes any
    // input, as a mouse and the keyboard find them.
    const bool blocked = platform::isBlockedByModalWindow(box());
    state.disabled = state.disabled || blocked;
    state.editable = !state.disabled;
    state.readOnly = state.disabled;
    state.selectableText = true;
    state.multiLine = box()->isMultiLine();
    return state;
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return readable(box()->m_content.text());
    return QAccessibleWidget::text(t);
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(t, text);
}

void TextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const EditableText& content = box()->m_content;
    *startOffset = *endOffset = -1;
    if (selectionIndex == 0 && content.hasSelection()) {
        *startOffset = content.selectionStart();
        *endOffset = content.selectionEnd();
    }
}

int TextBoxAccessible::selectionCount() const
{
    return box()->m_content.hasSelection() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    // One selection at most: a new one replaces it.
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->moveTo(cursorPosition(), false);
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    box()->m_content.select(startOffset, endOffset);
    box()->changed(false, false);
}

int TextBoxAccessible::cursorPosition() const
{
    return box()->m_content.caret();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    box()->moveTo(position, false);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    const int size = characterCount();
    if (endOffset == EndOffset || endOffset > size)
        endOffset = size;
    startOffset = std::max(startOffset, 0);
    if (startOffset >= endOffset)
        return {};
    return readable(box()->m_content.text().mid(startOffset, endOffset - startOffset));
}

TextBoxAccessible::Segment TextBoxAccessible::holding(int position, QAccessible::TextBoundaryType type) const
{
    // The piece is looked for no further than LongestPiece either side. One that reaches that
    // far is longer than LongestPiece: it is cut to the stretch of the grid that holds position,
    // which tiles it the same way from whichever position it is asked.
    const EditableText& content = box()->m_content;
    const int size = content.size();
    const int from = std::max(0, position - LongestPiece);
    const int to = std::min(size, position + LongestPiece + 1);
    const Segment piece = natural(position, type, from, to);
    const bool tooLong = piece.end - piece.start > LongestPiece || (piece.start == from && from > 0)
                         || (piece.end == to && to < size);
    if (!tooLong)
        return piece;
    // A grid point between the halves of a surrogate pair moves past the pair.
    const auto gridPoint = [&content, size](int point) {
        if (point >= size)
            return size;
        const QString& text = content.text();
        return point > 0 && text.at(point).isLowSurrogate() && text.at(point - 1).isHighSurrogate() ? point + 1 : point;
    };
    int stretch = position / LongestPiece * LongestPiece;
    if (position < gridPoint(stretch))
        stretch -= LongestPiece;
    return {std::max(piece.start, gridPoint(stretch)), std::min(piece.end, gridPoint(stretch + LongestPiece))};
}

TextBoxAccessible::Segment TextBoxAccessible::natural(int position, QAccessible::TextBoundaryType type, int from,
                                                      int to) const
{
    TextBoxBase* b = box();
    const EditableText& content = b->m_content;
    const QStringView text = content.text();
    switch (type) {
    case QAccessible::CharBoundary: {
        // A surrogate pair, with the marks that follow it, is one character.
        const int start = content.previousCharacter(content.nextCharacter(position));
        return {std::max(start, from), std::min(content.nextCharacter(start), to)};
    }
    case QAccessible::WordBoundary: {
        const auto [start, end] = content.wordAt(position, from, to);
        return {start, end};
    }
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary: {
        // The texts hold formulas, not prose: a sentence is a paragraph, which ends with its break.
        const qsizetype before = text.sliced(from, position - from).lastIndexOf(u'\n');
        const qsizetype lineBreak = text.sliced(position, to - position).indexOf(u'\n');
        return {before < 0 ? from : from + int(before) + 1, lineBreak < 0 ? to : position + int(lineBreak) + 1};
    }
    case QAccessible::LineBoundary: {
        // A line as the box shows it, with its break.
        int end = b->lineEnd(position);
        if (end < content.size() && text.at(end) == u'\n')
            ++end;
        return {std::max(b->lineStart(position), from), std::min(end, to)};
    }
    case QAccessible::NoBoundary: return {from, to};
    }
    return {};
}

TextBoxAccessible::Segment TextBoxAccessible::at(int offset, QAccessible::TextBoundaryType type) const
{
    const int size = characterCount();
    if (offset == CaretOffset)
        offset = cursorPosition();
    else if (offset == EndOffset)
        offset = size;
    if (size == 0 || offset < 0 || offset > size)
        return {};
    if (offset < size)
        return holding(offset, type);
    const bool lineLike = type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary
                          || type == QAccessible::NoBoundary;
    if (lineLike && box()->m_content.text().back() != u'\n')
        return holding(size - 1, type);
    return {size, size};
}

QString TextBoxAccessible::piece(Segment segment, int* startOffset, int* endOffset) const
{
    *startOffset = segment.start;
    *endOffset = segment.end;
    return segment.start < 0 ? QString() : text(segment.start, segment.end);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                        int* endOffset) const
{
    return piece(at(offset, boundaryType), startOffset, endOffset);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    Segment here = at(offset, boundaryType);
    if (here.start > 0)
        here = holding(here.start - 1, boundaryType);
    else if (here.start == 0)
        here = {0, 0};
    return piece(here, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                           int* endOffset) const
{
    Segment here = at(offset, boundaryType);
    const int size = characterCount();
    if (here.end >= size)
        here = {size, size};
    else if (here.end >= 0)
        here = holding(here.end, boundaryType);
    return piece(here, startOffset, endOffset);
}

std::pair<int, int> TextBoxAccessible::shownRange() const
{
    return box()->shownRange();
}

int TextBoxAccessible::characterCount() const
{
    return box()->m_content.size();
}

QRect TextBoxAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return {};
    const QRect local = box()->characterRect(offset);
    if (local.isEmpty())
        return {};
    return {box()->viewport()->mapToGlobal(local.topLeft()), local.size()};
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    TextBoxBase* b = box();
    const QPoint local = b->viewport()->mapFromGlobal(point);
    if (!b->viewport()->rect().contains(local))
        return -1;
    // The box finds the caret position nearest the point; the character under the point may be
    // the one before it.
    const int position = b->positionAt(local);
    if (position > 0 && !b->characterRect(position).contains(local) && b->characterRect(position - 1).contains(local))
        return position - 1;
    return position;
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    const int size = characterCount();
    box()->ensureVisible(std::clamp(endIndex, 0, size));
    box()->ensureVisible(std::clamp(startIndex, 0, size));
    box()->viewport()->update();
}

QString TextBoxAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // One font and colour throughout.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString& text)
{
    if (!state().readOnly)
        box()->replaceRange(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (!state().readOnly)
        box()->replaceRange(startOffset, endOffset == EndOffset ? characterCount() : endOffset, text);
}

} // namespace pellitor
