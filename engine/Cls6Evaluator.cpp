// The postfix evaluator of Cls6: walks the blank-separated tokens with a value stack in 64-bit
// arithmetic. Three outcomes stay apart: a value, the failure value for a domain failure, and
// nothing (no value left). Every other fault is raised: a bad token, a missing operand, and each
// arithmetic step that overflows, divides by zero or has no defined result, so that no infinity
// or NaN ever reaches a result.
#include "Cls6.h"

#include "Cls13.h"
#include "EngineError.h"
#include "EvaluatorSteps.h"
#include "NumberReader.h"
#include "Tokens.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

namespace pellitor {

namespace {
bool isNumberStart(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u',';
}

// One arithmetic step: an infinity is an overflow, a NaN an invalid operation.
double checked(double value)
{
    if (std::isnan(value))
        throw EngineError::invalidArgument();
    if (std::isinf(value))
        throw EngineError::overflow();
    return value;
}

double mul(double a, double b) { return checked(a * b); }
double add(double a, double b) { return checked(a + b); }
double sub(double a, double b) { return checked(a - b); }
double div(double a, double b)
{
    if (b == 0.0)
        throw EngineError::divisionByZero();
    return checked(a / b);
}
double exp(double v) { return checked(std::exp(v)); }
double ln(double v) { return checked(std::log(v)); }
double sqrt(double v) { return checked(std::sqrt(v)); }
double sgn(double v) { return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

double power(double a, double b)
{
    if (a == 0.0 && b < 0.0)
        throw EngineError::divisionByZero();
    return checked(std::pow(a, b));
}

// The 64-bit value converted to the nearest 32-bit float, or the overflow error when it rounds
// beyond the 32-bit range.
float toSingle(double value)
{
    // FLT_MAX plus half a unit in its last place: from here on, rounding gives infinity.
    constexpr double Limit = static_cast<double>(FLT_MAX) + 0x1p103;
    if (std::fabs(value) >= Limit)
        throw EngineError::overflow();
    if (std::fabs(value) > FLT_MAX)
        return std::copysign(FLT_MAX, static_cast<float>(value > 0 ? 1 : -1));
    return static_cast<float>(value);
}

// The one pseudo-random sequence of the process: seeded once, never reseeded.
float nextRandom()
{
    static std::mt19937 generator{std::random_device{}()};
    // 24 random bits give an exact float in [0, 1 - 2^-24]: never 1.0.
    return static_cast<float>(generator() >> 8) * 0x1p-24f;
}

constexpr double Pi = 3.1415926;    // the seven-decimal pi of degree conversions and ASIN/ACOS
const double HalfPi = 2.0 * std::atan(1.0); // full precision, for the formulas with 2*atan(1)
} // namespace

namespace evaluator {

Variant evaluateFunction(Token op, double v, bool degrees)
{
    const bool trigonometric = op == Token::SIN || op == Token::COS || op == Token::TAN || op == Token::SEC
        || op == Token::CSEC || op == Token::CTAN || op == Token::ATAN;
    const double r = (degrees && trigonometric) ? mul(v, Pi) / 180.0 : v;

    switch (op) {
    case Token::SIN: return std::sin(r);
    case Token::COS: return std::cos(r);
    case Token::LOG:
        if (v <= 0.0)
            throw DomainFailure{};
        return ln(v);
    case Token::EXP: return exp(v);
    case Token::ABS: return std::fabs(v);
    case Token::ATAN: return std::atan(r);
    case Token::INT: return std::floor(v);
    case Token::RND: return nextRandom(); // a 32-bit float
    case Token::SQR:
        if (v < 0.0)
            throw DomainFailure{};
        return sqrt(v);
    case Token::TAN: return std::tan(r);
    case Token::SEC:
        if (std::cos(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::cos(r));
    case Token::CSEC:
        if (std::sin(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::sin(r));
    case Token::CTAN:
        if (std::tan(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::tan(r));
    case Token::ASIN: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            throw DomainFailure{};
        if (d == 0.0)
            return v > 0.0 ? Pi / 2.0 : -Pi / 2.0;
        return std::atan(div(v, sqrt(d)));
    }
    case Token::ACOS: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            throw DomainFailure{};
        if (d == 0.0)
            return v > 0.0 ? Variant(std::int16_t{0}) : Variant(Pi); // the integer 0 for 1
        return add(std::atan(div(-v, sqrt(d))), HalfPi);
    }
    case Token::ASEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            throw DomainFailure{};
        return add(std::atan(div(v, sqrt(d))), HalfPi * sgn(v - 1.0));
    }
    case Token::ACSEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            throw DomainFailure{};
        return add(std::atan(div(v, sqrt(d))), HalfPi * (sgn(v) - 1.0));
    }
    case Token::ACTAN: return add(std::atan(v), HalfPi);
    case Token::SINH: return div(sub(exp(v), exp(-v)), 2.0);
    case Token::COSH: return div(add(exp(v), exp(-v)), 2.0);
    case Token::TANH: return div(sub(exp(v), exp(-v)), add(exp(-v), exp(v)));
    case Token::CTANH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            throw DomainFailure{};
        return div(add(exp(v), exp(-v)), d);
    }
    case Token::SECH: return div(2.0, add(exp(-v), exp(v)));
    case Token::CSECH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            throw DomainFailure{};
        return div(2.0, d);
    }
    case Token::ASINH: {
        const double a = add(v, sqrt(add(mul(v, v), 1.0)));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Token::ACOSH: {
        const double d = sub(mul(v, v), 1.0);
        if (d < 0.0)
            throw DomainFailure{};
        const double a = add(v, sqrt(d));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Token::ATANH: {
        if (v == 1.0)
            throw DomainFailure{};
        const double a = div(add(v, 1.0), sub(1.0, v));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a) / 2.0;
    }
    case Token::ASECH: {
        if (v == 0.0)
            throw DomainFailure{};
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            throw DomainFailure{};
        const double a = div(add(sqrt(d), 1.0), v);
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Token::ACSECH: {
        if (v == 0.0)
            throw DomainFailure{};
        const double a = div(add(sgn(v) * sqrt(add(mul(v, v), 1.0)), 1.0), v);
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Token::ACTANH: {
        if (v == 1.0)
            throw DomainFailure{};
        const double a = div(add(v, 1.0), sub(v, 1.0));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a) / 2.0;
    }
    default: return 0.0;
    }
}

void applyBinary(Token op, Cls13& stack)
{
    const double b = stack.Pop().toDouble();
    const double a = stack.Pop().toDouble();
    switch (op) {
    case Token::Add: stack.Push(Variant(add(a, b))); break;
    case Token::Sub: stack.Push(Variant(sub(a, b))); break;
    case Token::Mul: stack.Push(Variant(mul(a, b))); break;
    case Token::Div:
        if (b == 0.0)
            throw DomainFailure{};
        stack.Push(Variant(div(a, b)));
        break;
    default: // Token::Pow
        if (b == 0.0)
            stack.Push(Variant(std::int16_t{1})); // every a, 0 included: the integer 1
        else if (a >= 0.0 || b == std::floor(b))
            stack.Push(Variant(power(a, b))); // a negative base keeps its sign rule: (-2)^3 = -8
        else
            throw DomainFailure{};
        break;
    }
}
} // namespace evaluator

Truth Cls6::DoEvaluate(const std::u16string& sExpression, Truth bolDegree, float& sngResult, float, float,
                       float sngX, float, float, float, float, float)
{
    const std::u16string_view text(sExpression);
    Cls13 stack;
    try {
        // Text after the last blank is never read: a final token without its blank is ignored.
        for (std::size_t p = 0, q = text.find(u' '); q != std::u16string_view::npos;
             p = q + 1, q = text.find(u' ', p)) {
            const std::u16string_view token = text.substr(p, q - p);
            if (token.empty() || isNumberStart(token.front())) {
                stack.Push(Variant(readNumber(token)));
                continue;
            }
            const Token op = tokenOf(token);
            switch (op) {
            case Token::None:
                throw EngineError(ErrorNumber::BadToken, u"Bad token in Evaluate: " + std::u16string(token));
            case Token::Variable: stack.Push(Variant(static_cast<float>(checked(sngX)))); break;
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
    sngResult = toSingle(stack.Pop().toDouble());
    return True;
}

} // namespace pellitor
