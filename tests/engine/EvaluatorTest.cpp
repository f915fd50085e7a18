// The postfix evaluator: arithmetic, the power rules, the thirty functions in both angle units,
// every domain-failure boundary, and the raised errors.
#include "Cls13.h"
#include "Cls6.h"
#include "EngineError.h"
#include "EvaluatorSteps.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <string>

using namespace pellitor;

namespace {
constexpr float Unset = 123.0f;

// The postfix text of the tokens: each followed by one blank.
std::u16string postfix(std::initializer_list<std::u16string_view> tokens)
{
    std::u16string text;
    for (const auto token : tokens) {
        text += token;
        text += u' ';
    }
    return text;
}

struct Outcome {
    Truth returned;
    float result;
};

Outcome evaluate(const std::u16string& text, bool degrees = false, float x = 0.0f)
{
    float result = Unset;
    const Truth returned = Cls6{}.DoEvaluate(text, degrees ? True : False, result, 0, 0, x, 0, 0, 0, 0, 0);
    return {returned, result};
}

std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

struct Case {
    std::u16string text;
    float expected;
    bool degrees = false;
    float x = 0.0f;
};

void expectValues(std::initializer_list<Case> cases)
{
    for (const auto& c : cases) {
        const Outcome outcome = evaluate(c.text, c.degrees, c.x);
        EXPECT_EQ(outcome.returned, True) << narrow(c.text);
        EXPECT_FLOAT_EQ(outcome.result, c.expected) << narrow(c.text) << (c.degrees ? " (degrees)" : "");
    }
}

std::int32_t raisedNumber(const std::u16string& text, std::u16string* description = nullptr, float x = 0.0f)
{
    float result = Unset;
    try {
        Cls6{}.DoEvaluate(text, False, result, 0, 0, x, 0, 0, 0, 0, 0);
    } catch (const EngineError& error) {
        EXPECT_EQ(result, Unset) << "the result is untouched by a raised error";
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}
} // namespace

TEST(Evaluator, ArithmeticAndPowerRules)
{
    expectValues({
        {postfix({u"2", u"3", u"-"}), -1.0f},
        {postfix({u"8", u"2", u"/"}), 4.0f},
        {postfix({u"2", u"3", u"*", u"1", u"+"}), 7.0f},
        {postfix({u"0", u"0", u"^"}), 1.0f},
        {postfix({u"2", u"(-)", u"3", u"^"}), -8.0f},
        {postfix({u"2", u"(-)", u"2", u"^"}), 4.0f},
        {postfix({u"0", u"2", u"^"}), 0.0f},
        {postfix({u"4", u"0.5", u"^"}), 2.0f},
        {postfix({u"2", u"3", u"^", u"2", u"^"}), 64.0f},
        {postfix({u"XX", u"XX", u"*"}), 6.25f, false, 2.5f},
        {postfix({u"XX", u"(-)"}), -3.0f, false, 3.0f},
        {postfix({u"1", u"2"}), 2.0f},
        {u"1 2  + ", 2.0f},                    // the empty token pushes 0, leaving 1 below
        {postfix({u"1,5", u"1", u"+"}), 2.0f}, // a comma ends the number
        {postfix({u"3.1415926"}), 3.1415926f},
        {postfix({u".5"}), 0.5f},
        {postfix({u"1e3"}), 1000.0f},
        {postfix({u"12abc"}), 12.0f},
    });
}

TEST(Evaluator, DomainFailuresGiveTheFailureValue)
{
    const std::u16string cases[] = {
        postfix({u"8", u"0", u"/"}),
        postfix({u"2", u"(-)", u"0.5", u"^"}),
        postfix({u"0", u"LOG"}),
        postfix({u"1", u"(-)", u"LOG"}),
        postfix({u"1", u"(-)", u"SQR"}),
        postfix({u"1.5", u"ASIN"}),
        postfix({u"1.5", u"(-)", u"ACOS"}),
        postfix({u"1", u"ASEC"}),
        postfix({u"0.5", u"ACSEC"}),
        postfix({u"1", u"(-)", u"ASEC"}),
        postfix({u"1", u"ATANH"}),
        postfix({u"2", u"ATANH"}),
        postfix({u"1", u"ACTANH"}),
        postfix({u"0.5", u"ACTANH"}),
        postfix({u"0", u"ASECH"}),
        postfix({u"1.5", u"ASECH"}),
        postfix({u"0.5", u"(-)", u"ASECH"}),
        postfix({u"0", u"ACSECH"}),
        postfix({u"0", u"CSECH"}),
        postfix({u"0", u"CTANH"}),
        postfix({u"0.5", u"ACOSH"}),
        postfix({u"1", u"(-)", u"ACOSH"}),
        postfix({u"0", u"CSEC"}),
        postfix({u"0", u"CTAN"}),
        postfix({u"1e10", u"(-)", u"ASINH"}), // v + sqrt(v*v + 1) cancels to 0
        // The rest of the text is not read after a failure: the bad token is never reached.
        postfix({u"1", u"0", u"/", u"bad"}),
    };
    for (const auto& text : cases) {
        const Outcome outcome = evaluate(text);
        EXPECT_EQ(outcome.returned, True) << narrow(text);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.result), 0xBDFCD35Bu) << narrow(text);
    }
}

TEST(Evaluator, FunctionsInRadians)
{
    expectValues({
        {postfix({u"1", u"SIN"}), 0.84147098f},
        {postfix({u"1", u"COS"}), 0.54030231f},
        {postfix({u"1", u"TAN"}), 1.5574077f},
        {postfix({u"1", u"ATAN"}), 0.7853982f},
        {postfix({u"1", u"SEC"}), 1.8508157f},
        {postfix({u"1", u"CSEC"}), 1.1883951f},
        {postfix({u"1", u"CTAN"}), 0.64209262f},
        {postfix({u"1", u"EXP"}), 2.7182817f},
        {postfix({u"1", u"EXP", u"LOG"}), 1.0f},
        {postfix({u"2.5", u"(-)", u"ABS"}), 2.5f},
        {postfix({u"2.5", u"(-)", u"INT"}), -3.0f},
        {postfix({u"2.5", u"INT"}), 2.0f},
        {postfix({u"16", u"SQR"}), 4.0f},
        {postfix({u"0", u"SQR"}), 0.0f},
        {postfix({u"1", u"ASIN"}), 1.5707963f},
        {postfix({u"1", u"(-)", u"ASIN"}), -1.5707963f},
        {postfix({u"0.5", u"ASIN"}), 0.52359878f},
        {postfix({u"1", u"(-)", u"ACOS"}), 3.1415926f},
        {postfix({u"1", u"ACOS"}), 0.0f},
        {postfix({u"0.5", u"ACOS"}), 1.0471976f},
        {postfix({u"2", u"ASEC"}), 2.4278683f},
        {postfix({u"2", u"(-)", u"ASEC"}), -2.4278683f},
        {postfix({u"2", u"ACSEC"}), 0.85707194f},
        {postfix({u"2", u"(-)", u"ACSEC"}), -3.9986646f},
        {postfix({u"1", u"ACTAN"}), 2.3561945f},
        {postfix({u"1", u"SINH"}), 1.1752012f},
        {postfix({u"1", u"COSH"}), 1.5430806f},
        {postfix({u"1", u"TANH"}), 0.76159416f},
        {postfix({u"1", u"CTANH"}), 1.3130353f},
        {postfix({u"0", u"SECH"}), 1.0f},
        {postfix({u"1", u"CSECH"}), 0.85091813f},
        {postfix({u"1", u"ASINH"}), 0.88137359f},
        {postfix({u"2", u"ACOSH"}), 1.3169579f},
        {postfix({u"0.5", u"ATANH"}), 0.54930614f},
        {postfix({u"0.5", u"ASECH"}), 1.3169579f},
        {postfix({u"1", u"ACSECH"}), 0.88137359f},
        {postfix({u"1", u"(-)", u"ACSECH"}), -0.88137359f},
        {postfix({u"2", u"ACTANH"}), 0.54930614f},
        {postfix({u"XX", u"2", u"^", u"COS", u"2", u"*", u"XX", u"/"}), 1.0806046f, false, 1.0f},
    });
}

TEST(Evaluator, TrigonometricArgumentsInDegreesUseSevenDecimalPi)
{
    expectValues({
        {postfix({u"XX", u"SIN"}), 0.5f, true, 30.0f},
        {postfix({u"180", u"SIN"}), 5.358979e-8f, true},
        {postfix({u"90", u"SEC"}), 37320540.0f, true},
        {postfix({u"60", u"COS"}), 0.5f, true},
        {postfix({u"45", u"TAN"}), 0.99999995f, true},
        {postfix({u"1", u"ATAN"}), 0.017451521f, true},
        {postfix({u"90", u"CSEC"}), 1.0f, true},
        {postfix({u"45", u"CTAN"}), 1.0000001f, true},
        // Inverse and hyperbolic functions ignore the unit.
        {postfix({u"1", u"ASIN"}), 1.5707963f, true},
        {postfix({u"1", u"SINH"}), 1.1752012f, true},
        {postfix({u"1", u"ACTAN"}), 2.3561945f, true},
    });
}

// Results the engine fixes to the bit, compared as 32-bit patterns: a tolerance would let the
// full-precision pi, or a power rule that computes 0^0, pass.
TEST(Evaluator, ExactResultsToTheBit)
{
    const struct {
        std::u16string text;
        std::uint32_t bits;
        bool degrees = false;
        float x = 0.0f;
    } cases[] = {
        {postfix({u"1", u"ASIN"}), 0x3FC90FDAu}, // 3.1415926 / 2 = 1.57079625
        {postfix({u"1", u"(-)", u"ASIN"}), 0xBFC90FDAu},
        {postfix({u"1", u"(-)", u"ACOS"}), 0x40490FDAu}, // 3.1415926
        {postfix({u"1", u"ACOS"}), 0x00000000u},         // the integer 0, not -0
        {postfix({u"0", u"0", u"^"}), 0x3F800000u},      // the integer 1 for every base
        {postfix({u"0", u"(-)", u"0", u"^"}), 0x3F800000u},
        {postfix({u"2", u"(-)", u"0", u"^"}), 0x3F800000u},
        {postfix({u"1e300", u"0", u"^"}), 0x3F800000u},
        {postfix({u"0", u"2", u"^"}), 0x00000000u},
        {postfix({u"0", u"0.5", u"^"}), 0x00000000u},         // a zero base is no negative base
        {postfix({u"180", u"SIN"}), 0x33662A9Au, true},       // 5.358979e-8: 3.1415926 / 180 a degree
        {postfix({u"90", u"SEC"}), 0x4C0E5DD7u, true},        // 37320540
        {postfix({u"1", u"ATAN"}), 0x3C8EF67Eu, true},        // 0.017451521, the argument converted
        {postfix({u"XX", u"SIN"}), 0x3F000000u, true, 30.0f}, // 0.5
        {postfix({u"8", u"0", u"/"}), 0xBDFCD35Bu},           // the failure value
        // The cube of a 32-bit x is the correctly rounded one, where libm's pow misses it by a unit
        // in the last place: the constant is that cube, so the difference is 0.
        {postfix({u"XX", u"3", u"^", u"1.0014641272140354", u"-"}), 0x00000000u, false, 0x1.001ff8p+0f},
        {postfix({u"XX", u"3", u"^", u"1.1527854484906452", u"-"}), 0x00000000u, false, 0x1.0c6cc6p+0f},
        {postfix({u"XX", u"3", u"^", u"27.003823937682114", u"-"}), 0x00000000u, false, 0x1.8004a4p+1f},
        {postfix({u"XX", u"(-)", u"3", u"^", u"33.22280685314368", u"+"}), 0x00000000u, false, 0x1.9b7c8p+1f},
    };
    for (const auto& c : cases) {
        const Outcome outcome = evaluate(c.text, c.degrees, c.x);
        EXPECT_EQ(outcome.returned, True) << narrow(c.text);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.result), c.bits)
            << narrow(c.text) << " gave " << outcome.result << (c.degrees ? " (degrees)" : "");
    }
}

// x^3 of a 32-bit value against the exact cube in 128-bit arithmetic (72 bits of 113), rounded
// once: 64 Ki values spread over every binade of both signs, subnormals and the largest included.
TEST(Evaluator, CubeOfA32BitValueIsCorrectlyRounded)
{
    int compared = 0;
    for (std::uint64_t bits = 1; bits < 0x100000000u; bits += 0x10001) {
        const float x = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (!std::isfinite(x))
            continue;
        const __float128 wide = x;
        const double exact = static_cast<double>(wide * wide * wide);
        const double cube = evaluator::power(x, 3.0);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(cube), std::bit_cast<std::uint64_t>(exact)) << "x=" << x;
        ++compared;
    }
    for (const float x : {FLT_MAX, -FLT_MAX, FLT_TRUE_MIN, -FLT_TRUE_MIN, FLT_MIN, 0x1.fffffep-1f})
        EXPECT_EQ(evaluator::power(x, 3.0), static_cast<double>(static_cast<__float128>(x) * x * x)) << "x=" << x;
    EXPECT_GT(compared, 60000);
}

TEST(Evaluator, SpecialResultsKeepTheirIntegerType)
{
    // A power with exponent 0 and ACOS of 1 push 16-bit integers; every other step a 64-bit float.
    const struct {
        double a, b;
        Variant pushed;
    } powers[] = {
        {5.0, 0.0, Variant(std::int16_t{1})},
        {0.0, 0.0, Variant(std::int16_t{1})},
        {-2.0, -0.0, Variant(std::int16_t{1})},
        {2.0, 3.0, Variant(8.0)},
        {-2.0, 3.0, Variant(-8.0)},
    };
    for (const auto& c : powers) {
        Cls13 stack;
        stack.Push(Variant(c.a));
        stack.Push(Variant(c.b));
        evaluator::applyBinary(Token::Pow, stack);
        EXPECT_EQ(stack.Pop(), c.pushed) << c.a << " ^ " << c.b;
        EXPECT_EQ(stack.StackSize(), 0);
    }
    EXPECT_EQ(evaluator::evaluateFunction(Token::ACOS, 1.0, false), Variant(std::int16_t{0}));
    EXPECT_EQ(evaluator::evaluateFunction(Token::ACOS, -1.0, false), Variant(3.1415926));
    EXPECT_EQ(evaluator::evaluateFunction(Token::ASIN, 1.0, true), Variant(3.1415926 / 2));
}

TEST(Evaluator, NothingToReportLeavesTheResultUntouched)
{
    const std::u16string cases[] = {u"", u"5", u"12.5", u"XX"};
    for (const auto& text : cases) {
        const Outcome outcome = evaluate(text);
        EXPECT_EQ(outcome.returned, False) << narrow(text);
        EXPECT_EQ(outcome.result, Unset) << narrow(text);
    }
}

TEST(Evaluator, RndIgnoresItsArgumentAndStaysBelowOne)
{
    bool varied = false;
    float first = evaluate(postfix({u"5", u"RND"})).result;
    for (int i = 0; i < 2000; ++i) {
        const Outcome outcome = evaluate(postfix({u"5", u"RND"}));
        ASSERT_EQ(outcome.returned, True);
        ASSERT_GE(outcome.result, 0.0f);
        ASSERT_LT(outcome.result, 1.0f);
        varied = varied || outcome.result != first;
    }
    EXPECT_TRUE(varied) << "the sequence continues from call to call";
}

TEST(Evaluator, RaisesNumberedErrors)
{
    const struct {
        std::u16string text;
        std::int32_t number;
        std::u16string description;
        float x = 0.0f;
    } cases[] = {
        {postfix({u"sin"}), -2147220502, u"Bad token in Evaluate: sin"},
        {postfix({u"1", u"PI"}), -2147220502, u"Bad token in Evaluate: PI"},
        {postfix({u"1", u"\xd83d\xde00"}), -2147220502, u"Bad token in Evaluate: \xd83d\xde00"},
        {postfix({u"+"}), -2147220493, u"Pop method invoked on empty stack"},
        {postfix({u"SIN"}), -2147220493, u"Pop method invoked on empty stack"},
        {postfix({u"(-)"}), -2147220493, u"Pop method invoked on empty stack"},
        {postfix({u"10", u"39", u"^"}), 6, u"Overflow"}, // at the conversion to 32 bits
        {postfix({u"1e308", u"10", u"*"}), 6, u"Overflow"},
        {postfix({u"1e308", u"(-)", u"1e308", u"-"}), 6, u"Overflow"},
        {postfix({u"710", u"EXP"}), 6, u"Overflow"},
        {postfix({u"710", u"SINH"}), 6, u"Overflow"},
        {postfix({u"710", u"(-)", u"COSH"}), 6, u"Overflow"},
        {postfix({u"710", u"TANH"}), 6, u"Overflow"},
        {postfix({u"1e200", u"ASINH"}), 6, u"Overflow"}, // v*v
        {postfix({u"10", u"400", u"^"}), 6, u"Overflow"},
        {postfix({u"1e400"}), 6, u"Overflow"},                          // a number beyond 64 bits
        {postfix({u"0", u"1", u"(-)", u"^"}), 11, u"Division by zero"}, // 0 to a negative power
        {postfix({u"XX"}), 6, u"Overflow", INFINITY},
        {postfix({u"XX"}), 5, u"Invalid procedure call or argument", NAN},
    };
    for (const auto& c : cases) {
        std::u16string description;
        EXPECT_EQ(raisedNumber(c.text, &description, c.x), c.number) << narrow(c.text);
        EXPECT_EQ(description, c.description) << narrow(c.text);
    }
}

TEST(Evaluator, ResultsAtTheEdgeOfThe32BitRange)
{
    // Just above FLT_MAX but below the rounding midpoint still rounds to FLT_MAX.
    expectValues({
        {postfix({u"3.4028235e38"}), FLT_MAX},
        {postfix({u"3.40282356e38"}), FLT_MAX},
        {postfix({u"1e-50"}), 0.0f},
        {postfix({u"1e-400"}), 0.0f}, // below the 64-bit range: underflow is not an error
    });
    EXPECT_EQ(raisedNumber(postfix({u"3.4028236e38"})), 6);
}
