// Where the graph window opens: beside the main window, top edges level, on the side with room,
// as plain arithmetic on rectangles so that every screen and scale can be tried without one.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace pellitor {

// What the placement reads, in the screen's logical pixels.
struct GraphRoom {
    QRect screen;               // the screen's available rectangle
    QRect main;                 // the main window's frame
    QList<QRect> keepUncovered; // parts of the main window that the graph must leave in view
    QSize preferred;            // the graph's preferred client size
    QSize minimum;              // its smallest client size
    QMargins frame;             // the graph's frame around its client area (an estimate until it shows)
};

struct GraphPlace {
    QRect graph; // the graph's frame
    QRect main;  // the main window's frame: moved aside where only that makes room for both
};

// Beside the main window with its preferred size, right before left, shrunk towards its minimum
// where a side has less room; else below or above it; else beside it with the main window moved
// over just as far as needed; else, where the screen cannot hold both side by side, at its minimum
// over the main window's least, leaving keepUncovered in view where the screen allows.
GraphPlace placeGraph(const GraphRoom& room);

} // namespace pellitor
