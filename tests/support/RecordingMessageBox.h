// A message box that records what it is asked to show instead of showing it: the window's box,
// which it installs on construction and restores when it goes out of scope, and a sink that the
// engine and the Calculate command can be handed.
#pragma once

#include "MessageBox.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pellitor::testing {

class RecordingMessageBox final : public platform::MessageBox {
public:
    struct Shown {
        std::u16string text;
        std::u16string title;
        std::int32_t style = 0;
        const QWidget* owner = nullptr; // the window it was shown over, where one was named
    };

    RecordingMessageBox() = default;
    // A copy records on its own from what the original had, and is the installed box while it lives.
    RecordingMessageBox(const RecordingMessageBox& other) : platform::MessageBox(), m_shown(other.m_shown) {}
    RecordingMessageBox& operator=(const RecordingMessageBox&) = delete;

    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override
    {
        m_shown.push_back({text, title, style, nullptr});
    }
    void showMessageOver(QWidget* owner, const std::u16string& text, const std::u16string& title,
                         std::int32_t style) override
    {
        m_shown.push_back({text, title, style, owner});
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    const Shown& last() const { return m_shown.back(); }
    bool empty() const { return m_shown.empty(); }

private:
    const platform::InstallGuard<platform::MessageBox> m_installed{*this};
    std::vector<Shown> m_shown;
};

} // namespace pellitor::testing
