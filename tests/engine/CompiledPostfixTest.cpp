// The compiled evaluator against the text evaluator: the same outcome to the bit, the same error
// at the same step, the same draws of RND, at one x and again and again.
#include "CompiledPostfix.h"
#include "EvaluationOutcome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <string>
#include <vector>

using namespace pellitor;

namespace {
// Both evaluators from the same state of RND's sequence.
void expectSame(const std::u16string& text, CompiledPostfix& compiled, Truth bolDegree, float x)
{
    const pellitor::testing::BothOutcomes both = pellitor::testing::evaluateBoth(text, compiled, bolDegree, x);
    const pellitor::testing::EvaluationOutcome& expected = both.text;
    const pellitor::testing::EvaluationOutcome& got = both.compiled;
    EXPECT_EQ(got.returned, expected.returned) << "x=" << x;
    EXPECT_EQ(got.result, expected.result) << "x=" << x << " gave " << std::bit_cast<float>(got.result);
    EXPECT_EQ(got.error, expected.error) << "x=" << x;
    EXPECT_TRUE(got.description == expected.description) << "x=" << x;
    EXPECT_TRUE(got.sequence == expected.sequence) << "x=" << x << ": another number of draws";
}

// The block evaluation against the text at each x of xs in turn; the first x that differs is named.
void expectSameBlock(const std::u16string& text, CompiledPostfix& compiled, Truth bolDegree, std::span<const float> xs)
{
    const pellitor::testing::BlockOutcomes both = pellitor::testing::evaluateBlock(text, compiled, bolDegree, xs);
    ASSERT_EQ(both.compiled.size(), both.text.size()) << "errors without their x";
    EXPECT_TRUE(both.compiledSequence == both.textSequence) << "another number of draws";
    const auto differs = std::mismatch(both.text.begin(), both.text.end(), both.compiled.begin());
    if (differs.first != both.text.end()) {
        const std::size_t at = static_cast<std::size_t>(differs.first - both.text.begin());
        ADD_FAILURE() << "block of " << xs.size() << ", x[" << at << "]=" << xs[at] << ": returned "
                      << differs.second->returned << " for " << differs.first->returned << ", result "
                      << std::bit_cast<float>(differs.second->result) << " for "
                      << std::bit_cast<float>(differs.first->result) << ", error " << differs.second->error << " for "
                      << differs.first->error;
    }
}

constexpr float Infinity = std::numeric_limits<float>::infinity();
const float NotANumber = std::numeric_limits<float>::quiet_NaN();

// The x of every case: ordinary values, the special angles, the edges of the 32-bit range, and
// x where pow(x, 3) and pow(x + 0.1, 2) are not the rounded products.
const float Xs[] = {0.0f,           1.0f,           -1.0f,          0.5f,     2.0f,      30.0f,
                    90.0f,          180.0f,         -2.5f,          1e-45f,   3.4e38f,   -3.4e38f,
                    0x1.001ff8p+0f, -0x1.fffc8p+0f, 0x1.1187e6p+0f, Infinity, -Infinity, NotANumber};

// A block longer than one of the block evaluation's: the x above among ordinary values, -0 and
// subnormals, so that every kind of x meets every kind of neighbour in a block.
std::vector<float> blockOfXs()
{
    std::vector<float> block;
    for (int i = 0; i < 150; ++i) {
        block.push_back(Xs[static_cast<std::size_t>(i * 7) % std::size(Xs)]);
        block.push_back(i % 5 == 0 ? -0.0f : (i % 5 == 1 ? 0x1p-140f * static_cast<float>(i) : 0.37f * (i - 75)));
    }
    return block;
}
const std::vector<float> BlockOfXs = blockOfXs();
} // namespace

TEST(CompiledPostfix, GivesWhatTheTextGivesToTheBit)
{
    const std::u16string texts[] = {
        u"",
        u"5",
        u"XX",
        u"2 XX 2 ^ COS * XX / ",
        u"XX SIN 3.1415926 + ",
        u"XX 2 ^ (-) ",
        u"2 3 ^ 2 ^ ",
        u"2 3 + 4 * ",
        u"XX 3 ^ 2 XX * - XX SQR + ",
        u"XX ASECH 1 + ",
        // powers: the integer 1 for exponent 0 (of x, of a computed base), negative bases, and
        // squares and cubes whose rounded products are not what pow gives
        u"0 0 ^ ",
        u"XX 0 ^ ",
        u"XX SIN 0 ^ ",
        u"XX (-) 0.5 ^ ",
        u"2 (-) XX ^ ",
        u"XX XX ^ ",
        u"0 XX ^ ",
        u"XX 3 ^ XX XX * XX * - ",
        u"XX 0.1 + 2 ^ XX 0.1 + XX 0.1 + * - ",
        u"XX 1 + 3 ^ ",
        u"XX 1e100 * 3 ^ ",
        // x and a constant in one step, both ways round
        u"XX 2 - ",
        u"2 XX - ",
        u"XX 2 / ",
        u"2 XX / ",
        u"XX 0 / ",
        u"0 XX / ",
        u"XX XX / ",
        u"1 XX - XX / ",
        // domain failures end the evaluation: nothing after them is read, not even a bad token
        u"8 0 / ",
        u"1 0 / bad ",
        u"XX LOG XX SQR + ",
        u"XX ACOS ",
        u"1 ACOS (-) ",
        u"XX 1e10 * ASINH ",
        // errors at their step: a bad token, a missing operand, a number or a result out of range
        u"1 2 + bad ",
        u"XX + ",
        u"SIN ",
        u"1e400 ",
        u"XX 1e400 + ",
        u"10 39 ^ ",
        u"1e39 ",
        u"XX 1e308 * 10 * ",
        u"XX EXP ",
        u"710 SINH ",
        u"0 1 (-) ^ ",
        u"XX 1 0 / + ",
        u"1 0 / XX + ",
        // texts the translator never writes: empty tokens, a comma, exponents, text after the last blank
        u"1 2  + ",
        u" XX ",
        u"1,5 XX * ",
        u"1e3 XX + ",
        u"12abc ",
        u"XX 2 ^",
        u"XX 1 2 3 ",
        u"x ",
        // both angle units
        u"XX SIN ",
        u"XX COS XX TAN + ",
        u"XX SEC ",
        u"XX CSEC ",
        u"XX CTAN ",
        u"XX ATAN ",
        u"90 SEC ",
        // RND: one draw for each RND reached, none after a failure or before an error
        u"XX RND ",
        u"5 RND XX RND + ",
        u"1 0 / RND ",
        u"RND ",
        u"XX RND 1 0 / ",
        u"XX SIN RND ",
    };
    for (const std::u16string& text : texts) {
        for (const Truth bolDegree : {False, True}) {
            SCOPED_TRACE(std::string(text.begin(), text.end()) + (bolDegree ? " (degrees)" : ""));
            CompiledPostfix compiled(text, bolDegree);
            for (const float x : Xs)
                expectSame(text, compiled, bolDegree, x);
            expectSameBlock(text, compiled, bolDegree, BlockOfXs);
        }
    }
}

// Random texts of known tokens, numbers and a few unknown ones: each compiled once and evaluated
// at the values above, as pellitor-calc's tables and pictures do.
TEST(CompiledPostfix, RandomTextsAtManyX)
{
    const std::u16string_view tokens[] = {
        u"XX",    u"XX",    u"+",     u"-",     u"*",     u"/",      u"^",      u"(-)",  u"SIN",   u"COS",
        u"LOG",   u"EXP",   u"ABS",   u"ATAN",  u"INT",   u"SQR",    u"TAN",    u"SEC",  u"CSEC",  u"CTAN",
        u"ASIN",  u"ACOS",  u"ASEC",  u"ACSEC", u"ACTAN", u"SINH",   u"COSH",   u"TANH", u"CTANH", u"SECH",
        u"CSECH", u"ASINH", u"ACOSH", u"ATANH", u"ASECH", u"ACSECH", u"ACTANH", u"0",    u"1",     u"2",
        u"3",     u"0.5",   u"180",   u"1e308", u"",      u"RND",    u"sin",
    };
    std::mt19937 random(20);
    for (int i = 0; i < 400; ++i) {
        std::u16string text;
        const int length = 1 + static_cast<int>(random() % 12);
        for (int t = 0; t < length; ++t)
            text.append(tokens[random() % std::size(tokens)]).push_back(u' ');
        const Truth bolDegree = random() % 2 ? True : False;
        SCOPED_TRACE(std::string(text.begin(), text.end()) + (bolDegree ? " (degrees)" : ""));
        CompiledPostfix compiled(text, bolDegree);
        for (const float x : Xs)
            expectSame(text, compiled, bolDegree, x);
        expectSameBlock(text, compiled, bolDegree, BlockOfXs);
    }
}

// Every step a program can have, at the block of x: each operator between x, a constant and a
// computed value (exponents 2 and 3 give squares and cubes, 0.5 pow), and each function of x and of a
// computed value, in both angle units.
TEST(CompiledPostfix, EveryStepOnABlock)
{
    const std::u16string operands[] = {u"XX ", u"2 ", u"3 ", u"0.5 ", u"XX 3 * SIN "};
    std::vector<std::u16string> texts;
    for (const std::u16string& a : operands) {
        for (const std::u16string& b : operands) {
            for (const std::u16string op : {u"+ ", u"- ", u"* ", u"/ ", u"^ "})
                texts.push_back(a + b + op);
        }
    }
    for (const std::u16string name :
         {u"SIN",   u"COS",  u"LOG",   u"EXP",   u"ABS",   u"ATAN",  u"INT",   u"SQR",    u"TAN",   u"SEC",
          u"CSEC",  u"CTAN", u"ASIN",  u"ACOS",  u"ASEC",  u"ACSEC", u"ACTAN", u"SINH",   u"COSH",  u"TANH",
          u"CTANH", u"SECH", u"CSECH", u"ASINH", u"ACOSH", u"ATANH", u"ASECH", u"ACSECH", u"ACTANH"}) {
        texts.push_back(u"XX " + name + u" ");
        texts.push_back(u"XX 0.5 * " + name + u" ");
    }
    for (const std::u16string& text : texts) {
        for (const Truth bolDegree : {False, True}) {
            SCOPED_TRACE(std::string(text.begin(), text.end()) + (bolDegree ? " (degrees)" : ""));
            CompiledPostfix compiled(text, bolDegree);
            expectSameBlock(text, compiled, bolDegree, BlockOfXs);
        }
    }
}

TEST(CompiledPostfix, DeepStacksAgainAndAgain)
{
    // 1 - (1 - (1 - ... x)): every 1 waits on the stack until the end. At 5000 the block evaluation's
    // blocks are narrow; at 10000 each x of a block runs in the one-x evaluation.
    for (const int depth : {5000, 10000}) {
        std::u16string text;
        for (int i = 0; i < depth; ++i)
            text += u"1 ";
        text += u"XX ";
        for (int i = 0; i < depth; ++i)
            text += u"- ";
        CompiledPostfix compiled(text, false);
        for (const float x : {3.0f, -7.5f, 0.25f})
            expectSame(text, compiled, False, x);
        expectSameBlock(text, compiled, False, std::span(BlockOfXs).first(40));
    }
}

TEST(CompiledPostfix, StepsOnConstantsAreDoneOnceUnlessTheyFail)
{
    const struct {
        std::u16string text;
        std::size_t operations;
    } cases[] = {
        {u"2 3 ^ 2 ^ ", 1},         // 64
        {u"2 3 + 4 * XX + ", 2},    // x + 20
        {u"8 0 / ", 3},             // the failure stays a step: it must come when reached
        {u"1e308 10 * XX + ", 4},   // so does the overflow
        {u"XX XX + XX + XX + ", 5}, // x, three additions of x, the return
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompiledPostfix(c.text, false).size(), c.operations) << std::string(c.text.begin(), c.text.end());
}
