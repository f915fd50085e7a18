// The lines of the result box: where each begins, found by summing the widths of its characters,
// which are measured once per font (one width stands for every character no font shows, one for
// ideographs), so that ten million characters wrap in one quick pass; after an edit only the lines
// from the one before the edit up to where they meet the old ones again are wrapped afresh.
// Lines break anywhere at the edge, at a line break, and inside a run of combining marks only
// once it grows too long for one line.
#pragma once

#include "EditableText.h"

#include <QFont>
#include <QHash>

#include <utility>
#include <vector>

namespace pellitor {

class ResultLines {
public:
    // A tab steps to the next multiple of this, as in Qt's text layouts.
    static constexpr qreal TabStop = 80;

    // The font the widths are measured in; a new one measures them afresh.
    void setFont(const QFont& font);
    // Wraps the whole text into lines no wider than width.
    void wrap(const QString& text, qreal width);
    // Wraps again what span changed.
    void rewrap(const QString& text, qreal width, const EditableText::Span& span);

    int count() const { return int(m_starts.size()); }
    int start(int line) const { return m_starts.at(std::size_t(line)); }
    // The line as it shows: [start, end) without its line break.
    std::pair<int, int> line(const QString& text, int line) const;
    // The line that holds position (a position where a line breaks at the edge starts the next).
    int lineOf(int position) const;
    // Whether a line of the text ends with this character.
    static bool endsLine(QChar c) { return c == u'\n' || c == QChar::LineSeparator; }
    // How many characters wrapping has visited since this was made.
    qint64 wrapped() const { return m_wrapped; }
    // How many character widths have been measured in the font since this was made.
    qint64 measured() const { return m_measured; }

private:
    void wrapFrom(const QString& text, qreal width, int firstLine, const EditableText::Span* span);
    qreal advance(const QChar* text, int at, int size);

    QFont m_font;
    std::vector<float> m_advances;         // per UTF-16 unit of the Basic Multilingual Plane; < 0 unknown
    QHash<char32_t, float> m_wideAdvances; // characters beyond it
    std::vector<int> m_starts{0};
    qint64 m_wrapped = 0;
    qint64 m_measured = 0;
};

} // namespace pellitor
