// Encoding with libpng, whose errors come back through setjmp: the function that sets it holds
// nothing but plain values, so that the jump skips no destructor.
#include "PngEncoder.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <exception>
#include <vector>

namespace pellitor::plot {

namespace {

struct Output {
    std::string* bytes;
    std::string error;
};

void append(png_structp png, png_bytep data, png_size_t length)
{
    auto* output = static_cast<Output*>(png_get_io_ptr(png));
    try {
        output->bytes->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::exception&) {
        output->error = "out of memory";
        png_error(png, "out of memory");
    }
}

void noFlush(png_structp) {}

void failed(png_structp png, png_const_charp message)
{
    auto* output = static_cast<Output*>(png_get_io_ptr(png));
    if (output != nullptr && output->error.empty())
        output->error = message;
    png_longjmp(png, 1);
}

void warned(png_structp, png_const_charp) {}

// Writes the rows; the row buffer and everything else it touches exist before setjmp.
bool write(png_structp png, png_infop info, const QImage& image, unsigned char* row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = static_cast<unsigned char>(qRed(pixel[x]));
            row[3 * x + 1] = static_cast<unsigned char>(qGreen(pixel[x]));
            row[3 * x + 2] = static_cast<unsigned char>(qBlue(pixel[x]));
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool encodePng(const QImage& image, std::string& out, std::string& error)
{
    Output output{&out, {}};
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failed, warned);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &output, append, noFlush);
        written = write(png, info, image, row.data());
    }
    png_destroy_write_struct(&png, info == nullptr ? nullptr : &info);
    if (!written)
        error = output.error.empty() ? "cannot encode the PNG picture" : output.error;
    return written;
}

} // namespace pellitor::plot
