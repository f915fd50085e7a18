// The Calculate command bound to frmMain's widgets.
#include "WidgetCalculateView.h"

#include "InputBox.h"
#include "ResultBox.h"

#include <QRadioButton>

namespace pellitor {

WidgetCalculateView::WidgetCalculateView(InputBox* Text1, InputBox* Text2, QRadioButton* Option1,
                                         QRadioButton* Option2, ResultBox* Text4)
    : m_text1(Text1), m_text2(Text2), m_option1(Option1), m_option2(Option2), m_text4(Text4)
{
}

std::u16string WidgetCalculateView::expressionText() const
{
    return m_text1->text().toStdU16String();
}

void WidgetCalculateView::setExpressionText(const std::u16string& text)
{
    m_text1->replaceContent(QString::fromStdU16String(text));
}

std::u16string WidgetCalculateView::parameterText() const
{
    return m_text2->text().toStdU16String();
}

void WidgetCalculateView::setParameterText(const std::u16string& text)
{
    m_text2->replaceContent(QString::fromStdU16String(text));
}

bool WidgetCalculateView::arcSelected() const
{
    return m_option1->isChecked();
}

bool WidgetCalculateView::angleSelected() const
{
    return m_option2->isChecked();
}

void WidgetCalculateView::setResultText(const std::u16string& text)
{
    m_text4->setPlainText(QString::fromStdU16String(text));
}

void WidgetCalculateView::appendResultText(const std::u16string& text)
{
    m_text4->setPlainText(m_text4->toPlainText() + QString::fromStdU16String(text));
}

} // namespace pellitor
