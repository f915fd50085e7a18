// The Calculate command's view of frmMain: the two input boxes, the two angle options, the
// result box and the window's message boxes.
#pragma once

#include "CalculateView.h"

class QRadioButton;

namespace pellitor {

class InputBox;
class ResultBox;

class WidgetCalculateView final : public CalculateView {
public:
    WidgetCalculateView(InputBox* Text1, InputBox* Text2, QRadioButton* Option1, QRadioButton* Option2,
                        ResultBox* Text4);

    std::u16string expressionText() const override;
    void setExpressionText(const std::u16string& text) override;
    std::u16string parameterText() const override;
    void setParameterText(const std::u16string& text) override;
    bool arcSelected() const override;
    bool angleSelected() const override;
    // The box shows each CR LF as a line break.
    void setResultText(const std::u16string& text) override;
    void appendResultText(const std::u16string& text) override;
    // A modal box through the platform's message box, in the user's language.
    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override;

private:
    InputBox* m_text1;
    InputBox* m_text2;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    ResultBox* m_text4;
};

} // namespace pellitor
