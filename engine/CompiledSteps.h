// The steps of a compiled program, shared by its two evaluations: one x at a time (CompiledPostfix.cpp)
// and a block of x at a time (CompiledBlock.cpp). Their list, and the exact products that stand
// in for pow where they are what pow gives.
#pragma once

#include "CompiledPostfix.h"
#include "EvaluatorMath.h"
#include "Tokens.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace pellitor {

// "Top" is the value on top of the stack, K the operation's constant, x the value of x. One list
// names the operations for the enumeration and for the evaluation's table of steps, in one order.
// clang-format off
#define PELLITOR_FUNCTIONS(X, suffix)                                                                                  \
    X(SIN##suffix) X(COS##suffix) X(LOG##suffix) X(EXP##suffix) X(ABS##suffix) X(ATAN##suffix) X(INT##suffix)      \
    X(RND##suffix) X(SQR##suffix) X(TAN##suffix) X(SEC##suffix) X(CSEC##suffix) X(CTAN##suffix) X(ASIN##suffix)    \
    X(ACOS##suffix) X(ASEC##suffix) X(ACSEC##suffix) X(ACTAN##suffix) X(SINH##suffix) X(COSH##suffix)              \
    X(TANH##suffix) X(CTANH##suffix) X(SECH##suffix) X(CSECH##suffix) X(ASINH##suffix) X(ACOSH##suffix)            \
    X(ATANH##suffix) X(ASECH##suffix) X(ACSECH##suffix) X(ACTANH##suffix)
#define PELLITOR_OPERATIONS(X)                                                                                        \
    X(PushConstant) X(PushX) X(PushNegatedX) X(PushSquaredX) X(PushCubedX) X(PushRandom)                             \
    X(PushXAddConstant) X(PushXSubConstant) X(PushXMulConstant) X(PushXDivConstant)  /* push x op K */             \
    X(PushConstantSubX) X(PushConstantDivX)                                          /* push K op x */             \
    X(Add) X(Sub) X(Mul) X(Div) X(Pow)                                             /* second op top */               \
    X(AddConstant) X(SubConstant) X(MulConstant) X(DivConstant) X(PowConstant)     /* top op K */                    \
    X(ConstantSub) X(ConstantDiv) X(ConstantPow)                                   /* K op top */                    \
    X(AddX) X(SubX) X(MulX) X(DivX) X(PowX)                                        /* top op x */                    \
    X(XSub) X(XDiv) X(XPow)                                                        /* x op top */                    \
    X(Negate) X(Square) X(Cube) X(SetConstant) X(SetRandom)                                                          \
    PELLITOR_FUNCTIONS(X, )            /* the functions of top, in the order of Token */                              \
    PELLITOR_FUNCTIONS(X, OfX)         /* the same functions of x, pushed */                                          \
    /* the last operation of every program */                                                                        \
    X(ReturnTop) X(ReturnConstant) X(ReturnX) X(ReturnNothing) X(RaisePop) X(RaiseOverflow) X(RaiseBadToken)
// clang-format on

enum class CompiledPostfix::Operation : std::uint8_t {
#define PELLITOR_NAME(name) name,
    PELLITOR_OPERATIONS(PELLITOR_NAME)
#undef PELLITOR_NAME
};

namespace compiled {

// The product a*b rounded, and what the rounding left out, exactly (Dekker's product: each
// factor split into halves of 26 bits, whose products are exact). Exact while nothing overflows
// or comes near the subnormal range, which the caller makes sure of.
struct Product {
    double rounded;
    double error;
};

inline Product exactProduct(double a, double b)
{
    constexpr double Split = 0x1p27 + 1.0;
    const double ca = Split * a, aHigh = ca - (ca - a), aLow = a - aHigh;
    const double cb = Split * b, bHigh = cb - (cb - b), bLow = b - bHigh;
    const double rounded = a * b;
    return {rounded, ((aHigh * bHigh - rounded) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

// Whether p is what pow gives for a power whose exact value is p + error: pow errs by at most
// 0.54 of a unit in the last place, so a p within 0.45 of a unit of the exact power is the one
// double pow can return. (p must be normal and far from overflow, for error to be exact.)
inline bool isPowersResult(double p, double error)
{
    const double magnitude = std::fabs(p);
    if (!(magnitude >= 0x1p-900 && magnitude <= 0x1p900))
        return false;
    const double unit = std::bit_cast<double>(std::bit_cast<std::uint64_t>(p) & 0x7FF0000000000000u) * 0x1p-52;
    return std::fabs(error) <= 0.45 * unit;
}

// a^2 or a^3 as a product, with what its rounding left out.
inline Product smallPowerProduct(double a, int exponent)
{
    const Product square = exactProduct(a, a);
    if (exponent == 2)
        return square;
    const Product cube = exactProduct(square.rounded, a);
    return {cube.rounded, cube.error + square.error * a};
}

// a^2 or a^3 as a product where that is what power gives (pow's result, or for a 32-bit a the
// correctly rounded cube), else power's own result.
inline double smallPower(double a, int exponent)
{
    const Product power = smallPowerProduct(a, exponent);
    if (isPowersResult(power.rounded, power.error))
        return power.rounded;
    return evaluator::powerOfHiddenExponent(a, exponent);
}

// The value of one function, in a function of its own: the compiler keeps only that case of
// functionValue there, and a step calls it directly rather than through the whole switch.
template <Token Function>
[[gnu::noinline]] double valueOf(double v, bool degrees)
{
    return evaluator::functionValue(Function, v, degrees);
}

} // namespace compiled
} // namespace pellitor
