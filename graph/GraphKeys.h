// The graph's keys beside the view's: the audio trace's (H, Shift+H), the curves' (Ctrl+D,
// PageUp, PageDown, Delete, Ctrl+H), the calculations' (I, T, A, B), the trace's (the arrows, Z, E,
// P, Enter, a number's first key, Y), the Menu key and Home. They act on the canvas as its own
// code does.
#pragma once

#include <cstddef>

class QKeyEvent;

namespace pellitor::graph {

class GraphCanvas;

class GraphKeys {
public:
    explicit GraphKeys(GraphCanvas& canvas) : m_canvas(canvas) {}

    // Acts on the key; false for a key that the graph leaves alone.
    bool key(const QKeyEvent* event);

private:
    // The trace's keys; false for a key they leave alone.
    bool traceKey(const QKeyEvent* event);
    bool curveKey(const QKeyEvent* event);
    // I, Shift+I, T, A and B: the calculations on the traced curve.
    bool calculationKey(const QKeyEvent* event);
    bool soundKey(const QKeyEvent* event);
    // The place among all pins of the n-th shown one.
    std::size_t pinIndex(std::size_t shown) const;

    GraphCanvas& m_canvas;
};

} // namespace pellitor::graph
