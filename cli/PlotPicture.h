// Paints the picture of a curve: title, frame, light grid, ticks with numbered labels, the axes
// through 0 and the curve's pieces, clipped to the frame. Needs a QGuiApplication for its fonts.
#pragma once

#include "NumberText.h"
#include "PlotSamples.h"
#include "Range.h"

#include <QRgb>
#include <QString>

class QPaintDevice;

namespace pellitor::cli {

struct PlotPicture {
    QString title;
    Span xs;
    Span ys;
    Size size;
    std::vector<std::vector<Point>> pieces;
    const platform::NumberText* numbers = nullptr;
};

// The colours that a reader of the picture (and its tests) tell apart.
inline constexpr QRgb Background = 0xffffffff;
inline constexpr QRgb FrameColour = 0xff404040;
inline constexpr QRgb GridColour = 0xffe4e4e4;
inline constexpr QRgb AxisColour = 0xffa0a0a0;
inline constexpr QRgb CurveColour = 0xff1f5fbf;

void paint(QPaintDevice& device, const PlotPicture& picture);

} // namespace pellitor::cli
