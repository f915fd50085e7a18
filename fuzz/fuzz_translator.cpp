// Fuzzes the translator alone: any text, as the rewriting might hand it over.
//
// Always: the text already in the buffer stays in front; the result is 0 exactly when no box was
// shown; a failure shows one "Syntax Error" box whose text names the position that the result
// gives (-1 for character 0) and one of the known messages; a success writes a well-built postfix
// text, empty exactly when the expression holds no token, and evaluating it never meets a bad
// token or a missing operand. Whatever the buffer held before, the same tokens and the same box
// follow it.
#include "Cls6.h"
#include "EngineError.h"
#include "FuzzSupport.h"
#include "PostfixShape.h"
#include "RecordingMessageBox.h"

#include <array>
#include <string>

using namespace pellitor;

namespace {

constexpr std::u16string_view Prefix = u"7 ";

bool isKnownMessage(std::u16string_view message)
{
    static constexpr std::array<std::u16string_view, 8> fixed = {
        u"Operator expected",
        u"Operand expected",
        u"Closing parenthesis without matching open parenthesis",
        u"Operand contains multiple decimal points",
        u"Invalid operand",
        u"Open parenthesis expected",
        u"Unexpected character encountered",
        u"Closing parenthesis expected",
    };
    for (const auto known : fixed)
        if (message == known)
            return true;
    // "Undefined symbol : 'NAME'" with a name of letters and underscores as typed
    constexpr std::u16string_view head = u"Undefined symbol : '";
    if (!message.starts_with(head) || !message.ends_with(u"'") || message.size() <= head.size() + 1)
        return false;
    for (const char16_t c : message.substr(head.size(), message.size() - head.size() - 1))
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'))
            return false;
    return true;
}

std::u16string decimal(std::int32_t number)
{
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    const std::u16string expression = fuzz::decodeText(input.rest());

    testing::RecordingMessageBox boxes;
    std::u16string buffer(Prefix);
    const std::int32_t result = Cls6(boxes).InfixToPostfix(expression, buffer);

    FUZZ_CHECK(buffer.starts_with(Prefix));
    FUZZ_CHECK((result == 0) == boxes.empty());
    {
        testing::RecordingMessageBox again;
        std::u16string fresh;
        FUZZ_CHECK(Cls6(again).InfixToPostfix(expression, fresh) == result);
        FUZZ_CHECK(fresh == std::u16string_view(buffer).substr(Prefix.size()));
        FUZZ_CHECK(again.shown().size() == boxes.shown().size());
        FUZZ_CHECK(again.empty() || again.last().text == boxes.last().text);
    }
    {
        // The fault as a value is the one the box names, and the tokens are the same.
        std::u16string tokens;
        const std::optional<SyntaxFault> fault = Cls6::translate(expression, tokens);
        FUZZ_CHECK(fault.has_value() == (result != 0));
        FUZZ_CHECK(tokens == std::u16string_view(buffer).substr(Prefix.size()));
        FUZZ_CHECK(!fault
                   || (fault->boxText() == boxes.last().text
                       && fault->position == (result == Cls6::FailureAtStart ? 0 : result)));
    }
    if (result != 0) {
        FUZZ_CHECK(boxes.shown().size() == 1);
        FUZZ_CHECK(boxes.last().title == u"Syntax Error");
        FUZZ_CHECK(boxes.last().style == 16);
        const std::int32_t position = result == Cls6::FailureAtStart ? 0 : result;
        FUZZ_CHECK(position >= 0 && position <= static_cast<std::int64_t>(expression.size()));
        const std::u16string head = u"Character " + decimal(position) + u":  ";
        FUZZ_CHECK(boxes.last().text.starts_with(head));
        FUZZ_CHECK(isKnownMessage(std::u16string_view(boxes.last().text).substr(head.size())));
        // what was written before the fault is still a run of tokens each followed by one blank
        const std::u16string_view written = std::u16string_view(buffer).substr(Prefix.size());
        FUZZ_CHECK(written.empty() || (written.back() == u' ' && written.front() != u' '));
        FUZZ_CHECK(written.find(u"  ") == std::u16string_view::npos);
        return 0;
    }

    const std::u16string postfix = buffer.substr(Prefix.size());
    FUZZ_CHECK(fuzz::isWellFormedPostfix(postfix));
    bool anyToken = false;
    for (const char16_t c : expression)
        anyToken = anyToken || c > u' ';
    FUZZ_CHECK(postfix.empty() == !anyToken);

    float sngResult = 0.5f;
    try {
        const Truth returned = Cls6().DoEvaluate(postfix, False, sngResult, 0, 0, 1.5f, 0, 0, 0, 0, 0);
        FUZZ_CHECK((returned != 0) == !postfix.empty());
    } catch (const EngineError& error) {
        // only the arithmetic of a well-built text can fail: an overflow or an undefined step
        FUZZ_CHECK(error.number() == ErrorNumber::Overflow || error.number() == ErrorNumber::DivisionByZero
                   || error.number() == ErrorNumber::InvalidProcedureCall);
    }
    return 0;
}
