// The evaluator's arithmetic on 64-bit floats: the five operators and the thirty functions with
// their domain tests, and the conversion of a result to 32 bits. The text evaluator and the
// compiled evaluator both compute through these, so a value can only differ between them by the
// way they read and order the tokens, never by a formula. Inline, so that a caller that knows its
// operator at compile time pays for no dispatch.
//
// A domain failure is returned as Failure, a NaN: every step raises on a NaN it computes, so no
// value is ever a NaN, and a test of the result costs less than an exception (a table of sqr(x)
// over negative x meets one in every row).
#pragma once

#include "EngineError.h"
#include "Tokens.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace pellitor::evaluator {

// What a step returns for a domain failure.
inline constexpr double Failure = std::numeric_limits<double>::quiet_NaN();
inline bool isFailure(double value)
{
    return std::isnan(value);
}

// A NaN is an invalid operation, an infinity an overflow.
[[noreturn]] void raiseNonFinite(double value);

// One arithmetic step: no infinity or NaN ever reaches a value.
inline double checked(double value)
{
    if (!std::isfinite(value)) [[unlikely]]
        raiseNonFinite(value);
    return value;
}

inline double mul(double a, double b)
{
    return checked(a * b);
}
inline double add(double a, double b)
{
    return checked(a + b);
}
inline double sub(double a, double b)
{
    return checked(a - b);
}
inline double div(double a, double b)
{
    if (b == 0.0) [[unlikely]]
        throw EngineError::divisionByZero();
    return checked(a / b);
}
inline double exp(double v)
{
    return checked(std::exp(v));
}
inline double ln(double v)
{
    return checked(std::log(v));
}
inline double sqrt(double v)
{
    return checked(std::sqrt(v));
}
inline double sgn(double v)
{
    return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
}

// Whether v is a 32-bit float widened, as x is.
inline bool isSingle(double v)
{
    return std::fabs(v) <= FLT_MAX && static_cast<double>(static_cast<float>(v)) == v;
}

// The cube of a 32-bit value, correctly rounded to 64 bits: its square is exact (48 bits), so
// the product rounds once.
inline double cubeOfSingle(double a)
{
    return a * a * a;
}

// a raised to b, where b is not 0 and a is not negative with a fractional b. The cube of a
// 32-bit value (x^3) is the correctly rounded product; libm's pow misses that by a unit in the
// last place for 0.24% of 32-bit values.
inline double power(double a, double b)
{
    if (a == 0.0 && b < 0.0) [[unlikely]]
        throw EngineError::divisionByZero();
    if (b == 3.0 && isSingle(a))
        return cubeOfSingle(a);
    return checked(std::pow(a, b));
}

// power(a, b) for an exponent that the compiler may know where the call is inlined: it turns
// pow(a, 2.0) into a*a, which is not pow's result where a*a lies within a hair of a tie, so the
// exponent is read back from memory that it cannot see through.
inline double powerOfHiddenExponent(double a, double b)
{
    const volatile double hidden = b;
    return power(a, hidden);
}

inline constexpr double Pi = 3.1415926;            // the seven-decimal pi of degree conversions and ASIN/ACOS
inline const double HalfPi = 2.0 * std::atan(1.0); // full precision, for the formulas with 2*atan(1)

// The value of a binary operator: "/" by 0 and a negative base with a fractional exponent are
// domain failures (Failure); any exponent 0 gives 1.
inline double binaryValue(Token op, double a, double b)
{
    switch (op) {
    case Token::Add: return add(a, b);
    case Token::Sub: return sub(a, b);
    case Token::Mul: return mul(a, b);
    case Token::Div:
        if (b == 0.0)
            return Failure;
        return div(a, b);
    default: // Token::Pow
        if (b == 0.0)
            return 1.0;
        if (a >= 0.0 || b == std::floor(b))
            return power(a, b); // a negative base keeps its sign rule: (-2)^3 = -8
        return Failure;
    }
}

// The pseudo-random sequence of the calling thread: seeded once, never reseeded. A test may copy
// and restore its state, to give two evaluations the same draws.
std::mt19937& randomSequence();
// The next number of that sequence, in [0, 1).
float nextRandom();

// The value of the function op at v (trigonometric arguments in degrees when degrees is set), or
// Failure. Every domain test comes before the computation it guards.
inline double functionValue(Token op, double v, bool degrees)
{
    const bool trigonometric = op == Token::SIN || op == Token::COS || op == Token::TAN || op == Token::SEC
                               || op == Token::CSEC || op == Token::CTAN || op == Token::ATAN;
    const double r = (degrees && trigonometric) ? mul(v, Pi) / 180.0 : v;

    switch (op) {
    case Token::SIN: return std::sin(r);
    case Token::COS: return std::cos(r);
    case Token::LOG:
        if (v <= 0.0)
            return Failure;
        return ln(v);
    case Token::EXP: return exp(v);
    case Token::ABS: return std::fabs(v);
    case Token::ATAN: return std::atan(r);
    case Token::INT: return std::floor(v);
    case Token::RND: return nextRandom(); // a 32-bit float
    case Token::SQR:
        if (v < 0.0)
            return Failure;
        return sqrt(v);
    case Token::TAN: return std::tan(r);
    case Token::SEC:
        if (std::cos(r) == 0.0)
            return Failure;
        return div(1.0, std::cos(r));
    case Token::CSEC:
        if (std::sin(r) == 0.0)
            return Failure;
        return div(1.0, std::sin(r));
    case Token::CTAN:
        if (std::tan(r) == 0.0)
            return Failure;
        return div(1.0, std::tan(r));
    case Token::ASIN: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            return Failure;
        if (d == 0.0)
            return v > 0.0 ? Pi / 2.0 : -Pi / 2.0;
        return std::atan(div(v, sqrt(d)));
    }
    case Token::ACOS: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            return Failure;
        if (d == 0.0)
            return v > 0.0 ? 0.0 : Pi;
        return add(std::atan(div(-v, sqrt(d))), HalfPi);
    }
    case Token::ASEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            return Failure;
        return add(std::atan(div(v, sqrt(d))), HalfPi * sgn(v - 1.0));
    }
    case Token::ACSEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            return Failure;
        return add(std::atan(div(v, sqrt(d))), HalfPi * (sgn(v) - 1.0));
    }
    case Token::ACTAN: return add(std::atan(v), HalfPi);
    case Token::SINH: return div(sub(exp(v), exp(-v)), 2.0);
    case Token::COSH: return div(add(exp(v), exp(-v)), 2.0);
    case Token::TANH: return div(sub(exp(v), exp(-v)), add(exp(-v), exp(v)));
    case Token::CTANH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            return Failure;
        return div(add(exp(v), exp(-v)), d);
    }
    case Token::SECH: return div(2.0, add(exp(-v), exp(v)));
    case Token::CSECH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            return Failure;
        return div(2.0, d);
    }
    case Token::ASINH: {
        const double a = add(v, sqrt(add(mul(v, v), 1.0)));
        if (a <= 0.0)
            return Failure;
        return ln(a);
    }
    case Token::ACOSH: {
        const double d = sub(mul(v, v), 1.0);
        if (d < 0.0)
            return Failure;
        const double a = add(v, sqrt(d));
        if (a <= 0.0)
            return Failure;
        return ln(a);
    }
    case Token::ATANH: {
        if (v == 1.0)
            return Failure;
        const double a = div(add(v, 1.0), sub(1.0, v));
        if (a <= 0.0)
            return Failure;
        return ln(a) / 2.0;
    }
    case Token::ASECH: {
        if (v == 0.0)
            return Failure;
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            return Failure;
        const double a = div(add(sqrt(d), 1.0), v);
        if (a <= 0.0)
            return Failure;
        return ln(a);
    }
    case Token::ACSECH: {
        if (v == 0.0)
            return Failure;
        const double a = div(add(sgn(v) * sqrt(add(mul(v, v), 1.0)), 1.0), v);
        if (a <= 0.0)
            return Failure;
        return ln(a);
    }
    case Token::ACTANH: {
        if (v == 1.0)
            return Failure;
        const double a = div(add(v, 1.0), sub(v, 1.0));
        if (a <= 0.0)
            return Failure;
        return ln(a) / 2.0;
    }
    default: return 0.0;
    }
}

// FLT_MAX plus half a unit in its last place: from here on, rounding to 32 bits gives infinity.
inline constexpr double SingleLimit = static_cast<double>(FLT_MAX) + 0x1p103;

// The 64-bit value converted to the nearest 32-bit float, or the overflow error when it rounds
// beyond the 32-bit range.
inline float toSingle(double value)
{
    if (std::fabs(value) >= SingleLimit) [[unlikely]]
        throw EngineError::overflow();
    if (std::fabs(value) > FLT_MAX)
        return std::copysign(FLT_MAX, static_cast<float>(value > 0 ? 1 : -1));
    return static_cast<float>(value);
}

} // namespace pellitor::evaluator
