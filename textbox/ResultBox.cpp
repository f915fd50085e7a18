// The result box. Its text is wrapped by summing the widths of its characters, which are measured
// once each; a line is laid out only when it shows, and its layout kept until the text changes.
// Kerning is off, so that a laid-out line is as wide as the sum that placed its break.
#include "ResultBox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace pellitor {

namespace {

// Around the text, as in Qt's own text documents.
constexpr int Margin = 4;
// A line of characters that take no room still ends somewhere.
constexpr int LongestLine = 4096;
// Laid-out lines kept for repainting; scrolling far away starts afresh.
constexpr std::size_t KeptLayouts = 256;

} // namespace

ResultBox::ResultBox(QWidget* parent) : TextBoxBase(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contentChanged();
}

void ResultBox::setPlainText(const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    setText(lines);
    setCursorPosition(0);
}

std::pair<int, int> ResultBox::visualLine(int line) const
{
    const QString& text = content().text();
    const int start = m_lineStarts.at(line);
    int end = line + 1 < visualLineCount() ? m_lineStarts[line + 1] : int(text.size());
    if (end > start && text.at(end - 1) == u'\n')
        --end;
    return {start, end};
}

QFont ResultBox::textFont() const
{
    QFont unkerned = font();
    unkerned.setKerning(false);
    return unkerned;
}

qreal ResultBox::advance(const QChar* text, int at, int size)
{
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < size && QChar::isLowSurrogate(text[at + 1].unicode())) {
        const char32_t code = QChar::surrogateToUcs4(unit, text[at + 1].unicode());
        auto known = m_wideAdvances.constFind(code);
        if (known == m_wideAdvances.cend())
            known = m_wideAdvances.insert(code, QFontMetricsF(textFont()).horizontalAdvance(QString(text + at, 2)));
        return *known;
    }
    float& width = m_advances[unit];
    if (width < 0) {
        // Control characters show as blanks.
        const QChar shown = unit < 0x20 ? QChar(u' ') : QChar(unit);
        width = float(QFontMetricsF(textFont()).horizontalAdvance(shown));
    }
    return width;
}

void ResultBox::wrap()
{
    const QString& text = content().text();
    const QChar* units = text.constData();
    const int size = int(text.size());
    const qreal width = std::max(1, viewport()->width() - 2 * Margin);
    m_lineStarts.assign(1, 0);
    qreal x = 0;
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const char16_t unit = units[i].unicode();
        if (unit == u'\n') {
            m_lineStarts.push_back(i + 1);
            start = i + 1;
            x = 0;
            continue;
        }
        // A surrogate pair was measured at its first half; a mark stays with its letter.
        if (QChar::isLowSurrogate(unit) && i > 0 && QChar::isHighSurrogate(units[i - 1].unicode()))
            continue;
        const float known = m_advances[unit]; // a surrogate's entry stays unknown
        const qreal w = known >= 0 ? known : advance(units, i, size);
        const bool mark = unit >= 0x300 && QChar::isMark(unit);
        if (i > start && !mark && (x + w > width || i - start >= LongestLine)) {
            m_lineStarts.push_back(i);
            start = i;
            x = 0;
        }
        x += w;
    }
}

void ResultBox::contentChanged()
{
    m_advances.assign(0x10000, -1.0f);
    m_wideAdvances.clear();
    m_layouts.clear();
    m_lineHeight = std::max(1, int(std::ceil(QFontMetricsF(textFont()).height())));
    wrap();
    QScrollBar* bar = verticalScrollBar();
    const int page = linesPerPage();
    bar->setRange(0, std::max(0, visualLineCount() - page));
    bar->setPageStep(page);
    bar->setSingleStep(1);
}

int ResultBox::linesPerPage() const
{
    return std::max(1, (viewport()->height() - Margin) / m_lineHeight);
}

int ResultBox::lineOf(int position) const
{
    return int(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), position) - m_lineStarts.begin()) - 1;
}

int ResultBox::lineTop(int line) const
{
    return Margin + (line - verticalScrollBar()->value()) * m_lineHeight;
}

const QTextLayout& ResultBox::lineLayout(int line)
{
    auto kept = m_layouts.find(line);
    if (kept != m_layouts.end())
        return *kept->second;
    if (m_layouts.size() >= KeptLayouts)
        m_layouts.clear();
    auto layout = std::make_unique<QTextLayout>();
    const auto [start, end] = visualLine(line);
    layOut(*layout, start, end);
    return *m_layouts.emplace(line, std::move(layout)).first->second;
}

void ResultBox::ensureVisible(int position)
{
    const int line = lineOf(position);
    QScrollBar* bar = verticalScrollBar();
    if (line < bar->value())
        bar->setValue(line);
    else if (line >= bar->value() + linesPerPage())
        bar->setValue(line - linesPerPage() + 1);
}

int ResultBox::positionAt(const QPoint& point)
{
    const int offset = int(std::floor(qreal(point.y() - Margin) / m_lineHeight));
    const int line = std::clamp(verticalScrollBar()->value() + offset, 0, visualLineCount() - 1);
    const auto [start, end] = visualLine(line);
    const int at = start + lineLayout(line).lineAt(0).xToCursor(point.x() - Margin, QTextLine::CursorBetweenCharacters);
    return std::clamp(at, start, end);
}

QRect ResultBox::caretRect()
{
    const int caret = content().caret();
    const int line = lineOf(caret);
    const int x = Margin + qRound(lineLayout(line).lineAt(0).cursorToX(caret - m_lineStarts[line]));
    return {x, lineTop(line), 1, m_lineHeight};
}

QRect ResultBox::characterRect(int position)
{
    const int line = lineOf(position);
    const int first = verticalScrollBar()->value();
    const auto [start, end] = visualLine(line);
    if (position >= end || line < first || line >= first + linesPerPage())
        return {};
    const QTextLine laidOut = lineLayout(line).lineAt(0);
    const qreal left = laidOut.cursorToX(position - start);
    const qreal right = laidOut.cursorToX(content().nextCharacter(position) - start);
    return columns(Margin + left, Margin + right, lineTop(line), m_lineHeight);
}

std::pair<int, int> ResultBox::shownRange()
{
    const int first = std::min(verticalScrollBar()->value(), visualLineCount() - 1);
    const int last = std::min(first + linesPerPage(), visualLineCount()) - 1;
    return {m_lineStarts[first], visualLine(last).second};
}

int ResultBox::lineStart(int position)
{
    return m_lineStarts[lineOf(position)];
}

int ResultBox::lineEnd(int position)
{
    return visualLine(lineOf(position)).second;
}

int ResultBox::verticalMove(int position, int lines)
{
    const int line = lineOf(position);
    const int target = line + lines;
    if (target < 0)
        return 0;
    if (target >= visualLineCount())
        return content().size();
    const qreal x = lineLayout(line).lineAt(0).cursorToX(position - m_lineStarts[line]);
    const auto [start, end] = visualLine(target);
    return std::clamp(start + lineLayout(target).lineAt(0).xToCursor(x), start, end);
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setPen(palette().text().color());
    const QRect area = event->rect();
    const int first = std::max(verticalScrollBar()->value(), 0);
    for (int line = first; line < visualLineCount(); ++line) {
        const int top = lineTop(line);
        if (top > area.bottom())
            break;
        if (top + m_lineHeight < area.top())
            continue;
        const auto [start, end] = visualLine(line);
        // A selected line break shows as a selected blank, as in Qt's own text boxes.
        QList<QTextLayout::FormatRange> selection = selectionIn(start, end);
        lineLayout(line).draw(&painter, QPointF(Margin, top), selection);
        const bool breakSelected = hasSelectedText() && end < content().size() && content().text().at(end) == u'\n'
                                   && content().selectionStart() <= end && end < content().selectionEnd();
        if (breakSelected) {
            const qreal x = Margin + lineLayout(line).lineAt(0).naturalTextWidth();
            painter.fillRect(QRectF(x, top, QFontMetricsF(textFont()).horizontalAdvance(u' '), m_lineHeight),
                             palette().highlight());
        }
    }
    if (caretShown()) {
        const QRect caret = caretRect();
        if (caret.intersects(area))
            painter.fillRect(caret, palette().text());
    }
}

} // namespace pellitor
