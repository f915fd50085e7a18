// The evaluator's single steps: one binary operator on the stack, one function of a value.
// DoEvaluate runs them token by token; they stand apart so that the type of the value a step
// pushes (a 16-bit integer for the special results, a 64-bit float otherwise) can be checked.
#pragma once

#include "EvaluatorMath.h"
#include "Tokens.h"
#include "Variant.h"

namespace pellitor {

class Cls13;

namespace evaluator {

// Thrown by a step on a domain failure; DoEvaluate turns it into the failure value.
struct DomainFailure {};

// The value of the function op at v (trigonometric arguments in degrees when degrees is set).
Variant evaluateFunction(Token op, double v, bool degrees);
// Pops the right operand, then the left one, and pushes the result of op.
void applyBinary(Token op, Cls13& stack);

} // namespace evaluator
} // namespace pellitor
