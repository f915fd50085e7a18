// The block evaluation of the compiled evaluator: each step of the program runs over a block of x at
// once, with a column of values per stack slot, so that a step is chosen once per block and the
// plain arithmetic runs in vector registers (AVX2 where the processor has it, chosen at run time).
//
// Each x of the block is a lane. A lane stays live while its values are finite; a step that meets
// a domain failure in a live lane marks it failed, as the one-x evaluation stops there with the failure
// value. Every lane the block evaluation cannot finish to the bit runs again in the one-x evaluation, which
// then gives its outcome, error and all: an x that is no finite number, and a lane whose step
// raised (an overflow, or an error that a function raised). A lane that is not live goes on being
// computed with harmless values, never read. These steps run element by element, for the live
// lanes only:
//   - the C library's functions and pow (Pow and its kin, the thirty functions but ABS, INT and
//     SQR), whose results must stay the library's own;
//   - a square or cube of a computed value where the exact product is not pow's result;
//   - a whole program that draws from RND's sequence: every lane in the one-x evaluation, in the order
//     of the x, so that each draws the numbers a call for its x alone would draw.
#include "CompiledPostfix.h"

#include "Cls6.h"
#include "CompiledBlock.h"
#include "CompiledSteps.h"
#include "EngineError.h"
#include "EvaluatorMath.h"
#include "Tokens.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace pellitor {

using namespace evaluator;
using namespace compiled;
using namespace block;

namespace {
// The two-operand steps that can fail: a division by zero is a domain failure, and a power is the
// C library's, judged as the text evaluator judges it.
[[gnu::always_inline]] inline double quotient(double a, double b)
{
    return b == 0.0 ? Failure : a / b;
}
[[gnu::always_inline]] inline double raised(double a, double b)
{
    return binaryValue(Token::Pow, a, b);
}
} // namespace

// x into its column, then the steps as the one-x evaluation's, over the block. A step that takes a
// constant reads it once per block.
PELLITOR_STEP_VARIANTS void CompiledPostfix::BlockRun::steps(const float* xs)
{
    if (m_program.m_readsX)
        load(xs);
    const Operation* next = m_program.m_operations.data();
    const double* constant = m_program.m_constants.data();
    m_top = 0;
    for (;;) {
        const Operation operation = *next++;
        const double k = takesConstant(operation) ? *constant++ : 0.0;
        switch (operation) {
        case Operation::PushConstant: push<Gives::Finite>([k](double) { return k; }); break;
        case Operation::PushX: push<Gives::Finite>([](double x) { return x; }); break;
        case Operation::PushNegatedX: push<Gives::Finite>([](double x) { return -x; }); break;
        // A 32-bit x has an exact square and a cube that one rounding gives: pow's results.
        case Operation::PushSquaredX: push<Gives::Finite>([](double x) { return x * x; }); break;
        case Operation::PushCubedX: push<Gives::Finite>([](double x) { return cubeOfSingle(x); }); break;
        case Operation::PushXAddConstant: push<Gives::Overflow>([k](double x) { return x + k; }); break;
        case Operation::PushXSubConstant: push<Gives::Overflow>([k](double x) { return x - k; }); break;
        case Operation::PushXMulConstant: push<Gives::Overflow>([k](double x) { return x * k; }); break;
        case Operation::PushXDivConstant: push<Gives::Failure>([k](double x) { return quotient(x, k); }); break;
        case Operation::PushConstantSubX: push<Gives::Overflow>([k](double x) { return k - x; }); break;
        case Operation::PushConstantDivX: push<Gives::Failure>([k](double x) { return quotient(k, x); }); break;
        case Operation::Add: onTwo<Gives::Overflow>([](double a, double b) { return a + b; }); break;
        case Operation::Sub: onTwo<Gives::Overflow>([](double a, double b) { return a - b; }); break;
        case Operation::Mul: onTwo<Gives::Overflow>([](double a, double b) { return a * b; }); break;
        case Operation::Div: onTwo<Gives::Failure>([](double a, double b) { return quotient(a, b); }); break;
        case Operation::Pow: onTwo<Gives::PerElement>([](double a, double b) { return raised(a, b); }); break;
        case Operation::AddConstant: onTop<Gives::Overflow>([k](double t, double) { return t + k; }); break;
        case Operation::SubConstant: onTop<Gives::Overflow>([k](double t, double) { return t - k; }); break;
        case Operation::MulConstant: onTop<Gives::Overflow>([k](double t, double) { return t * k; }); break;
        case Operation::DivConstant: onTop<Gives::Failure>([k](double t, double) { return quotient(t, k); }); break;
        case Operation::PowConstant: onTop<Gives::PerElement>([k](double t, double) { return raised(t, k); }); break;
        case Operation::ConstantSub: onTop<Gives::Overflow>([k](double t, double) { return k - t; }); break;
        case Operation::ConstantDiv: onTop<Gives::Failure>([k](double t, double) { return quotient(k, t); }); break;
        case Operation::ConstantPow: onTop<Gives::PerElement>([k](double t, double) { return raised(k, t); }); break;
        case Operation::AddX: onTop<Gives::Overflow>([](double t, double x) { return t + x; }); break;
        case Operation::SubX: onTop<Gives::Overflow>([](double t, double x) { return t - x; }); break;
        case Operation::MulX: onTop<Gives::Overflow>([](double t, double x) { return t * x; }); break;
        case Operation::DivX: onTop<Gives::Failure>([](double t, double x) { return quotient(t, x); }); break;
        case Operation::PowX: onTop<Gives::PerElement>([](double t, double x) { return raised(t, x); }); break;
        case Operation::XSub: onTop<Gives::Overflow>([](double t, double x) { return x - t; }); break;
        case Operation::XDiv: onTop<Gives::Failure>([](double t, double x) { return quotient(x, t); }); break;
        case Operation::XPow: onTop<Gives::PerElement>([](double t, double x) { return raised(x, t); }); break;
        case Operation::Negate: onTop<Gives::Finite>([](double t, double) { return -t; }); break;
        case Operation::Square: smallPowers<2>(); break;
        case Operation::Cube: smallPowers<3>(); break;
        case Operation::SetConstant: onTop<Gives::Finite>([k](double, double) { return k; }); break;
        case Operation::PushRandom:
        case Operation::SetRandom: break; // never reached: a program that draws runs in the one-x evaluation
#define PELLITOR_FUNCTION(name)                                                                                        \
    case Operation::name: function<Token::name>(false); break;                                                         \
    case Operation::name##OfX: function<Token::name>(true); break;
            PELLITOR_FUNCTIONS(PELLITOR_FUNCTION, )
#undef PELLITOR_FUNCTION
        default: end(operation, constant); return;
        }
    }
}

bool CompiledPostfix::BlockRun::takesConstant(Operation operation)
{
    switch (operation) {
    case Operation::PushConstant:
    case Operation::PushXAddConstant:
    case Operation::PushXSubConstant:
    case Operation::PushXMulConstant:
    case Operation::PushXDivConstant:
    case Operation::PushConstantSubX:
    case Operation::PushConstantDivX:
    case Operation::AddConstant:
    case Operation::SubConstant:
    case Operation::MulConstant:
    case Operation::DivConstant:
    case Operation::PowConstant:
    case Operation::ConstantSub:
    case Operation::ConstantDiv:
    case Operation::ConstantPow:
    case Operation::SetConstant: return true;
    default: return false; // ReturnConstant reads its constant where it stands
    }
}

// x^2 or x^3 of computed values: the exact products, vector-wide, and pow per element for the
// lanes where the product is not pow's result.
template <int Exponent>
void CompiledPostfix::BlockRun::smallPowers()
{
    const double* const t = m_slots[m_top];
    double* const out = replacing(1);
    std::uint64_t notPows = 0;
    for (std::size_t i = 0; i < m_n; ++i) {
        const Product power = smallPowerProduct(t[i], Exponent);
        out[i] = power.rounded;
        notPows |= !isPowersResult(power.rounded, power.error);
    }
    if (notPows == 0)
        return;
    for (std::size_t i = 0; i < m_n; ++i) {
        const Product product = smallPowerProduct(t[i], Exponent);
        if (m_lanes[i] != Lane::Live || isPowersResult(product.rounded, product.error))
            continue;
        try {
            out[i] = powerOfHiddenExponent(t[i], Exponent);
        } catch (const EngineError&) {
            m_lanes[i] = Lane::Alone;
        }
    }
    settle(out, false);
}

// x into its column; an x that is no finite number raises at its first "XX" in the one-x evaluation.
inline void CompiledPostfix::BlockRun::load(const float* __restrict xs)
{
    double* __restrict const x = m_x;
    std::uint64_t notFinite = 0;
    for (std::size_t i = 0; i < m_n; ++i) {
        x[i] = xs[i];
        notFinite |= reaches(x[i], InfinityBits);
    }
    if ((notFinite >> 63) == 0)
        return;
    for (std::size_t i = 0; i < m_n; ++i) {
        if (!std::isfinite(xs[i])) {
            x[i] = 0.0;
            m_lanes[i] = Lane::Alone;
        }
    }
}

// The last step: the live lanes' results, or what they end in.
inline void CompiledPostfix::BlockRun::end(Operation last, const double* constant)
{
    const auto liveLanes = [this](Lane to) { std::replace(m_lanes, m_lanes + m_n, Lane::Live, to); };
    switch (last) {
    case Operation::ReturnTop: {
        // As toSingle: an error from its limit on; below it, rounding to 32 bits gives the value
        // toSingle gives, FLT_MAX for a magnitude between FLT_MAX and the limit included.
        const double* __restrict const t = m_slots[m_top];
        float* __restrict const results = m_results;
        std::uint64_t beyond = 0;
        for (std::size_t i = 0; i < m_n; ++i) {
            beyond |= reaches(t[i], std::bit_cast<std::uint64_t>(SingleLimit));
            results[i] = static_cast<float>(t[i]);
        }
        if ((beyond >> 63) != 0) {
            for (std::size_t i = 0; i < m_n; ++i) {
                if (!(std::fabs(t[i]) < SingleLimit) && m_lanes[i] == Lane::Live)
                    m_lanes[i] = Lane::Alone;
            }
        }
        break;
    }
    case Operation::ReturnConstant: {
        try {
            std::fill_n(m_results, m_n, toSingle(*constant));
        } catch (const EngineError&) {
            liveLanes(Lane::Alone);
        }
        break;
    }
    case Operation::ReturnX: std::copy_n(m_x, m_n, m_results); break;
    case Operation::ReturnNothing: liveLanes(Lane::NoValue); break;
    default: liveLanes(Lane::Alone); break; // an error every lane raises
    }
}

namespace {
CompiledPostfix::Returned alone(CompiledPostfix& program, float x, float& result, std::vector<EngineError>& errors)
{
    try {
        return program.evaluate(x, result) ? CompiledPostfix::Returned::Result : CompiledPostfix::Returned::NoResult;
    } catch (const EngineError& error) {
        errors.push_back(error);
        return CompiledPostfix::Returned::Raised;
    }
}
} // namespace

void CompiledPostfix::BlockRun::finish(std::span<const float> xs, float* results, Returned* returned,
                                       std::vector<EngineError>& errors)
{
    std::uint8_t notLive = 0;
    for (std::size_t i = 0; i < m_n; ++i)
        notLive |= static_cast<std::uint8_t>(m_lanes[i]);
    if (notLive == 0) {
        std::copy_n(m_results, m_n, results);
        std::fill_n(returned, m_n, Returned::Result);
        return;
    }
    for (std::size_t i = 0; i < m_n; ++i) {
        switch (m_lanes[i]) {
        case Lane::Live:
            results[i] = m_results[i];
            returned[i] = Returned::Result;
            break;
        case Lane::Failed:
            results[i] = Cls6::FailureValue;
            returned[i] = Returned::Result;
            break;
        case Lane::NoValue: returned[i] = Returned::NoResult; break;
        case Lane::Alone: returned[i] = alone(m_program, xs[i], results[i], errors); break;
        }
    }
}

void CompiledPostfix::evaluate(std::span<const float> xs, std::span<float> results, std::span<Returned> returned,
                               std::vector<EngineError>& errors)
{
    if (m_constant) {
        std::fill_n(results.begin(), xs.size(), m_constantResult);
        std::fill_n(returned.begin(), xs.size(), Returned::Result);
        return;
    }
    const std::size_t width = std::min(Widest, Room / (m_depth + 3));
    if (width < Narrowest) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            returned[i] = alone(*this, xs[i], results[i], errors);
        return;
    }
    BlockRun block(*this, width);
    for (std::size_t at = 0; at < xs.size(); at += width) {
        const std::size_t n = std::min(width, xs.size() - at);
        block.run(xs.subspan(at, n), results.data() + at, returned.data() + at, errors);
    }
}

} // namespace pellitor
