// What every mode of pellitor-calc shares: its one-line complaints on stderr and the reading of
// its operand, which "-" takes from standard input.
#pragma once

#include "Evaluation.h"

#include <optional>
#include <string>
#include <string_view>

namespace pellitor::cli {

inline constexpr std::string_view Program = "pellitor-calc";
inline constexpr int ExitMessage = 3;

// Writes "pellitor-calc: TEXT" as one line to stderr.
void complain(const std::string& text);

// A text from the user as a message shows it, in one line that cannot steer the terminal: control
// characters, direction controls, line separators, lone surrogates and U+FFFD (a byte that was no
// UTF-8) escaped ("\x1b", "\u202e"), a backslash doubled, and "..." after the first limit
// characters of a longer text.
std::string printable(std::u16string_view text, std::size_t limit);

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
