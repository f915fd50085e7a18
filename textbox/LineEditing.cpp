// A one-line box's editing rules and undo history.
//
// Every edit is a run of steps of one kind; a step that starts after the caret moved (or after a
// paste, or a removed selection) is first marked off by a separator that remembers the caret and
// selection of that moment. Undo walks down from the newest step and stops where the kind changes
// between typing, Backspace and Delete, or at a separator; a removed selection undoes together
// with what was typed over it and gives the selection back. Redo walks up by the mirror rules and
// ends on the separator, with its caret and selection.
#include "LineEditing.h"

#include <algorithm>

namespace pellitor {

bool LineEditing::undoStopsBefore(Kind done, Kind next)
{
    return next != done && next < Kind::RemoveSelection && (done < Kind::RemoveSelection || next == Kind::Separator);
}

bool LineEditing::redoStopsBefore(Kind done, Kind next)
{
    return next != done && done < Kind::RemoveSelection && next != Kind::Separator
           && (next < Kind::RemoveSelection || done == Kind::Separator);
}

void LineEditing::setState(int caret, int selectionStart, int selectionEnd)
{
    if (selectionStart < selectionEnd)
        m_content.select(caret == selectionStart ? selectionEnd : selectionStart, caret);
    else
        m_content.moveCaret(caret);
}

void LineEditing::moveCursor(int position, bool mark)
{
    position = std::clamp(position, 0, m_content.size());
    if (position != m_content.caret())
        separate();
    m_content.moveCaret(position, mark);
}

void LineEditing::setSelection(int start, int length)
{
    const int size = m_content.size();
    if (start < 0 || start > size)
        return;
    if (length > 0)
        m_content.select(start, std::min(start + length, size));
    else if (length < 0)
        m_content.select(start, std::max(start + length, 0));
    else
        m_content.moveCaret(start);
}

void LineEditing::selectAll()
{
    m_content.moveCaret(0);
    moveCursor(m_content.size(), true);
}

void LineEditing::deselect()
{
    m_content.moveCaret(m_content.caret());
}

void LineEditing::add(Kind kind, int position, const QString& text, int separatorCaret)
{
    m_history.resize(m_undoState);
    if (m_separator && m_undoState > 0 && m_history.back().kind != Kind::Separator) {
        const bool selected = m_content.hasSelection();
        const int caret = separatorCaret >= 0 ? separatorCaret : m_content.caret();
        push({Kind::Separator,
              caret,
              {},
              selected ? m_content.selectionStart() : caret,
              selected ? m_content.selectionEnd() : caret});
    }
    m_separator = false;
    if (!m_history.empty()) {
        // Steps of one kind that follow on from each other join the run before them.
        Entry& last = m_history.back();
        const bool joins = last.kind == kind
                           && ((kind == Kind::Insert && last.position + last.text.size() == position)
                               || (kind == Kind::Remove && position + text.size() == last.position)
                               || (kind == Kind::Delete && last.position == position));
        if (joins) {
            if (kind == Kind::Remove) {
                last.text.prepend(text);
                last.position = position;
            } else {
                last.text += text;
            }
            m_held += text.size();
            trim();
            return;
        }
    }
    push({kind, position, text});
    trim();
}

void LineEditing::push(Entry entry)
{
    m_held += entry.text.size();
    m_history.push_back(std::move(entry));
    m_undoState = m_history.size();
}

void LineEditing::trim()
{
    // Only where an undo would stop anyway.
    m_undoState -= dropOldestUndoSteps(m_history, m_undoState, m_held, m_budget, [this](std::size_t k) {
        return m_history[k].kind != Kind::Separator && undoStopsBefore(m_history[k].kind, m_history[k - 1].kind);
    });
}

void LineEditing::removeSelectedText()
{
    if (!m_content.hasSelection())
        return;
    separate();
    const int start = m_content.selectionStart();
    const int end = m_content.selectionEnd();
    const int caret = m_content.caret();
    m_history.resize(m_undoState);
    // The separator before it remembers the selection, so that redo shows it again.
    add(Kind::SetSelection, caret, {});
    Entry& set = m_history.back();
    set.selectionStart = start;
    set.selectionEnd = end;
    add(caret == start ? Kind::DeleteSelection : Kind::RemoveSelection, start,
        m_content.text().mid(start, end - start));
    m_content.replace(start, end - start, QString());
    m_content.moveCaret(start);
}

void LineEditing::insert(const QString& text)
{
    removeSelectedText();
    if (text.isEmpty())
        return;
    const int caret = m_content.caret();
    // The line edit has already stepped its caret past the first character when it records it.
    add(Kind::Insert, caret, text, caret + 1);
    m_content.replace(caret, 0, text);
    m_content.moveCaret(caret + int(text.size()));
}

void LineEditing::backspace()
{
    if (m_content.hasSelection()) {
        removeSelectedText();
        return;
    }
    const int caret = m_content.caret();
    if (caret == 0)
        return;
    const int from = m_content.previousCodePoint(caret);
    // The line edit steps its caret back before it records the step (its separator sees that).
    add(Kind::Remove, from, m_content.text().mid(from, caret - from), caret - 1);
    m_content.replace(from, caret - from, QString());
    m_content.moveCaret(from);
}

void LineEditing::del()
{
    if (m_content.hasSelection()) {
        removeSelectedText();
        return;
    }
    const int caret = m_content.caret();
    const int end = m_content.nextCharacter(caret, true);
    if (end == caret)
        return;
    add(Kind::Delete, caret, m_content.text().mid(caret, end - caret));
    m_content.replace(caret, end - caret, QString());
}

void LineEditing::paste(const QString& text)
{
    if (text.isEmpty() && !m_content.hasSelection())
        return;
    separate();
    insert(text);
    separate();
}

void LineEditing::replaceAll(const QString& text, int caret)
{
    if (text == m_content.text()) {
        moveCursor(caret, false);
        return;
    }
    const EditableText::Change change = EditableText::difference(m_content.text(), text);
    const int position = change.position;
    const QString& removed = change.removed;
    const QString& inserted = change.inserted;
    separate();
    const bool selected = m_content.hasSelection();
    const int start = selected ? m_content.selectionStart() : m_content.caret();
    const int end = selected ? m_content.selectionEnd() : m_content.caret();
    add(Kind::SetSelection, m_content.caret(), {});
    m_history.back().selectionStart = start;
    m_history.back().selectionEnd = end;
    if (!removed.isEmpty())
        add(Kind::RemoveSelection, position, removed);
    if (!inserted.isEmpty())
        add(Kind::Insert, position, inserted);
    m_content.replace(position, int(removed.size()), inserted);
    m_content.moveCaret(caret);
    separate();
}

void LineEditing::clearHistory()
{
    m_history.clear();
    m_undoState = 0;
    m_held = 0;
    m_separator = false;
}

bool LineEditing::undo()
{
    if (m_undoState == 0)
        return false;
    int caret = m_content.caret();
    int selectionStart = 0;
    int selectionEnd = 0;
    while (m_undoState > 0) {
        const Entry& entry = m_history[--m_undoState];
        const int length = int(entry.text.size());
        switch (entry.kind) {
        case Kind::Insert:
            m_content.replace(entry.position, length, QString());
            caret = entry.position;
            break;
        case Kind::SetSelection:
            selectionStart = entry.selectionStart;
            selectionEnd = entry.selectionEnd;
            caret = entry.position;
            break;
        case Kind::Remove:
        case Kind::RemoveSelection:
            m_content.replace(entry.position, 0, entry.text);
            caret = entry.position + length;
            break;
        case Kind::Delete:
        case Kind::DeleteSelection:
            m_content.replace(entry.position, 0, entry.text);
            caret = entry.position;
            break;
        case Kind::Separator: continue;
        }
        if (m_undoState > 0 && undoStopsBefore(entry.kind, m_history[m_undoState - 1].kind))
            break;
    }
    setState(caret, selectionStart, selectionEnd);
    return true;
}

bool LineEditing::redo()
{
    if (m_undoState == m_history.size())
        return false;
    int caret = m_content.caret();
    int selectionStart = 0;
    int selectionEnd = 0;
    while (m_undoState < m_history.size()) {
        const Entry& entry = m_history[m_undoState++];
        switch (entry.kind) {
        case Kind::Insert:
            m_content.replace(entry.position, 0, entry.text);
            caret = entry.position + int(entry.text.size());
            break;
        case Kind::SetSelection:
        case Kind::Separator:
            selectionStart = entry.selectionStart;
            selectionEnd = entry.selectionEnd;
            caret = entry.position;
            break;
        case Kind::Remove:
        case Kind::Delete:
        case Kind::RemoveSelection:
        case Kind::DeleteSelection:
            m_content.replace(entry.position, int(entry.text.size()), QString());
            selectionStart = selectionEnd = 0;
            caret = entry.position;
            break;
        }
        if (m_undoState < m_history.size() && redoStopsBefore(entry.kind, m_history[m_undoState].kind))
            break;
    }
    setState(caret, selectionStart, selectionEnd);
    return true;
}

} // namespace pellitor
