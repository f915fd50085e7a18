// The readout's numbers.
#include "ReadoutNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pellitor::graph {

namespace {
// The one writer of the readout's numbers, in ASCII (ReadoutNumbers::localized() then puts in
// the user's signs): x in format with precision digits, -0 as 0 and the exponent as the report
// writes them ("1E+08").
std::string_view written(char (&buffer)[48], double x, std::chars_format format, int precision)
{
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x == 0.0 ? 0.0 : x, format, precision);
    std::transform(buffer, end.ptr, buffer, [](char c) { return c == 'e' ? 'E' : c; });
    return {buffer, static_cast<std::size_t>(end.ptr - buffer)};
}

// x with digits significant digits in the general form.
std::string_view general(char (&buffer)[48], double x, int digits)
{
    return written(buffer, x, std::chars_format::general, digits);
}

// The digits of a number's text that say something: from the first that is not 0.
int significantDigits(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c.isDigit() && (count > 0 || c.digitValue() != 0))
            ++count;
    }
    return count;
}
} // namespace

ReadoutNumbers::ReadoutNumbers(const platform::NumberText& numbers) : m_numbers(numbers)
{
    // The user's decimal separator and minus, as the report's general form of a number shows them.
    const QString half = QString::fromStdU16String(m_numbers.general(0.5f));
    const QString minusOne = QString::fromStdU16String(m_numbers.general(-1.0f));
    m_separator = half.mid(1, half.size() - 2);
    m_minus = minusOne.left(minusOne.size() - 1);
}

QString ReadoutNumbers::localized(std::string_view ascii) const
{
    QString text = QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
    text.replace(u'.', m_separator);
    if (text.startsWith(u'-'))
        text.replace(0, 1, m_minus);
    return text;
}

QString ReadoutNumbers::y(float y) const
{
    const QString report = QString::fromStdU16String(m_numbers.fourDecimals(y));
    if (y == 0.0f || (significantDigits(report) >= 4 && report.size() <= 12))
        return report;
    char buffer[48];
    return localized(written(buffer, y, std::chars_format::scientific, 6));
}

QString ReadoutNumbers::x(float x) const
{
    char buffer[48];
    return localized(general(buffer, x, 9));
}

QString ReadoutNumbers::x(float x, double pixel) const
{
    char buffer[48];
    if (!(pixel > 0.0) || !std::isfinite(pixel))
        return this->x(x);
    const double magnitude = std::max(std::fabs(double(x)), pixel);
    if (pixel >= 1e-6 && magnitude < 1e7) {
        // As many decimals as a pixel's width has places: a pixel of 0.035 gives 0.53.
        const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(pixel))));
        std::string_view text = written(buffer, x, std::chars_format::fixed, decimals);
        // A value that rounds to 0 has no sign.
        if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string_view::npos)
            text.remove_prefix(1);
        return localized(text);
    }
    const int digits = static_cast<int>(std::floor(std::log10(magnitude)) - std::floor(std::log10(pixel))) + 1;
    return localized(general(buffer, x, std::clamp(digits, 1, 9)));
}

QString ReadoutNumbers::run(float from, float middle, float to) const
{
    char buffer[48];
    for (int digits = 1; digits < 9; ++digits) {
        const std::string_view text = general(buffer, middle, digits);
        double read = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), read);
        // The 32-bit x that the text names, as the parameter box would read it.
        const float value = static_cast<float>(read);
        if (value >= std::min(from, to) && value <= std::max(from, to))
            return localized(text);
    }
    return x(middle);
}

} // namespace pellitor::graph
