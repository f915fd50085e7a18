// The result box's editing rules and undo history.
//
// Each edit records steps: text inserted or removed (with where its characters lie in the
// document's buffer), a line break inserted or removed, the caret an edit block started from, a
// paste at the very start (which the document records as a change of the first line's format).
// A step merges into the one before when both are single edits, or both belong to the same
// unfinished block, or a typed text follows a block's insertion; and then only when their
// characters follow on from each other in the text and in the buffer. Undo and redo replay whole
// blocks and leave the caret after the last text they touched, with nothing selected.
#include "DocumentEditing.h"

#include <algorithm>

namespace pellitor {

namespace {

bool breaksLine(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

// A blank for the word steps of a double click (the text document's own short list).
bool isSpaceInWord(QChar c)
{
    return c == u'\t' || c == u' ' || c == QChar::Nbsp || c == QChar::LineSeparator;
}

} // namespace

int DocumentEditing::nextWord(int position) const
{
    const EditableText& c = m_content;
    if (position >= c.size())
        return position;
    if (c.text().at(position) == u'\n')
        return position + 1;
    int lineEnd = int(c.text().indexOf(u'\n', position));
    return c.nextWord(position, lineEnd < 0 ? c.size() : lineEnd);
}

int DocumentEditing::previousWord(int position) const
{
    const EditableText& c = m_content;
    if (position <= 0)
        return 0;
    if (c.text().at(position - 1) == u'\n')
        return position - 1;
    const int lineStart = int(c.text().lastIndexOf(u'\n', position - 1)) + 1;
    return c.previousWord(position, lineStart);
}

std::pair<int, int> DocumentEditing::wordUnder(int position) const
{
    // The start of the word (the text document's StartOfWord), then its end (EndOfWord).
    const EditableText& c = m_content;
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

void DocumentEditing::reset()
{
    // As the document lays a plain text out: its buffer holds the first line's break, the whole
    // text, then one break for each line break in it.
    const QString& text = m_content.text();
    const int size = m_content.size();
    m_pieces.clear();
    int lineBreakOrigin = 1 + size;
    int start = 0;
    for (int i = 0; i < size; ++i) {
        if (text.at(i) != u'\n')
            continue;
        if (i > start)
            m_pieces.push_back({i - start, 1 + start, false});
        m_pieces.push_back({1, lineBreakOrigin++, true});
        start = i + 1;
    }
    if (size > start)
        m_pieces.push_back({size - start, 1 + start, false});
    m_bufferEnd = lineBreakOrigin;
    m_stack.clear();
    m_undoState = 0;
    m_held = 0;
    m_editBlock = 0;
    m_editBlockCaret = -1;
    m_unmodifiedState = 0;
    m_modified = false;
    for (TrackedSelection* selection : m_tracked)
        *selection = {};
}

void DocumentEditing::adjustTracked(int position, int added, bool keepCursor)
{
    // As the document moves its cursors: an end at the change stays only when the change kept
    // the cursors in place; a removed stretch pulls what lay in it to its start.
    const auto moved = [&](int at) {
        if (added < 0 && at < position - added)
            return position;
        return at + added;
    };
    for (TrackedSelection* selection : m_tracked) {
        if (!(selection->position < position || (selection->position == position && keepCursor)))
            selection->position = moved(selection->position);
        if (selection->anchor >= position && (selection->anchor != position || !keepCursor))
            selection->anchor = moved(selection->anchor);
    }
}

std::size_t DocumentEditing::splitAt(int position)
{
    int start = 0;
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        Piece& piece = m_pieces[i];
        if (start == position)
            return i;
        if (position < start + piece.length) {
            const int before = position - start;
            Piece after{piece.length - before, piece.origin + before, false};
            piece.length = before;
            m_moved += m_pieces.size() - i - 1;
            m_pieces.insert(m_pieces.begin() + std::ptrdiff_t(i) + 1, after);
            return i + 1;
        }
        start += piece.length;
    }
    return m_pieces.size();
}

void DocumentEditing::splicePieces(int position, const std::vector<Piece>& pieces, const QString& text, bool keepCursor)
{
    const std::size_t at = splitAt(position);
    // A text joins the piece before it when it follows on from it in the buffer; the rest go in
    // with one insertion, so that a paste of many lines moves the pieces after it once.
    std::vector<Piece> joined;
    joined.reserve(pieces.size());
    for (const Piece& piece : pieces) {
        Piece* before = !joined.empty() ? &joined.back() : at > 0 ? &m_pieces[at - 1] : nullptr;
        if (!piece.lineBreak && before && !before->lineBreak && before->origin + before->length == piece.origin) {
            before->length += piece.length;
            continue;
        }
        joined.push_back(piece);
    }
    m_moved += m_pieces.size() - at;
    m_pieces.insert(m_pieces.begin() + std::ptrdiff_t(at), joined.begin(), joined.end());
    m_content.replace(position, 0, text);
    adjustTracked(position, int(text.size()), keepCursor);
}

void DocumentEditing::insertPiece(int position, const QString& text, int origin, bool lineBreak, bool keepCursor)
{
    const QString inserted = lineBreak ? QStringLiteral("\n") : text;
    splicePieces(position, {{int(inserted.size()), origin, lineBreak}}, inserted, keepCursor);
}

void DocumentEditing::insertRuns(int position, const std::vector<Run>& runs, bool formatFirst)
{
    QString text;
    std::vector<Piece> pieces;
    pieces.reserve(runs.size());
    for (const Run& run : runs) {
        text += run.lineBreak ? QStringLiteral("\n") : run.text;
        pieces.push_back({run.lineBreak ? 1 : int(run.text.size()), run.origin, run.lineBreak});
    }
    splicePieces(position, pieces, text, false);
    // The steps as the document records them, one insertion after the other; room for them all at
    // once, as the history grows by half again at least.
    const std::size_t needed = m_undoState + runs.size() + 2;
    if (m_stack.capacity() < needed)
        m_stack.reserve(std::max(needed, m_stack.capacity() * 3 / 2));
    int at = position;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        if (i == 0 && formatFirst && !run.lineBreak)
            append({Kind::FormatChanged, 0, 0, 0, true, false, {}});
        if (run.lineBreak) {
            append({Kind::BlockInserted, at, 1, run.origin, true, false, QStringLiteral("\n")});
            ++at;
        } else {
            append({Kind::Inserted, at, int(run.text.size()), run.origin, m_editBlock != 0, false, run.text});
            at += int(run.text.size());
        }
    }
    m_content.moveCaret(at);
}

std::vector<DocumentEditing::Piece> DocumentEditing::takePieces(int position, int length, bool keepCursor)
{
    const std::size_t first = splitAt(position);
    const std::size_t last = splitAt(position + length);
    std::vector<Piece> taken(m_pieces.begin() + std::ptrdiff_t(first), m_pieces.begin() + std::ptrdiff_t(last));
    m_moved += m_pieces.size() - last;
    m_pieces.erase(m_pieces.begin() + std::ptrdiff_t(first), m_pieces.begin() + std::ptrdiff_t(last));
    // The pieces on either side join when they follow on from each other in the buffer.
    if (first > 0 && first < m_pieces.size()) {
        Piece& before = m_pieces[first - 1];
        const Piece& after = m_pieces[first];
        if (!before.lineBreak && !after.lineBreak && before.origin + before.length == after.origin) {
            before.length += after.length;
            m_moved += m_pieces.size() - first - 1;
            m_pieces.erase(m_pieces.begin() + std::ptrdiff_t(first));
        }
    }
    m_content.replace(position, length, QString());
    if (m_content.caret() > position)
        m_content.moveCaret(std::max(position, m_content.caret() - length));
    adjustTracked(position, -length, keepCursor);
    return taken;
}

void DocumentEditing::remove(int position, int length, bool keepCursor)
{
    if (length <= 0)
        return;
    const QString text = m_content.text().mid(position, length);
    int offset = 0;
    for (const Piece& piece : takePieces(position, length, keepCursor)) {
        append({piece.lineBreak ? Kind::BlockRemoved : Kind::Removed, position, piece.length, piece.origin,
                m_editBlock != 0, false, text.mid(offset, piece.length), keepCursor});
        offset += piece.length;
    }
}

void DocumentEditing::removeSelection()
{
    if (!m_content.hasSelection())
        return;
    const int start = m_content.selectionStart();
    const int length = m_content.selectionEnd() - start;
    // A selection made leftwards keeps the document's cursors in place where it was.
    const bool keepCursor = m_content.caret() < m_content.anchor();
    m_content.moveCaret(start);
    remove(start, length, keepCursor);
}

void DocumentEditing::insertLineBreak(int position)
{
    beginEditBlock();
    const int origin = m_bufferEnd++;
    insertPiece(position, QString(), origin, true);
    append({Kind::BlockInserted, position, 1, origin, true, false, QStringLiteral("\n")});
    m_content.moveCaret(position + 1);
    endEditBlock();
}

void DocumentEditing::insertText(const QString& text)
{
    bool block = false;
    if (m_content.hasSelection()) {
        block = true;
        beginEditBlock();
        removeSelection();
    }
    // The whole text goes to the buffer first; its lines go in from there, and each break after.
    const int textStart = m_bufferEnd;
    m_bufferEnd += int(text.size());
    std::vector<Run> runs;
    int lineStart = 0;
    for (int i = 0; i < text.size(); ++i) {
        const int lineEnd = i;
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        if (!breaksLine(text.at(i)))
            continue;
        if (lineEnd > lineStart)
            runs.push_back({text.mid(lineStart, lineEnd - lineStart), textStart + lineStart, false});
        runs.push_back({{}, m_bufferEnd++, true});
        lineStart = i + 1;
    }
    if (lineStart < text.size())
        runs.push_back({text.mid(lineStart), textStart + lineStart, false});
    const bool breaks = std::any_of(runs.begin(), runs.end(), [](const Run& run) { return run.lineBreak; });
    if (breaks && !block) {
        block = true;
        beginEditBlock();
    }
    insertRuns(m_content.caret(), runs, false);
    if (block)
        endEditBlock();
    else
        finishEdit();
}

void DocumentEditing::insertBlock()
{
    beginEditBlock();
    removeSelection();
    insertLineBreak(m_content.caret());
    endEditBlock();
}

void DocumentEditing::insertFragment(const QString& text)
{
    if (text.isEmpty())
        return;
    beginEditBlock();
    removeSelection();
    beginEditBlock();
    // The text as a document of its own holds it: runs of characters between line breaks, each
    // appended to the buffer in turn. Pasted at the very start, it first sets the first line's
    // format, which the document records as a step.
    std::vector<Run> runs;
    int runStart = 0;
    for (int i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && !breaksLine(text.at(i)))
            continue;
        if (i > runStart) {
            runs.push_back({text.mid(runStart, i - runStart), m_bufferEnd, false});
            m_bufferEnd += i - runStart;
        }
        if (end)
            break;
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        runs.push_back({{}, m_bufferEnd++, true});
        runStart = i + 1;
    }
    insertRuns(m_content.caret(), runs, m_content.caret() == 0);
    endEditBlock();
    endEditBlock();
}

void DocumentEditing::removeSelectedText()
{
    if (!m_content.hasSelection())
        return;
    beginEditBlock();
    removeSelection();
    endEditBlock();
}

void DocumentEditing::deleteChar()
{
    if (m_content.hasSelection()) {
        removeSelectedText();
        return;
    }
    const int caret = m_content.caret();
    if (caret >= m_content.size())
        return;
    const int end = m_content.text().at(caret) == u'\n' ? caret + 1 : m_content.nextCharacter(caret);
    remove(caret, end - caret, true);
    finishEdit();
}

void DocumentEditing::deletePreviousChar()
{
    if (m_content.hasSelection()) {
        removeSelectedText();
        return;
    }
    const int caret = m_content.caret();
    if (caret == 0)
        return;
    const int from = m_content.previousCodePoint(caret);
    m_content.moveCaret(from);
    remove(from, caret - from, false);
    finishEdit();
}

void DocumentEditing::beginEditBlock(int caret)
{
    if (caret >= 0 && m_editBlock == 0)
        m_editBlockCaret = caret;
    ++m_editBlock;
}

void DocumentEditing::endEditBlock()
{
    if (--m_editBlock > 0)
        return;
    if (m_undoState > 0 && m_stack[m_undoState - 1].blockPart)
        m_stack[m_undoState - 1].blockEnd = true;
    m_editBlockCaret = -1;
    finishEdit();
    trim();
}

void DocumentEditing::finishEdit()
{
    if (m_editBlock == 0)
        m_modified = long(m_undoState) != m_unmodifiedState;
}

bool DocumentEditing::merge(Command& last, const Command& next)
{
    if (last.kind != next.kind)
        return false;
    if (next.kind == Kind::Inserted && last.position + last.length == next.position
        && last.origin + last.length == next.origin) {
        last.length += next.length;
        last.text += next.text;
        return true;
    }
    // Delete removes forward: each step at the same position.
    if (next.kind == Kind::Removed && last.position == next.position && last.origin + last.length == next.origin) {
        last.length += next.length;
        last.text += next.text;
        return true;
    }
    // Backspace removes backward: each step just before the last.
    if (next.kind == Kind::Removed && next.position + next.length == last.position
        && next.origin + next.length == last.origin) {
        Command merged = next;
        merged.length += last.length;
        merged.text += last.text;
        last = std::move(merged);
        return true;
    }
    return false;
}

void DocumentEditing::append(Command command)
{
    for (std::size_t i = m_undoState; i < m_stack.size(); ++i)
        m_held -= m_stack[i].text.size();
    m_stack.resize(m_undoState);
    if (m_editBlock != 0 && m_editBlockCaret >= 0 && command.position != m_editBlockCaret) {
        m_stack.push_back({Kind::CursorMoved, m_editBlockCaret, 0, 0, true, false, {}});
        ++m_undoState;
        m_editBlockCaret = -1;
    }
    if (!m_stack.empty() && m_modified) {
        Command& last = m_stack[m_undoState - 1];
        const bool mayMerge = (last.blockPart && command.blockPart && !last.blockEnd)
                              || (!command.blockPart && !last.blockPart)
                              || (command.kind == Kind::Inserted && last.kind == Kind::Inserted && last.blockPart
                                  && !command.blockPart);
        if (mayMerge && merge(last, command)) {
            m_held += command.text.size();
            trim();
            return;
        }
    }
    if (m_unmodifiedState > long(m_undoState))
        m_unmodifiedState = -1;
    m_held += command.text.size();
    m_stack.push_back(std::move(command));
    ++m_undoState;
    trim();
}

void DocumentEditing::trim()
{
    if (m_editBlock != 0)
        return;
    // Whole blocks go: never between two commands of one edit block.
    const std::size_t cut = dropOldestUndoSteps(m_stack, m_undoState, m_held, m_budget,
                                                [this](std::size_t k) { return !continuesBlock(k); });
    if (cut == 0)
        return;
    m_undoState -= cut;
    m_unmodifiedState = m_unmodifiedState >= long(cut) ? m_unmodifiedState - long(cut) : -1;
}

bool DocumentEditing::continuesBlock(std::size_t index) const
{
    return index > 0 && index < m_stack.size() && m_stack[index].blockPart && m_stack[index - 1].blockPart
           && !m_stack[index - 1].blockEnd;
}

void DocumentEditing::applyPending(PendingChange& pending)
{
    if (pending.position < 0)
        return;
    if (pending.removal) {
        takePieces(pending.position, pending.length, pending.keepCursor);
    } else {
        std::vector<Piece> pieces(pending.front.rbegin(), pending.front.rend());
        pieces.insert(pieces.end(), pending.back.begin(), pending.back.end());
        QString text;
        text.reserve(pending.length);
        for (auto it = pending.frontTexts.rbegin(); it != pending.frontTexts.rend(); ++it)
            text += *it;
        for (const QString& part : pending.backTexts)
            text += part;
        splicePieces(pending.position, pieces, text, pending.keepCursor);
    }
    pending = {};
}

void DocumentEditing::gatherRemoval(PendingChange& pending, const Command& command)
{
    const bool before = pending.removal && command.position + command.length == pending.position;
    const bool after = pending.removal && command.position == pending.position;
    if (!(before || after) || pending.keepCursor != command.keepCursor)
        applyPending(pending);
    if (pending.position < 0)
        pending = {true, command.position, 0, command.keepCursor, {}, {}, {}, {}};
    if (before)
        pending.position = command.position;
    pending.length += command.length;
}

void DocumentEditing::gatherInsertion(PendingChange& pending, const Command& command, bool lineBreak)
{
    const Piece piece{command.length, command.origin, lineBreak};
    const bool atEnd = !pending.removal && command.position == pending.position + pending.length;
    const bool atStart = !pending.removal && command.position == pending.position;
    if (!(atEnd || atStart) || pending.keepCursor != command.keepCursor)
        applyPending(pending);
    if (pending.position < 0)
        pending = {false, command.position, 0, command.keepCursor, {}, {}, {}, {}};
    if (pending.length > 0 && command.position == pending.position) {
        pending.front.push_back(piece);
        pending.frontTexts.push_back(command.text);
    } else {
        pending.back.push_back(piece);
        pending.backTexts.push_back(command.text);
    }
    pending.length += command.length;
}

void DocumentEditing::replayStep(Command& command, PendingChange& pending, TouchedText& touched)
{
    switch (command.kind) {
    case Kind::Inserted:
    case Kind::BlockInserted:
        gatherRemoval(pending, command);
        command.kind = command.kind == Kind::Inserted ? Kind::Removed : Kind::BlockRemoved;
        touched.position = command.position;
        touched.length = 0;
        break;
    case Kind::Removed:
    case Kind::BlockRemoved:
        gatherInsertion(pending, command, command.kind == Kind::BlockRemoved);
        command.kind = command.kind == Kind::BlockRemoved ? Kind::BlockInserted : Kind::Inserted;
        if (touched.position != command.position)
            touched.length = 0;
        touched.position = command.position;
        touched.length += command.length;
        break;
    case Kind::CursorMoved:
        touched.position = command.position;
        touched.length = 0;
        break;
    case Kind::FormatChanged: touched.position = -1; break;
    }
}

int DocumentEditing::caretAfter(const TouchedText& touched) const
{
    if (touched.position >= 0)
        return touched.position + touched.length;
    // A format change last: the document puts the caret after the first line's break.
    const int lineBreak = int(m_content.text().indexOf(u'\n'));
    return lineBreak < 0 ? m_content.size() : lineBreak + 1;
}

bool DocumentEditing::undoRedo(bool undo)
{
    if ((undo && m_undoState == 0) || (!undo && m_undoState == m_stack.size()))
        return false;
    ++m_editBlock;
    PendingChange pending;
    TouchedText touched;
    // Undo and redo alike take steps back: each is stored as its opposite once replayed.
    do {
        if (undo)
            --m_undoState;
        replayStep(m_stack[m_undoState], pending, touched);
        if (!undo)
            ++m_undoState;
    } while (continuesBlock(m_undoState));
    applyPending(pending);
    const int caret = caretAfter(touched);
    endEditBlock();
    m_content.moveCaret(std::min(caret, m_content.size()));
    return true;
}

} // namespace pellitor
