// A message box that records what it is asked to show instead of showing it. It installs itself
// on construction and restores the box it replaced when it goes out of scope.
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
    };

    RecordingMessageBox() : m_previous(platform::MessageBox::install(this)) {}
    ~RecordingMessageBox() override { platform::MessageBox::install(m_previous); }
    RecordingMessageBox(const RecordingMessageBox&) = delete;
    RecordingMessageBox& operator=(const RecordingMessageBox&) = delete;

    void present(const std::u16string& text, const std::u16string& title, std::int32_t style) override
    {
        m_shown.push_back({text, title, style});
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    const Shown& last() const { return m_shown.back(); }
    bool empty() const { return m_shown.empty(); }

private:
    platform::MessageBox* m_previous;
    std::vector<Shown> m_shown;
};

} // namespace pellitor::testing
