// The graph's accessible interface and the factory that gives it to Qt.
#include "GraphAccessible.h"

#include "GraphCanvas.h"

namespace pellitor::graph {

namespace {
QAccessibleInterface* graphFactory(const QString&, QObject* object)
{
    if (auto* canvas = qobject_cast<GraphCanvas*>(object))
        return new GraphAccessible(canvas);
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
