// How a picture looks: its colours, the labels' font and its scale. The picture that pellitor-calc
// writes (and a graph saves, copies or prints) is the light one in a fixed font; a graph window
// paints in its desktop's colours and font, with the contrasts a reader needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pellitor::plot {

// Colours as ARGB.
struct PlotColours {
    std::uint32_t background = 0xffffffff;
    std::uint32_t frame = 0xff404040; // the frame, the ticks, the labels and the title
    std::uint32_t grid = 0xffd0d0d0;  // seen, and no more: 1.5:1
    std::uint32_t axis = 0xff808080;  // the axes through 0: 3.9:1, as graphics need 3:1
    std::uint32_t curve = 0xff1f5fbf; // 6.1:1
    // The last curve kept while the text is refused: at most half the live curve's contrast.
    std::uint32_t dimmedCurve = 0xff8fafdf;
};

struct PlotStyle {
    PlotColours colours;
    // The labels' font; the title's is a quarter larger.
    std::string fontFamily = "DejaVu Sans";
    double labelPixels = 12.0;
    // Device pixels per pixel of the layout: lines, gaps and text grow with it.
    double scale = 1.0;
};

// The most curves a picture draws, and their colours: the first the light picture's blue, the
// rest from a palette that colour-blind readers tell apart (blue, vermilion, bluish green,
// reddish purple, orange, sky blue, yellow, grey), each made darker or lighter until it has the
// curve's 4.5:1 against the background.
inline constexpr std::size_t MostCurves = 8;
std::uint32_t curveColour(const PlotColours& colours, std::size_t index);
// The same for a curve kept while its text is refused: halfway to the background, or further, to at
// most half the curve's contrast.
std::uint32_t dimmedCurveColour(const PlotColours& colours, std::size_t index);

// The contrast of two colours as WCAG 2 defines it: from 1 (the same) to 21 (black on white).
double contrast(std::uint32_t a, std::uint32_t b);

// The colours for a background and a foreground (a palette's text): the frame up to a quarter of
// the way from the foreground to the background where it keeps 7:1, the grid and the axes mixed from the two to 1.6:1
// and 3.9:1, the curve in the light picture's blue made lighter or darker until it has 4.5:1 at least, and the dimmed
// curve halfway to the background, or further, to at most half the curve's contrast.
PlotColours coloursOn(std::uint32_t background, std::uint32_t foreground);

// colour, or the nearest colour on the way to white (on a dark background) or black (on a light
// one) that has the contrast wanted with background.
std::uint32_t withContrast(std::uint32_t colour, std::uint32_t background, double wanted);

} // namespace pellitor::plot
