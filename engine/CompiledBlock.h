// The block evaluation's machinery (CompiledBlock.cpp): a block's columns and lanes, and the loops that
// run one step over them. Read by CompiledBlock.cpp alone, whose options let its loops vectorize.
#pragma once

#include "CompiledPostfix.h"
#include "CompiledSteps.h"
#include "EngineError.h"
#include "EvaluatorMath.h"
#include "Tokens.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <vector>

// The variants of the block's steps, one of which the loader chooses when the program starts:
// AVX2 where the processor has it, else the build's baseline. ThreadSanitizer's runtime is not
// ready when the loader runs the chooser, so its build takes the baseline alone.
#if defined(__SANITIZE_THREAD__)
#define PELLITOR_STEP_VARIANTS
#else
#define PELLITOR_STEP_VARIANTS __attribute__((target_clones("avx2", "default")))
#endif

namespace pellitor {

namespace block {

// The x of one block at most; a deep stack makes blocks narrower, so that its columns take at
// most Room values, and one whose blocks would hold fewer than Narrowest x runs one x at a time.
constexpr std::size_t Widest = 256;
constexpr std::size_t Room = std::size_t(1) << 16;
constexpr std::size_t Narrowest = 8;
constexpr std::size_t ColumnAlignment = 32 / sizeof(double); // a column starts on 32 bytes

// What became of a lane so far.
enum class Lane : std::uint8_t {
    Live = 0, // its value is on top of the stack
    Failed,   // a step met a domain failure: the failure value
    NoValue,  // the program left no value
    Alone,    // finished by the one-x evaluation
};

// What a step may give besides a finite value, which says how its results are checked.
enum class Gives {
    Finite,     // only finite values from finite operands: nothing to check
    Overflow,   // an infinity, which raises
    Failure,    // a NaN, the domain failure, or an infinity, which raises
    PerElement, // a function of the C library, called per live lane: as Failure, or an error raised
};

// Bit 63 set when the magnitude of v is at least that of the positive double whose bits are limit
// (for the bits of infinity: when v is no finite number). It is the carry of an integer add,
// which the baseline's SSE2 vectorizes where it has no compare of 64-bit values.
constexpr std::uint64_t SignBit = std::uint64_t(1) << 63;
constexpr std::uint64_t InfinityBits = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());
inline std::uint64_t reaches(double v, std::uint64_t limit)
{
    return (std::bit_cast<std::uint64_t>(v) & ~SignBit) + (SignBit - limit);
}

// Writes value(i) to out[i] for each of n lanes; whether one of them is no finite number. out
// never holds an operand (a step writes a free column), so the loop needs no test of overlap.
template <typename Value>
[[gnu::always_inline]] inline bool store(double* __restrict out, std::size_t n, Value value)
{
    std::uint64_t notFinite = 0;
    // Two vectors a turn: a long chain of steps on one column (a sum of x) is bound by the loop.
#pragma GCC unroll 2
    for (std::size_t i = 0; i < n; ++i) {
        const double v = value(i);
        out[i] = v;
        notFinite |= reaches(v, InfinityBits);
    }
    return (notFinite >> 63) != 0;
}

} // namespace block

class CompiledPostfix::BlockRun {
public:
    using Lane = block::Lane;
    using Gives = block::Gives;

    BlockRun(CompiledPostfix& program, std::size_t width) : m_program(program)
    {
        // The stack's slots (the bottom one takes the undefined top that the first push moves
        // down), a free column for the next step to write, and x.
        const std::size_t columns = program.m_depth + 3;
        program.m_columns.resize(columns * width + block::ColumnAlignment);
        double* column = program.m_columns.data();
        constexpr std::size_t Alignment = block::ColumnAlignment;
        column += (Alignment - reinterpret_cast<std::uintptr_t>(column) / sizeof(double) % Alignment) % Alignment;
        m_slots = std::make_unique<double*[]>(columns - 2);
        for (std::size_t i = 0; i < columns - 2; ++i, column += width)
            m_slots[i] = column;
        m_free = column;
        m_x = column + width;
    }

    void run(std::span<const float> xs, float* results, Returned* returned, std::vector<EngineError>& errors)
    {
        m_n = xs.size();
        std::fill_n(m_lanes, m_n, m_program.m_draws ? Lane::Alone : Lane::Live);
        if (!m_program.m_draws)
            steps(xs.data());
        finish(xs, results, returned, errors);
    }

private:
    PELLITOR_STEP_VARIANTS void steps(const float* xs);
    [[gnu::always_inline]] void load(const float* __restrict xs);
    [[gnu::always_inline]] void end(Operation last, const double* constant);
    void finish(std::span<const float> xs, float* results, Returned* returned, std::vector<EngineError>& errors);

    // The column of a new top: a new slot, or the free column in place of the top (or of the
    // two values a binary step takes), so that a step never writes a column it reads.
    double* pushed() { return m_slots[++m_top]; }
    double* replacing(std::size_t taken)
    {
        m_top -= taken - 1;
        std::swap(m_slots[m_top], m_free);
        return m_slots[m_top];
    }

    // The new top value, from x (push), the top and x (onTop), or the value below the top and the
    // top (onTwo).
    template <Gives G, typename Value>
    [[gnu::always_inline]] void push(Value value)
    {
        const double* const x = m_x;
        write<G>(pushed(), [=](std::size_t i) { return value(x[i]); });
    }
    template <Gives G, typename Value>
    [[gnu::always_inline]] void onTop(Value value)
    {
        const double* const t = m_slots[m_top];
        const double* const x = m_x;
        write<G>(replacing(1), [=](std::size_t i) { return value(t[i], x[i]); });
    }
    template <Gives G, typename Value>
    [[gnu::always_inline]] void onTwo(Value value)
    {
        const double* const a = m_slots[m_top - 1];
        const double* const b = m_slots[m_top];
        write<G>(replacing(2), [=](std::size_t i) { return value(a[i], b[i]); });
    }

    template <Gives G, typename Value>
    [[gnu::always_inline]] void write(double* out, Value value)
    {
        if constexpr (G == Gives::PerElement) {
            if (eachLive(out, value))
                settle(out, true);
        } else if (block::store(out, m_n, value) && G != Gives::Finite) {
            settle(out, G == Gives::Failure);
        }
    }

    template <Token Function>
    [[gnu::always_inline]] void function(bool ofX)
    {
        const bool degrees = m_program.m_degrees;
        const auto value = [=](double v, double) {
            if constexpr (Function == Token::ABS)
                return std::fabs(v);
            else if constexpr (Function == Token::INT)
                return std::floor(v);
            else if constexpr (Function == Token::SQR)
                return v < 0.0 ? evaluator::Failure : std::sqrt(v);
            else
                return compiled::valueOf<Function>(v, degrees);
        };
        constexpr Gives G = Function == Token::ABS || Function == Token::INT ? Gives::Finite
                            : Function == Token::SQR                         ? Gives::Failure
                                                                             : Gives::PerElement;
        if (ofX)
            push<G>([=](double x) { return value(x, x); });
        else
            onTop<G>(value);
    }

    template <int Exponent>
    void smallPowers();
    static bool takesConstant(Operation operation);

    // value(i) for each live lane, called alone: an error it raises leaves the lane to the one-x
    // evaluation. Whether one value is no finite number. Inlined as every loop here is, so that
    // an AVX2 variant of the steps never calls a loop built for the baseline (and pays for the
    // switch between the two).
    template <typename Value>
    [[gnu::always_inline]] bool eachLive(double* out, Value value)
    {
        bool notFinite = false;
        for (std::size_t i = 0; i < m_n; ++i) {
            double v = 1.0;
            if (m_lanes[i] == Lane::Live) {
                try {
                    v = value(i);
                } catch (const EngineError&) {
                    m_lanes[i] = Lane::Alone;
                }
            }
            out[i] = v;
            notFinite |= !(std::fabs(v) <= DBL_MAX);
        }
        return notFinite;
    }

    // Marks the live lanes whose value in column is no finite number: a NaN is a domain failure
    // where failures says the step has them, anything else raises. Each such value becomes 1, so
    // that the lanes that stopped trouble no later check.
    void settle(double* column, bool failures)
    {
        for (std::size_t i = 0; i < m_n; ++i) {
            if (std::fabs(column[i]) <= DBL_MAX)
                continue;
            if (m_lanes[i] == Lane::Live)
                m_lanes[i] = failures && std::isnan(column[i]) ? Lane::Failed : Lane::Alone;
            column[i] = 1.0;
        }
    }

    CompiledPostfix& m_program;
    std::unique_ptr<double*[]> m_slots;
    std::size_t m_top = 0; // the slot of the top
    double* m_free = nullptr;
    double* m_x = nullptr;
    std::size_t m_n = 0;
    Lane m_lanes[block::Widest];
    float m_results[block::Widest];
};

} // namespace pellitor
