// The postfix evaluator of Cls6: walks the blank-separated tokens with a value stack in 64-bit
// arithmetic. Three outcomes stay apart: a value, the failure value for a domain failure, and
// nothing (no value left). Every other fault is raised: a bad token, a missing operand, and each
// arithmetic step that overflows, divides by zero or has no defined result, so that no infinity
// or NaN ever reaches a result.
#include "Cls6.h"

#include "Cls13.h"
#include "EngineError.h"
#include "EvaluatorMath.h"
#include "EvaluatorSteps.h"
#include "NumberReader.h"
#include "PostfixTokens.h"
#include "Tokens.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace pellitor {

namespace evaluator {

void raiseNonFinite(double value)
{
    if (std::isnan(value))
        throw EngineError::invalidArgument();
    throw EngineError::overflow();
}

// One sequence per thread: the window's Calculate command and a graph drawn on a thread of its
// own each continue their own, and neither ever waits for the other.
std::mt19937& randomSequence()
{
    thread_local std::mt19937 generator{std::random_device{}()};
    return generator;
}

float nextRandom()
{
    // 24 random bits give an exact float in [0, 1 - 2^-24]: never 1.0.
    return static_cast<float>(randomSequence()() >> 8) * 0x1p-24f;
}

Variant evaluateFunction(Token op, double v, bool degrees)
{
    const double value = functionValue(op, v, degrees);
    if (isFailure(value))
        throw DomainFailure{};
    // ACOS of 1 (where 1 - v*v is 0) is the integer 0.
    if (op == Token::ACOS && v > 0.0 && value == 0.0)
        return Variant(std::int16_t{0});
    return Variant(value);
}

void applyBinary(Token op, Cls13& stack)
{
    const double b = stack.Pop().toDouble();
    const double a = stack.Pop().toDouble();
    if (op == Token::Pow && b == 0.0) {
        stack.Push(Variant(std::int16_t{1})); // every a, 0 included: the integer 1
        return;
    }
    const double value = binaryValue(op, a, b);
    if (isFailure(value))
        throw DomainFailure{};
    stack.Push(Variant(value));
}
} // namespace evaluator

Truth Cls6::DoEvaluate(const std::u16string& sExpression, Truth bolDegree, float& sngResult, float, float, float sngX,
                       float, float, float, float, float)
{
    Cls13 stack;
    try {
        for (const std::u16string_view token : PostfixTokens(sExpression)) {
            if (isNumberToken(token)) {
                stack.Push(Variant(readNumber(token)));
                continue;
            }
            const Token op = tokenOf(token);
            switch (op) {
            case Token::None:
                throw EngineError(ErrorNumber::BadToken, u"Bad token in Evaluate: " + std::u16string(token));
            case Token::Variable: stack.Push(Variant(static_cast<float>(evaluator::checked(sngX)))); break;
            case Token::Negate: stack.Push(Variant(-stack.Pop().toDouble())); break;
            case Token::Add:
            case Token::Sub:
            case Token::Mul:
            case Token::Div:
            case Token::Pow: evaluator::applyBinary(op, stack); break;
            default: {
                const double v = stack.Pop().toDouble();
                stack.Push(evaluator::evaluateFunction(op, v, bolDegree != 0));
                break;
            }
            }
        }
    } catch (const evaluator::DomainFailure&) {
        sngResult = FailureValue;
        return True;
    }
    if (stack.StackSize() < 1)
        return False;
    sngResult = evaluator::toSingle(stack.Pop().toDouble());
    return True;
}

} // namespace pellitor
