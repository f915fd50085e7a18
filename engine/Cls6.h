// The expression engine: translates an infix expression in x to a postfix text and evaluates
// that text at a value of x.
#pragma once

#include "MessageSink.h"
#include "Variant.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pellitor {

// Why a translation stopped: the error position its message names (0 when the fault came before
// any token had set a position) and the message.
struct SyntaxFault {
    std::int32_t position = 0;
    std::u16string message;

    // The text of the "Syntax Error" box: "Character " + position + ":  " + message.
    std::u16string boxText() const;
};

class Cls6 {
public:
    // An engine whose failed translations show their box in messages.
    explicit Cls6(MessageSink& messages) : m_messages(&messages) {}
    // An engine that shows no box: for evaluating, or where the caller shows the fault itself.
    Cls6() = default;

    // The result of a failed translation whose fault was found before any token had set a
    // position (the message then names character 0). Success is 0, so this must not be.
    static constexpr std::int32_t FailureAtStart = -1;

    // The 32-bit value a mathematical domain failure leaves in sngResult.
    static constexpr float FailureValue = -0.12345f;

    // The style of the "Syntax Error" box: OK alone, with the critical-stop icon.
    static constexpr std::int32_t SyntaxErrorStyle = 16;

    // Appends the postfix text of sExpression to sBuffer, each token followed by one blank.
    // Returns 0 on success; otherwise shows a "Syntax Error" message box and returns the
    // error position (FailureAtStart when that position is 0).
    std::int32_t InfixToPostfix(const std::u16string& sExpression, std::u16string& sBuffer);

    // The translation itself, which shows nothing: appends the postfix text of sExpression to
    // sBuffer and gives the first fault, or nothing on success. On a fault sBuffer holds the
    // tokens written before it was found.
    static std::optional<SyntaxFault> translate(std::u16string_view sExpression, std::u16string& sBuffer);

    // Evaluates the postfix text sExpression at x = sngX, with trigonometric arguments in degrees
    // when bolDegree is non-zero. Returns True with the value (or FailureValue on a domain
    // failure) in sngResult, or False, leaving sngResult untouched, when no value was left.
    // Raises EngineError for a bad token, a missing operand or an arithmetic overflow.
    // sngU, sngV, sngY, sngA, sngR, sngB and sngT are not read.
    Truth DoEvaluate(const std::u16string& sExpression, Truth bolDegree, float& sngResult, float sngU, float sngV,
                     float sngX, float sngY, float sngA, float sngR, float sngB, float sngT);

private:
    class Translator;

    static std::int32_t Precedence(std::u16string_view token);
    // Whether the text's first character, upper-cased, is a letter A to Z or an underscore.
    static bool IsSymbolChar(std::u16string_view text);

    MessageSink* m_messages = nullptr;
    std::u16string sErrorText;
};

static_assert(Cls6::FailureAtStart != 0, "a failure must not read as success");
// The Calculate command compares results with these exact 32 bits.
static_assert(std::bit_cast<std::uint32_t>(Cls6::FailureValue) == 0xBDFCD35Bu);

} // namespace pellitor
