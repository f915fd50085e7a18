// The content of an editable text box: the text, the caret and the selection's anchor, and the
// boundaries a caret steps over (characters as a person sees them, words). Every edit touches only
// the characters it changes, and every boundary is found from the text around the position, so
// nothing here costs more than a copy of the text however long the text is.
#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
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

    // Replaces everything (in effect only what differs); the caret goes to the end, nothing
    // selected.
    void setText(const QString& text);
    // What of before gives way to what in after: everything but their longest common start and
    // end, which never split a surrogate pair.
    static Change difference(const QString& before, const QString& after);
    // Moves the caret; with select the anchor stays, else it follows the caret. Positions are
    // clamped to the text and never fall between the two halves of a surrogate pair.
    void moveCaret(int position, bool select = false);
    void select(int anchor, int caret);
    // Replaces length characters at position by text; caret and anchor stay where they were,
    // clamped to the new text. The one place the text changes.
    void replace(int position, int length, const QString& text);

    // Counts the changes to the text: an edit that changes nothing leaves it as it was.
    std::uint64_t revision() const { return m_revision; }
    // The part of the text changed since the last call, as one range: [from, oldEnd) of the text
    // then is [from, newEnd) of the text now. Empty when nothing changed.
    struct Span {
        int from;
        int oldEnd;
        int newEnd;
    };
    std::optional<Span> takeSpan() { return std::exchange(m_span, std::nullopt); }

    // Where a caret goes one character (a cluster a person sees as one: a letter with its marks, a
    // surrogate pair) before or after position. With controlsAsBlanks, control characters count
    // as the blanks a one-line box shows them as.
    int nextCharacter(int position, bool controlsAsBlanks = false) const;
    int previousCharacter(int position, bool controlsAsBlanks = false) const;
    // One code point before position: what Backspace removes.
    int previousCodePoint(int position) const;
    // Word steps as in Qt's text layouts: a run of signs (. , + - ( ) ...) or a run of other
    // non-blank characters is a word, and the blanks after it belong to it. Within [0, end).
    int nextWord(int position, int end, bool controlsAsBlanks = false) const;
    // ... back to the start of the word before position, within [start, size).
    int previousWord(int position, int start, bool controlsAsBlanks = false) const;
    // The word (or run of blanks, or single sign) around position, as [start, end), looking no
    // further than [from, to) (which holds position).
    std::pair<int, int> wordAt(int position, int from = 0, int to = std::numeric_limits<int>::max()) const;
    // A blank as Qt's text layouts count it (for word steps and selections).
    bool isBlank(int position, bool controlsAsBlanks = false) const;
    // A sign that ends a word in Qt's text layouts.
    static bool isWordSeparator(QChar c);

    // While listening() says so, each change is kept until takeChanges(): what assistive tools are
    // told. It is asked at every change, so nothing is kept, nor compared, while nobody listens.
    void followChangesWhile(bool (*listening)()) { m_followed = listening; }
    std::vector<Change> takeChanges() { return std::exchange(m_changes, {}); }

private:
    int clamped(int position) const;
    bool followed() const { return m_followed && m_followed(); }

    QString m_text;
    std::uint64_t m_revision = 0;
    std::optional<Span> m_span;
    int m_caret = 0;
    int m_anchor = 0;
    bool (*m_followed)() = nullptr;
    std::vector<Change> m_changes;
};

} // namespace pellitor
