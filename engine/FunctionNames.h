// The thirty function names the translator accepts and the evaluator knows, in upper case.
#pragma once

#include <array>
#include <string_view>

namespace pellitor {

inline constexpr std::array<std::u16string_view, 30> FunctionNames = {
    u"SIN",  u"COS",   u"LOG",   u"EXP",   u"ABS",   u"ATAN",   u"INT",   u"RND",  u"SQR",   u"TAN",
    u"SEC",  u"CSEC",  u"CTAN",  u"ASIN",  u"ACOS",  u"ASEC",   u"ACSEC", u"ACTAN", u"SINH", u"COSH",
    u"TANH", u"CTANH", u"SECH",  u"CSECH", u"ASINH", u"ACOSH",  u"ATANH", u"ASECH", u"ACSECH", u"ACTANH",
};

inline constexpr std::size_t LongestFunctionName = 6;

inline bool isFunctionName(std::u16string_view name)
{
    if (name.size() < 3 || name.size() > LongestFunctionName)
        return false;
    for (const auto function : FunctionNames) {
        if (function == name)
            return true;
    }
    return false;
}

} // namespace pellitor
