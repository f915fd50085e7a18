// The text boxes' accessible interface. Pieces of text (characters, words, lines) are found from
// the offset outwards, never by scanning the whole text.
#include "TextBoxAccessible.h"

#include "TextBoxBase.h"

namespace pellitor {

namespace {
// An offset of -1 means the end of the text, -2 the caret, as assistive tools use them.
constexpr int EndOffset = -1;
constexpr int CaretOffset = -2;

QAccessibleInterface* textBoxFactory(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TextBoxBase*>(object))
        return new TextBoxAccessible(box);
    return nullptr;
}
} // namespace

TextBoxAccessible::TextBoxAccessible(TextBoxBase* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

void TextBoxAccessible::installFactory()
{
    static const bool installed = (QAccessible::installFactory(textBoxFactory), true);
    Q_UNUSED(installed);
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
    // Both kinds of box take typing, the result box too.
    state.editable = true;
    state.readOnly = false;
    state.selectableText = true;
    state.multiLine = box()->isMultiLine();
    return state;
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->m_content.text(); // shared, not copied
    return QAccessibleWidget::text(t);
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value)
        box()->replaceRange(0, characterCount(), text);
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
    return box()->m_content.text().mid(startOffset, endOffset - startOffset);
}

TextBoxAccessible::Segment TextBoxAccessible::holding(int position, QAccessible::TextBoundaryType type) const
{
    TextBoxBase* b = box();
    const EditableText& content = b->m_content;
    const QString& text = content.text();
    const int size = content.size();
    switch (type) {
    case QAccessible::CharBoundary: {
        // A surrogate pair, with the marks that follow it, is one character.
        const int start = content.previousCharacter(content.nextCharacter(position));
        return {start, content.nextCharacter(start)};
    }
    case QAccessible::WordBoundary: {
        const auto [start, end] = content.wordAt(position);
        return {start, end};
    }
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary: {
        // The texts hold formulas, not prose: a sentence is a paragraph, which ends with its break.
        const int start = position == 0 ? 0 : int(text.lastIndexOf(u'\n', position - 1)) + 1;
        const int lineBreak = int(text.indexOf(u'\n', position));
        return {start, lineBreak < 0 ? size : lineBreak + 1};
    }
    case QAccessible::LineBoundary: {
        // A line as the box shows it, with its break.
        int end = b->lineEnd(position);
        if (end < size && text.at(end) == u'\n')
            ++end;
        return {b->lineStart(position), end};
    }
    case QAccessible::NoBoundary:
        return {0, size};
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

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const
{
    Segment here = at(offset, boundaryType);
    if (here.start > 0)
        here = holding(here.start - 1, boundaryType);
    else if (here.start == 0)
        here = {0, 0};
    return piece(here, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const
{
    Segment here = at(offset, boundaryType);
    const int size = characterCount();
    if (here.end >= size)
        here = {size, size};
    else if (here.end >= 0)
        here = holding(here.end, boundaryType);
    return piece(here, startOffset, endOffset);
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
    if (position > 0 && !b->characterRect(position).contains(local)
        && b->characterRect(position - 1).contains(local))
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
    box()->replaceRange(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    box()->replaceRange(startOffset, endOffset == EndOffset ? characterCount() : endOffset, text);
}

} // namespace pellitor
