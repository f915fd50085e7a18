// Number texts from the locale's decimal separator, grouping and negative form.
#include "LocaleNumberText.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <charconv>
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

LocaleNumberText::LocaleNumberText(const QLocale& locale) : m_locale(locale) {}

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
    if (value == 0.0f)
        return u"0";

    // Round to seven significant digits first, so that the exponent that picks the notation is
    // the rounded one: 9999999.5 would read 1E+07, never 10000000.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string scientific(buffer, result.ptr);  // d.dddddde±XX
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::u16string separator = toU16(m_locale.decimalPoint());
    std::u16string out = value < 0 ? u"-" : u"";
    const auto append = [&out](const std::string& ascii) { out.append(ascii.begin(), ascii.end()); };

    if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
        append(digits.substr(0, 1));
        if (digits.size() > 1) {
            out += separator;
            append(digits.substr(1));
        }
        const int magnitude = std::abs(exponent);
        append((exponent < 0 ? "E-" : "E+") + std::string(magnitude < 10 ? "0" : "") + std::to_string(magnitude));
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            append(digits + std::string(whole - digits.size(), '0'));
        } else {
            append(digits.substr(0, whole));
            out += separator;
            append(digits.substr(whole));
        }
    } else {
        out += u"0";
        out += separator;
        append(std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits);
    }
    return out;
}

std::u16string LocaleNumberText::fourDecimals(float value) const
{
    // A value that rounds to zero shows no minus sign: -0.00001 reads 0.0000, not -0.0000.
    const double magnitude = std::fabs(static_cast<double>(value));
    const QString text = m_locale.toString(magnitude, 'f', 4);
    if (value < 0 && text != m_locale.toString(0.0, 'f', 4))
        return toU16(m_locale.toString(static_cast<double>(value), 'f', 4));
    return toU16(text);
}

} // namespace pellitor::platform
