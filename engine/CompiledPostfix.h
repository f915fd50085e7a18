// A postfix text read once into a program of operations, for evaluating one expression at many
// values of x: the tokens are split, the numbers converted and the names resolved when the
// program is built, so an evaluation does no text work.
#pragma once

#include "EngineError.h"
#include "Variant.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pellitor {

class CompiledPostfix {
public:
    // Reads the postfix text for evaluations with trigonometric arguments in degrees when degrees
    // is set. Reading raises nothing: a bad token, a missing operand or a
    // number beyond the 64-bit range becomes a step that raises when an evaluation reaches it.
    CompiledPostfix(std::u16string_view postfix, bool degrees);

    // What Cls6::DoEvaluate gives for the same text, angle unit and x, to the bit: True with the
    // value or the failure value in result, False (result untouched) when no value is left,
    // or the same EngineError, raised at the same step. RND draws from the same sequence.
    // Not for two threads at once: an evaluation works in the object's own stack.
    Truth evaluate(float x, float& result);

    // How one evaluation of a block ended: evaluate returned True (Result: the value or the
    // failure value) or False (NoResult), or raised an error.
    enum class Returned : std::uint8_t { Result, NoResult, Raised };

    // evaluate at each x of xs in turn, to the bit, with RND drawing in the same order:
    // returned[i] and results[i] (written only for Result) for xs[i], and for each Raised the
    // error, appended to errors in the order of the x. Both spans are as long as xs.
    // The steps run over a block of x at a time (CompiledBlock.cpp), so that a step is chosen
    // once per block and the arithmetic runs in vector registers.
    void evaluate(std::span<const float> xs, std::span<float> results, std::span<Returned> returned,
                  std::vector<EngineError>& errors);

    // The same steps at a 64-bit x, with the 64-bit result before its rounding to 32 bits: for
    // slopes and integrals, whose differences and sums a 32-bit x or y would spoil. It fails,
    // raises and returns nothing where evaluate would, overflow included (a result that would
    // round beyond the 32-bit range, an x beyond it); a domain failure gives the failure value
    // widened to 64 bits. x^2 and x^3 of a 64-bit x are the rounded products.
    Truth evaluateDouble(double x, double& result);

    // The number of operations an evaluation runs at most, for tests and measurements.
    std::size_t size() const { return m_operations.size(); }

private:
    enum class Operation : std::uint8_t;
    class Builder;
    class BlockRun;

    template <bool StopBeforeX, typename Result>
    Truth run(double x, Result& result);

    std::vector<Operation> m_operations;
    std::vector<double> m_constants; // one for each operation that takes a constant, in order
    std::u16string m_badToken;       // the token that a bad-token step names
    std::size_t m_beforeX = 0;       // operations that come from tokens before the first "XX"
    bool m_readsX = false;           // whether the text holds "XX" before its first raised error
    bool m_degrees = false;
    bool m_constant = false; // every evaluation gives m_constantResult
    float m_constantResult = 0.0f;
    std::vector<double> m_stack;   // every value below the top, at the deepest point
    std::size_t m_depth = 0;       // computed values on the stack at the deepest point
    bool m_draws = false;          // whether a step draws from RND's sequence
    std::vector<double> m_columns; // the block evaluation's stack: a column of values per stack slot
};

} // namespace pellitor
