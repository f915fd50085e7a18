// The painter of the pictures: the frame with its grid, axes, ticks and labels, the title and the
// curve, painted with Qt's painter on any paint device (an image, Qt SVG's generator, a widget),
// and the picture encoded as a PNG or an SVG file. Needs a QGuiApplication, for the fonts; it
// starts none.
#pragma once

#include "PlotPicture.h"

#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <string>

class QPainter;

namespace pellitor::plot {

// The light picture's colours (ARGB), which pellitor-calc's pictures have.
inline constexpr std::uint32_t Background = PlotColours{}.background;
inline constexpr std::uint32_t FrameColour = PlotColours{}.frame;
inline constexpr std::uint32_t GridColour = PlotColours{}.grid;
inline constexpr std::uint32_t AxisColour = PlotColours{}.axis;
inline constexpr std::uint32_t CurveColour = PlotColours{}.curve;
inline constexpr std::uint32_t DimmedCurveColour = PlotColours{}.dimmedCurve;

// The most characters of a title that a picture shows; the rest is cut.
inline constexpr std::size_t LongestTitle = 4096;

// The frame's rectangle in the picture's pixels, (0, 0) at the picture's top left: x runs from
// xs.from at its left to xs.to at its right, y from ys.from at its bottom to ys.to at its top. It
// leaves room for the labels and the title, so it depends on the numbers and the fonts as well as
// on the size; paintPicture draws the frame's lines on the pixels that its edges lie in.
QRectF pictureFrame(const PlotPicture& picture);

// Paints the whole picture over (0, 0) to (size.width, size.height) of the painter's coordinates.
// It leaves the painter's font, pen, brush, clip and render hints as the curve needed them: a
// caller that paints more saves and restores the painter around it.
void paintPicture(QPainter& painter, const PlotPicture& picture);

// Paints the picture on an image (PNG) or into Qt SVG's generator (SVG) and encodes it, in
// memory: returns true with the file's bytes in bytes, or false with the reason in error.
bool encodePicture(const PlotPicture& picture, PictureFormat format, std::string& bytes, std::string& error);

} // namespace pellitor::plot
