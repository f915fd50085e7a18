// The evaluator's number reader: scans the longest valid prefix, then converts it with the
// standard library's correctly rounded, locale-independent from_chars.
#include "NumberReader.h"

#include "EngineError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace pellitor {

namespace {
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Whether a number whose conversion left the double range was too large (rather than too
// small): the decimal exponent of its leading digit decides.
bool isTooLarge(std::u16string_view number, std::size_t mantissaEnd)
{
    std::int64_t leadingExponent = 0;
    std::size_t i = 0;
    std::int64_t integerDigits = 0;
    while (i < mantissaEnd && number[i] == u'0')
        ++i;
    while (i < mantissaEnd && isDigit(number[i]))
        ++i, ++integerDigits;
    if (integerDigits > 0) {
        leadingExponent = integerDigits - 1;
    } else {
        if (i < mantissaEnd && number[i] == u'.')
            ++i;
        std::int64_t zeros = 0;
        while (i < mantissaEnd && number[i] == u'0')
            ++i, ++zeros;
        leadingExponent = -zeros - 1;
    }
    std::int64_t exponent = 0;
    bool negative = false;
    std::size_t e = mantissaEnd + 1;
    if (e < number.size() && (number[e] == u'+' || number[e] == u'-'))
        negative = number[e++] == u'-';
    for (; e < number.size(); ++e)
        exponent = std::min<std::int64_t>(exponent * 10 + (number[e] - u'0'), 1'000'000'000'000);
    return leadingExponent + (negative ? -exponent : exponent) > 0;
}

// Digits with at most 15 significant digits and 22 decimals, without exponent: the integer of
// the digits and the power of ten are both exact doubles, so one division rounds correctly.
std::optional<double> exactShortDecimal(std::u16string_view number)
{
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (number.size() > 16)
        return std::nullopt;
    std::uint64_t digits = 0;
    int decimals = -1;
    for (const char16_t c : number) {
        if (c == u'.') {
            decimals = 0;
        } else if (isDigit(c)) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - u'0');
            if (decimals >= 0)
                ++decimals;
        } else {
            return std::nullopt; // an exponent
        }
    }
    const double value = static_cast<double>(digits);
    return decimals > 0 ? value / PowersOfTen[decimals] : value;
}

double convert(const char* first, const char* last, std::u16string_view number, std::size_t mantissaEnd)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (isTooLarge(number, mantissaEnd))
            throw EngineError::overflow();
        return 0.0;
    }
    return value;
}
} // namespace

double readNumber(std::u16string_view text)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }

    const std::u16string_view number = text.substr(0, i);
    if (const auto exact = exactShortDecimal(number))
        return *exact;
    std::array<char, 64> shortBuffer;
    if (number.size() <= shortBuffer.size()) {
        for (std::size_t k = 0; k < number.size(); ++k)
            shortBuffer[k] = static_cast<char>(number[k]);
        return convert(shortBuffer.data(), shortBuffer.data() + number.size(), number, mantissaEnd);
    }
    std::string longBuffer(number.size(), '\0');
    for (std::size_t k = 0; k < number.size(); ++k)
        longBuffer[k] = static_cast<char>(number[k]);
    return convert(longBuffer.data(), longBuffer.data() + longBuffer.size(), number, mantissaEnd);
}

} // namespace pellitor
