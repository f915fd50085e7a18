// The calculator's one-line input box. It keeps the index of the first character that shows and
// lays out only a run from there to the right edge (with a few characters of context before it
// for shaping): scrolling, the caret and the mouse are all measured on such short runs.
#include "InputBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace pellitor {

namespace {

// Characters laid out before the first one shown, so that it is shaped as in the whole text.
constexpr int Context = 16;
// The first run laid out; it grows fourfold until it reaches the edge of the box.
constexpr int FirstSpan = 256;
// No run grows beyond this, even over characters that take no room.
constexpr int LongestSpan = 1 << 16;
// Between the frame's inside and the text, as in Qt's own line edit.
constexpr int HorizontalMargin = 2;

// A position that does not split a surrogate pair: moved back onto the pair's start.
int pairStart(const QString& text, int position)
{
    if (position > 0 && position < text.size() && text.at(position).isLowSurrogate()
        && text.at(position - 1).isHighSurrogate())
        return position - 1;
    return position;
}

} // namespace

InputBox::InputBox(QWidget* parent) : TextBoxBase(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The style paints the panel, rounded corners and all, over the window's own background.
    viewport()->setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_MacShowFocusRect);
}

int InputBox::caretPosition() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void InputBox::replaceContent(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

QSize InputBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * HorizontalMargin,
                     std::max(metrics.height(), 14) + 2);
    const QStyleOptionFrame option = panelOption();
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
}

QSize InputBox::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const QStyleOptionFrame option = panelOption();
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                     QSize(metrics.maxWidth(), metrics.height() + 2), this);
}

void InputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    TextBoxBase::keyPressEvent(event);
}

void InputBox::focusInEvent(QFocusEvent* event)
{
    // As in any line edit, Tab into the box selects what it holds.
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        && !hasSelectedText())
        selectAll();
    TextBoxBase::focusInEvent(event);
}

QStyleOptionFrame InputBox::panelOption() const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    return option;
}

QRect InputBox::textRect() const
{
    const QStyleOptionFrame option = panelOption();
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int height = QFontMetrics(font()).height();
    const int top = inside.y() + (inside.height() - height + 1) / 2;
    return {inside.x() + HorizontalMargin, top, inside.width() - 2 * HorizontalMargin, height};
}

void InputBox::layOutRun(Run& run, int start, int end)
{
    const QString& text = content().text();
    run.start = pairStart(text, std::max(0, start - Context));
    run.end = end < text.size() && end > 0 && text.at(end).isLowSurrogate() ? end + 1 : end;
    layOut(run.layout, run.start, run.end);
}

const InputBox::Run& InputBox::shownRun()
{
    if (m_shownValid)
        return m_shown;
    const int size = content().size();
    const qreal width = textRect().width();
    for (int span = FirstSpan;; span *= 4) {
        layOutRun(m_shown, m_first, std::min(size, m_first + span));
        if (m_shown.end >= size || m_shown.x(m_shown.end) - m_shown.x(m_first) > width || span >= LongestSpan)
            break;
    }
    m_shownValid = true;
    return m_shown;
}

int InputBox::firstFitting(int end, qreal width)
{
    Run run;
    int start = end;
    for (int span = FirstSpan;; span *= 4) {
        start = std::max(0, end - span);
        layOutRun(run, start, end);
        if (start == 0 || run.x(end) - run.x(start) > width || span >= LongestSpan)
            break;
    }
    const qreal target = run.x(end) - width;
    int first = run.start + run.layout.lineAt(0).xToCursor(target, QTextLine::CursorBetweenCharacters);
    while (first < end && run.x(first) < target)
        first = content().nextCharacter(first);
    return std::clamp(first, start, end);
}

void InputBox::contentChanged()
{
    m_first = std::min(m_first, content().size());
    m_shownValid = false;
}

void InputBox::ensureVisible(int position)
{
    const qreal width = textRect().width() - 1; // the caret's own pixel stays inside
    if (position < m_first) {
        // Scrolled left: the position stands at the left edge.
        m_first = position;
        m_shownValid = false;
    } else {
        const Run& shown = shownRun();
        if (position > shown.end || shown.x(position) - shown.x(m_first) > width) {
            m_first = firstFitting(position, width);
            m_shownValid = false;
        }
    }
    // No empty room at the right while text is hidden at the left.
    if (m_first > 0) {
        const Run& shown = shownRun();
        const int size = content().size();
        if (shown.end == size && shown.x(size) - shown.x(m_first) < width) {
            m_first = firstFitting(size, width);
            m_shownValid = false;
        }
    }
}

int InputBox::positionAt(const QPoint& point)
{
    const Run& shown = shownRun();
    const qreal x = point.x() - textRect().x() + shown.x(m_first);
    const int position = shown.start + shown.layout.lineAt(0).xToCursor(x, QTextLine::CursorBetweenCharacters);
    return std::clamp(position, 0, content().size());
}

QRect InputBox::caretRect()
{
    const Run& shown = shownRun();
    const QRect text = textRect();
    const int caret = std::clamp(content().caret(), shown.start, shown.end);
    const int x = text.x() + qRound(shown.x(caret) - shown.x(m_first));
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    return {x, text.y(), width, text.height()};
}

QRect InputBox::characterRect(int position)
{
    const Run& shown = shownRun();
    if (position < m_first || position >= shown.end)
        return {};
    const QRect text = textRect();
    const qreal left = shown.x(position) - shown.x(m_first);
    if (left >= text.width())
        return {};
    const qreal right = shown.x(content().nextCharacter(position)) - shown.x(m_first);
    return columns(text.x() + left, text.x() + right, text.y(), text.height());
}

int InputBox::lineStart(int)
{
    return 0;
}

int InputBox::lineEnd(int)
{
    return content().size();
}

void InputBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QStyleOptionFrame panel = panelOption();
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    painter.setClipRect(inside);
    const Run& shown = shownRun();
    const QRect text = textRect();
    painter.setPen(palette().text().color());
    shown.layout.draw(&painter, QPointF(text.x() - shown.x(m_first), text.y()),
                      selectionIn(shown.start, shown.end), inside);
    if (caretShown())
        painter.fillRect(caretRect(), palette().text());
}

} // namespace pellitor
