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
#include <span>
#include <string>
#include <vector>

namespace pellitor::testing {

// A NaN with a payload that no evaluation writes: shows whether sngResult was touched.
inline constexpr std::uint32_t Untouched = 0x7FC0BEEF;

// How one evaluation ended: the return value, the 32 bits left in sngResult, the raised error.
struct Ending {
    Truth returned = 0;
    std::uint32_t result = Untouched;
    std::int32_t error = 0; // the raised error's number, 0 when none was raised
    std::u16string description;

    bool operator==(const Ending&) const = default;
};

template <typename Evaluate>
Ending endingOf(Evaluate evaluate)
{
    Ending ending;
    float sngResult = std::bit_cast<float>(Untouched);
    try {
        ending.returned = evaluate(sngResult);
    } catch (const EngineError& error) {
        ending.error = error.number();
        ending.description = error.description();
    }
    ending.result = std::bit_cast<std::uint32_t>(sngResult);
    return ending;
}

struct EvaluationOutcome : Ending {
    std::mt19937 sequence; // RND's sequence afterwards

    bool operator==(const EvaluationOutcome&) const = default;
};

template <typename Evaluate>
EvaluationOutcome outcomeOf(Evaluate evaluate)
{
    EvaluationOutcome outcome;
    static_cast<Ending&>(outcome) = endingOf(evaluate);
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

// The text evaluated at each x in turn, and the compiled form's block evaluation over all of them, both
// from the same state of RND's sequence, each with the sequence after the whole run.
struct BlockOutcomes {
    std::vector<Ending> text;
    std::vector<Ending> compiled;
    std::mt19937 textSequence;
    std::mt19937 compiledSequence;
};

inline BlockOutcomes evaluateBlock(const std::u16string& text, CompiledPostfix& compiled, Truth bolDegree,
                                   std::span<const float> xs)
{
    std::mt19937& sequence = evaluator::randomSequence();
    const std::mt19937 before = sequence;
    BlockOutcomes both;
    for (const float x : xs) {
        both.text.push_back(endingOf(
            [&](float& sngResult) { return Cls6().DoEvaluate(text, bolDegree, sngResult, 0, 0, x, 0, 0, 0, 0, 0); }));
    }
    both.textSequence = sequence;
    sequence = before;
    std::vector<float> results(xs.size(), std::bit_cast<float>(Untouched));
    std::vector<CompiledPostfix::Returned> returned(xs.size());
    std::vector<EngineError> errors;
    compiled.evaluate(xs, results, returned, errors);
    both.compiledSequence = sequence;
    std::size_t error = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        Ending ending;
        ending.returned = returned[i] == CompiledPostfix::Returned::Result ? True : False;
        ending.result = std::bit_cast<std::uint32_t>(results[i]);
        if (returned[i] == CompiledPostfix::Returned::Raised && error < errors.size()) {
            ending.error = errors[error].number();
            ending.description = errors[error++].description();
        }
        both.compiled.push_back(ending);
    }
    if (error != errors.size())
        both.compiled.emplace_back(); // more errors than raised outcomes: the two never compare equal
    return both;
}

} // namespace pellitor::testing
