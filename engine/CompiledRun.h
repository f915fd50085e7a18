// The run of a compiled program's steps at one x, for a 32-bit result (CompiledPostfix.cpp) and
// for a 64-bit one (CompiledPostfixDouble.cpp). Each is instantiated in a translation unit of its
// own: with both in one, g++ inlined less into the 32-bit run, which the graph and the tables use.
#pragma once

#include "CompiledPostfix.h"

#include "Cls6.h"
#include "CompiledSteps.h"
#include "EngineError.h"
#include "EvaluatorMath.h"
#include "Tokens.h"

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace pellitor {

namespace compiled {

inline EngineError popOnEmpty()
{
    return {ErrorNumber::PopOnEmptyStack, u"Pop method invoked on empty stack"};
}

// The result as an evaluation hands it back: rounded to 32 bits, or kept in 64 bits where that
// rounding would not overflow.
template <typename Result>
Result returned(double value)
{
    if constexpr (std::is_same_v<Result, float>) {
        return evaluator::toSingle(value);
    } else {
        if (std::fabs(value) >= evaluator::SingleLimit) [[unlikely]]
            throw EngineError::overflow();
        return value;
    }
}

} // namespace compiled

// Each step ends by jumping to the next one through the table of steps (GCC's and Clang's
// labels as values): a jump of its own per step predicts better than one shared switch, and
// saves the loop. A step that can fail goes through the test for the failure first.
template <bool StopBeforeX, typename Result>
Truth CompiledPostfix::run(double x, Result& result)
{
    using namespace evaluator;
    using namespace compiled;
    static constexpr void* Steps[] = {
#define PELLITOR_LABEL(name) &&name,
        PELLITOR_OPERATIONS(PELLITOR_LABEL)
#undef PELLITOR_LABEL
    };
    const Operation* next = m_operations.data();
    const Operation* const stop = next + m_beforeX;
    const double* constant = m_constants.data();
    double* below = m_stack.data(); // the slot above the value below the top
    double top = 0.0;
    const bool degrees = m_degrees;

    // A push moves the top down before the new value is computed, so that the top is never live
    // across a call: g++ then keeps it in a register all through the steps, not in memory.
    const auto moveTopDown = [&] { *below++ = top; };
    const auto second = [&] { return *--below; };

#define PELLITOR_NEXT                                                                                                  \
    do {                                                                                                               \
        if constexpr (StopBeforeX) {                                                                                   \
            if (next == stop)                                                                                          \
                raiseNonFinite(x);                                                                                     \
        }                                                                                                              \
        goto* Steps[static_cast<std::uint8_t>(*next++)];                                                               \
    } while (false)
#define PELLITOR_CHECKED_NEXT                                                                                          \
    do {                                                                                                               \
        if (isFailure(top))                                                                                            \
            goto failed;                                                                                               \
        PELLITOR_NEXT;                                                                                                 \
    } while (false)

    // clang-format off
    PELLITOR_NEXT;
PushConstant: moveTopDown(); top = *constant++; PELLITOR_NEXT;
PushX: moveTopDown(); top = x; PELLITOR_NEXT;
PushNegatedX: moveTopDown(); top = -x; PELLITOR_NEXT;
PushSquaredX: moveTopDown(); top = x * x; PELLITOR_NEXT; // exact for a 32-bit x, so it is pow's result
PushCubedX: moveTopDown(); top = cubeOfSingle(x); PELLITOR_NEXT; // x^3, as power gives it
PushRandom: moveTopDown(); top = nextRandom(); PELLITOR_NEXT;
PushXAddConstant: moveTopDown(); top = add(x, *constant++); PELLITOR_NEXT;
PushXSubConstant: moveTopDown(); top = sub(x, *constant++); PELLITOR_NEXT;
PushXMulConstant: moveTopDown(); top = mul(x, *constant++); PELLITOR_NEXT;
PushXDivConstant: moveTopDown(); top = binaryValue(Token::Div, x, *constant++); PELLITOR_CHECKED_NEXT;
PushConstantSubX: moveTopDown(); top = sub(*constant++, x); PELLITOR_NEXT;
PushConstantDivX: moveTopDown(); top = binaryValue(Token::Div, *constant++, x); PELLITOR_CHECKED_NEXT;
Add: top = add(second(), top); PELLITOR_NEXT;
Sub: top = sub(second(), top); PELLITOR_NEXT;
Mul: top = mul(second(), top); PELLITOR_NEXT;
Div: top = binaryValue(Token::Div, second(), top); PELLITOR_CHECKED_NEXT;
Pow: top = binaryValue(Token::Pow, second(), top); PELLITOR_CHECKED_NEXT;
AddConstant: top = add(top, *constant++); PELLITOR_NEXT;
SubConstant: top = sub(top, *constant++); PELLITOR_NEXT;
MulConstant: top = mul(top, *constant++); PELLITOR_NEXT;
DivConstant: top = binaryValue(Token::Div, top, *constant++); PELLITOR_CHECKED_NEXT;
PowConstant: top = binaryValue(Token::Pow, top, *constant++); PELLITOR_CHECKED_NEXT;
ConstantSub: top = sub(*constant++, top); PELLITOR_NEXT;
ConstantDiv: top = binaryValue(Token::Div, *constant++, top); PELLITOR_CHECKED_NEXT;
ConstantPow: top = binaryValue(Token::Pow, *constant++, top); PELLITOR_CHECKED_NEXT;
AddX: top = add(top, x); PELLITOR_NEXT;
SubX: top = sub(top, x); PELLITOR_NEXT;
MulX: top = mul(top, x); PELLITOR_NEXT;
DivX: top = binaryValue(Token::Div, top, x); PELLITOR_CHECKED_NEXT;
PowX: top = binaryValue(Token::Pow, top, x); PELLITOR_CHECKED_NEXT;
XSub: top = sub(x, top); PELLITOR_NEXT;
XDiv: top = binaryValue(Token::Div, x, top); PELLITOR_CHECKED_NEXT;
XPow: top = binaryValue(Token::Pow, x, top); PELLITOR_CHECKED_NEXT;
Negate: top = -top; PELLITOR_NEXT;
Square: top = smallPower(top, 2); PELLITOR_NEXT;
Cube: top = smallPower(top, 3); PELLITOR_NEXT;
SetConstant: top = *constant++; PELLITOR_NEXT;
SetRandom: top = nextRandom(); PELLITOR_NEXT;
#define PELLITOR_FUNCTION(name)                                                                                      \
    name:                                                                                                            \
    top = valueOf<Token::name>(top, degrees);                                                                        \
    PELLITOR_CHECKED_NEXT;                                                                                           \
    name##OfX:                                                                                                       \
    moveTopDown();                                                                                                   \
    top = valueOf<Token::name>(x, degrees);                                                                          \
    PELLITOR_CHECKED_NEXT;
    PELLITOR_FUNCTION(SIN) PELLITOR_FUNCTION(COS) PELLITOR_FUNCTION(LOG) PELLITOR_FUNCTION(EXP)
    PELLITOR_FUNCTION(ABS) PELLITOR_FUNCTION(ATAN) PELLITOR_FUNCTION(INT) PELLITOR_FUNCTION(RND)
    PELLITOR_FUNCTION(SQR) PELLITOR_FUNCTION(TAN) PELLITOR_FUNCTION(SEC) PELLITOR_FUNCTION(CSEC)
    PELLITOR_FUNCTION(CTAN) PELLITOR_FUNCTION(ASIN) PELLITOR_FUNCTION(ACOS) PELLITOR_FUNCTION(ASEC)
    PELLITOR_FUNCTION(ACSEC) PELLITOR_FUNCTION(ACTAN) PELLITOR_FUNCTION(SINH) PELLITOR_FUNCTION(COSH)
    PELLITOR_FUNCTION(TANH) PELLITOR_FUNCTION(CTANH) PELLITOR_FUNCTION(SECH) PELLITOR_FUNCTION(CSECH)
    PELLITOR_FUNCTION(ASINH) PELLITOR_FUNCTION(ACOSH) PELLITOR_FUNCTION(ATANH) PELLITOR_FUNCTION(ASECH)
    PELLITOR_FUNCTION(ACSECH) PELLITOR_FUNCTION(ACTANH)
#undef PELLITOR_FUNCTION
#undef PELLITOR_CHECKED_NEXT
#undef PELLITOR_NEXT
ReturnTop:
    result = returned<Result>(top);
    return True;
ReturnConstant:
    result = returned<Result>(*constant);
    return True;
ReturnX:
    result = returned<Result>(x);
    return True;
ReturnNothing:
    return False;
RaisePop:
    throw compiled::popOnEmpty();
RaiseOverflow:
    throw EngineError::overflow();
RaiseBadToken:
    throw EngineError(ErrorNumber::BadToken, u"Bad token in Evaluate: " + m_badToken);
failed:
    result = Cls6::FailureValue;
    return True;
    // clang-format on
}

} // namespace pellitor
