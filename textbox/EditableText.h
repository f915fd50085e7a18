// The content of an editable text box: the text, the caret, the selection's anchor and the undo
// history. Every edit touches only the characters it changes, so nothing here costs more than a
// copy of the text however long the text is.
#pragma once

#include <QString>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace pellitor {

class EditableText {
public:
    // One change to the text: at position, removed gave way to inserted.
    struct Change {
        int position = 0;
        QString removed;
        QString inserted;
    };

    const QString& text() const { return m_text; }
    int caret() const { return m_caret; }
    int anchor() const { return m_anchor; }
    int size() const { return int(m_text.size()); }
    bool hasSelection() const { return m_caret != m_anchor; }
    int selectionStart() const { return std::min(m_caret, m_anchor); }
    int selectionEnd() const { return std::max(m_caret, m_anchor); }
    QString selectedText() const { return m_text.mid(selectionStart(), selectionEnd() - selectionStart()); }

    // Replaces everything and forgets the history; the caret goes to the end, nothing selected.
    void setText(const QString& text);
    // Moves the caret; with select the anchor stays, else it follows the caret.
    void moveCaret(int position, bool select = false);
    void select(int anchor, int caret);

    // An edit as a person makes it: replaces the selection (if any) by text, caret after it.
    void insert(const QString& text);
    // Removes the selection, or else the range from the caret to position.
    void removeTo(int position);
    bool undo();
    bool redo();
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_history.size(); }

    // The positions one character (a surrogate pair and its combining marks stay whole) or one
    // word away from position.
    int nextCharacter(int position) const;
    int previousCharacter(int position) const;
    int nextWord(int position) const;
    int previousWord(int position) const;
    // The word (or run of blanks, or single sign) around position, as [start, end), looking no
    // further than [from, to) (which holds position).
    std::pair<int, int> wordAt(int position, int from = 0, int to = std::numeric_limits<int>::max()) const;

    // While followed() says so, each change is kept until takeChanges(): what assistive tools are
    // told. It is asked at every change, so nothing is kept, nor compared, while nobody listens.
    void followChangesWhile(bool (*followed)()) { m_followed = followed; }
    std::vector<Change> takeChanges() { return std::exchange(m_changes, {}); }

private:
    struct Edit {
        int position;
        QString removed;
        QString inserted;
        int caretBefore;
        int anchorBefore;
    };
    void replace(int position, int length, const QString& text);
    void record(Edit edit);
    bool followed() const { return m_followed && m_followed(); }

    QString m_text;
    int m_caret = 0;
    int m_anchor = 0;
    std::vector<Edit> m_history;
    std::size_t m_done = 0; // edits in m_history that are applied; those after it can be redone
    bool (*m_followed)() = nullptr;
    std::vector<Change> m_changes;
};

} // namespace pellitor
