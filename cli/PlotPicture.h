// The picture of a curve as pellitor-calc hands it to its picture module, and the module's entry
// point. The module links Qt's GUI and SVG libraries, which only --plot loads, so that every other
// use of pellitor-calc starts without them.
#pragma once

#include "NumberText.h"
#include "PlotSamples.h"
#include "Range.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pellitor::cli {

struct PlotPicture {
    std::u16string title;
    Span xs;
    Span ys;
    Size size;
    std::vector<std::vector<Point>> pieces;
    const platform::NumberText* numbers = nullptr;
};

// The colours (ARGB) that a reader of the picture tells apart.
inline constexpr std::uint32_t Background = 0xffffffff;
inline constexpr std::uint32_t FrameColour = 0xff404040;
inline constexpr std::uint32_t GridColour = 0xffe4e4e4;
inline constexpr std::uint32_t AxisColour = 0xffa0a0a0;
inline constexpr std::uint32_t CurveColour = 0xff1f5fbf;

enum class PictureFormat { Png, Svg };

// Writes the picture to path in the format; the file appears only when all of it was written.
// Returns true, or false with the reason in error.
using WritePicture = bool(const PlotPicture& picture, const std::string& path, PictureFormat format,
                          std::string& error);
inline constexpr const char* WritePictureSymbol = "pellitor_write_picture";
inline constexpr const char* PictureModuleName = "pellitor-plot.so";

} // namespace pellitor::cli
