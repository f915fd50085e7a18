// The expression engine: translates an infix expression in x to a postfix text and evaluates
// that text at a value of x.
#pragma once

#include "Variant.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace pellitor {

class Cls6 {
public:
    // The result of a failed translation whose fault was found before any token had set a
    // position (the message then names character 0). Success is 0, so this must not be.
    static constexpr std::int32_t FailureAtStart = -1;

    // The 32-bit value a mathematical domain failure leaves in sngResult.
    static constexpr float FailureValue = -0.12345f;

    // Appends the postfix text of sExpression to sBuffer, each token followed by one blank.
    // Returns 0 on success; otherwise shows a "Syntax Error" message box and returns the
    // error position (FailureAtStart when that position is 0).
    std::int32_t InfixToPostfix(const std::u16string& sExpression, std::u16string& sBuffer);

    // Evaluates the postfix text sExpression at x = sngX, with trigonometric arguments in degrees
    // when bolDegree is non-zero. Returns True with the value (or FailureValue on a domain
    // failure) in sngResult, or False, leaving sngResult untouched, when no value was left.
    // Raises EngineError for a bad token, a missing operand or an arithmetic overflow.
    // sngU, sngV, sngY, sngA, sngR, sngB and sngT are not read.
    Truth DoEvaluate(const std::u16string& sExpression, Truth bolDegree, float& sngResult, float sngU,
                     float sngV, float sngX, float sngY, float sngA, float sngR, float sngB, float sngT);

private:
    static std::int32_t Precedence(std::u16string_view token);
    // Whether the text's first character, upper-cased, is a letter A to Z or an underscore.
    static bool IsSymbolChar(std::u16string_view text);

    std::int32_t fail(std::int32_t errorPosition, std::u16string message);

    std::u16string sErrorText;
};

static_assert(Cls6::FailureAtStart != 0, "a failure must not read as success");
// The Calculate command compares results with these exact 32 bits.
static_assert(std::bit_cast<std::uint32_t>(Cls6::FailureValue) == 0xBDFCD35Bu);

} // namespace pellitor
