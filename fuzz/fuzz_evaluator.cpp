// Fuzzes the evaluator on any postfix text, any x (every 32-bit pattern) and any angle flag.
//
// Always: False is returned only when the text holds no blank (no token was read) and leaves
// sngResult untouched; True leaves a finite value or the failure value, never inf or NaN; a
// raised error is the engine's own type, with one of the numbers the evaluator can raise, and
// leaves sngResult untouched; a bad token is named in the text. Unless RND is among the tokens,
// the outcome is the same with any other non-zero angle flag in place of a non-zero one, and with
// text added after the last blank, which is never read.
#include "Cls6.h"
#include "EngineError.h"
#include "FuzzSupport.h"

#include <bit>
#include <cmath>
#include <string>

using namespace pellitor;

namespace {
// A NaN with a payload: no evaluation can write this pattern, so any change shows.
constexpr std::uint32_t Untouched = 0x7FC0BEEF;

struct Outcome {
    Truth returned = False;
    std::uint32_t result = Untouched;
    std::int32_t error = 0; // the raised error's number, 0 when none was raised
    std::u16string description;

    bool operator==(const Outcome&) const = default;
};

Outcome evaluate(const std::u16string& postfix, Truth bolDegree, float sngX)
{
    Outcome outcome;
    float sngResult = std::bit_cast<float>(Untouched);
    try {
        outcome.returned = Cls6().DoEvaluate(postfix, bolDegree, sngResult, 0, 0, sngX, 0, 0, 0, 0, 0);
    } catch (const EngineError& error) {
        outcome.error = error.number();
        outcome.description = error.description();
    }
    outcome.result = std::bit_cast<std::uint32_t>(sngResult);
    return outcome;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    const float sngX = input.read<float>();
    const Truth bolDegree = input.read<Truth>();
    const std::u16string postfix = fuzz::decodeText(input.rest());

    float sngResult = std::bit_cast<float>(Untouched);
    try {
        const Truth returned = Cls6().DoEvaluate(postfix, bolDegree, sngResult, 0, 0, sngX, 0, 0, 0, 0, 0);
        FUZZ_CHECK(returned == True || returned == False);
        if (returned == False) {
            FUZZ_CHECK(std::bit_cast<std::uint32_t>(sngResult) == Untouched);
            FUZZ_CHECK(postfix.find(u' ') == std::u16string::npos);
        } else {
            FUZZ_CHECK(std::isfinite(sngResult));
            FUZZ_CHECK(postfix.find(u' ') != std::u16string::npos);
        }
    } catch (const EngineError& error) {
        FUZZ_CHECK(std::bit_cast<std::uint32_t>(sngResult) == Untouched);
        switch (error.number()) {
        case ErrorNumber::BadToken: {
            constexpr std::u16string_view head = u"Bad token in Evaluate: ";
            FUZZ_CHECK(error.description().starts_with(head));
            const std::u16string token = error.description().substr(head.size()) + u" ";
            FUZZ_CHECK(postfix.starts_with(token) || postfix.find(u" " + token) != std::u16string::npos);
            break;
        }
        case ErrorNumber::PopOnEmptyStack:
            FUZZ_CHECK(error.description() == u"Pop method invoked on empty stack");
            break;
        case ErrorNumber::Overflow:
        case ErrorNumber::DivisionByZero:
        case ErrorNumber::InvalidProcedureCall: break;
        default: FUZZ_CHECK(!"an error number the evaluator never raises");
        }
    }

    if (postfix.find(u"RND") == std::u16string::npos) {
        const Outcome first = evaluate(postfix, bolDegree, sngX);
        FUZZ_CHECK(evaluate(postfix, bolDegree != 0 ? True : False, sngX) == first);
        const std::size_t lastBlank = postfix.rfind(u' ');
        const std::u16string read = lastBlank == std::u16string::npos ? u"" : postfix.substr(0, lastBlank + 1);
        FUZZ_CHECK(evaluate(read + u"1e999x", bolDegree, sngX) == first);
    }
    return 0;
}
