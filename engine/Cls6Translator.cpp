// The infix-to-postfix translator of Cls6: a shunting-yard scan driven by a five-state machine.
//
//   Start          nothing yet, or only "(" at the start: accepts "(", a sign, a number, a name
//   AfterOperand   a number, PI, X or ")": accepts ")", a binary operator, the end
//   AfterOperator  "*", "/", "^", or "(" after a sign or function: accepts "(", a sign, a number,
//                  a name
//   AfterSign      "+" or "-", binary or unary: accepts "(", a number, a name
//   AfterFunction  a function name: accepts "(", a sign, another name (sin x needs no parentheses),
//                  but not a number
//
// Every binary operator groups from the left, "^" included: 2^3^2 is (2^3)^2. A unary minus is
// the token "(-)", binding less tightly than "^" (-x^2 is -(x^2)); a unary plus writes nothing.
// Each token written to the buffer is followed by exactly one blank.
#include "Cls6.h"

#include "Cls13.h"
#include "MessageBox.h"
#include "Tokens.h"

#include <string>
#include <string_view>

namespace pellitor {

namespace {
enum class State { Start, AfterOperand, AfterOperator, AfterSign, AfterFunction };

constexpr std::u16string_view NumberChars = u"0123456789.,";

bool isNumberChar(char16_t c)
{
    return NumberChars.find(c) != std::u16string_view::npos;
}

char16_t toUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string toDecimal(std::int32_t number)
{
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

// The most characters the translation of text can write: a number or a name writes at most two
// per character with its blank, "x" three ("XX "), "pi" ten ("3.1415926 "), a unary minus four
// ("(-) ") and a binary operator two. Reserving this at once keeps the buffer from moving, which
// would briefly need room for two copies of it.
std::size_t longestPostfix(std::u16string_view text)
{
    std::size_t most = 0;
    for (const char16_t c : text) {
        switch (c) {
        case u'x': case u'X': most += 3; break;
        case u'p': case u'P': case u'i': case u'I': most += 5; break;
        case u'-': most += 4; break;
        case u'(': case u')': break;
        default:
            if (c > u' ')
                most += 2;
        }
    }
    return most;
}

void write(std::u16string& buffer, std::u16string_view token)
{
    buffer += token;
    buffer += u' ';
}
} // namespace

std::int32_t Cls6::Precedence(std::u16string_view token)
{
    switch (const Token named = tokenOf(token)) {
    case Token::Add:
    case Token::Sub: return 1;
    case Token::Mul:
    case Token::Div: return 2;
    case Token::Negate: return 3;
    case Token::Pow: return 4;
    default: return isFunction(named) ? 5 : 0;
    }
}

bool Cls6::IsSymbolChar(std::u16string_view text)
{
    if (text.empty())
        return false;
    const char16_t c = toUpper(text.front());
    return (c >= u'A' && c <= u'Z') || c == u'_';
}

std::int32_t Cls6::fail(std::int32_t errorPosition, std::u16string message)
{
    sErrorText = std::move(message);
    platform::MessageBox::show(u"Character " + toDecimal(errorPosition) + u":  " + sErrorText, u"Syntax Error",
                               platform::MessageStyle::OkOnly | platform::MessageStyle::Critical);
    return errorPosition != 0 ? errorPosition : FailureAtStart;
}

std::int32_t Cls6::InfixToPostfix(const std::u16string& sExpression, std::u16string& sBuffer)
{
    const std::u16string_view text(sExpression);
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    State state = State::Start;
    std::int32_t depth = 0;
    std::int32_t errorPosition = 1;
    Cls13 operators;
    sBuffer.reserve(sBuffer.size() + longestPostfix(text));

    // i is the 0-based index of the character being read; its position is i + 1.
    for (std::int32_t i = 0; i < length; ++i) {
        const char16_t c = text[i];
        if (c == u'(') {
            if (state == State::AfterOperand)
                return fail(errorPosition, u"Operator expected");
            if (state == State::AfterSign || state == State::AfterFunction)
                state = State::AfterOperator;
            operators.Push(Variant(u"("));
            ++depth;
            errorPosition = i + 1;
        } else if (c == u')') {
            if (state != State::AfterOperand)
                return fail(errorPosition, u"Operand expected");
            if (depth == 0)
                return fail(errorPosition, u"Closing parenthesis without matching open parenthesis");
            for (Variant top = operators.Pop(); top.text() != u"("; top = operators.Pop())
                write(sBuffer, top.text());
            --depth;
            errorPosition = i + 1;
        } else if (c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^') {
            const std::u16string op(1, c);
            if (state == State::AfterOperand) {
                const std::int32_t precedence = Precedence(op);
                while (operators.StackSize() >= 1 && Precedence(operators.PeekTop().text()) >= precedence)
                    write(sBuffer, operators.Pop().text());
                operators.Push(Variant(op));
                state = (c == u'+' || c == u'-') ? State::AfterSign : State::AfterOperator;
            } else {
                if (state == State::AfterSign || (c != u'+' && c != u'-'))
                    return fail(errorPosition, u"Operand expected");
                if (c == u'-')
                    operators.Push(Variant(u"(-)"));
                state = State::AfterSign;
            }
            errorPosition = i + 1;
        } else if (isNumberChar(c)) {
            if (state == State::AfterOperand)
                return fail(errorPosition, u"Operator expected");
            const std::int32_t first = i;
            bool separatorSeen = false;
            for (; i < length && isNumberChar(text[i]); ++i) {
                if (text[i] == u'.' || text[i] == u',') {
                    if (separatorSeen)
                        return fail(errorPosition, u"Operand contains multiple decimal points");
                    separatorSeen = true;
                }
            }
            --i; // back on the number's last character
            errorPosition = i; // its position minus 1
            const std::u16string_view number = text.substr(first, i - first + 1);
            if (number.size() == 1 && separatorSeen)
                return fail(errorPosition, u"Invalid operand");
            if (state == State::AfterFunction)
                return fail(errorPosition, u"Open parenthesis expected");
            write(sBuffer, number);
            state = State::AfterOperand;
        } else if (c <= u' ') {
            continue;
        } else {
            if (!IsSymbolChar(text.substr(i, 1)))
                return fail(errorPosition, u"Unexpected character encountered");
            const std::int32_t first = i;
            while (i + 1 < length && IsSymbolChar(text.substr(i + 1, 1)))
                ++i;
            errorPosition = first; // the name's first position minus 1
            if (state == State::AfterOperand)
                return fail(errorPosition, u"Operator expected");
            const std::u16string_view name = text.substr(first, i - first + 1);
            char16_t upperName[LongestTokenName] = {};
            std::u16string_view upper; // stays empty for a name longer than every known one
            if (name.size() <= LongestTokenName) {
                for (std::size_t k = 0; k < name.size(); ++k)
                    upperName[k] = toUpper(name[k]);
                upper = std::u16string_view(upperName, name.size());
            }
            if (isFunction(tokenOf(upper))) {
                operators.Push(Variant(std::u16string(upper)));
                state = State::AfterFunction;
            } else if (upper == u"PI") {
                write(sBuffer, u"3.1415926");
                state = State::AfterOperand;
            } else if (upper == u"X") {
                write(sBuffer, u"XX");
                state = State::AfterOperand;
            } else {
                return fail(errorPosition, u"Undefined symbol : '" + std::u16string(name) + u"'");
            }
        }
    }

    errorPosition = length;
    if (state == State::AfterOperator || state == State::AfterSign || state == State::AfterFunction)
        return fail(errorPosition, u"Operand expected");
    if (depth > 0)
        return fail(errorPosition, u"Closing parenthesis expected");
    while (operators.StackSize() >= 1)
        write(sBuffer, operators.Pop().text());
    return 0;
}

} // namespace pellitor
