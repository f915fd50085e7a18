// The reading of pellitor-calc's operand, which "-" takes from standard input, and of the
// expression operand translated as the Calculate command translates it.
#pragma once

#include "Evaluation.h"

#include <optional>
#include <string>

namespace pellitor::cli {

// An operand's UTF-8 text, or the exit status of a read that failed; "-" reads standard input
// less one final LF or CR LF.
struct Operand {
    std::string bytes;
    int failure = 0;
};

Operand readOperand(const std::string& operand);

// The expression operand read and translated once, with the Calculate command's checks and
// messages; failure is a failed read's exit status, or ExitMessage for a refused expression.
struct TranslatedOperand {
    std::optional<Translation> translation;
    int failure = 0;
};

TranslatedOperand translateOperand(const std::string& operand);

} // namespace pellitor::cli
