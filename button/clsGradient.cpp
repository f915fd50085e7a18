// The gradient painter: two vertices, each channel interpolated linearly between them.
#include "clsGradient.h"

#include <algorithm>

namespace pellitor {

namespace {
// Channel of the row or column at step i of n, exact at both ends.
int channelAt(quint16 from, quint16 to, qint64 i, qint64 n)
{
    if (n <= 1)
        return from >> 8;
    // At most 65535 * 2^32: well inside 64 bits.
    const qint64 value = (qint64(from) * (n - 1 - i) + qint64(to) * i) / (n - 1);
    return static_cast<int>(value >> 8);
}
} // namespace

void clsGradient::DefineRect(qint32 X1, qint32 y1, qint32 x2, qint32 y2)
{
    m_rect = {X1, y1, x2, y2};
}

clsGradient::Vertex clsGradient::MakeVertex(qint32 x, qint32 y, quint32 color)
{
    Vertex vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<quint16>((color & 0xFF) << 8);
    vertex.Green = static_cast<quint16>(((color >> 8) & 0xFF) << 8);
    vertex.Blue = static_cast<quint16>(((color >> 16) & 0xFF) << 8);
    vertex.Alpha = 0;
    return vertex;
}

void clsGradient::DrawGradient(QPainter& painter, qint32 Direction, quint32 StartColor, quint32 EndColor) const
{
    const Vertex from = MakeVertex(m_rect.left, m_rect.top, StartColor);
    const Vertex to = MakeVertex(m_rect.right, m_rect.bottom, EndColor);
    const qint64 width = qint64(to.x) - from.x;
    const qint64 height = qint64(to.y) - from.y;
    if (width <= 0 || height <= 0 || (Direction != Horizontal && Direction != Vertical) || !painter.device())
        return;

    // Only the part that lies on the device is painted, so a huge rectangle costs no more than
    // the device's size.
    const QRect device = painter.worldTransform().inverted().mapRect(
        QRect(0, 0, painter.device()->width(), painter.device()->height()));
    const qint64 left = std::max<qint64>(from.x, device.left());
    const qint64 top = std::max<qint64>(from.y, device.top());
    const qint64 right = std::min<qint64>(qint64(to.x) - 1, device.right());
    const qint64 bottom = std::min<qint64>(qint64(to.y) - 1, device.bottom());
    if (left > right || top > bottom)
        return;
    const QRect visible{QPoint(static_cast<int>(left), static_cast<int>(top)),
                        QPoint(static_cast<int>(right), static_cast<int>(bottom))};

    const qint64 steps = Direction == Vertical ? height : width;
    const int first = Direction == Vertical ? visible.top() : visible.left();
    const int last = Direction == Vertical ? visible.bottom() : visible.right();
    const qint64 origin = Direction == Vertical ? from.y : from.x;
    for (int at = first; at <= last; ++at) {
        const qint64 i = at - origin;
        const QColor color(channelAt(from.Red, to.Red, i, steps), channelAt(from.Green, to.Green, i, steps),
                           channelAt(from.Blue, to.Blue, i, steps));
        if (Direction == Vertical)
            painter.fillRect(QRect(visible.left(), at, visible.width(), 1), color);
        else
            painter.fillRect(QRect(at, visible.top(), 1, visible.height()), color);
    }
}

} // namespace pellitor
