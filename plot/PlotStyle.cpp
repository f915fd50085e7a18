// The picture's colours on any background, by their contrasts.
#include "PlotStyle.h"

#include <algorithm>
#include <cmath>

namespace pellitor::plot {

namespace {
double channel(std::uint32_t colour, int shift)
{
    const double value = ((colour >> shift) & 0xff) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t colour)
{
    return 0.2126 * channel(colour, 16) + 0.7152 * channel(colour, 8) + 0.0722 * channel(colour, 0);
}

// From a (t = 0) to b (t = 1), channel by channel.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t)
{
    std::uint32_t result = 0xff000000;
    for (const int shift : {16, 8, 0}) {
        const double from = (a >> shift) & 0xff;
        const double to = (b >> shift) & 0xff;
        result |= std::uint32_t(std::lround(from + (to - from) * t)) << shift;
    }
    return result;
}

// The colour nearest to from on the way to towards whose contrast with background is at least
// (or, with atMost, at most) wanted; towards itself where no colour on the way reaches it.
std::uint32_t mixedTo(std::uint32_t from, std::uint32_t towards, std::uint32_t background, double wanted,
                      bool atMost = false)
{
    const auto enough = [&](double t) {
        const double c = contrast(mix(from, towards, t), background);
        return atMost ? c <= wanted : c >= wanted;
    };
    if (enough(0.0))
        return from;
    if (!enough(1.0))
        return towards;
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 30; ++i)
        (enough((low + high) / 2) ? high : low) = (low + high) / 2;
    return mix(from, towards, high);
}
// Halfway to the background, or further where that still has more than half the contrast.
std::uint32_t dimmed(std::uint32_t colour, std::uint32_t background)
{
    return mixedTo(mix(colour, background, 0.5), background, background, contrast(colour, background) / 2.0, true);
}
} // namespace

double contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

PlotColours coloursOn(std::uint32_t background, std::uint32_t foreground)
{
    background |= 0xff000000;
    foreground |= 0xff000000;
    PlotColours colours;
    colours.background = background;
    // Up to a quarter of the way to the background, as the light picture's frame is from black,
    // where it keeps 7:1; the foreground itself where even that is more than it has.
    colours.frame = foreground;
    for (double t = 0.25; t > 0.0; t -= 0.01) {
        if (contrast(mix(foreground, background, t), background) >= 7.0) {
            colours.frame = mix(foreground, background, t);
            break;
        }
    }
    colours.grid = mixedTo(background, foreground, background, 1.6);
    colours.axis = mixedTo(background, foreground, background, 3.9);
    colours.curve = withContrast(PlotColours{}.curve, background, 4.5);
    colours.dimmedCurve = dimmed(colours.curve, background);
    return colours;
}

std::uint32_t dimmedCurveColour(const PlotColours& colours, std::size_t index)
{
    return index % MostCurves == 0 ? colours.dimmedCurve : dimmed(curveColour(colours, index), colours.background);
}

std::uint32_t curveColour(const PlotColours& colours, std::size_t index)
{
    constexpr std::uint32_t Palette[MostCurves] = {0,          0xffd55e00, 0xff009e73, 0xffcc79a7,
                                                   0xffe69f00, 0xff56b4e9, 0xfff0e442, 0xff808080};
    if (index % MostCurves == 0)
        return colours.curve;
    return withContrast(Palette[index % MostCurves], colours.background, 4.5);
}

std::uint32_t withContrast(std::uint32_t colour, std::uint32_t background, double wanted)
{
    // Lighter on a dark background, darker on a light one.
    const bool dark = luminance(background | 0xff000000) < 0.18;
    return mixedTo(colour | 0xff000000, dark ? 0xffffffff : 0xff000000, background | 0xff000000, wanted);
}

} // namespace pellitor::plot
