// The modal message box of the desktop, behind a seam: the engine and the Calculate command show
// their messages through it, the window installs a Qt box, and tests install a recorder.
#pragma once

#include "Installable.h"

#include <cstdint>
#include <string>

namespace pellitor::platform {

// Style values: the buttons plus the icon, as the classic message box reads them.
namespace MessageStyle {
inline constexpr std::int32_t OkOnly = 0;
inline constexpr std::int32_t Critical = 16;    // the critical-stop icon
inline constexpr std::int32_t Exclamation = 48; // the warning icon
} // namespace MessageStyle

class MessageBox : public Installable<MessageBox> {
public:
    virtual ~MessageBox() = default;

    // Shows the box and returns when the user has closed it.
    virtual void present(const std::u16string& text, const std::u16string& title, std::int32_t style) = 0;

    // Shows a box through the current implementation.
    static void show(const std::u16string& text, const std::u16string& title, std::int32_t style);

private:
    friend class Installable<MessageBox>;
    // The default writes each box to stderr as "TITLE: TEXT".
    static MessageBox& standard();
};

} // namespace pellitor::platform
