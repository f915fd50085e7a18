// The 32-bit rule for neighbouring x.
#include "RepeatedSingles.h"

#include <cfloat>
#include <cmath>

namespace pellitor::plot {

namespace {
// The distance from a 32-bit float to the next larger one in magnitude.
double singleSpacing(double x)
{
    const float f = std::fabs(static_cast<float>(x));
    if (f < FLT_MIN)
        return 0x1p-149;
    return std::ldexp(1.0, std::ilogb(f) - (FLT_MANT_DIG - 1));
}
} // namespace

std::optional<double> repeatedSingle(const std::function<double(std::int64_t)>& at, std::int64_t count, double step)
{
    step = std::fabs(step);
    // From each end inwards, while the floats there lie at least step apart; the magnitudes fall
    // inwards (towards 0, if the x pass it), and with them the spacing.
    for (const std::int64_t direction : {std::int64_t{1}, std::int64_t{-1}}) {
        for (std::int64_t i = direction > 0 ? 0 : count - 1; i + direction >= 0 && i + direction < count;
             i += direction) {
            const double x = at(i);
            const double next = at(i + direction);
            if (singleSpacing(x) < step && singleSpacing(next) < step)
                break;
            if (static_cast<float>(x) == static_cast<float>(next))
                return direction > 0 ? x : next;
        }
    }
    return std::nullopt;
}

std::optional<double> repeatedSample(const Span& xs, int columns)
{
    const std::int64_t count = sampleCount(columns);
    const double step = (xs.to - xs.from) / static_cast<double>(count - 1);
    return repeatedSingle([&](std::int64_t i) { return sampleAt(xs, columns, i); }, count, step);
}

} // namespace pellitor::plot
