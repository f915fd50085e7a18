// The number reader behind the evaluator's number tokens.
#include "EngineError.h"
#include "NumberReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace pellitor;

TEST(NumberReader, ReadsTheNumberAtTheStart)
{
    const struct {
        std::u16string text;
        double value;
    } cases[] = {
        {u"", 0.0},         {u"0", 0.0},          {u"42", 42.0},         {u"1.5", 1.5},
        {u".5", 0.5},       {u"3.", 3.0},         {u".", 0.0},           {u",", 0.0},
        {u"1,5", 1.0},      {u"1.2.3", 1.2},      {u"2e3", 2000.0},      {u"2E-3", 0.002},
        {u"2e", 2.0},       {u"2e+", 2.0},        {u"7x", 7.0},          {u"0.1", 0.1},
        {u"1e-400", 0.0},   {u"0.0000e999999999999999", 0.0},
        {u"3.1415926", 3.1415926},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(NumberReader, ReadsLongDigitRunsAndRaisesBeyondTheRange)
{
    EXPECT_EQ(readNumber(u"1" + std::u16string(100, u'0')), 1e100);
    EXPECT_EQ(readNumber(u"0." + std::u16string(100000, u'0') + u"1"), 0.0);
    EXPECT_THROW(readNumber(std::u16string(400, u'9')), EngineError);
    EXPECT_THROW(readNumber(u"1e309"), EngineError);
    EXPECT_THROW(readNumber(u"0.001e99999999999999999999"), EngineError);
}

TEST(NumberReader, IgnoresTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(readNumber(u"1.5"), 1.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}
