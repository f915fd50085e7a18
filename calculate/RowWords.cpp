// The words of a row without a number.
#include "RowWords.h"

namespace pellitor {

std::u16string rowWords(Evaluation::Outcome outcome, std::u16string_view error)
{
    switch (outcome) {
    case Evaluation::Outcome::CannotCalculate: return u"Can not calculate";
    case Evaluation::Outcome::EngineFault: return u"Error: " + std::u16string(error);
    default: return u"no value";
    }
}

} // namespace pellitor
