// The "Graph" action and the inputs handed to the graph.
#include "GraphLink.h"

#include "GraphPlacement.h"
#include "GraphWindow.h"
#include "InputBox.h"
#include "MainLayout.h"
#include "NumberText.h"
#include "TranslatedMessageBox.h"

#include <QAction>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <charconv>

namespace pellitor {

namespace {
// A window's frame around its client area: nothing until the window shows and its frame is known.
QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect onTheScreen(const QWidget* widget)
{
    return widget ? QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()) : QRect();
}
} // namespace

GraphLink::GraphLink(QWidget* window, InputBox* expression, InputBox* parameter, QRadioButton* arc, QRadioButton* angle,
                     const platform::NumberText& numbers, std::function<void()> calculate)
    : m_window(window), m_expression(expression), m_parameter(parameter), m_angle(angle), m_numbers(numbers),
      m_calculate(std::move(calculate)), m_action(new QAction(tr("Graph"), this))
{
    m_action->setObjectName(QStringLiteral("actGraph"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_action->setShortcutContext(Qt::WindowShortcut);
    // On the expression box, the action is the last entry of its menu, and its shortcut works
    // wherever the focus is in the window.
    expression->addAction(m_action);
    connect(m_action, &QAction::triggered, this, &GraphLink::showGraph);
    connect(expression, &InputBox::textChanged, this, &GraphLink::handOver);
    connect(parameter, &InputBox::textChanged, this, &GraphLink::handOver);
    connect(arc, &QRadioButton::toggled, this, &GraphLink::handOver);
    connect(angle, &QRadioButton::toggled, this, &GraphLink::handOver);
}

GraphLink::~GraphLink()
{
    delete m_graph;
}

void GraphLink::showGraph()
{
    if (!m_graph) {
        // A window of its own, with no parent: a Wayland compositor gives the keys of a window
        // with an open child to the child, and the expression box must take them. It ends with
        // the main window all the same (this link's end, and the main window's closing).
        m_graph = new graph::GraphWindow(m_numbers, &TranslatedMessageBox::translate);
        m_graph->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_graph, &graph::GraphWindow::xChosen, this, &GraphLink::chooseX);
        connect(m_graph, &graph::GraphWindow::helpAsked, this, &GraphLink::helpAsked);
        // Until the graph shows, the main window's frame stands in for its own.
        placeBeside(frameMargins(*m_window));
        m_graph->winId(); // its window, to watch for its first showing
        m_graph->windowHandle()->installEventFilter(this);
    }
    handOver();
    m_graph->show();
    m_graph->raise();
    m_graph->activateWindow();
}

// Beside the main window where the screen has room, so that neither hides the other, and where
// it has not, with the expression box and the Calculate button in view. A Wayland compositor
// places windows itself.
void GraphLink::placeBeside(const QMargins& frame)
{
    const QScreen* screen = m_window->screen();
    if (!screen || QGuiApplication::platformName().startsWith(u"wayland"))
        return;
    GraphRoom room{.screen = screen->availableGeometry(),
                   .main = m_window->frameGeometry(),
                   .keepUncovered = {onTheScreen(m_expression)},
                   .preferred = m_graph->sizeHint(),
                   .minimum = m_graph->minimumSize(),
                   .frame = frame};
    for (const layout::Button& button : MainLayout::buttons())
        if (button.role == layout::ButtonRole::Calculate)
            room.keepUncovered << onTheScreen(m_window->findChild<QWidget*>(QString::fromUtf8(button.name)));
    const GraphPlace place = placeGraph(room);
    if (place.main != room.main)
        m_window->move(place.main.topLeft());
    m_graph->setGeometry(place.graph.marginsRemoved(frame));
}

// The frames' margins are known once the graph first shows (a window manager has put its frame
// around it by then): the graph is placed again with its own, and the main window's as they are.
bool GraphLink::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && m_graph && watched == m_graph->windowHandle()
        && m_graph->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        placeBeside(frameMargins(*m_graph));
    }
    return QObject::eventFilter(watched, event);
}

// The x chosen on the graph goes into the parameter box as one undo step, with all the digits
// that tell it from its neighbours and no exponent (which the box refuses), and the report follows.
void GraphLink::chooseX(float x)
{
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, x, std::chars_format::fixed);
    m_parameter->replaceContent(QString::fromLatin1(digits, int(end.ptr - digits)));
    m_calculate();
}

void GraphLink::closeGraph()
{
    if (m_graph)
        m_graph->close();
}

// The angle unit as the Calculate command reads it: degrees when "Angle" is chosen.
void GraphLink::handOver()
{
    if (m_graph)
        m_graph->setInputs(
            {m_expression->text().toStdU16String(), m_parameter->text().toStdU16String(), m_angle->isChecked()});
}

} // namespace pellitor
