// Reads the decimal number at the start of a text: the evaluator's number tokens and the value of
// x in the parameter box (and pellitor-calc's -x) follow the one grammar below.
#pragma once

#include <optional>
#include <string_view>

namespace pellitor {

// The number is digits with at most one "." as the decimal point (whatever the locale) and an
// optional exponent ("e" or "E", an optional sign and at least one digit); the first character
// that cannot continue it ends it, and a text that starts with no digit reads as 0.

// For the evaluator: the number as a 64-bit float. A value beyond the 64-bit range raises the
// overflow error; one too small to represent reads as 0.
double readNumber(std::u16string_view text);

// For the value of x: leading blanks and tabs are skipped and an optional sign may come before
// the number, which is rounded once, from its decimal text, to the nearest 32-bit float.
// std::nullopt when it lies beyond the 32-bit range; a magnitude too small for it reads as 0, and
// so does -0.
std::optional<float> readLeadingSingle(std::u16string_view text);

} // namespace pellitor
