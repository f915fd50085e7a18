// The button's accessible interface and the factory that gives it to Qt.
#include "XPButtonAccessible.h"

#include "ModalBlocking.h"
#include "XPButton.h"

#include <QKeySequence>

namespace pellitor {

namespace {
QAccessibleInterface* buttonFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<XPButton*>(object))
        return new XPButtonAccessible(button);
    return nullptr;
}
} // namespace

XPButtonAccessible::XPButtonAccessible(XPButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

void XPButtonAccessible::installFactory()
{
    static const bool installed = (QAccessible::installFactory(buttonFactory), true);
    Q_UNUSED(installed);
}

XPButton* XPButtonAccessible::button() const
{
    return static_cast<XPButton*>(widget());
}

QString XPButtonAccessible::text(QAccessible::Text t) const
{
    // A name the window gives explicitly wins; otherwise the button says what it shows.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return button()->Caption();
    return QAccessibleWidget::text(t);
}

QAccessible::State XPButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const XPButton* b = button();
    // The button's own Enabled flag greys it and makes it ignore its input; it still takes the
    // focus (focusable and focused come from the widget), as the keyboard finds it. Behind a
    // modal window it takes no input either, and a press is refused.
    state.disabled = !b->Enabled() || !b->isEnabled() || platform::isBlockedByModalWindow(b);
    state.pressed = b->bolPressed;
    return state;
}

QStringList XPButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void XPButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        button()->press();
}

QStringList XPButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    // Enter on the focused button clicks it.
    if (actionName == pressAction())
        return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
    return {};
}

} // namespace pellitor
