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
#include "Tokens.h"

#include <optional>
#include <string>
#include <string_view>

namespace pellitor {

namespace {
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
        case u'x':
        case u'X': most += 3; break;
        case u'p':
        case u'P':
        case u'i':
        case u'I': most += 5; break;
        case u'-': most += 4; break;
        case u'(':
        case u')': break;
        default:
            if (c > u' ')
                most += 2;
        }
    }
    return most;
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

// One translation: its state, and a step for each class of character. A step that finds a fault
// gives it back, and the translation ends there.
class Cls6::Translator {
public:
    Translator(std::u16string_view text, std::u16string& buffer) : m_text(text), m_buffer(buffer)
    {
        m_buffer.reserve(m_buffer.size() + longestPostfix(text));
    }

    std::optional<SyntaxFault> run()
    {
        const std::int32_t length = static_cast<std::int32_t>(m_text.size());
        for (; m_at < length; ++m_at) {
            if (std::optional<SyntaxFault> fault = step(m_text[m_at]))
                return fault;
        }
        return end();
    }

private:
    enum class State { Start, AfterOperand, AfterOperator, AfterSign, AfterFunction };

    std::optional<SyntaxFault> step(char16_t c)
    {
        if (c == u'(')
            return openParenthesis();
        if (c == u')')
            return closeParenthesis();
        if (c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^')
            return operatorSign(c);
        if (isNumberChar(c))
            return number();
        if (c <= u' ')
            return std::nullopt;
        return name();
    }

    std::optional<SyntaxFault> openParenthesis()
    {
        if (m_state == State::AfterOperand)
            return fault(u"Operator expected");
        if (m_state == State::AfterSign || m_state == State::AfterFunction)
            m_state = State::AfterOperator;
        m_operators.Push(Variant(u"("));
        ++m_depth;
        m_errorPosition = m_at + 1;
        return std::nullopt;
    }

    std::optional<SyntaxFault> closeParenthesis()
    {
        if (m_state != State::AfterOperand)
            return fault(u"Operand expected");
        if (m_depth == 0)
            return fault(u"Closing parenthesis without matching open parenthesis");
        for (Variant top = m_operators.Pop(); top.text() != u"("; top = m_operators.Pop())
            write(top.text());
        --m_depth;
        m_errorPosition = m_at + 1;
        return std::nullopt;
    }

    std::optional<SyntaxFault> operatorSign(char16_t c)
    {
        const std::u16string op(1, c);
        if (m_state == State::AfterOperand) {
            const std::int32_t precedence = Precedence(op);
            while (m_operators.StackSize() >= 1 && Precedence(m_operators.PeekTop().text()) >= precedence)
                write(m_operators.Pop().text());
            m_operators.Push(Variant(op));
            m_state = (c == u'+' || c == u'-') ? State::AfterSign : State::AfterOperator;
        } else {
            // Two signs in a row are refused, but a sign after "*", "/", "^", "(" or a function
            // is unary.
            if (m_state == State::AfterSign || (c != u'+' && c != u'-'))
                return fault(u"Operand expected");
            if (c == u'-')
                m_operators.Push(Variant(u"(-)"));
            m_state = State::AfterSign;
        }
        m_errorPosition = m_at + 1;
        return std::nullopt;
    }

    // The longest run of digits and separators, written as typed.
    std::optional<SyntaxFault> number()
    {
        if (m_state == State::AfterOperand)
            return fault(u"Operator expected");
        const std::int32_t length = static_cast<std::int32_t>(m_text.size());
        const std::int32_t first = m_at;
        bool separatorSeen = false;
        for (; m_at < length && isNumberChar(m_text[m_at]); ++m_at) {
            if (m_text[m_at] == u'.' || m_text[m_at] == u',') {
                if (separatorSeen)
                    return fault(u"Operand contains multiple decimal points");
                separatorSeen = true;
            }
        }
        --m_at;                 // back on the number's last character
        m_errorPosition = m_at; // its position minus 1
        const std::u16string_view digits = m_text.substr(first, m_at - first + 1);
        if (digits.size() == 1 && separatorSeen)
            return fault(u"Invalid operand");
        if (m_state == State::AfterFunction)
            return fault(u"Open parenthesis expected");
        write(digits);
        m_state = State::AfterOperand;
        return std::nullopt;
    }

    // The longest run of letters and underscores: a function, PI or X, in any case.
    std::optional<SyntaxFault> name()
    {
        if (!IsSymbolChar(m_text.substr(m_at, 1)))
            return fault(u"Unexpected character encountered");
        const std::int32_t length = static_cast<std::int32_t>(m_text.size());
        const std::int32_t first = m_at;
        while (m_at + 1 < length && IsSymbolChar(m_text.substr(m_at + 1, 1)))
            ++m_at;
        m_errorPosition = first; // the name's first position minus 1
        if (m_state == State::AfterOperand)
            return fault(u"Operator expected");
        const std::u16string_view typed = m_text.substr(first, m_at - first + 1);
        char16_t upperName[LongestTokenName] = {};
        std::u16string_view upper; // stays empty for a name longer than every known one
        if (typed.size() <= LongestTokenName) {
            for (std::size_t k = 0; k < typed.size(); ++k)
                upperName[k] = toUpper(typed[k]);
            upper = std::u16string_view(upperName, typed.size());
        }
        if (isFunction(tokenOf(upper))) {
            m_operators.Push(Variant(std::u16string(upper)));
            m_state = State::AfterFunction;
        } else if (upper == u"PI") {
            write(u"3.1415926");
            m_state = State::AfterOperand;
        } else if (upper == u"X") {
            write(u"XX");
            m_state = State::AfterOperand;
        } else {
            return fault(u"Undefined symbol : '" + std::u16string(typed) + u"'");
        }
        return std::nullopt;
    }

    // The state is tested before the depth: "(" alone lacks its closing parenthesis, "2*(" an
    // operand.
    std::optional<SyntaxFault> end()
    {
        m_errorPosition = static_cast<std::int32_t>(m_text.size());
        if (m_state == State::AfterOperator || m_state == State::AfterSign || m_state == State::AfterFunction)
            return fault(u"Operand expected");
        if (m_depth > 0)
            return fault(u"Closing parenthesis expected");
        while (m_operators.StackSize() >= 1)
            write(m_operators.Pop().text());
        return std::nullopt;
    }

    SyntaxFault fault(std::u16string message) const { return {m_errorPosition, std::move(message)}; }

    void write(std::u16string_view token)
    {
        m_buffer += token;
        m_buffer += u' ';
    }

    std::u16string_view m_text;
    std::u16string& m_buffer;
    std::int32_t m_at = 0; // the 0-based index of the character being read; its position is m_at + 1
    State m_state = State::Start;
    std::int32_t m_depth = 0;
    std::int32_t m_errorPosition = 1;
    Cls13 m_operators;
};

std::u16string SyntaxFault::boxText() const
{
    return u"Character " + toDecimal(position) + u":  " + message;
}

std::optional<SyntaxFault> Cls6::translate(std::u16string_view sExpression, std::u16string& sBuffer)
{
    return Translator(sExpression, sBuffer).run();
}

std::int32_t Cls6::InfixToPostfix(const std::u16string& sExpression, std::u16string& sBuffer)
{
    std::optional<SyntaxFault> fault = translate(sExpression, sBuffer);
    if (!fault)
        return 0;
    const std::u16string boxText = fault->boxText();
    sErrorText = std::move(fault->message);
    if (m_messages)
        m_messages->showMessage(boxText, u"Syntax Error", SyntaxErrorStyle);
    return fault->position != 0 ? fault->position : FailureAtStart;
}

} // namespace pellitor
