// Checks and cleans the user's expression and parameter texts, and makes implied multiplication
// explicit before the expression reaches the translator.
#pragma once

#include "Variant.h"

#include <string>

namespace pellitor::Der {

// Copies sInput to sOutput without blanks and with every comma turned into a point. Returns
// False at the first character outside letters A-Z/a-z, digits, ".", "+", "-", "*", "/", "^", "(" and
// ")"; sOutput then holds what was cleaned before it. An empty or one-blank input becomes "0".
Truth CheckExpression(const std::u16string& sInput, std::u16string& sOutput);

// As CheckExpression, for the parameter: only digits, "." and "-" are accepted.
Truth CheckParameter(const std::u16string& sInput, std::u16string& sOutput);

// Returns sText with a "*" between a number and a following name or parenthesis, between a
// closing parenthesis and what follows it, and after a one-letter name (x, pi's i, ...) that is
// followed by a number or an opening parenthesis: 2cos(x) gives 2*cos(x), x(x+1) gives x*(x+1).
std::u16string InsertMultiplication(const std::u16string& sText);

} // namespace pellitor::Der
