// The words of a table's row that has no number, the same in pellitor-calc's tables and in the
// graph's table of values.
#pragma once

#include "Evaluation.h"

#include <string>
#include <string_view>

namespace pellitor {

// "Can not calculate" for the failure value, "Error: " and error for an error raised by the engine,
// "no value" where the postfix text leaves none: words that no number reads like. Not for Value.
std::u16string rowWords(Evaluation::Outcome outcome, std::u16string_view error);

} // namespace pellitor
