// The graph window's actions and its context menu.
#include "GraphActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace pellitor::graph {

GraphActions::GraphActions(QWidget* window)
    : QObject(window), copy(make(QStringLiteral("actCopy"), tr("&Copy"))),
      save(make(QStringLiteral("actSave"), tr("&Save As..."))),
      print(make(QStringLiteral("actPrint"), tr("&Print..."))), back(make(QStringLiteral("actBack"), tr("&Back"))),
      forward(make(QStringLiteral("actForward"), tr("&Forward"))),
      reset(make(QStringLiteral("actReset"), tr("&Reset View"))), fitY(make(QStringLiteral("actFitY"), tr("Fit &y"))),
      zoomIn(make(QStringLiteral("actZoomIn"), tr("Zoom &In"))),
      zoomOut(make(QStringLiteral("actZoomOut"), tr("Zoom &Out"))),
      viewRange(make(QStringLiteral("actViewRange"), tr("&View Range..."))),
      equalScales(make(QStringLiteral("actEqualScales"), tr("&Equal Scales"))),
      pin(make(QStringLiteral("actPin"), tr("P&in Curve"))),
      table(make(QStringLiteral("actTable"), tr("&Table of Values"))),
      help(make(QStringLiteral("actHelp"), tr("&Help"))), close(make(QStringLiteral("actClose"), tr("Close"))),
      m_menu(new QMenu(window)), m_curves(new QMenu(tr("Pinned &Curves"), m_menu))
{
    copy->setShortcut(QKeySequence::Copy);
    save->setShortcut(QKeySequence::Save);
    print->setShortcut(QKeySequence::Print);
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    reset->setShortcut(QKeySequence(Qt::Key_Home));
    fitY->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    help->setShortcut(QKeySequence::HelpContents);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    pin->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_curves->setObjectName(QStringLiteral("curvesMenu"));
    equalScales->setCheckable(true);
    m_menu->setObjectName(QStringLiteral("graphMenu"));
    m_menu->addActions({copy, save, print});
    m_menu->addSeparator();
    m_menu->addActions({back, forward, reset, fitY, zoomIn, zoomOut});
    m_menu->addSeparator();
    m_menu->addActions({viewRange, equalScales});
    m_menu->addSeparator();
    m_menu->addAction(pin);
    m_menu->addMenu(m_curves);
    m_menu->addAction(table);
    m_menu->addSeparator();
    m_menu->addAction(help);
}

QAction* GraphActions::make(const QString& name, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    // Shown beside the entry, as menus do; the window takes the key wherever its focus is.
    action->setShortcutVisibleInContextMenu(true);
    action->setShortcutContext(Qt::WindowShortcut);
    static_cast<QWidget*>(parent())->addAction(action);
    return action;
}

} // namespace pellitor::graph
