// Number texts from the locale's decimal separator, grouping and negative form.
#include "LocaleNumberText.h"

#include "TextCodec.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <cfloat>
#include <cmath>
#include <string>

namespace pellitor::platform {

namespace {

// Invisible marks that steer the direction of the text around them. Locales put them into
// their minus signs (ar: U+061C, fa and he: U+200E), where they keep the sign from the number in a
// left-to-right box and from a search for "-".
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The text with every decimal digit of any script written as 0-9 and without direction marks.
std::u16string toU16(const QString& text)
{
    std::u16string out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (c < 0x80) { // ASCII holds no direction mark and no digits but 0-9
            out += char16_t(c);
            continue;
        }
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(char16_t(c), text.at(i + 1).unicode());
        if (QChar::category(c) == QChar::Number_DecimalDigit) {
            out += char16_t(u'0' + QChar::digitValue(c));
        } else if (!isDirectionMark(c)) {
            out += text.at(i).unicode();
            if (pair)
                out += text.at(i + 1).unicode();
        }
        if (pair)
            ++i;
    }
    return out;
}

} // namespace

LocaleNumberText::LocaleNumberText(const QLocale& locale)
    : m_locale(locale),
      m_symbols(toU16(locale.decimalPoint()),
                locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? u"" : toU16(locale.groupSeparator()),
                toU16(locale.negativeSign()))
{
    // Numbers of every length up to the 32-bit limit, both signs, and values that round to zero.
    constexpr float Probes[] = {0.0f,      0.5f,       0.00001f,    1.0f,         12.25f,  123.0f, 1234.5f,    12345.0f,
                                123456.0f, 1234567.0f, 12345678.0f, 123456789.0f, 1.5e10f, 1e15f,  1.2345e20f, FLT_MAX};
    m_fromSymbols = true;
    for (const float probe : Probes) {
        for (const float value : {probe, -probe}) {
            if (m_symbols.fourDecimals(value) != fourDecimalsFromLocale(value))
                m_fromSymbols = false;
        }
    }
}

QLocale LocaleNumberText::numericLocale()
{
    // Qt's system locale takes its numbers from this name but keeps grouping on, also for C.
    QByteArray name = qgetenv("LC_ALL");
    if (name.isEmpty())
        name = qgetenv("LC_NUMERIC");
    if (name.isEmpty())
        name = qgetenv("LANG");
    if (QLocale(QString::fromLocal8Bit(name)).language() == QLocale::C)
        return QLocale::c();
    return QLocale::system();
}

std::u16string LocaleNumberText::general(float value) const
{
    if (!std::isfinite(value))
        return toU16(m_locale.toString(static_cast<double>(value)));
    return m_symbols.general(value);
}

char* LocaleNumberText::writeGeneral(char* out, float value) const
{
    if (!std::isfinite(value))
        return NumberText::writeGeneral(out, value);
    return m_symbols.writeGeneral(out, value);
}

std::u16string LocaleNumberText::fourDecimals(float value) const
{
    if (!m_fromSymbols || !std::isfinite(value))
        return fourDecimalsFromLocale(value);
    return m_symbols.fourDecimals(value);
}

char* LocaleNumberText::writeFourDecimals(char* out, float value) const
{
    if (!m_fromSymbols || !std::isfinite(value))
        return NumberText::writeFourDecimals(out, value);
    return m_symbols.writeFourDecimals(out, value);
}

std::u16string LocaleNumberText::fourDecimalsFromLocale(float value) const
{
    // A value that rounds to zero shows no minus sign: -0.00001 reads 0.0000, not -0.0000.
    const double magnitude = std::fabs(static_cast<double>(value));
    const QString text = m_locale.toString(magnitude, 'f', 4);
    if (value < 0 && text != m_locale.toString(0.0, 'f', 4))
        return toU16(m_locale.toString(static_cast<double>(value), 'f', 4));
    return toU16(text);
}

} // namespace pellitor::platform
