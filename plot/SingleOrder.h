// The 32-bit numbers in the order of the line, as unsigned integers: neighbouring floats have
// neighbouring keys, so that a search can halve a stretch of floats or count them.
#pragma once

#include <bit>
#include <cstdint>

namespace pellitor::plot {

// The float's bits turned so that they compare as unsigned integers do (-0 just below +0).
inline std::uint32_t orderKey(float x)
{
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

inline float singleOfKey(std::uint32_t key)
{
    return std::bit_cast<float>((key & 0x80000000u) ? key & 0x7FFFFFFFu : ~key);
}

} // namespace pellitor::plot
