// The entry point of pellitor-calc's picture module. The module links Qt's GUI and SVG libraries,
// which only --plot loads, so that every other use of pellitor-calc starts without them.
#pragma once

#include "PlotPicture.h"

#include <string>

namespace pellitor::cli {

// Paints the picture and encodes it in the format, in memory: returns true with the file's bytes
// in bytes, or false with the reason in error.
using DrawPicture = bool(const plot::PlotPicture& picture, plot::PictureFormat format, std::string& bytes,
                         std::string& error);
inline constexpr const char* DrawPictureSymbol = "pellitor_draw_picture";
inline constexpr const char* PictureModuleName = "pellitor-plot.so";

} // namespace pellitor::cli
