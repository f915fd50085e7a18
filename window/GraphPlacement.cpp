// The graph window's place on the screen beside the main window.
#include "GraphPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace pellitor {

namespace {
// Between the two windows, where the room allows; it narrows before the graph goes elsewhere.
constexpr int Gap = 8;

struct Sizes {
    QSize preferred; // frames
    QSize minimum;
};

struct Fit {
    int size;
    int gap;
};

// The graph's extent in room pixels along one side of the main window: the preferred extent with
// the gap, shrunk towards the minimum where the room is less, and the gap narrowed last.
std::optional<Fit> fitInto(int room, int preferred, int minimum)
{
    if (room < minimum)
        return std::nullopt;
    const int size = std::clamp(room - Gap, minimum, preferred);
    return Fit{size, std::min(Gap, room - size)};
}

// The top edge level with the main window's and the height cut to the screen below it, but not
// under the minimum: only a graph that still reaches past the screen's bottom moves up.
QRect levelWith(const QRect& screen, int top, int x, int width, const Sizes& sizes)
{
    const int height = std::clamp(screen.bottom() + 1 - top, sizes.minimum.height(), sizes.preferred.height());
    const int y = std::max(screen.top(), std::min(top, screen.bottom() + 1 - height));
    return {x, y, width, height};
}

enum class Side { Right, Left };

std::optional<QRect> beside(const QRect& screen, const QRect& main, Side side, const Sizes& sizes)
{
    const int room = side == Side::Right ? screen.right() - main.right() : main.left() - screen.left();
    const std::optional<Fit> fit = fitInto(room, sizes.preferred.width(), sizes.minimum.width());
    if (!fit)
        return std::nullopt;
    const int x = side == Side::Right ? main.right() + 1 + fit->gap : main.left() - fit->gap - fit->size;
    return levelWith(screen, main.top(), x, fit->size, sizes);
}

std::optional<QRect> belowOrAbove(const QRect& screen, const QRect& main, const Sizes& sizes)
{
    if (screen.width() < sizes.minimum.width())
        return std::nullopt;
    const int width = std::min(sizes.preferred.width(), screen.width());
    const int x = std::clamp(main.left(), screen.left(), screen.right() + 1 - width);
    const int preferred = sizes.preferred.height();
    const int minimum = sizes.minimum.height();
    if (const std::optional<Fit> fit = fitInto(screen.bottom() - main.bottom(), preferred, minimum))
        return QRect(x, main.bottom() + 1 + fit->gap, width, fit->size);
    if (const std::optional<Fit> fit = fitInto(main.top() - screen.top(), preferred, minimum))
        return QRect(x, main.top() - fit->gap - fit->size, width, fit->size);
    return std::nullopt;
}

// The main window moved towards the screen's edge on the side where it has more room, just as far
// as the graph needs beside it (its preferred width where the screen has that).
std::optional<GraphPlace> besideMoved(const QRect& screen, const QRect& original, const Sizes& sizes)
{
    const std::optional<Fit> fit = fitInto(screen.width() - original.width(), sizes.preferred.width(),
                                           sizes.minimum.width());
    if (!fit)
        return std::nullopt;
    QRect main = original;
    const int needed = fit->size + fit->gap;
    const bool right = screen.right() - main.right() >= main.left() - screen.left();
    if (right)
        main.moveRight(std::min(main.right(), screen.right() - needed));
    else
        main.moveLeft(std::max(main.left(), screen.left() + needed));
    const std::optional<QRect> graph = beside(screen, main, right ? Side::Right : Side::Left, sizes);
    if (!graph)
        return std::nullopt;
    return GraphPlace{*graph, main};
}

// How much of the main window the graph hides, then how far it lies from the place beside it with
// the top edges level: the smaller the better.
std::pair<qint64, int> costOf(const QRect& graph, const QRect& main)
{
    const QRect hidden = graph.intersected(main);
    const int besideRight = std::abs(graph.left() - main.right() - 1);
    const int besideLeft = std::abs(graph.right() + 1 - main.left());
    return {qint64(hidden.width()) * hidden.height(),
            std::min(besideRight, besideLeft) + std::abs(graph.top() - main.top())};
}

// Where the screen cannot hold both side by side: the graph at size over as little of the main
// window as it can, with the parts to keep uncovered left in view. Tried at the screen's edges,
// the main window's and those of each part to keep.
QRect over(const QRect& screen, const QRect& main, const QList<QRect>& keep, QSize size)
{
    size = size.boundedTo(screen.size());
    const int w = size.width();
    const int h = size.height();
    QList<int> xs{screen.left(), screen.right() + 1 - w, main.left(), main.right() + 1 - w};
    QList<int> ys{main.top(), screen.top(), screen.bottom() + 1 - h};
    for (const QRect& part : keep) {
        xs << part.right() + 1 << part.left() - w;
        ys << part.bottom() + 1 << part.top() - h;
    }
    std::optional<QRect> best;
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect graph(x, y, w, h);
            const bool hides = std::any_of(keep.begin(), keep.end(),
                                           [&](const QRect& p) { return p.intersects(graph); });
            if (!screen.contains(graph) || hides)
                continue;
            if (!best || costOf(graph, main) < costOf(*best, main))
                best = graph;
        }
    }
    // A screen too small for any such place: its top right corner, the side the graph prefers.
    return best.value_or(QRect(screen.right() + 1 - w, screen.top(), w, h));
}
} // namespace

GraphPlace placeGraph(const GraphRoom& room)
{
    const Sizes sizes{room.preferred.expandedTo(room.minimum).grownBy(room.frame), room.minimum.grownBy(room.frame)};
    const std::optional<QRect> right = beside(room.screen, room.main, Side::Right, sizes);
    const std::optional<QRect> left = beside(room.screen, room.main, Side::Left, sizes);
    if (right && right->width() == sizes.preferred.width())
        return {*right, room.main};
    // Else the side with more room, the graph narrowed to it.
    if (right || left)
        return {!left || (right && right->width() >= left->width()) ? *right : *left, room.main};
    if (const std::optional<QRect> under = belowOrAbove(room.screen, room.main, sizes))
        return {*under, room.main};
    if (const std::optional<GraphPlace> moved = besideMoved(room.screen, room.main, sizes))
        return *moved;
    return {over(room.screen, room.main, room.keepUncovered, sizes.minimum), room.main};
}

} // namespace pellitor
