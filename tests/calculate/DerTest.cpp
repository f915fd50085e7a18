// The input checks and the rewriting of implied multiplication.
#include "Der.h"

#include <gtest/gtest.h>

#include <string>

using namespace pellitor;

namespace {

struct CheckCase {
    std::u16string input;
    Truth result;
    std::u16string output;
};

std::string show(const std::u16string& text)
{
    std::string out;
    for (const char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

} // namespace

TEST(Der, InsertMultiplication)
{
    const struct {
        std::u16string in, out;
    } cases[] = {
        {u"2x", u"2*x"},
        {u"2cos(x^2)/x", u"2*cos(x^2)/x"},
        {u"2(x+1)", u"2*(x+1)"},
        {u"(x+1)(x-1)", u"(x+1)*(x-1)"},
        {u"(x+1)2", u"(x+1)*2"},
        {u"(2)3", u"(2)*3"},
        {u"(2).5", u"(2)*.5"}, // a decimal separator starts a number too
        {u"(2),5", u"(2)*,5"},
        {u"2sin(x)cos(x)", u"2*sin(x)*cos(x)"},
        {u"x2", u"x*2"},
        {u"x(x+1)", u"x*(x+1)"},
        {u"x.5", u"x*.5"},
        {u"3x(x+1)", u"3*x*(x+1)"},
        {u"-x(2)", u"-x*(2)"},
        {u"x^2x", u"x^2*x"},
        {u"2pi", u"2*pi"},
        {u"pi2", u"pi*2"},
        {u"pi(x)", u"pi*(x)"},
        {u"PI(x)", u"PI*(x)"},
        // function names keep their last letter: only a digit-letter pair is split
        {u"exp(x)", u"exp(x)"},
        {u"sqr(x)", u"sqr(x)"},
        {u"tan(x)", u"tan(x)"},
        {u"int(x)", u"int(x)"},
        {u"abs(x)", u"abs(x)"},
        {u"atanh(x)", u"atanh(x)"},
        {u"sin2x", u"sin2*x"},
        {u"xsin(x)", u"xsin(x)"},
        {u"1e5", u"1*e5"},
        {u"2x2", u"2*x*2"},
        {u"x,5", u"x*,5"},
        {u")1", u")*1"},
        {u"x", u"x"},
        {u"5", u"5"},
        {u"(", u"("},
        {u"", u"*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Der::InsertMultiplication(c.in), c.out) << show(c.in);
}

TEST(Der, CheckExpression)
{
    const CheckCase cases[] = {
        {u"2 x + 1", True, u"2x+1"}, {u"2,5x", True, u"2.5x"}, {u"  2cos(x^2)/x  ", True, u"2cos(x^2)/x"},
        {u"((x", True, u"((x"},      {u"", True, u"0"},        {u" ", True, u"0"},
        {u"  ", True, u""},          {u"x=1", False, u"x"},    {u"x\t+1", False, u"x"},
        {u"2\u00e9", False, u"2"}, // a letter outside A to Z
        {u"\uff12x", False, u""},  // a digit of another script
        {u"\uff58", False, u""},   // a fullwidth x, whose low seven bits are "X"
        {u"x_1", False, u"x"},       {u"1\r\n", False, u"1"},  {std::u16string(u"1\0", 2), False, u"1"},
    };
    for (const auto& c : cases) {
        std::u16string output = u"stale";
        EXPECT_EQ(Der::CheckExpression(c.input, output), c.result) << show(c.input);
        EXPECT_EQ(output, c.output) << show(c.input);
    }
}

TEST(Der, CheckParameter)
{
    const CheckCase cases[] = {
        {u"1,5", True, u"1.5"}, {u"  -2  ", True, u"-2"}, {u"- 2", True, u"-2"},     {u"1-2", True, u"1-2"},
        {u"--.", True, u"--."}, {u"", True, u"0"},        {u" ", True, u"0"},        {u"+3", False, u""},
        {u"1e5", False, u"1"},  {u"x", False, u""},       {u"1.5\t", False, u"1.5"},
    };
    for (const auto& c : cases) {
        std::u16string output = u"stale";
        EXPECT_EQ(Der::CheckParameter(c.input, output), c.result) << show(c.input);
        EXPECT_EQ(output, c.output) << show(c.input);
    }
}
