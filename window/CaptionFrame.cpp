// Painting the frame in device pixels, so that its lines stay crisp and equally wide at every
// scale factor.
#include "CaptionFrame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace pellitor {

namespace {
// The etched look: a shadow rectangle over a highlight rectangle one line further right and down.
const QColor Shadow(128, 128, 128);
const QColor Highlight(255, 255, 255);
// Where the caption starts, and the background kept clear on either side of it (logical pixels).
constexpr int CaptionLeft = 8;
constexpr int CaptionPadding = 2;

void outline(QPainter& painter, const QRect& box, int line, const QColor& color)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), line), color);
    painter.fillRect(QRect(box.left(), box.bottom() - line + 1, box.width(), line), color);
    painter.fillRect(QRect(box.left(), box.top(), line, box.height()), color);
    painter.fillRect(QRect(box.right() - line + 1, box.top(), line, box.height()), color);
}
} // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    // Dark text on the white window, also where the desktop's palette is dark (its light text
    // would all but vanish on white).
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAccessibleName(caption);
}

void CaptionFrame::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect(), background);

    const QFontMetrics metrics(font());
    const qreal ratio = devicePixelRatioF();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(1 / ratio, 1 / ratio);
    // One logical pixel, rounded down to whole device pixels so that every side gets the same.
    const int line = qMax(1, qFloor(ratio));
    const int width = qFloor(this->width() * ratio);
    const int height = qFloor(this->height() * ratio);
    const int top = qFloor(metrics.height() * ratio / 2);
    const QSize box(width - line, height - top - line);
    // The shadow goes last, so that the highlight never breaks it where the two cross.
    outline(painter, QRect(QPoint(line, top + line), box), line, Highlight);
    outline(painter, QRect(QPoint(0, top), box), line, Shadow);
    if (!m_caption.isEmpty()) {
        const int gapLeft = qRound((CaptionLeft - CaptionPadding) * ratio);
        const int gapRight = qRound((CaptionLeft + metrics.horizontalAdvance(m_caption) + CaptionPadding) * ratio);
        painter.fillRect(QRect(gapLeft, top, gapRight - gapLeft, 2 * line), background);
    }
    painter.restore();

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(CaptionLeft, metrics.ascent()), m_caption);
}

} // namespace pellitor
