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

namespace pellitor::plot {

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
    // pellitor-calc's: the light colours, the fixed font, scale 1.
    PlotStyle style;
};

enum class PictureFormat { Png, Svg };

} // namespace pellitor::plot
