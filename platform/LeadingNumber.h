// Reads the number at the start of a text, with "." as the decimal point whatever the locale.
#pragma once

#include <optional>
#include <string_view>

namespace pellitor::platform {

// Leading blanks and tabs are skipped; then an optional sign, digits with at most one ".", and an
// optional exponent (e or E, an optional sign and at least one digit) make the number, and the
// first character that cannot continue it ends it. No number at the start reads as 0.
// The value is the nearest 32-bit float; std::nullopt when the number lies beyond the 32-bit range
// (a magnitude too small for it reads as 0, and so does -0).
std::optional<float> readLeadingSingle(std::u16string_view text);

} // namespace pellitor::platform
