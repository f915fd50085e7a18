// The editable content of a text box and the boundaries a caret steps over.
#include "EditableText.h"

#include <QTextBoundaryFinder>

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

// Characters a cluster boundary never falls before: a mark, a joiner, a variation selector, the
// second half of a surrogate pair, and (to be safe with pairs of flags) regional indicators.
bool continuesCluster(const QString& text, int position)
{
    const QChar c = text.at(position);
    if (c.isLowSurrogate() || c.isMark() || c.unicode() == 0x200D || c.unicode() == 0x200C)
        return true;
    if (c.isHighSurrogate() && position + 1 < text.size()) {
        const char32_t code = QChar::surrogateToUcs4(c, text.at(position + 1));
        return (code >= 0x1F1E6 && code <= 0x1F1FF) || QChar::isMark(code) || (code >= 0xE0100 && code <= 0xE01EF);
    }
    return false;
}

bool isControlShownAsBlank(QChar c)
{
    return (c.unicode() < 0x20 && c.unicode() != u'\t') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The cluster boundary after (forward) or before position: the text around position, from a
// character that surely starts a cluster, is handed to Qt's boundary finder, and the window grows
// until it holds the boundary. So a step costs the length of the cluster it crosses, not the text's.
int clusterBoundary(const QString& text, int position, bool forward, bool controlsAsBlanks)
{
    const int size = int(text.size());
    for (int reach = 64;; reach *= 4) {
        int from = std::max(0, position - reach);
        while (from > 0 && continuesCluster(text, from))
            --from;
        const int to = std::min(size, position + reach);
        QString window = text.mid(from, to - from);
        if (controlsAsBlanks)
            for (QChar& c : window)
                if (isControlShownAsBlank(c))
                    c = QLatin1Char(' ');
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, window);
        finder.setPosition(position - from);
        const qsizetype found = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
        // A boundary at the window's edge is one only where the text itself ends.
        if (found > 0 && found < window.size())
            return from + int(found);
        if (found == window.size() && to == size)
            return size;
        if (found == 0 && from == 0)
            return 0;
        if (from == 0 && to == size)
            return forward ? size : 0;
    }
}

} // namespace

EditableText::Change EditableText::difference(const QString& before, const QString& after)
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

void EditableText::setText(const QString& text)
{
    const Change change = difference(m_text, text);
    replace(change.position, int(change.removed.size()), change.inserted);
    m_caret = m_anchor = size();
}

int EditableText::clamped(int position) const
{
    position = std::clamp(position, 0, size());
    if (position > 0 && position < size() && m_text.at(position).isLowSurrogate()
        && m_text.at(position - 1).isHighSurrogate())
        --position;
    return position;
}

void EditableText::moveCaret(int position, bool select)
{
    m_caret = clamped(position);
    if (!select)
        m_anchor = m_caret;
}

void EditableText::select(int anchor, int caret)
{
    m_anchor = clamped(anchor);
    m_caret = clamped(caret);
}

void EditableText::replace(int position, int length, const QString& text)
{
    if (length == 0 && text.isEmpty())
        return;
    if (followed())
        m_changes.push_back({position, m_text.mid(position, length), text});
    ++m_revision;
    const int inserted = int(text.size());
    if (!m_span) {
        m_span = Span{position, position + length, position + inserted};
    } else {
        // Characters after the span so far are unchanged, so they map back one to one.
        const int end = std::max(m_span->newEnd, position + length);
        m_span = Span{std::min(m_span->from, position), m_span->oldEnd + (end - m_span->newEnd),
                      end + inserted - length};
    }
    if (length == 0)
        m_text.insert(position, text);
    else if (length == size() && position == 0)
        m_text = text;
    else
        m_text.replace(position, length, text);
    m_caret = clamped(m_caret);
    m_anchor = clamped(m_anchor);
}

int EditableText::nextCharacter(int position, bool controlsAsBlanks) const
{
    if (position >= size())
        return size();
    return clusterBoundary(m_text, std::max(position, 0), true, controlsAsBlanks);
}

int EditableText::previousCharacter(int position, bool controlsAsBlanks) const
{
    if (position <= 0)
        return 0;
    return clusterBoundary(m_text, std::min(position, size()), false, controlsAsBlanks);
}

int EditableText::previousCodePoint(int position) const
{
    if (position <= 0)
        return 0;
    --position;
    if (position > 0 && m_text.at(position).isLowSurrogate() && m_text.at(position - 1).isHighSurrogate())
        --position;
    return position;
}

bool EditableText::isWordSeparator(QChar c)
{
    switch (c.unicode()) {
    case '.':
    case ',':
    case '?':
    case '!':
    case '@':
    case '#':
    case '$':
    case ':':
    case ';':
    case '-':
    case '<':
    case '>':
    case '[':
    case ']':
    case '(':
    case ')':
    case '{':
    case '}':
    case '=':
    case '/':
    case '+':
    case '%':
    case '&':
    case '^':
    case '*':
    case '\'':
    case '"':
    case '`':
    case '~':
    case '|':
    case '\\': return true;
    default: return false;
    }
}

bool EditableText::isBlank(int position, bool controlsAsBlanks) const
{
    const QChar c = m_text.at(position);
    return c.isSpace() || (controlsAsBlanks && isControlShownAsBlank(c));
}

int EditableText::nextWord(int position, int end, bool controlsAsBlanks) const
{
    if (position < 0 || position >= end)
        return position;
    if (isWordSeparator(m_text.at(position))) {
        ++position;
        while (position < end && isWordSeparator(m_text.at(position)))
            ++position;
    } else {
        while (position < end && !isBlank(position, controlsAsBlanks) && !isWordSeparator(m_text.at(position)))
            ++position;
    }
    while (position < end && isBlank(position, controlsAsBlanks))
        ++position;
    return position;
}

int EditableText::previousWord(int position, int start, bool controlsAsBlanks) const
{
    if (position <= start || position > size())
        return position;
    while (position > start && isBlank(position - 1, controlsAsBlanks))
        --position;
    if (position > start && isWordSeparator(m_text.at(position - 1))) {
        --position;
        while (position > start && isWordSeparator(m_text.at(position - 1)))
            --position;
    } else {
        while (position > start && !isBlank(position - 1, controlsAsBlanks)
               && !isWordSeparator(m_text.at(position - 1)))
            --position;
    }
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
