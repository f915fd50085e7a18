// The factory of the windows' accessible interfaces: the main window, the frames and the link.
#include "WindowAccessibility.h"

#include "CaptionFrame.h"
#include "LinkLabel.h"
#include "frmMain.h"

#include <QAccessibleWidget>

namespace pellitor {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<LinkLabel*>(widget())->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkAccessible(link);
    if (auto* frame = qobject_cast<CaptionFrame*>(object))
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    // Named by its caption, as every top-level window is.
    if (auto* window = qobject_cast<frmMain*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

void installWindowAccessibility()
{
    static const bool installed = (QAccessible::installFactory(windowFactory), true);
    Q_UNUSED(installed);
}

} // namespace pellitor
