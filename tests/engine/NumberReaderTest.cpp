// The number reader behind the evaluator's number tokens and the value of x: one grammar, read
// as a 64-bit float (the evaluator) and as a 32-bit float (the parameter).
#include "NumberReader.h"
#include "EngineError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <locale>
#include <optional>
#include <string>

using namespace pellitor;

namespace {
constexpr std::nullopt_t Raises = std::nullopt;  // the evaluator raises the overflow error
constexpr std::nullopt_t Refused = std::nullopt; // the parameter is out of the 32-bit range

std::string show(const std::u16string& text)
{
    const std::string shown(text.begin(), text.begin() + std::min<std::size_t>(text.size(), 60));
    return text.size() > 60 ? shown + "..." : shown;
}
} // namespace

TEST(NumberReader, ReadsTheNumberAtTheStart)
{
    const struct {
        std::u16string text;
        std::optional<double> evaluator;
        std::optional<float> parameter;
    } cases[] = {
        {u"", 0.0, 0.0f},
        {u"0", 0.0, 0.0f},
        {u"42", 42.0, 42.0f},
        {u"1.5", 1.5, 1.5f},
        {u".5", 0.5, 0.5f},
        {u"3.", 3.0, 3.0f},
        {u".", 0.0, 0.0f},
        {u",", 0.0, 0.0f},
        {u"abc", 0.0, 0.0f},
        {u"1,5", 1.0, 1.0f}, // "." is the decimal point whatever the locale
        {u"1.2.3", 1.2, 1.2f},
        {u"1-2", 1.0, 1.0f},
        {u"7x", 7.0, 7.0f},
        {u"2e3", 2000.0, 2000.0f},
        {u"2E-3", 0.002, 0.002f},
        {u"2.5E-1", 0.25, 0.25f},
        {u"2e", 2.0, 2.0f},
        {u"2e+", 2.0, 2.0f},
        {u"0.1", 0.1, 0.1f},
        {u"3.1415926", 3.1415926, 3.1415926f},
        {u"0000000000000000000000000000000000000000000000000000000012", 12.0, 12.0f},
        // Only the parameter skips blanks and takes a sign.
        {u"-2", 0.0, -2.0f},
        {u"+3", 0.0, 3.0f},
        {u"-.25", 0.0, -0.25f},
        {u" \t7", 0.0, 7.0f},
        {u"-", 0.0, 0.0f},
        {u"--.", 0.0, 0.0f},
        {u"-0", 0.0, 0.0f},
        // The parameter rounds the decimal text once: through a double, these would round twice.
        {u"16777217", 16777217.0, 16777216.0f},
        {u"1.0000000596046448", 1.000000059604644775390625, 1.00000011920928955078125f},
        {u"340282346638528859811704183484516925440", 340282346638528859811704183484516925440.0, FLT_MAX},
        // Too small for the type: 0.
        {u"1e-50", 1e-50, 0.0f},
        {u"-1e-50", 0.0, 0.0f},
        {u"1e-400", 0.0, 0.0f},
        {u"0." + std::u16string(100000, u'0') + u"1", 0.0, 0.0f},
        {u"0.0000e999999999999999", 0.0, 0.0f},
        // Too large for the type.
        {u"340282356779733661637539395458142568448", 340282356779733661637539395458142568448.0, Refused},
        {u"1e39", 1e39, Refused},
        {u"-1e39", 0.0, Refused},
        {u"0.0001e43", 1e39, Refused},
        {u"1" + std::u16string(100, u'0'), 1e100, Refused},
        {u"1e309", Raises, Refused},
        {std::u16string(400, u'9'), Raises, Refused},
        {u"0.001e99999999999999999999", Raises, Refused},
    };
    for (const auto& c : cases) {
        if (c.evaluator) {
            EXPECT_EQ(readNumber(c.text), *c.evaluator) << show(c.text);
        } else {
            EXPECT_THROW(readNumber(c.text), EngineError) << show(c.text);
        }

        const std::optional<float> parameter = readLeadingSingle(c.text);
        EXPECT_EQ(parameter, c.parameter) << show(c.text);
        if (parameter) {
            EXPECT_FALSE(*parameter == 0.0f && std::signbit(*parameter)) << show(c.text);
        }
    }
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
    // Short decimals, exponents and long digit runs take different paths through the reader.
    const struct {
        std::u16string text;
        double value;
    } cases[] = {
        {u"1.5", 1.5},        {u"2.5e3", 2500.0},
        {u"1.25E-2", 0.0125}, {u"0.50000000000000000000", 0.5},
        {u"1,5", 1.0},        {u"12345678901234567.5", 12345678901234567.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}
