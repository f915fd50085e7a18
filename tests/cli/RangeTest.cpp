// The ends of the ranges as the parameter box reads them, and the rule that a table's rows and a
// picture's samples must each have an x of their own in 32 bits, at its edges: the last exact
// integer 2^24, both ends of a range that passes 0, steps just below and at the spacing of the
// floats, the subnormal numbers, and steps downwards.
#include "Range.h"

#include "Evaluation.h"
#include "RecordingMessageBox.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

using namespace pellitor::cli;
using pellitor::plot::Span;

namespace {
float parameterBox(const std::string& text)
{
    pellitor::testing::RecordingMessageBox messages;
    const std::optional<float> x = pellitor::readParameter(pellitor::fromUtf8(text), messages);
    EXPECT_TRUE(x) << text;
    return x.value_or(0.0f);
}

Steps steps(const std::string& range)
{
    std::variant<Steps, std::string> read = readSteps(range);
    EXPECT_TRUE(std::holds_alternative<Steps>(read)) << range;
    return std::holds_alternative<Steps>(read) ? std::get<Steps>(read) : Steps{};
}
} // namespace

// The first and the last x of a table are the x that the parameter box reads from the texts of
// FROM and TO, rounded once: texts whose 64-bit value lies on a midpoint of the floats, where
// rounding that value again gives another float, and a text beyond the largest float that the
// box rounds to it.
TEST(Range, TableEndsAreTheParameterBoxNumbers)
{
    for (const std::string text :
         {"16777217.0000000001", "1.00000005960464477539062501", "0,1", "340282356779733661637539395458142568447"}) {
        const float box = parameterBox(text);
        EXPECT_EQ(steps(text + ":" + text + ":1").at(0), box) << text;
        EXPECT_EQ(steps("-" + text + ":-" + text + ":1").at(0), -box) << text;
        const Steps toText = steps("0:" + text + ":" + text);
        EXPECT_EQ(toText.rows, 2) << text;
        EXPECT_EQ(toText.at(1), box) << text;
    }
}

// The same for a picture's first and last samples; -1 + (1.000000059604645 - -1) is the midpoint
// 1 + 2^-24 in 64 bits, where the text lies above it.
TEST(Range, PictureEndsAreTheParameterBoxNumbers)
{
    const char* const ranges[][2] = {{"-16777217.0000000001", "16777217.0000000001"},
                                     {"-1", "1.000000059604645"},
                                     {"0,1", "0,3"},
                                     {"-340282356779733661637539395458142568447", "1"}};
    for (const auto& [from, to] : ranges) {
        const std::variant<Span, std::string> span = readSpan(std::string(from) + ":" + to, "--plot");
        ASSERT_TRUE(std::holds_alternative<Span>(span)) << from << ":" << to;
        for (const int width : {160, 800, 8000}) {
            const std::int64_t last = pellitor::plot::sampleCount(width) - 1;
            EXPECT_EQ(static_cast<float>(pellitor::plot::sampleAt(std::get<Span>(span), width, 0)), parameterBox(from));
            EXPECT_EQ(static_cast<float>(pellitor::plot::sampleAt(std::get<Span>(span), width, last)), parameterBox(to))
                << from << ":" << to << " at " << width;
        }
    }
}

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

// --scale is read as the range's numbers are, from 1 to 4; the picture's sides are rounded as a
// graph window at that device pixel ratio rounds its own (half away from zero), and refused
// beyond the largest picture.
TEST(Range, ScaleAndTheScaledSize)
{
    const std::pair<const char*, double> scales[] = {{"1", 1.0}, {"4", 4.0}, {"1,5", 1.5}, {" 2 ", 2.0}};
    for (const auto& [text, scale] : scales) {
        const std::variant<double, std::string> read = readScale(text);
        EXPECT_EQ(std::holds_alternative<double>(read) ? std::get<double>(read) : -1.0, scale) << text;
    }
    for (const char* text : {"0.999", "0", "4.0000001", "-2", "2e0", "", "2x"})
        EXPECT_TRUE(std::holds_alternative<std::string>(readScale(text))) << text;
    const struct {
        pellitor::plot::Size size;
        double scale;
        std::optional<pellitor::plot::Size> scaled;
    } sizes[] = {
        {{640, 326}, 2.0, pellitor::plot::Size{1280, 652}},
        {{333, 201}, 1.5, pellitor::plot::Size{500, 302}}, // 499.5 and 301.5 round up
        {{2000, 100}, 4.0, pellitor::plot::Size{8000, 400}},
        {{2001, 100}, 4.0, std::nullopt},
        {{100, 5334}, 1.5, std::nullopt}, // 8001
    };
    for (const auto& c : sizes) {
        const std::variant<pellitor::plot::Size, std::string> scaled = scaledSize(c.size, c.scale);
        const auto* size = std::get_if<pellitor::plot::Size>(&scaled);
        ASSERT_EQ(size != nullptr, c.scaled.has_value()) << c.size.width << "x" << c.size.height << " at " << c.scale;
        if (size) {
            EXPECT_EQ(size->width, c.scaled->width);
            EXPECT_EQ(size->height, c.scaled->height);
        }
    }
}
