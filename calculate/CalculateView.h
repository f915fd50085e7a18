// What the Calculate command sees of the window: the expression box, the parameter box, the two
// angle options, the result box, and the message boxes it shows (the translator's "Syntax Error"
// and its own "Error"). The main window implements it over its widgets and its modal boxes;
// pellitor-calc over plain texts and lines on stderr; the tests over fields.
#pragma once

#include "MessageSink.h"

#include <string>

namespace pellitor {

class CalculateView : public MessageSink {
public:
    virtual std::u16string expressionText() const = 0; // Text1
    virtual void setExpressionText(const std::u16string& text) = 0;
    virtual std::u16string parameterText() const = 0; // Text2
    virtual void setParameterText(const std::u16string& text) = 0;
    virtual bool arcSelected() const = 0;   // Option1, "Arc"
    virtual bool angleSelected() const = 0; // Option2, "Angle"
    // Replaces the whole content of Text4; the report's line breaks are CR LF.
    virtual void setResultText(const std::u16string& text) = 0;
    // Appends to the content of Text4.
    virtual void appendResultText(const std::u16string& text) = 0;
};

} // namespace pellitor
