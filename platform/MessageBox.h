// The desktop's modal message box: where the engine, the Calculate command and the window's own
// code show their messages. The engine and the command are handed a MessageSink; the window's is
// this box, which the window installs as a Qt box, pellitor-calc leaves at its default (a line on
// stderr), and tests replace with a recorder.
#pragma once

#include "Installable.h"
#include "MessageSink.h"

#include <cstdint>
#include <string>

class QWidget;

namespace pellitor::platform {

// Style values: the buttons plus the icon, as the classic message box reads them.
namespace MessageStyle {
inline constexpr std::int32_t OkOnly = 0;
inline constexpr std::int32_t Critical = 16;    // the critical-stop icon
inline constexpr std::int32_t Exclamation = 48; // the warning icon
} // namespace MessageStyle

class MessageBox : public MessageSink, public Installable<MessageBox> {
public:
    // Shows a box through the current implementation.
    static void show(const std::u16string& text, const std::u16string& title, std::int32_t style);
    // The same over owner, a window of the program: its child, centred on it.
    static void showOver(QWidget* owner, const std::u16string& text, const std::u16string& title, std::int32_t style);

    // A box over owner; by default as showMessage shows it.
    virtual void showMessageOver(QWidget* owner, const std::u16string& text, const std::u16string& title,
                                 std::int32_t style);

private:
    friend class Installable<MessageBox>;
    // The default writes each box to stderr as "TITLE: TEXT".
    static MessageBox& standard();
};

} // namespace pellitor::platform
