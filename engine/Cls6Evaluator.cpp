// The postfix evaluator of Cls6: walks the blank-separated tokens with a value stack in 64-bit
// arithmetic. Three outcomes stay apart: a value, the failure value for a domain failure, and
// nothing (no value left). Every other fault is raised: a bad token, a missing operand, and each
// arithmetic step that overflows, divides by zero or has no defined result, so that no infinity
// or NaN ever reaches a result.
#include "Cls6.h"

#include "Cls13.h"
#include "EngineError.h"
#include "NumberReader.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

namespace pellitor {

namespace {
enum class Op {
    Add, Sub, Mul, Div, Pow,
    SIN, COS, LOG, EXP, ABS, ATAN, INT, RND, SQR, TAN, SEC, CSEC, CTAN, ASIN, ACOS, ASEC, ACSEC, ACTAN,
    SINH, COSH, TANH, CTANH, SECH, CSECH, ASINH, ACOSH, ATANH, ASECH, ACSECH, ACTANH,
    Variable, Negate, Unknown
};

// Tokens of up to six ASCII characters packed into one integer, so that a token is recognised by
// integer comparisons. The names are distinct, so the first equal name is the only one.
constexpr std::uint64_t pack(std::u16string_view token)
{
    std::uint64_t key = 0;
    for (const char16_t c : token)
        key = (key << 8) | c;
    return key;
}

struct Name {
    std::uint64_t key;
    Op op;
};

constexpr Name Names[] = {
    {pack(u"+"), Op::Add},       {pack(u"-"), Op::Sub},         {pack(u"*"), Op::Mul},
    {pack(u"/"), Op::Div},       {pack(u"^"), Op::Pow},         {pack(u"SIN"), Op::SIN},
    {pack(u"COS"), Op::COS},     {pack(u"LOG"), Op::LOG},       {pack(u"EXP"), Op::EXP},
    {pack(u"ABS"), Op::ABS},     {pack(u"ATAN"), Op::ATAN},     {pack(u"INT"), Op::INT},
    {pack(u"RND"), Op::RND},     {pack(u"SQR"), Op::SQR},       {pack(u"TAN"), Op::TAN},
    {pack(u"SEC"), Op::SEC},     {pack(u"CSEC"), Op::CSEC},     {pack(u"CTAN"), Op::CTAN},
    {pack(u"ASIN"), Op::ASIN},   {pack(u"ACOS"), Op::ACOS},     {pack(u"ASEC"), Op::ASEC},
    {pack(u"ACSEC"), Op::ACSEC}, {pack(u"ACTAN"), Op::ACTAN},   {pack(u"SINH"), Op::SINH},
    {pack(u"COSH"), Op::COSH},   {pack(u"TANH"), Op::TANH},     {pack(u"CTANH"), Op::CTANH},
    {pack(u"SECH"), Op::SECH},   {pack(u"CSECH"), Op::CSECH},   {pack(u"ASINH"), Op::ASINH},
    {pack(u"ACOSH"), Op::ACOSH}, {pack(u"ATANH"), Op::ATANH},   {pack(u"ASECH"), Op::ASECH},
    {pack(u"ACSECH"), Op::ACSECH}, {pack(u"ACTANH"), Op::ACTANH}, {pack(u"XX"), Op::Variable},
    {pack(u"(-)"), Op::Negate},
};

Op lookUp(std::u16string_view token)
{
    if (token.empty() || token.size() > 6)
        return Op::Unknown;
    for (const char16_t c : token) {
        if (c > 0x7F)
            return Op::Unknown;
    }
    const std::uint64_t key = pack(token);
    for (const Name& name : Names) {
        if (name.key == key)
            return name.op;
    }
    return Op::Unknown;
}

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

// A domain failure leaves the token loop with the failure value.
struct DomainFailure {};

Variant evaluateFunction(Op op, double v, bool degrees)
{
    const bool trigonometric = op == Op::SIN || op == Op::COS || op == Op::TAN || op == Op::SEC
        || op == Op::CSEC || op == Op::CTAN || op == Op::ATAN;
    const double r = (degrees && trigonometric) ? mul(v, Pi) / 180.0 : v;

    switch (op) {
    case Op::SIN: return std::sin(r);
    case Op::COS: return std::cos(r);
    case Op::LOG:
        if (v <= 0.0)
            throw DomainFailure{};
        return ln(v);
    case Op::EXP: return exp(v);
    case Op::ABS: return std::fabs(v);
    case Op::ATAN: return std::atan(r);
    case Op::INT: return std::floor(v);
    case Op::RND: return nextRandom(); // a 32-bit float
    case Op::SQR:
        if (v < 0.0)
            throw DomainFailure{};
        return sqrt(v);
    case Op::TAN: return std::tan(r);
    case Op::SEC:
        if (std::cos(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::cos(r));
    case Op::CSEC:
        if (std::sin(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::sin(r));
    case Op::CTAN:
        if (std::tan(r) == 0.0)
            throw DomainFailure{};
        return div(1.0, std::tan(r));
    case Op::ASIN: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            throw DomainFailure{};
        if (d == 0.0)
            return v > 0.0 ? Pi / 2.0 : -Pi / 2.0;
        return std::atan(div(v, sqrt(d)));
    }
    case Op::ACOS: {
        const double d = sub(1.0, mul(v, v));
        if (d < 0.0)
            throw DomainFailure{};
        if (d == 0.0)
            return v > 0.0 ? Variant(std::int16_t{0}) : Variant(Pi); // the integer 0 for 1
        return add(std::atan(div(-v, sqrt(d))), HalfPi);
    }
    case Op::ASEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            throw DomainFailure{};
        return add(std::atan(div(v, sqrt(d))), HalfPi * sgn(v - 1.0));
    }
    case Op::ACSEC: {
        const double d = sub(mul(v, v), 1.0);
        if (d <= 0.0)
            throw DomainFailure{};
        return add(std::atan(div(v, sqrt(d))), HalfPi * (sgn(v) - 1.0));
    }
    case Op::ACTAN: return add(std::atan(v), HalfPi);
    case Op::SINH: return div(sub(exp(v), exp(-v)), 2.0);
    case Op::COSH: return div(add(exp(v), exp(-v)), 2.0);
    case Op::TANH: return div(sub(exp(v), exp(-v)), add(exp(-v), exp(v)));
    case Op::CTANH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            throw DomainFailure{};
        return div(add(exp(v), exp(-v)), d);
    }
    case Op::SECH: return div(2.0, add(exp(-v), exp(v)));
    case Op::CSECH: {
        const double d = sub(exp(v), exp(-v));
        if (d == 0.0)
            throw DomainFailure{};
        return div(2.0, d);
    }
    case Op::ASINH: {
        const double a = add(v, sqrt(add(mul(v, v), 1.0)));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Op::ACOSH: {
        const double d = sub(mul(v, v), 1.0);
        if (d < 0.0)
            throw DomainFailure{};
        const double a = add(v, sqrt(d));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Op::ATANH: {
        if (v == 1.0)
            throw DomainFailure{};
        const double a = div(add(v, 1.0), sub(1.0, v));
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a) / 2.0;
    }
    case Op::ASECH: {
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
    case Op::ACSECH: {
        if (v == 0.0)
            throw DomainFailure{};
        const double a = div(add(sgn(v) * sqrt(add(mul(v, v), 1.0)), 1.0), v);
        if (a <= 0.0)
            throw DomainFailure{};
        return ln(a);
    }
    case Op::ACTANH: {
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

void applyBinary(Op op, Cls13& stack)
{
    const double b = stack.Pop().toDouble();
    const double a = stack.Pop().toDouble();
    switch (op) {
    case Op::Add: stack.Push(Variant(add(a, b))); break;
    case Op::Sub: stack.Push(Variant(sub(a, b))); break;
    case Op::Mul: stack.Push(Variant(mul(a, b))); break;
    case Op::Div:
        if (b == 0.0)
            throw DomainFailure{};
        stack.Push(Variant(div(a, b)));
        break;
    default: // Op::Pow
        if (b == 0.0)
            stack.Push(Variant(std::int16_t{1})); // every a, 0 included: the integer 1
        else if (a >= 0.0 || b == std::floor(b))
            stack.Push(Variant(power(a, b))); // a negative base keeps its sign rule: (-2)^3 = -8
        else
            throw DomainFailure{};
        break;
    }
}
} // namespace

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
            const Op op = lookUp(token);
            switch (op) {
            case Op::Unknown:
                throw EngineError(ErrorNumber::BadToken, u"Bad token in Evaluate: " + std::u16string(token));
            case Op::Variable: stack.Push(Variant(static_cast<float>(checked(sngX)))); break;
            case Op::Negate: stack.Push(Variant(-stack.Pop().toDouble())); break;
            case Op::Add:
            case Op::Sub:
            case Op::Mul:
            case Op::Div:
            case Op::Pow: applyBinary(op, stack); break;
            default: {
                const double v = stack.Pop().toDouble();
                stack.Push(evaluateFunction(op, v, bolDegree != 0));
                break;
            }
            }
        }
    } catch (const DomainFailure&) {
        sngResult = FailureValue;
        return True;
    }
    if (stack.StackSize() < 1)
        return False;
    sngResult = toSingle(stack.Pop().toDouble());
    return True;
}

} // namespace pellitor
