// The digits that an error estimate allows, as the window and pellitor-calc show them.
#include "SignificantDigits.h"

#include <gtest/gtest.h>

#include <limits>

using namespace pellitor::graph;

TEST(SignificantDigits, DownToTheErrorsFirstDigit)
{
    const struct {
        double value, error;
        const char* shown;
    } cases[] = {
        {0.5403023058681398, 3e-12, "0.540302305868"},
        {0.6931471805599453, 7.7e-16, "0.693147180559945"}, // 15 at most
        {6.0, 0.0, "6"},
        {123456.0, 50.0, "1.2346E+05"},
        {-2.5e-7, 1e-12, "-2.5E-07"},
        {1e-9, 1e-8, "0"}, // the error reaches beyond the value
        {-0.4, 5.0, "0"},
        {7.0, 5.0, "7"},
        {99.96, 0.1, "100"},
        {1.0, std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withError(c.value, c.error), c.shown) << c.value << " +- " << c.error;
}

TEST(SignificantDigits, ErrorBoundsRoundUp)
{
    EXPECT_EQ(errorBound(1.234e-12), "1.3E-12");
    EXPECT_EQ(errorBound(7.7e-16), "7.7E-16");
    EXPECT_EQ(errorBound(9.95e-3), "0.01");
    EXPECT_EQ(errorBound(0.0), "0");
}
