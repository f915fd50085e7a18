// A postfix text read once into a program of operations, for evaluating one expression at many
// values of x: the tokens are split, the numbers converted and the names resolved when the
// program is built, so an evaluation does no text work.
#pragma once

#include "Variant.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pellitor {

class CompiledPostfix {
public:
    // Reads the postfix text sExpression for evaluations with trigonometric arguments in degrees
    // when bolDegree is non-zero. Reading raises nothing: a bad token, a missing operand or a
    // number beyond the 64-bit range becomes a step that raises when an evaluation reaches it.
    CompiledPostfix(std::u16string_view sExpression, Truth bolDegree);

    // What Cls6::DoEvaluate gives for the same text, angle unit and x, to the bit: True with the
    // value or the failure value in sngResult, False (sngResult untouched) when no value is left,
    // or the same EngineError, raised at the same step. RND draws from the same sequence.
    // Not for two threads at once: an evaluation works in the object's own stack.
    Truth evaluate(float sngX, float& sngResult);

    // The number of operations an evaluation runs at most, for tests and measurements.
    std::size_t size() const { return m_operations.size(); }

private:
    enum class Operation : std::uint8_t;
    class Builder;

    template <bool StopBeforeX>
    Truth run(double x, float& sngResult);

    std::vector<Operation> m_operations;
    std::vector<double> m_constants; // one for each operation that takes a constant, in order
    std::u16string m_badToken;       // the token that a bad-token step names
    std::size_t m_beforeX = 0;       // operations that come from tokens before the first "XX"
    bool m_readsX = false;           // whether the text holds "XX" before its first raised error
    bool m_degrees = false;
    bool m_constant = false; // every evaluation gives m_constantResult
    float m_constantResult = 0.0f;
    std::vector<double> m_stack; // every value below the top, at the deepest point
};

} // namespace pellitor
