// The two number texts of the calculation report, behind a seam so that the Calculate command
// stays free of Qt: the window and pellitor-calc hand it the locale-backed implementation.
#pragma once

#include "TextCodec.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace pellitor::platform {

class NumberText {
public:
    virtual ~NumberText() = default;

    // The general text form of a 32-bit float: at most seven significant digits, no grouping,
    // the user's decimal separator, no separator for whole numbers, exponent form outside
    // 0.0001 <= |value| < 10000000 (after rounding to seven digits), e.g. 1.5E+07 or 1E-05.
    virtual std::u16string general(float value) const = 0;

    // The value with exactly four decimals, grouping, decimal separator and negative form taken
    // from the user's regional settings: 1234.5 gives 1,234.5000 in United States English.
    virtual std::u16string fourDecimals(float value) const = 0;

    // The same two texts in UTF-8, written at out, which has room for LongestUtf8 bytes; each
    // returns the end of what it wrote. For output that needs no 16-bit text: a table of a
    // million rows notices.
    static constexpr std::size_t LongestUtf8 = 384;
    virtual char* writeGeneral(char* out, float value) const { return copy(out, general(value)); }
    virtual char* writeFourDecimals(char* out, float value) const { return copy(out, fourDecimals(value)); }

private:
    static char* copy(char* out, const std::u16string& text)
    {
        const std::string utf8 = toUtf8(text);
        return std::copy_n(utf8.data(), std::min(utf8.size(), LongestUtf8), out);
    }
};

} // namespace pellitor::platform
