// The message box of a running window: a modal QMessageBox with the icon the style asks for and a
// single OK button.
#pragma once

#include "MessageBox.h"

#include <QMessageBox>

namespace pellitor::platform {

class QtMessageBox final : public MessageBox {
public:
    // Modal over the active window; returns when the user has pressed OK or closed the box.
    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override;
    // Modal over owner, its child and centred on it.
    void showMessageOver(QWidget* owner, const std::u16string& text, const std::u16string& title,
                         std::int32_t style) override;

    // The icon part of style: 16 critical stop, 32 question, 48 warning, 64 information.
    static QMessageBox::Icon iconFor(std::int32_t style);
};

} // namespace pellitor::platform
