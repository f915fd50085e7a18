// Values written with the digits their errors allow.
#include "SignificantDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pellitor::graph {

namespace {

// The place of the first significant digit: 2 for 123.4, -3 for 0.00123.
int leadingPlace(double value)
{
    return static_cast<int>(std::floor(std::log10(std::fabs(value))));
}

} // namespace

int significantDigits(double value, double error, int most)
{
    if (!std::isfinite(error))
        return 0;
    if (value == 0.0 || error <= 0.0)
        return most;
    return std::min(most, leadingPlace(value) - leadingPlace(error) + 1);
}

std::string withDigits(double value, int digits)
{
    if (digits <= 0 || value == 0.0)
        return "0";
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
    std::string written(text, end.ptr);
    std::replace(written.begin(), written.end(), 'e', 'E');
    return written;
}

std::string withError(double value, double error, int most)
{
    return withDigits(value, significantDigits(value, error, most));
}

std::string shortestWithin(double value, double within, int most)
{
    if (std::fabs(value) <= within)
        return "0";
    for (int digits = 1; digits < most; ++digits) {
        const std::string text = withDigits(value, digits);
        double rounded = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), rounded); // "E" reads as "e"; no locale
        if (std::fabs(rounded - value) <= within)
            return withDigits(rounded, most); // 100, not 1E+02
    }
    return withDigits(value, most);
}

std::string errorBound(double error)
{
    if (!(error > 0.0) || !std::isfinite(error))
        return withDigits(error, 2);
    // Two digits from the first: 1.234e-12 is 13 units of 1e-13, up.
    const double unit = std::pow(10.0, leadingPlace(error) - 1);
    const double units = std::ceil(error / unit * (1.0 - 1e-12));
    return withDigits(units * unit, 2);
}

} // namespace pellitor::graph
