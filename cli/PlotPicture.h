// The picture of a curve as pellitor-calc hands it to its picture module, and the module's entry
// point. The module links Qt's GUI and SVG libraries, which only --plot loads, so that every other
// use of pellitor-calc starts without them.
#pragma once

#include "NumberText.h"
#include "PlotSamples.h"
#include "PlotSpan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pellitor::cli {

struct PlotPicture {
    std::u16string title;
    plot::Span xs;
    plot::Span ys;
    plot::Size size;
    std::vector<std::vector<plot::Point>> pieces;
    const platform::NumberText* numbers = nullptr;
};

// The colours (ARGB) that a reader of the picture tells apart.
inline constexpr std::uint32_t Background = 0xffffffff;
inline constexpr std::uint32_t FrameColour = 0xff404040;
inline constexpr std::uint32_t GridColour = 0xffe4e4e4;
inline constexpr std::uint32_t AxisColour = 0xffa0a0a0;
inline constexpr std::uint32_t CurveColour = 0xff1f5fbf;

enum class PictureFormat { Png, Svg };

// Paints the picture and encodes it in the format, in memory: returns true with the file's bytes
// in bytes, or false with the reason in error.
using DrawPicture = bool(const PlotPicture& picture, PictureFormat format, std::string& bytes, std::string& error);
inline constexpr const char* DrawPictureSymbol = "pellitor_draw_picture";
inline constexpr const char* PictureModuleName = "pellitor-plot.so";

} // namespace pellitor::cli
