// The picture's colours on the desktop's palettes: the contrasts a reader needs, on light, dark
// and high-contrast backgrounds.
#include "PlotStyle.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pellitor::plot;

TEST(PlotStyle, ColoursKeepTheirContrastsOnEveryPalette)
{
    const struct {
        const char* name;
        std::uint32_t background, foreground;
    } palettes[] = {
        {"light", 0xffffffff, 0xff000000},
        {"light grey", 0xfff0f0f0, 0xff202020},
        {"dark", 0xff2b2b2b, 0xffe0e0e0},
        {"dark blue", 0xff1e2433, 0xffd8dee9},
        {"high contrast, white on black", 0xff000000, 0xffffffff},
        {"high contrast, black on white", 0xffffffff, 0xff000000},
    };
    for (const auto& p : palettes) {
        const PlotColours c = coloursOn(p.background, p.foreground);
        EXPECT_EQ(c.background, p.background) << p.name;
        EXPECT_GE(contrast(c.frame, c.background), std::min(7.0, contrast(p.foreground, p.background))) << p.name;
        EXPECT_GE(contrast(c.axis, c.background), 3.0) << p.name;
        EXPECT_GE(contrast(c.grid, c.background), 1.3) << p.name;
        EXPECT_LT(contrast(c.grid, c.background), contrast(c.axis, c.background)) << p.name;
        EXPECT_GE(contrast(c.curve, c.background), 4.5) << p.name;
        EXPECT_LE(contrast(c.dimmedCurve, c.background), contrast(c.curve, c.background) / 2 + 1e-9) << p.name;
        EXPECT_GT(contrast(c.dimmedCurve, c.background), 1.2) << p.name; // still seen
    }
    // The light picture's own colours meet the same rules.
    const PlotColours light;
    EXPECT_GE(contrast(light.axis, light.background), 3.0);
    EXPECT_GE(contrast(light.curve, light.background), 4.5);
    EXPECT_LE(contrast(light.dimmedCurve, light.background), contrast(light.curve, light.background) / 2);
    EXPECT_DOUBLE_EQ(contrast(0xff000000, 0xffffffff), 21.0);
}
