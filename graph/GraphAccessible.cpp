// The graph's accessible interface and the factory that gives it to Qt.
#include "GraphAccessible.h"

#include "GraphCanvas.h"
#include "GraphWindow.h"

namespace pellitor::graph {

namespace {
QAccessibleInterface* graphFactory(const QString&, QObject* object)
{
    if (auto* canvas = qobject_cast<GraphCanvas*>(object))
        return new GraphAccessible(canvas);
    // A window named by its title: Qt's own interface makes a widget with a parent a client area
    // even when it is a window of its own.
    if (auto* window = qobject_cast<GraphWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}
} // namespace

GraphAccessible::GraphAccessible(GraphCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Graphic) {}

void GraphAccessible::installFactory()
{
    static const bool installed = (QAccessible::installFactory(graphFactory), true);
    Q_UNUSED(installed);
}

} // namespace pellitor::graph
