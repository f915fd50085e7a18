// The rule that a table's rows and a picture's samples must each have an x of their own in 32
// bits, at its edges: the last exact integer 2^24, both ends of a range that passes 0, steps
// just below and at the spacing of the floats, the subnormal numbers, and steps downwards.
#include "Range.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

using namespace pellitor::cli;
using pellitor::plot::Span;

TEST(Range, StepsThatCannotChangeA32BitXAreRefused)
{
    const struct {
        const char* range;
        bool refused;
    } cases[] = {
        {"0:16777216:1", false}, // every integer up to 2^24 is a float
        {"0:16777217:1", true},  // 2^24 + 1 is not: its row would repeat 2^24
        {"-16777217:0:1", true}, // the same at the other end of the range
        {"-16777216:16777216:2", false},
        {"16777216:16777300:2", false},   // beyond 2^24 the floats lie 2 apart
        {"8388609.5:8388620.5:1", true},  // steps as wide as the floats, but on their midpoints:
                                          // 8388609.5 and 8388610.5 both round to 8388610
        {"1:1.0000001:0.00000001", true}, // the table that printed 11 rows of "1"
        {"1:2:0.0000001", true},          // 1e-7 is below the spacing of 1.19e-7 just under 2
        {"0.5:1:0.0000001", false},       // below 1 the floats lie 6e-8 apart
        {"2:1:-0.0000001", true},         // downwards
        {"0:0,00000000000000000000000000000000000000001:0,000000000000000000000000000000000000000000001", true},
        {"0:0.3:0.1", false},
    };
    for (const auto& c : cases) {
        const std::variant<Steps, std::string> read = readSteps(c.range);
        const std::string* reason = std::get_if<std::string>(&read);
        EXPECT_EQ(reason != nullptr, c.refused) << c.range << (reason ? ": " + *reason : std::string());
        if (reason && c.refused) {
            EXPECT_NE(reason->find("cannot change a 32-bit x near"), std::string::npos) << *reason;
        }
    }
}

TEST(Range, SamplesOfAPictureFollowTheSameRule)
{
    const struct {
        Span xs;
        int width;
        bool refused;
    } cases[] = {
        {{1.0, 1.0000001}, 800, true}, // two floats, 1601 samples
        {{1.0, 1.001}, 800, false},    // 8389 floats
        {{1.0, 1.001}, 8000, true},    // 16001 samples
        {{-1e7, 1e7}, 8000, false},
        {{16777216.0, 16900000.0}, 8000, false}, // samples 7.7 apart, floats 2
        {{16777216.0, 16800000.0}, 8000, true},  // samples 1.4 apart
    };
    for (const auto& c : cases) {
        const std::optional<std::string> reason = sampleStepsTooSmall(c.xs, c.width);
        EXPECT_EQ(reason.has_value(), c.refused) << c.xs.from << ":" << c.xs.to << " at " << c.width;
    }
}
