// The editing rules of a one-line box, as Qt's line edit has them: how typing, deleting, pasting
// and moving change the text, the caret and the selection, and what undo and redo take back. Undo
// steps are kept as runs of one kind (characters typed one after another, Backspaces, Deletes, a
// removed selection) that undo together in the same groups as the line edit's, so that a paste of
// ten million characters is one entry, not ten million. The history is bounded by memory: beyond
// the budget the oldest steps go, the newest one always stays.
#pragma once

#include "EditableText.h"
#include "UndoBudget.h"

#include <cstddef>
#include <vector>

namespace pellitor {

class LineEditing {
public:
    static constexpr std::size_t DefaultBudget = DefaultUndoBudget;

    explicit LineEditing(EditableText& content, std::size_t budget = DefaultBudget)
        : m_content(content), m_budget(budget)
    {
    }

    // Moves the caret (with mark: extends the selection); a move ends the current undo step.
    void moveCursor(int position, bool mark);
    // Selects [start, start + length) (a negative length selects leftwards), as setSelection does.
    void setSelection(int start, int length);
    void selectAll();
    void deselect();
    // Replaces the selection (if any) by text; characters typed one after another undo together.
    void insert(const QString& text);
    // Removes the selection, or else the code point before the caret.
    void backspace();
    // Removes the selection, or else the character (cluster) after the caret.
    void del();
    // Inserts a text as an undo step of its own; with an empty text, only removes the selection.
    void paste(const QString& text);
    // Replaces the whole text as one undo step that gives back the old text, caret and selection;
    // the caret then goes to start. Nothing is recorded when the text stays the same.
    void replaceAll(const QString& text, int caret);
    // Forgets the history (the program set a new text).
    void clearHistory();
    // What comes next starts an undo step of its own (the caret was put elsewhere).
    void endStep() { separate(); }
    bool undo();
    bool redo();
    bool canUndo() const { return m_undoState > 0; }
    bool canRedo() const { return m_undoState < m_history.size(); }
    // Characters the history holds, for the memory bound.
    std::size_t historySize() const { return m_held; }

private:
    // The kinds of step, in the order their grouping rules compare them.
    enum class Kind { Separator, Insert, Remove, Delete, RemoveSelection, DeleteSelection, SetSelection };
    struct Entry {
        Kind kind;
        int position; // the first character it covers; the caret for a separator or selection
        QString text; // inserted or removed characters, in the text's order
        int selectionStart = 0;
        int selectionEnd = 0;
    };

    void separate() { m_separator = true; }
    void removeSelectedText();
    // Adds a step, first a separator when the last step ended (it remembers the caret, or
    // separatorCaret when given, and the selection); runs of one kind merge.
    void add(Kind kind, int position, const QString& text, int separatorCaret = -1);
    void push(Entry entry);
    void trim();
    static bool undoStopsBefore(Kind done, Kind next);
    static bool redoStopsBefore(Kind done, Kind next);
    void setState(int caret, int selectionStart, int selectionEnd);

    EditableText& m_content;
    std::size_t m_budget;
    std::vector<Entry> m_history;
    std::size_t m_undoState = 0;
    std::size_t m_held = 0;
    bool m_separator = false;
};

} // namespace pellitor
