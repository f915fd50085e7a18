// The whole outcome of one evaluation, to the bit, for holding the compiled evaluator against the
// text evaluator: the return value, the 32 bits left in sngResult, the raised error, and the state
// of RND's sequence afterwards.
#pragma once

#include "Cls6.h"
#include "CompiledPostfix.h"
#include "EngineError.h"
#include "EvaluatorMath.h"

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace pellitor::testing {

// A NaN with a payload that no evaluation writes: shows whether sngResult was touched.
inline constexpr std::uint32_t Untouched = 0x7FC0BEEF;

struct EvaluationOutcome {
    Truth returned = 0;
    std::uint32_t result = Untouched;
    std::int32_t error = 0; // the raised error's number, 0 when none was raised
    std::u16string description;
    std::mt19937 sequence; // RND's sequence afterwards

    bool operator==(const EvaluationOutcome&) const = default;
};

template <typename Evaluate>
EvaluationOutcome outcomeOf(Evaluate evaluate)
{
    EvaluationOutcome outcome;
    float sngResult = std::bit_cast<float>(Untouched);
    try {
        outcome.returned = evaluate(sngResult);
    } catch (const EngineError& error) {
        outcome.error = error.number();
        outcome.description = error.description();
    }
    outcome.result = std::bit_cast<std::uint32_t>(sngResult);
    outcome.sequence = evaluator::randomSequence();
    return outcome;
}

struct BothOutcomes {
    EvaluationOutcome text;     // Cls6::DoEvaluate's
    EvaluationOutcome compiled; // CompiledPostfix::evaluate's
};

// The text and its compiled form evaluated at x, both from the same state of RND's sequence.
inline BothOutcomes evaluateBoth(const std::u16string& text, CompiledPostfix& compiled, Truth bolDegree, float x)
{
    std::mt19937& sequence = evaluator::randomSequence();
    const std::mt19937 before = sequence;
    BothOutcomes both;
    both.text = outcomeOf(
        [&](float& sngResult) { return Cls6().DoEvaluate(text, bolDegree, sngResult, 0, 0, x, 0, 0, 0, 0, 0); });
    sequence = before;
    both.compiled = outcomeOf([&](float& sngResult) { return compiled.evaluate(x, sngResult); });
    return both;
}

} // namespace pellitor::testing
