// What the graph window can do, as actions: the plot's context menu (right click, the Menu key,
// Shift+F10) shows them with their shortcuts, and the shortcuts work anywhere in the window.
// The window connects them and says which apply.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace pellitor::graph {

class GraphActions : public QObject {
    Q_OBJECT
public:
    // The actions' shortcuts work in window.
    explicit GraphActions(QWidget* window);

    QAction* const copy;
    QAction* const save;
    QAction* const print;
    QAction* const back;
    QAction* const forward;
    QAction* const reset;
    QAction* const fitY;
    QAction* const zoomIn;
    QAction* const zoomOut;
    QAction* const viewRange;
    QAction* const equalScales; // checkable
    QAction* const pin;
    QAction* const table;
    QAction* const help;
    QAction* const close; // Ctrl+W; not in the menu, as in other windows' context menus

    // The menu, in the order the user meets it, separated into groups.
    QMenu* menu() const { return m_menu; }
    // Its submenu of the pinned curves, filled as the menu opens.
    QMenu* curves() const { return m_curves; }

private:
    QAction* make(const QString& name, const QString& text);

    QMenu* m_menu;
    QMenu* m_curves;
};

} // namespace pellitor::graph
