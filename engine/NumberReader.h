// Reads the decimal number at the start of a text, the way the evaluator reads its number tokens.
#pragma once

#include <string_view>

namespace pellitor {

// Reads digits with at most one "." as the decimal point (whatever the locale) and an optional
// exponent ("e" or "E", an optional sign, digits), stopping at the first character that cannot
// continue the number; a text that starts with no number reads as 0. A value beyond the 64-bit
// range raises the overflow error; one too small to represent reads as 0.
double readNumber(std::u16string_view text);

} // namespace pellitor
