// How assistive tools see the graph: a graphic named "Graph of y=" and the expression, described
// by its view; both follow the widget's accessible name and description as they change. The
// graph's window is a window to them, named by its title.
#pragma once

#include <QAccessibleWidget>

namespace pellitor::graph {

class GraphCanvas;

class GraphAccessible : public QAccessibleWidget {
public:
    explicit GraphAccessible(GraphCanvas* canvas);

    // Lets Qt build this interface for every graph; installing it again does nothing.
    static void installFactory();
};

} // namespace pellitor::graph
