// Where the engine and the Calculate command show a message. The desktop's message box
// (platform::MessageBox) is one: the window's shows a modal box, pellitor-calc's default writes a
// line on stderr, and the tests' records it. The engine itself knows no desktop.
#pragma once

#include <cstdint>
#include <string>

namespace pellitor {

class MessageSink {
public:
    virtual ~MessageSink() = default;

    // Shows text under title with the classic style value (buttons plus icon: 16 is OK with the
    // critical-stop icon, 48 OK with the warning icon) and returns when the user has closed it.
    virtual void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) = 0;
};

} // namespace pellitor
