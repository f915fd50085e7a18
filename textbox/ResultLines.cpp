// Where the result box's lines begin.
#include "ResultLines.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace pellitor {

namespace {
// A line of characters that take no room (a run of combining marks) still ends somewhere.
constexpr int LongestLine = 4096;

// Ideographs of one script are all as wide: one of them stands for the rest (0: none).
char32_t sharedIdeograph(QChar::Script script)
{
    switch (script) {
    case QChar::Script_Han: return 0x20000;
    case QChar::Script_Tangut: return 0x17000;
    case QChar::Script_Nushu: return 0x1B170;
    case QChar::Script_KhitanSmallScript: return 0x18B00;
    default: return 0;
    }
}
} // namespace

void ResultLines::setFont(const QFont& font)
{
    if (font == m_font && !m_advances.empty())
        return;
    m_font = font;
    m_advances.assign(0x10000, -1.0f);
    m_wideAdvances.clear();
}

std::pair<int, int> ResultLines::line(const QString& text, int line) const
{
    const int begin = start(line);
    int end = line + 1 < count() ? m_starts[std::size_t(line) + 1] : int(text.size());
    if (end > begin && endsLine(text.at(end - 1)))
        --end;
    return {begin, end};
}

int ResultLines::lineOf(int position) const
{
    return int(std::upper_bound(m_starts.begin(), m_starts.end(), position) - m_starts.begin()) - 1;
}

void ResultLines::wrap(const QString& text, qreal width)
{
    m_starts.assign(1, 0);
    wrapFrom(text, width, 0, nullptr);
}

void ResultLines::rewrap(const QString& text, qreal width, const EditableText::Span& span)
{
    // The line before the edit too: a narrower character may now fit at its end.
    wrapFrom(text, width, std::max(0, lineOf(span.from) - 1), &span);
}

qreal ResultLines::advance(const QChar* text, int at, int size)
{
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < size && QChar::isLowSurrogate(text[at + 1].unicode())) {
        char32_t code = QChar::surrogateToUcs4(unit, text[at + 1].unicode());
        // Characters no font shows (unassigned, private) share the width of a missing glyph, and
        // the ideographs of a script share one width: a text of a million different ones is
        // measured in moments.
        const QChar::Category category = QChar::category(code);
        if (category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse)
            code = 0xFFFF0; // a private use character stands for them all
        else if (const char32_t ideograph = sharedIdeograph(QChar::script(code)))
            code = ideograph;
        auto known = m_wideAdvances.constFind(code);
        if (known == m_wideAdvances.cend()) {
            ++m_measured;
            known = m_wideAdvances.insert(code, QFontMetricsF(m_font).horizontalAdvance(QString::fromUcs4(&code, 1)));
        }
        return *known;
    }
    float& width = m_advances[unit];
    if (width < 0) {
        ++m_measured;
        // Control characters show as blanks.
        const QChar shown = unit < 0x20 ? QChar(u' ') : QChar(unit);
        width = float(QFontMetricsF(m_font).horizontalAdvance(shown));
    }
    return width;
}

void ResultLines::wrapFrom(const QString& text, qreal width, int firstLine, const EditableText::Span* span)
{
    const QChar* units = text.constData();
    const int size = int(text.size());
    const int shift = span ? span->newEnd - span->oldEnd : 0;
    width = std::max<qreal>(1, width);
    std::vector<int> fresh;
    // True when a new line start meets an old one past the edit: from there on the lines are the
    // old ones, shifted by what the edit added or took away.
    const auto rejoined = [&](int begin) {
        if (!span || begin < span->newEnd)
            return false;
        const auto first = m_starts.begin() + firstLine + 1;
        const auto old = std::lower_bound(first, m_starts.end(), begin - shift);
        if (old == m_starts.end() || *old != begin - shift)
            return false;
        const auto rest = m_starts.erase(first, old + 1);
        const auto tail = m_starts.insert(rest, fresh.begin(), fresh.end()) + std::ptrdiff_t(fresh.size());
        std::for_each(tail, m_starts.end(), [shift](int& start) { start += shift; });
        return true;
    };
    const auto breakAt = [&](int begin) {
        fresh.push_back(begin);
        return rejoined(begin);
    };
    qreal x = 0;
    int lineStart = m_starts[std::size_t(firstLine)];
    for (int i = lineStart; i < size; ++i) {
        ++m_wrapped;
        const QChar unit = units[i];
        if (endsLine(unit)) {
            if (breakAt(i + 1))
                return;
            lineStart = i + 1;
            x = 0;
            continue;
        }
        // A surrogate pair was measured at its first half and stays whole.
        if (unit.isLowSurrogate() && i > 0 && units[i - 1].isHighSurrogate())
            continue;
        const float known = m_advances[unit.unicode()]; // a surrogate's entry stays unknown
        const qreal w = unit == u'\t' ? TabStop - std::fmod(x, TabStop) : known >= 0 ? known : advance(units, i, size);
        // A mark stays with its letter, unless a run of them grows too long for one line.
        const bool mark = unit.unicode() >= 0x300 && unit.isMark();
        if (i > lineStart && ((!mark && x + w > width) || i - lineStart >= LongestLine)) {
            if (breakAt(i))
                return;
            lineStart = i;
            x = 0;
        }
        x += w;
    }
    m_starts.resize(std::size_t(firstLine) + 1);
    m_starts.insert(m_starts.end(), fresh.begin(), fresh.end());
}

} // namespace pellitor
