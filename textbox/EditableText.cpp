// The editable content of a text box and its undo history.
#include "EditableText.h"

#include <algorithm>

namespace pellitor {

namespace {

enum class CharClass { Blank, Word, Sign };

CharClass classOf(QChar c)
{
    if (c.isSpace())
        return CharClass::Blank;
    if (c.isLetterOrNumber() || c == u'_' || c.isMark() || c.isSurrogate())
        return CharClass::Word;
    return CharClass::Sign;
}

// The part of before that after replaces, as one change: everything but the longest common start
// and end, which never split a surrogate pair.
EditableText::Change difference(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first - before.begin();
    if (head > 0 && head < shorter && before.at(head - 1).isHighSurrogate())
        --head;
    qsizetype tail = std::mismatch(before.rbegin(), before.rbegin() + (shorter - head), after.rbegin()).first
                     - before.rbegin();
    if (tail > 0 && tail < shorter - head && before.at(before.size() - tail).isLowSurrogate())
        --tail;
    return {int(head), before.mid(head, before.size() - head - tail), after.mid(head, after.size() - head - tail)};
}

} // namespace

void EditableText::setText(const QString& text)
{
    if (followed()) {
        Change change = difference(m_text, text);
        if (!change.removed.isEmpty() || !change.inserted.isEmpty())
            m_changes.push_back(std::move(change));
    }
    m_text = text;
    m_caret = m_anchor = size();
    m_history.clear();
    m_done = 0;
}

void EditableText::moveCaret(int position, bool select)
{
    m_caret = std::clamp(position, 0, size());
    if (!select)
        m_anchor = m_caret;
}

void EditableText::select(int anchor, int caret)
{
    m_anchor = std::clamp(anchor, 0, size());
    m_caret = std::clamp(caret, 0, size());
}

void EditableText::insert(const QString& text)
{
    const int start = selectionStart();
    Edit edit{start, selectedText(), text, m_caret, m_anchor};
    replace(start, selectionEnd() - start, text);
    m_caret = m_anchor = start + int(text.size());
    record(std::move(edit));
}

void EditableText::removeTo(int position)
{
    if (!hasSelection())
        m_anchor = std::clamp(position, 0, size());
    if (hasSelection())
        insert(QString());
}

void EditableText::replace(int position, int length, const QString& text)
{
    if (followed() && (length > 0 || !text.isEmpty()))
        m_changes.push_back({position, m_text.mid(position, length), text});
    if (length == 0)
        m_text.insert(position, text);
    else
        m_text.replace(position, length, text);
}

void EditableText::record(Edit edit)
{
    if (edit.removed.isEmpty() && edit.inserted.isEmpty())
        return;
    m_history.resize(m_done);
    // Characters typed one after the other undo together, as a word.
    if (!m_history.empty() && edit.removed.isEmpty() && edit.inserted.size() == 1) {
        Edit& last = m_history.back();
        if (last.removed.isEmpty() && last.position + last.inserted.size() == edit.position
            && !edit.inserted.front().isSpace()) {
            last.inserted += edit.inserted;
            return;
        }
    }
    m_history.push_back(std::move(edit));
    m_done = m_history.size();
}

bool EditableText::undo()
{
    if (!canUndo())
        return false;
    const Edit& edit = m_history[--m_done];
    replace(edit.position, int(edit.inserted.size()), edit.removed);
    m_caret = edit.caretBefore;
    m_anchor = edit.anchorBefore;
    return true;
}

bool EditableText::redo()
{
    if (!canRedo())
        return false;
    const Edit& edit = m_history[m_done++];
    replace(edit.position, int(edit.removed.size()), edit.inserted);
    m_caret = m_anchor = edit.position + int(edit.inserted.size());
    return true;
}

int EditableText::nextCharacter(int position) const
{
    if (position >= size())
        return size();
    ++position;
    if (position < size() && m_text.at(position - 1).isHighSurrogate() && m_text.at(position).isLowSurrogate())
        ++position;
    while (position < size() && m_text.at(position).isMark())
        ++position;
    return position;
}

int EditableText::previousCharacter(int position) const
{
    if (position <= 0)
        return 0;
    --position;
    while (position > 0 && m_text.at(position).isMark())
        --position;
    if (position > 0 && m_text.at(position).isLowSurrogate() && m_text.at(position - 1).isHighSurrogate())
        --position;
    return position;
}

int EditableText::nextWord(int position) const
{
    // To the start of the next word: over the rest of this word (or sign), then over blanks.
    if (position >= size())
        return size();
    const CharClass here = classOf(m_text.at(position));
    if (here != CharClass::Blank) {
        ++position;
        while (here == CharClass::Word && position < size() && classOf(m_text.at(position)) == here)
            ++position;
    }
    while (position < size() && classOf(m_text.at(position)) == CharClass::Blank)
        ++position;
    return position;
}

int EditableText::previousWord(int position) const
{
    // To the start of this word, or of the word before when already at a start.
    while (position > 0 && classOf(m_text.at(position - 1)) == CharClass::Blank)
        --position;
    if (position == 0)
        return 0;
    const CharClass here = classOf(m_text.at(--position));
    while (here == CharClass::Word && position > 0 && classOf(m_text.at(position - 1)) == here)
        --position;
    return position;
}

std::pair<int, int> EditableText::wordAt(int position, int from, int to) const
{
    if (size() == 0)
        return {0, 0};
    position = std::clamp(position, 0, size() - 1);
    from = std::max(from, 0);
    to = std::min(to, size());
    const CharClass here = classOf(m_text.at(position));
    if (here == CharClass::Sign)
        return {position, nextCharacter(position)};
    int start = position;
    int end = position + 1;
    while (start > from && classOf(m_text.at(start - 1)) == here)
        --start;
    while (end < to && classOf(m_text.at(end)) == here)
        ++end;
    return {start, end};
}

} // namespace pellitor
