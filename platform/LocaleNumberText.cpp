// Number texts from the locale's decimal separator, grouping and negative form.
#include "LocaleNumberText.h"

#include "TextCodec.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <charconv>
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
        if (c < 0x80) {  // ASCII holds no direction mark and no digits but 0-9
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

constexpr int SignificantDigits = 7;
// Plain notation holds for decimal exponents from -4 to 6 (0.0001 up to 9999999); outside that
// the exponent form is shorter and does not suggest digits that a 32-bit float does not have.
constexpr int SmallestPlainExponent = -4;
constexpr int LargestPlainExponent = SignificantDigits - 1;

} // namespace

LocaleNumberText::LocaleNumberText(const QLocale& locale)
    : m_locale(locale),
      m_decimalPoint(toU16(locale.decimalPoint())),
      m_groupSeparator(locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? u"" : toU16(locale.groupSeparator())),
      m_minus(toU16(locale.negativeSign())),
      m_utf8DecimalPoint(toUtf8(m_decimalPoint)),
      m_utf8GroupSeparator(toUtf8(m_groupSeparator)),
      m_utf8Minus(toUtf8(m_minus))
{
    // Numbers of every length up to the 32-bit limit, both signs, and values that round to zero.
    constexpr float Probes[] = {0.0f, 0.5f, 0.00001f, 1.0f, 12.25f, 123.0f, 1234.5f, 12345.0f, 123456.0f,
                                1234567.0f, 12345678.0f, 123456789.0f, 1.5e10f, 1e15f, 1.2345e20f, FLT_MAX};
    m_fromSymbols = true;
    for (const float probe : Probes) {
        for (const float value : {probe, -probe}) {
            if (fourDecimals(value) != fourDecimalsFromLocale(value))
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

namespace {

template <typename String>
void appendAscii(String& out, std::string_view ascii)
{
    out.append(ascii.begin(), ascii.end());
}

// The general form of a finite, non-zero value.
template <typename String>
void appendGeneral(String& out, float value, const String& separator)
{
    // Round to seven significant digits first, so that the exponent that picks the notation is
    // the rounded one: 9999999.5 would read 1E+07, never 10000000.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));  // d.dddddde±XX
    const std::size_t e = scientific.find('e');
    char digitBuffer[SignificantDigits];
    std::size_t count = 0;
    digitBuffer[count++] = scientific[0];
    for (std::size_t i = 2; i < e && count < SignificantDigits; ++i)
        digitBuffer[count++] = scientific[i];
    while (count > 1 && digitBuffer[count - 1] == '0')
        --count;
    const std::string_view digits(digitBuffer, count);
    int exponent = 0;
    for (std::size_t i = e + 2; i < scientific.size(); ++i)
        exponent = exponent * 10 + (scientific[i] - '0');
    if (scientific[e + 1] == '-')
        exponent = -exponent;

    if (value < 0)
        out += '-';
    if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
        appendAscii(out, digits.substr(0, 1));
        if (digits.size() > 1) {
            out += separator;
            appendAscii(out, digits.substr(1));
        }
        const int magnitude = std::abs(exponent);
        appendAscii(out, exponent < 0 ? "E-" : "E+");
        if (magnitude < 10)
            out += '0';
        appendAscii(out, std::to_string(magnitude));
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            appendAscii(out, digits);
            out.append(whole - digits.size(), '0');
        } else {
            appendAscii(out, digits.substr(0, whole));
            out += separator;
            appendAscii(out, digits.substr(whole));
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        appendAscii(out, digits);
    }
}

// Four decimals, one group separator per three digits.
template <typename String>
void appendFourDecimals(String& out, float value, const String& decimalPoint, const String& groupSeparator,
                        const String& minus)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                      std::chars_format::fixed, 4);
    const std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t point = digits.find('.');
    // A value that rounds to zero shows no minus sign.
    if (value < 0 && digits.find_first_of("123456789") != std::string_view::npos)
        out += minus;
    for (std::size_t i = 0; i < point; ++i) {
        if (i > 0 && (point - i) % 3 == 0)
            out += groupSeparator;
        out += digits[i];
    }
    out += decimalPoint;
    appendAscii(out, digits.substr(point + 1));
}

} // namespace

std::u16string LocaleNumberText::general(float value) const
{
    if (!std::isfinite(value))
        return toU16(m_locale.toString(static_cast<double>(value)));
    if (value == 0.0f)
        return u"0";
    std::u16string out;
    pellitor::platform::appendGeneral(out, value, m_decimalPoint);
    return out;
}

void LocaleNumberText::appendGeneral(std::string& utf8, float value) const
{
    if (!std::isfinite(value) || value == 0.0f)
        utf8 += toUtf8(general(value));
    else
        pellitor::platform::appendGeneral(utf8, value, m_utf8DecimalPoint);
}

std::u16string LocaleNumberText::fourDecimals(float value) const
{
    if (!m_fromSymbols)
        return fourDecimalsFromLocale(value);
    std::u16string out;
    pellitor::platform::appendFourDecimals(out, value, m_decimalPoint, m_groupSeparator, m_minus);
    return out;
}

void LocaleNumberText::appendFourDecimals(std::string& utf8, float value) const
{
    if (!m_fromSymbols)
        utf8 += toUtf8(fourDecimalsFromLocale(value));
    else
        pellitor::platform::appendFourDecimals(utf8, value, m_utf8DecimalPoint, m_utf8GroupSeparator, m_utf8Minus);
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
