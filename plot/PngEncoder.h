// PNG files of the pictures, fast: Qt's own PNG writer tries every row filter and took seconds on
// a large picture; lines on white need only the "up" filter and zlib's fastest level, which also
// packs them tighter.
#pragma once

#include <QImage>

#include <string>

namespace pellitor::plot {

// Appends the PNG of image (RGB, 8 bits a channel) to out; false with the reason in error.
bool encodePng(const QImage& image, std::string& out, std::string& error);

} // namespace pellitor::plot
