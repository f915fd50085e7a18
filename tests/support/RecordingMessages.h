// A message sink that records what it is asked to show, for the engine and the Calculate command.
#pragma once

#include "MessageSink.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pellitor::testing {

class RecordingMessages : public MessageSink {
public:
    struct Shown {
        std::u16string text;
        std::u16string title;
        std::int32_t style = 0;
    };

    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override
    {
        m_shown.push_back({text, title, style});
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    const Shown& last() const { return m_shown.back(); }
    bool empty() const { return m_shown.empty(); }

private:
    std::vector<Shown> m_shown;
};

} // namespace pellitor::testing
