// Conversions between the program's 16-bit texts and UTF-8 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace pellitor {

// A lone surrogate becomes U+FFFD; everything else converts exactly.
std::string toUtf8(std::u16string_view text);
// Malformed bytes each become U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

} // namespace pellitor
