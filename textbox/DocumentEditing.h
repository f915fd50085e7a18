// The editing rules of the multi-line result box, as Qt's plain text box has them, and its undo
// history. Qt's text document appends every text it inserts to one growing buffer and lets two undo
// steps merge only when their characters follow on from each other in that buffer as well as in
// the text: typing merges, typing after a paste joins the paste, deleting forward over characters
// typed at different times does not. So the history here remembers, for every character of the
// text, where it would lie in such a buffer (in pieces, not per character), and merges by the same
// rule. Line breaks are pieces of their own and never merge. The history is bounded by memory.
#pragma once

#include "EditableText.h"
#include "UndoBudget.h"

#include <cstddef>
#include <vector>

namespace pellitor {

class DocumentEditing {
public:
    static constexpr std::size_t DefaultBudget = DefaultUndoBudget;

    explicit DocumentEditing(EditableText& content, std::size_t budget = DefaultBudget)
        : m_content(content), m_budget(budget)
    {
        reset();
    }

    // Starts afresh from the content's text (the program set it): no history.
    void reset();
    // Typed text, or an input method's, in place of the selection.
    void insertText(const QString& text);
    // Enter: a line break in place of the selection.
    void insertBlock();
    // A pasted or dropped text, in place of the selection, as one step; an empty one does nothing.
    void insertFragment(const QString& text);
    void removeSelectedText();
    // Delete: the selection, else the character (cluster, or line break) after the caret.
    void deleteChar();
    // Backspace: the selection, else the code point (or line break) before the caret.
    void deletePreviousChar();
    // Word steps within a line of the text: a line break is a word boundary of its own.
    int nextWord(int position) const;
    int previousWord(int position) const;
    // The word around position as a double click selects it (none where a line ends after a
    // blank or a sign).
    std::pair<int, int> wordUnder(int position) const;
    // Edits between these undo together; a block begun at a caret gives that caret back on undo
    // when its first edit lies elsewhere (-1: none).
    void beginEditBlock(int caret = -1);
    void endEditBlock();
    bool undo() { return undoRedo(true); }
    bool redo() { return undoRedo(false); }
    bool canUndo() const { return m_undoState > 0; }
    bool canRedo() const { return m_undoState < m_stack.size(); }
    std::size_t historySize() const { return m_held; }
    // How many pieces insertions and removals have shifted along the list of pieces since this
    // was made: what an edit costs besides its own text.
    std::size_t movedPieces() const { return m_moved; }

    // A selection kept apart from the caret's (the word a double click chose): it moves with the
    // text as the document's own cursors do, and shrinks to nothing when its text goes.
    struct TrackedSelection {
        int anchor = 0;
        int position = 0;
        bool empty() const { return anchor == position; }
    };
    // Keeps selection in step with every change from now on; it must outlive this object.
    void track(TrackedSelection* selection) { m_tracked.push_back(selection); }

private:
    struct Piece {
        int length;
        int origin; // where its first character lies in the buffer
        bool lineBreak;
    };
    enum class Kind { Inserted, Removed, BlockInserted, BlockRemoved, CursorMoved, FormatChanged };
    struct Command {
        Kind kind;
        int position;
        int length;
        int origin;
        bool blockPart;
        bool blockEnd;
        QString text;
        // A tracked selection that ends where a removed text comes back stays put (the removal
        // kept the cursor before it).
        bool keepCursor = false;
    };

    // A run of inserted characters, or a line break, with where it lies in the buffer.
    struct Run {
        QString text;
        int origin;
        bool lineBreak;
    };
    std::size_t splitAt(int position);
    // Puts pieces holding text in at position, in one go however many there are.
    void splicePieces(int position, const std::vector<Piece>& pieces, const QString& text, bool keepCursor);
    void insertPiece(int position, const QString& text, int origin, bool lineBreak, bool keepCursor = false);
    // Inserts the runs at position as one change of the text, and records a step for each; with
    // formatFirst, a paste at the very start records the first line's format change too.
    void insertRuns(int position, const std::vector<Run>& runs, bool formatFirst);
    // Takes the pieces of [position, position + length) out, and the text with them.
    std::vector<Piece> takePieces(int position, int length, bool keepCursor);
    // Removes [position, position + length) and records one step per piece.
    void remove(int position, int length, bool keepCursor);
    // Moves the tracked selections for added (negative: removed) characters at position.
    void adjustTracked(int position, int added, bool keepCursor);
    void removeSelection();
    void insertLineBreak(int position);
    void append(Command command);
    static bool merge(Command& last, const Command& next);

    // The text changes of one undo or redo, gathered so that a block's go in as few changes as
    // they can: a paste with many lines undoes as one removal, not one per line.
    struct PendingChange {
        bool removal = false;
        int position = -1; // -1: nothing gathered yet
        int length = 0;
        bool keepCursor = false;
        // An insertion's pieces and their texts; those that went in front of the others (an undo
        // takes a removal's steps back from the last) are kept in reverse, so that none costs
        // more than the one before it.
        std::vector<Piece> front;
        std::vector<QString> frontTexts;
        std::vector<Piece> back;
        std::vector<QString> backTexts;
    };
    // The text an undo or redo touched last, which the caret goes after; position -1 after a
    // format change.
    struct TouchedText {
        int position = -1;
        int length = -1;
    };
    // The step at index belongs to the same edit block as the one before it.
    bool continuesBlock(std::size_t index) const;
    // Makes the gathered change, if any, and starts gathering afresh.
    void applyPending(PendingChange& pending);
    // Gather the removal of command's text (an insertion taken back), or its insertion (a
    // removal taken back); what pending held is made first when the two do not join up.
    void gatherRemoval(PendingChange& pending, const Command& command);
    void gatherInsertion(PendingChange& pending, const Command& command, bool lineBreak);
    // Takes command back and turns it into its opposite, which the next redo or undo replays.
    void replayStep(Command& command, PendingChange& pending, TouchedText& touched);
    int caretAfter(const TouchedText& touched) const;
    bool undoRedo(bool undo);
    void trim();
    void finishEdit();

    EditableText& m_content;
    std::size_t m_budget;
    std::vector<Piece> m_pieces;
    std::size_t m_moved = 0;
    int m_bufferEnd = 0;
    std::vector<Command> m_stack;
    std::size_t m_undoState = 0;
    std::size_t m_held = 0;
    int m_editBlock = 0;
    int m_editBlockCaret = -1;
    // The document counts as unmodified at this step (steps only merge in a modified document).
    long m_unmodifiedState = 0;
    bool m_modified = false;
    std::vector<TrackedSelection*> m_tracked;
};

} // namespace pellitor
