// The reading of a postfix text into tokens that both evaluators and pellitor-calc share.
#include "PostfixTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pellitor;

TEST(PostfixTokens, EachTokenEndsAtABlankAndTheTailIsNeverRead)
{
    const struct {
        std::u16string_view text;
        std::vector<std::u16string_view> tokens;
        std::u16string_view tail;
    } cases[] = {
        {u"", {}, u""},
        {u"XX", {}, u"XX"},
        {u"2 XX 2 ^ COS * XX / ", {u"2", u"XX", u"2", u"^", u"COS", u"*", u"XX", u"/"}, u""},
        {u"1 2  + ", {u"1", u"2", u"", u"+"}, u""}, // two blanks hold an empty token
        {u" 1 ", {u"", u"1"}, u""},
        {u"1 2 +", {u"1", u"2"}, u"+"},
        {u"   ", {u"", u"", u""}, u""},
    };
    for (const auto& c : cases) {
        std::vector<std::u16string_view> read;
        for (const std::u16string_view token : PostfixTokens(c.text))
            read.push_back(token);
        EXPECT_EQ(read, c.tokens) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(PostfixTokens(c.text).unreadTail(), c.tail) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(PostfixTokens, NumbersStartWithADigitOrASeparator)
{
    const struct {
        std::u16string_view token;
        bool number;
    } cases[] = {
        {u"", true},    {u"0", true},   {u"9x", true},   {u".5", true},      {u",5", true},
        {u"XX", false}, {u"-1", false}, {u"(-)", false}, {u"\u0661", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNumberToken(c.token), c.number) << std::string(c.token.begin(), c.token.end());
}
