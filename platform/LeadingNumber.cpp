// The number reader behind the parameter box and pellitor-calc's -x option.
#include "LeadingNumber.h"

#include <charconv>
#include <string>
#include <system_error>

namespace pellitor::platform {

namespace {
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

std::optional<float> readLeadingSingle(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    // The digits are gathered into a plain ASCII text for std::from_chars, which rounds a
    // decimal text of any length correctly to the nearest float and knows no locale.
    std::string number;
    bool point = false;
    // The magnitude's decimal order, roughly: the count of integer digits after leading zeros, or
    // minus the count of zeros between the point and the first non-zero digit. Only its sign is
    // used, to tell an overflow from an underflow.
    long long order = 0;
    bool nonZero = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isDigit(c)) {
            nonZero = nonZero || c != u'0';
            if (!point && nonZero)
                ++order;
            else if (point && !nonZero)
                --order;
            number += static_cast<char>(c);
        } else if (c == u'.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    // No digit at all, or only zeros: the value is zero.
    if (!nonZero)
        return 0.0f;

    // An exponent counts only when a digit follows its optional sign.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            negativeExponent = text[j++] == u'-';
        if (j < text.size() && isDigit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                if (exponent < 100000)  // far beyond either end of the range: keep it bounded
                    exponent = exponent * 10 + (text[j] - u'0');
            }
            if (negativeExponent)
                exponent = -exponent;
            order += exponent;
            number += 'e' + std::to_string(exponent);
        }
    }

    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (order > 0)
            return std::nullopt;
        return 0.0f;
    }
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace pellitor::platform
