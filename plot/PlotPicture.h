// What a picture of a curve shows: its title, its ranges, its size, the pieces of the curve and
// the number texts of its labels. Qt-free, so that pellitor-calc fills it without Qt and hands
// it to its picture module, which paints it.
#pragma once

#include "NumberText.h"
#include "PlotSamples.h"
#include "PlotSpan.h"
#include "PlotStyle.h"

#include <memory>
#include <string>
#include <vector>

namespace pellitor::plot {

// A further curve of a picture (a pinned one), drawn under the first.
struct PictureCurve {
    std::shared_ptr<const Pieces> pieces;
    std::u16string label;   // its line in the legend: "y1=sin(x)"
    std::size_t colour = 0; // its place among the curves' colours
};

struct PlotPicture {
    std::u16string title;
    Span xs;
    Span ys;
    Size size;
    // Shared, not copied: a window paints the pieces of a finished curve as they are.
    std::shared_ptr<const Pieces> pieces;
    const platform::NumberText* numbers = nullptr;
    // A curve that is no longer the expression's (the last one drawn while the text is refused):
    // painted in a paler colour, at less than half the contrast.
    bool dimmed = false;
    // The first curve's colour and, where the picture has further curves, its line in the legend,
    // which lists the further curves first and then it.
    std::size_t colour = 0;
    std::u16string label;
    std::vector<PictureCurve> more;
    // pellitor-calc's: the light colours, the fixed font, scale 1.
    PlotStyle style;
};

enum class PictureFormat { Png, Svg };

} // namespace pellitor::plot
