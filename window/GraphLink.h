// The main window's way to the graph: the "Graph" action (Ctrl+G anywhere in the window, and
// the last entry of the expression box's menu), which opens the graph window or raises it, and
// the three inputs handed to the graph as they change while it shows.
#pragma once

#include "GraphWindow.h"

#include <QMargins>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QRadioButton;
class QWidget;

namespace pellitor {

namespace platform {
class NumberText;
}

class InputBox;

class GraphLink : public QObject {
    Q_OBJECT
public:
    // calculate runs the Calculate command, for an x chosen on the graph.
    GraphLink(QWidget* window, InputBox* expression, InputBox* parameter, QRadioButton* arc, QRadioButton* angle,
              const platform::NumberText& numbers, std::function<void()> calculate);
    // Closes the graph window: it ends with the main window.
    ~GraphLink() override;

    QAction* action() const { return m_action; }
    // Opens the graph window, or raises it when it is open.
    void showGraph();
    void closeGraph();
    // The graph window, once it was opened.
    graph::GraphWindow* graphWindow() const { return m_graph; }

signals:
    // F1 in the graph window: the help page at the graph's section.
    void helpAsked();

protected:
    // Places the graph again once it first shows, with its own frame's margins.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handOver();
    void placeBeside(const QMargins& frame);
    void chooseX(float x);

    QWidget* m_window;
    InputBox* m_expression;
    InputBox* m_parameter;
    QRadioButton* m_angle;
    const platform::NumberText& m_numbers;
    std::function<void()> m_calculate;
    QAction* m_action;
    QPointer<graph::GraphWindow> m_graph;
};

} // namespace pellitor
