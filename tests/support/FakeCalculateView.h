// The four boxes the Calculate command touches, as plain fields, and the message boxes it would
// show, recorded: tests and the fuzzing harness run the command on it without a window.
#pragma once

#include "CalculateCommand.h"
#include "RecordingMessageBox.h"

#include <string>

namespace pellitor::testing {

class FakeCalculateView final : public CalculateView {
public:
    std::u16string expression;
    std::u16string parameter;
    bool arc = true;
    bool angle = false;
    std::u16string result;
    int resultWrites = 0; // how often the command replaced or appended to the result box
    RecordingMessageBox messages;

    std::u16string expressionText() const override { return expression; }
    void setExpressionText(const std::u16string& text) override { expression = text; }
    std::u16string parameterText() const override { return parameter; }
    void setParameterText(const std::u16string& text) override { parameter = text; }
    bool arcSelected() const override { return arc; }
    bool angleSelected() const override { return angle; }
    void setResultText(const std::u16string& text) override
    {
        result = text;
        ++resultWrites;
    }
    void appendResultText(const std::u16string& text) override
    {
        result += text;
        ++resultWrites;
    }
    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override
    {
        messages.showMessage(text, title, style);
    }
};

} // namespace pellitor::testing
