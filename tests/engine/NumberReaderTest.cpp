// The number reader behind the evaluator's number tokens.
#include "EngineError.h"
#include "NumberReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
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
    // A German locale reads "," as the decimal point, in the C library and in C++ streams.
    struct GermanNumbers {
        std::string previous = std::setlocale(LC_ALL, nullptr);
        std::locale previousGlobal = std::locale::global(std::locale::classic());
        bool installed = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        GermanNumbers()
        {
            if (installed)
                std::locale::global(std::locale("de_DE.UTF-8"));
        }
        ~GermanNumbers()
        {
            std::setlocale(LC_ALL, previous.c_str());
            std::locale::global(previousGlobal);
        }
    } german;
    if (!german.installed)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    // Short decimals, exponents and long digit runs take different roads through the reader.
    const struct {
        std::u16string text;
        double value;
    } cases[] = {
        {u"1.5", 1.5}, {u"2.5e3", 2500.0}, {u"1.25E-2", 0.0125}, {u"0.50000000000000000000", 0.5},
        {u"1,5", 1.0}, {u"12345678901234567.5", 12345678901234567.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}
