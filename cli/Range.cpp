// Reading the table's and the picture's ranges.
#include "Range.h"

#include "Der.h"
#include "NumberReader.h"
#include "RepeatedSingles.h"
#include "TextCodec.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace pellitor::cli {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// A number of a range: its decimal value in 64 bits, and the 32-bit number that the parameter box
// reads from the same text, rounded once (nothing when it lies beyond the 32-bit range).
struct RangeNumber {
    double value = 0.0;
    std::optional<float> single;
};

// The parameter box's check, then the whole cleaned text as one number: an optional "-", digits
// and at most one point. An empty text is no number here (the box would read it as 0).
std::optional<RangeNumber> readNumber(std::string_view text)
{
    std::u16string cleaned;
    if (!Der::CheckParameter(fromUtf8(text), cleaned) || text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    const std::string ascii = toUtf8(cleaned);
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    if (begin != end && *begin == '-')
        ++begin;
    if (begin == end || ascii.find('-', 1) != std::string::npos)
        return std::nullopt;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return RangeNumber{ascii.front() == '-' ? -value : value, readLeadingSingle(cleaned)};
}

// A picture's end: the number itself, so that the picture of a range is the graph window's for the
// same numbers, unless its 32-bit rounding differs from the text's (a value on a midpoint of the
// floats): then the text's 32-bit number, which is then the first or the last sample's x.
double spanEnd(const RangeNumber& number)
{
    return static_cast<float>(number.value) == *number.single ? number.value : static_cast<double>(*number.single);
}

std::string notANumber(std::string_view what, std::string_view text)
{
    return std::string(what) + " '" + std::string(text) + "' is not a number";
}

// A number in messages, as the general form writes it (at most seven significant digits).
std::string shown(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<float>(value), std::chars_format::general, 7);
    return std::string(text, end.ptr);
}

} // namespace

std::variant<Steps, std::string> readSteps(std::string_view text)
{
    const std::vector<std::string_view> parts = split(text, ':');
    if (parts.size() != 3)
        return "--table needs FROM:TO:STEP, not '" + std::string(text) + "'";
    const char* names[] = {"FROM", "TO", "STEP"};
    RangeNumber numbers[3];
    for (int i = 0; i < 3; ++i) {
        const std::optional<RangeNumber> number = readNumber(parts[i]);
        if (!number)
            return notANumber(names[i], parts[i]);
        numbers[i] = *number;
    }
    if (!numbers[0].single || !numbers[1].single)
        return "FROM and TO must lie within the range of a 32-bit number";
    const double from = numbers[0].value, to = numbers[1].value, step = numbers[2].value;
    if (step == 0.0)
        return "STEP must not be 0";
    const double last = (to - from) / step;
    if (last < 0.0)
        return "STEP " + std::string(parts[2]) + " goes away from TO";
    // The billionth keeps a last row that decimal steps miss by a rounding error.
    const double rows = std::floor(last + 1e-9) + 1.0;
    if (!(rows <= static_cast<double>(MaxRows)))
        return "the table would have more than 100000000 rows";
    Steps steps{from, step, static_cast<std::int64_t>(rows), *numbers[0].single, std::nullopt};
    // A last row within the billionth of TO (on either side) is TO's row, and takes TO's x.
    if (std::fabs(from + (rows - 1.0) * step - to) <= 1e-9 * std::fabs(step))
        steps.last = *numbers[1].single;
    if (const std::optional<double> x = plot::repeatedSingle([&steps](std::int64_t i) { return steps.at(i); },
                                                             steps.rows, step))
        return "STEP " + std::string(parts[2]) + " cannot change a 32-bit x near " + shown(*x)
               + ": two rows would be the same";
    return steps;
}

std::variant<std::pair<double, double>, std::string> readLimits(std::string_view text, std::string_view what)
{
    const std::vector<std::string_view> parts = split(text, ':');
    if (parts.size() != 2)
        return std::string(what) + " needs FROM:TO, not '" + std::string(text) + "'";
    const std::optional<RangeNumber> from = readNumber(parts[0]);
    if (!from)
        return notANumber("FROM", parts[0]);
    const std::optional<RangeNumber> to = readNumber(parts[1]);
    if (!to)
        return notANumber("TO", parts[1]);
    if (!from->single || !to->single)
        return std::string(what) + ": FROM and TO must lie within the range of a 32-bit number";
    return std::pair{spanEnd(*from), spanEnd(*to)};
}

std::variant<plot::Span, std::string> readSpan(std::string_view text, std::string_view what)
{
    std::variant<std::pair<double, double>, std::string> limits = readLimits(text, what);
    if (std::string* reason = std::get_if<std::string>(&limits))
        return std::move(*reason);
    const auto [from, to] = std::get<std::pair<double, double>>(limits);
    // A range narrower than the 32-bit steps at its ends would draw one x over and over.
    if (!(static_cast<float>(from) < static_cast<float>(to)))
        return std::string(what) + ": FROM must be below TO, and apart from it as 32-bit numbers";
    return plot::Span{from, to};
}

std::variant<float, std::string> readLevel(std::string_view text, std::string_view what)
{
    const std::optional<RangeNumber> level = readNumber(text);
    if (!level)
        return notANumber(what, text);
    if (!level->single)
        return std::string(what) + " must lie within the range of a 32-bit number";
    return *level->single;
}

std::optional<std::string> sampleStepsTooSmall(const plot::Span& xs, int columns)
{
    const std::optional<double> x = plot::repeatedSample(xs, columns);
    if (!x)
        return std::nullopt;
    const double step = (xs.to - xs.from) / static_cast<double>(plot::sampleCount(columns) - 1);
    return "--plot: a picture " + std::to_string(columns) + " pixels wide samples x in steps of " + shown(step)
           + ", which cannot change a 32-bit x near " + shown(*x) + ": two samples would be the same";
}

std::variant<plot::Size, std::string> readSize(std::string_view text)
{
    const std::size_t x = text.find('x');
    plot::Size size;
    const auto read = [](std::string_view digits, int& value) {
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return !digits.empty() && error == std::errc() && stop == digits.data() + digits.size();
    };
    if (x == std::string_view::npos || !read(text.substr(0, x), size.width) || !read(text.substr(x + 1), size.height))
        return "--size needs WIDTHxHEIGHT, such as 800x500, not '" + std::string(text) + "'";
    if (size.width < plot::MinSide || size.height < plot::MinSide || size.width > plot::MaxSide
        || size.height > plot::MaxSide)
        return "--size: each side must be from " + std::to_string(plot::MinSide) + " to "
               + std::to_string(plot::MaxSide) + " pixels";
    return size;
}

std::variant<double, std::string> readScale(std::string_view text)
{
    const std::optional<RangeNumber> scale = readNumber(text);
    if (!scale || !(scale->value >= MinScale && scale->value <= MaxScale))
        return "--scale must be a number from " + shown(MinScale) + " to " + shown(MaxScale) + ", not '"
               + std::string(text) + "'";
    return scale->value;
}

std::variant<plot::Size, std::string> scaledSize(const plot::Size& size, double scale)
{
    const plot::Size scaled{int(std::lround(size.width * scale)), int(std::lround(size.height * scale))};
    if (scaled.width > plot::MaxSide || scaled.height > plot::MaxSide)
        return "--size " + std::to_string(size.width) + "x" + std::to_string(size.height) + " at --scale "
               + shown(scale) + " is " + std::to_string(scaled.width) + "x" + std::to_string(scaled.height)
               + " pixels: each side must be from " + std::to_string(plot::MinSide) + " to "
               + std::to_string(plot::MaxSide) + " pixels";
    return scaled;
}

} // namespace pellitor::cli
