// How assistive tools (a screen reader) see an XPButton: a push button named by its Caption,
// described by its tooltip, with the focus, pressed and unavailable states and one action,
// "Press".
#pragma once

#include <QAccessibleWidget>

namespace pellitor {

class XPButton;

class XPButtonAccessible : public QAccessibleWidget {
public:
    explicit XPButtonAccessible(XPButton* button);

    // Lets Qt build this interface for every XPButton; installing it again does nothing.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    XPButton* button() const;
};

} // namespace pellitor
