// The Calculate command bound to frmMain's widgets, and the report's words in the user's language.
#include "WidgetCalculateView.h"

#include "InputBox.h"
#include "MessageBox.h"
#include "ResultBox.h"

#include <QCoreApplication>
#include <QRadioButton>

#include <array>

namespace pellitor {

namespace {

// The report's worded lines as the command writes them, without their indentation; %1 is the
// expression or the value of x, which stay as they are.
constexpr std::array ReportLines{
    QT_TRANSLATE_NOOP("pellitor::WidgetCalculateView", "Function y=%1"),
    QT_TRANSLATE_NOOP("pellitor::WidgetCalculateView", "Can not calculate the expression at x=%1"),
};

// One line of the report in the installed translation; its leading blanks stay.
void appendTranslatedLine(QString& out, QStringView line)
{
    qsizetype indent = 0;
    while (indent < line.size() && line[indent] == u' ')
        ++indent;
    const QStringView body = line.mid(indent);
    for (const char* source : ReportLines) {
        const QLatin1StringView pattern(source);
        const qsizetype at = pattern.indexOf(QLatin1StringView("%1"));
        const QLatin1StringView before = pattern.left(at);
        const QLatin1StringView after = pattern.mid(at + 2);
        if (body.size() < before.size() + after.size() || !body.startsWith(before) || !body.endsWith(after))
            continue;
        const QString translated = QCoreApplication::translate("pellitor::WidgetCalculateView", source);
        const qsizetype slot = translated.indexOf(u"%1");
        if (slot < 0)
            break; // a translation without the value would lose it: keep the line as written
        out += line.left(indent);
        out += QStringView(translated).left(slot);
        out += body.mid(before.size(), body.size() - before.size() - after.size());
        out += QStringView(translated).mid(slot + 2);
        return;
    }
    out += line;
}

// The report's text with each of its CR LF separated lines translated.
QString translatedReport(const std::u16string& text)
{
    const QStringView all(text.data(), qsizetype(text.size()));
    QString out;
    out.reserve(all.size() + 32);
    qsizetype start = 0;
    while (start <= all.size()) {
        const qsizetype end = all.indexOf(u"\r\n", start);
        appendTranslatedLine(out, all.mid(start, (end < 0 ? all.size() : end) - start));
        if (end < 0)
            break;
        out += u"\r\n";
        start = end + 2;
    }
    return out;
}

} // namespace

WidgetCalculateView::WidgetCalculateView(InputBox* Text1, InputBox* Text2, QRadioButton* Option1, QRadioButton* Option2,
                                         ResultBox* Text4)
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
    m_text4->setPlainText(translatedReport(text));
}

void WidgetCalculateView::appendResultText(const std::u16string& text)
{
    m_text4->setPlainText(m_text4->toPlainText() + translatedReport(text));
}

void WidgetCalculateView::showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    platform::MessageBox::show(text, title, style);
}

} // namespace pellitor
