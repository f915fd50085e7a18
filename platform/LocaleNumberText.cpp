// Number texts from the locale's decimal separator, grouping and negative form.
#include "LocaleNumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pellitor::platform {

namespace {

std::u16string toU16(const QString& text)
{
    return text.toStdU16String();
}

constexpr int SignificantDigits = 7;
// Plain notation holds for decimal exponents from -4 to 6 (0.0001 up to 9999999); outside that
// the exponent form is shorter and does not suggest digits that a 32-bit float does not have.
constexpr int SmallestPlainExponent = -4;
constexpr int LargestPlainExponent = SignificantDigits - 1;

} // namespace

LocaleNumberText::LocaleNumberText(const QLocale& locale) : m_locale(locale) {}

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
