// The number reader of the evaluator and of the parameter: one scan of the longest valid prefix,
// then the standard library's correctly rounded, locale-independent from_chars.
#include "NumberReader.h"

#include "EngineError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace pellitor {

namespace {
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Whether a number whose conversion left the range of its type was too large (rather than too
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
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
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

// Converts a scanned number with from_chars, which rounds correctly and knows no locale. Out of
// range, the number's decimal exponent tells an overflow (std::nullopt) from an underflow (0).
template <typename Float>
std::optional<Float> convert(std::u16string_view number, std::size_t mantissaEnd)
{
    std::array<char, 64> shortBuffer;
    std::string longBuffer;
    char* first = shortBuffer.data();
    if (number.size() > shortBuffer.size()) {
        longBuffer.resize(number.size());
        first = longBuffer.data();
    }
    std::transform(number.begin(), number.end(), first, [](char16_t c) { return static_cast<char>(c); });
    Float value = 0;
    const std::errc error = std::from_chars(first, first + number.size(), value, std::chars_format::general).ec;
    if (error == std::errc::result_out_of_range)
        return isTooLarge(number, mantissaEnd) ? std::nullopt : std::optional<Float>(0);
    return value;
}

// The extent of the number at the start of text: the digits and the point end at mantissaEnd,
// an exponent that follows them at end. No digit at all: digits is 0.
struct Extent {
    std::size_t mantissaEnd = 0;
    std::size_t end = 0;
    std::size_t digits = 0;
};

Extent scan(std::u16string_view text)
{
    Extent extent;
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++extent.digits;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++extent.digits;
    }
    extent.mantissaEnd = i;
    // An exponent counts only when a digit follows its optional sign.
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
    extent.end = i;
    return extent;
}
} // namespace

double readNumber(std::u16string_view text)
{
    const Extent extent = scan(text);
    if (extent.digits == 0)
        return 0.0;
    const std::u16string_view number = text.substr(0, extent.end);
    if (const auto exact = exactShortDecimal(number))
        return *exact;
    const std::optional<double> value = convert<double>(number, extent.mantissaEnd);
    if (!value)
        throw EngineError::overflow();
    return *value;
}

std::optional<float> readLeadingSingle(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    text.remove_prefix(i);

    const Extent extent = scan(text);
    if (extent.digits == 0)
        return 0.0f;
    const std::optional<float> value = convert<float>(text.substr(0, extent.end), extent.mantissaEnd);
    if (!value)
        return std::nullopt;
    if (*value == 0.0f) // no -0
        return 0.0f;
    return negative ? -*value : *value;
}

} // namespace pellitor
