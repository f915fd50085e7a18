// The infix-to-postfix translator: postfix texts, grouping, and every syntax fault with its
// message, position and the tokens written before it.
#include "Cls6.h"
#include "RecordingMessageBox.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace pellitor;
using pellitor::testing::RecordingMessageBox;

namespace {
std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}
// The translation that shows nothing gives the same fault as a value: the position the box
// names (0 where InfixToPostfix returns FailureAtStart), the message and the tokens before it.
void expectFault(const std::u16string& infix, std::int32_t position, const std::u16string& message,
                 const std::u16string& tokens)
{
    std::u16string buffer;
    const std::optional<SyntaxFault> fault = Cls6::translate(infix, buffer);
    ASSERT_TRUE(fault) << narrow(infix);
    EXPECT_EQ(fault->position, position) << narrow(infix);
    EXPECT_EQ(fault->message, message) << narrow(infix);
    EXPECT_EQ(buffer, tokens) << narrow(infix);
}
} // namespace

TEST(Translator, WritesPostfixTokensEachFollowedByOneBlank)
{
    const struct {
        std::u16string infix;
        std::u16string postfix;
    } cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u"2*cos(x^2)/x", u"2 XX 2 ^ COS * XX / "},
        {u"Sin(X)+PI", u"XX SIN 3.1415926 + "},
        {u"-x^2", u"XX 2 ^ (-) "},
        {u"2^3^2", u"2 3 ^ 2 ^ "},
        {u"8/4/2", u"8 4 / 2 / "},
        {u"2-3+4", u"2 3 - 4 + "},
        {u"2+3*4", u"2 3 4 * + "},
        {u"2*-x", u"2 XX (-) * "},
        {u"-x*2", u"XX (-) 2 * "},
        {u"+x", u"XX "},
        {u"( 2 + 3 ) * 4", u"2 3 + 4 * "},
        {u"1,5*x", u"1,5 XX * "},
        {u".5+3.", u".5 3. + "},
        {u"sin x", u"XX SIN "},
        {u"sin cos x", u"XX COS SIN "},
        {u"sin(x)^2", u"XX SIN 2 ^ "},
        {u"asech(x)+1", u"XX ASECH 1 + "},
        {u"-sin(x)", u"XX SIN (-) "},
        {u"((x))", u"XX "},
        {u"pi+Pi+pI", u"3.1415926 3.1415926 + 3.1415926 + "},
        {u"x\t+\r\n\x01x", u"XX XX + "},
        {u"ACTANH(x)*actanh(x)", u"XX ACTANH XX ACTANH * "},
        {u"2^-x", u"2 XX (-) ^ "},
    };
    for (const auto& c : cases) {
        RecordingMessageBox boxes;
        std::u16string buffer;
        EXPECT_EQ(Cls6{boxes}.InfixToPostfix(c.infix, buffer), 0) << narrow(c.infix);
        EXPECT_EQ(buffer, c.postfix) << narrow(c.infix);
        EXPECT_TRUE(boxes.empty()) << narrow(c.infix);
        std::u16string tokens;
        EXPECT_FALSE(Cls6::translate(c.infix, tokens)) << narrow(c.infix);
        EXPECT_EQ(tokens, c.postfix) << narrow(c.infix);
    }
}

TEST(Translator, AppendsToWhatTheBufferHolds)
{
    std::u16string buffer = u"1 ";
    EXPECT_EQ(Cls6{}.InfixToPostfix(u"x+2", buffer), 0);
    EXPECT_EQ(buffer, u"1 XX 2 + ");
}

TEST(Translator, RefusesWithMessagePositionAndTheTokensWrittenBefore)
{
    const struct {
        std::u16string infix;
        std::int32_t result;
        std::u16string message;
        std::u16string buffer;
    } cases[] = {
        {u"()", 1, u"Operand expected", u""},
        {u"2+-x", 2, u"Operand expected", u"2 "},
        {u"x*", 2, u"Operand expected", u"XX "},
        {u"(x+1", 4, u"Closing parenthesis expected", u"XX 1 "},
        {u"(x))", 3, u"Closing parenthesis without matching open parenthesis", u"XX "},
        {u"2+y", 2, u"Undefined symbol : 'y'", u"2 "},
        {u"x+1.2.3", 2, u"Operand contains multiple decimal points", u"XX "},
        {u"x+1,2.3", 2, u"Operand contains multiple decimal points", u"XX "},
        {u"x+.", 2, u"Invalid operand", u"XX "},
        {u"x+,", 2, u"Invalid operand", u"XX "},
        {u"sin 2", 4, u"Open parenthesis expected", u""},
        {u"x+2(3)", 2, u"Operator expected", u"XX 2 "},
        {u"x+x x", 4, u"Operator expected", u"XX XX "},
        {u"2+#", 2, u"Unexpected character encountered", u"2 "},
        {u"(", 1, u"Closing parenthesis expected", u""},
        {u"2*(", 3, u"Operand expected", u"2 "},
        {u"2*/3", 2, u"Operand expected", u"2 "},
        {u"(*2)", 1, u"Operand expected", u""},
        {u"2+sin", 5, u"Operand expected", u"2 "},
        {u"1+Foo_bar", 2, u"Undefined symbol : 'Foo_bar'", u"1 "},
        {u"1+x2", 2, u"Operator expected", u"1 XX "},
        {u"2x", 1, u"Operator expected", u"2 "},
        {u"1+\u00e9", 2, u"Unexpected character encountered", u"1 "},
        {u"1+\xd83d\xde00", 2, u"Unexpected character encountered", u"1 "},
    };
    for (const auto& c : cases) {
        RecordingMessageBox boxes;
        std::u16string buffer;
        Cls6 engine(boxes);
        EXPECT_EQ(engine.InfixToPostfix(c.infix, buffer), c.result) << narrow(c.infix);
        ASSERT_EQ(boxes.shown().size(), 1u) << narrow(c.infix);
        EXPECT_EQ(boxes.last().title, u"Syntax Error");
        const std::string position = std::to_string(c.result);
        EXPECT_EQ(boxes.last().text,
                  u"Character " + std::u16string(position.begin(), position.end()) + u":  " + c.message)
            << narrow(c.infix);
        EXPECT_EQ(boxes.last().style, 16);
        EXPECT_EQ(buffer, c.buffer) << narrow(c.infix);
        expectFault(c.infix, c.result, c.message, c.buffer);
    }
}

// A fault found before any token has set a position names character 0; the result must still
// differ from 0, which means success.
TEST(Translator, AFaultAtCharacterZeroDoesNotReturnSuccess)
{
    const struct {
        std::u16string infix;
        std::u16string message;
        std::u16string buffer;
    } cases[] = {
        {u"x)", u"Closing parenthesis without matching open parenthesis", u"XX "},
        {u"y+1", u"Undefined symbol : 'y'", u""},
        {u"2 3", u"Operator expected", u"2 "},
        {u"x(", u"Operator expected", u"XX "},
        {u"5 .", u"Operator expected", u"5 "},
    };
    for (const auto& c : cases) {
        RecordingMessageBox boxes;
        std::u16string buffer;
        EXPECT_EQ(Cls6{boxes}.InfixToPostfix(c.infix, buffer), Cls6::FailureAtStart) << narrow(c.infix);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.last().text, u"Character 0:  " + c.message) << narrow(c.infix);
        EXPECT_EQ(buffer, c.buffer) << narrow(c.infix);
        expectFault(c.infix, 0, c.message, c.buffer);
    }
}

TEST(Translator, LongInputsTranslate)
{
    constexpr int depth = 100000;
    std::u16string nested = std::u16string(depth, u'(') + u"x" + std::u16string(depth, u')');
    std::u16string buffer;
    EXPECT_EQ(Cls6{}.InfixToPostfix(nested, buffer), 0);
    EXPECT_EQ(buffer, u"XX ");

    std::u16string sum = u"x";
    for (int i = 0; i < depth; ++i)
        sum += u"+x";
    buffer.clear();
    EXPECT_EQ(Cls6{}.InfixToPostfix(sum, buffer), 0);
    EXPECT_EQ(buffer.size(), 3u + depth * 5u);
    EXPECT_TRUE(buffer.ends_with(u"XX + "));
}
