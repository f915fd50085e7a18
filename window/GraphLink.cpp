// The "Graph" action and the inputs handed to the graph.
#include "GraphLink.h"

#include "GraphWindow.h"
#include "InputBox.h"
#include "NumberText.h"
#include "TranslatedMessageBox.h"

#include <QAction>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <charconv>

namespace pellitor {

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
        placeBeside();
    }
    handOver();
    m_graph->show();
    m_graph->raise();
    m_graph->activateWindow();
}

// Beside the main window where the screen has room, so that neither hides the other: to its
// right, else to its left, else where it fits.
void GraphLink::placeBeside()
{
    const QScreen* screen = m_window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect main = m_window->frameGeometry();
    const QSize size = m_graph->sizeHint().expandedTo(m_graph->minimumSize());
    constexpr int Gap = 8;
    QPoint at(main.right() + Gap, main.top());
    if (at.x() + size.width() > room.right())
        at.setX(main.left() - Gap - size.width());
    if (at.x() < room.left())
        at.setX(room.right() - size.width());
    at.setX(std::max(at.x(), room.left()));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    m_graph->move(at);
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
