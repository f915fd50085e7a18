// Encoding a picture: painted on an image for PNG, written with libpng, and into Qt SVG's
// generator for SVG.
#include "PlotPainter.h"
#include "PngEncoder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdint>
#include <sys/mman.h>

namespace pellitor::plot {

namespace {

// An image whose memory lies in huge pages where the system gives them: a picture 8000 pixels
// wide touches 16 MB, and faulting that in page by page took longer than painting it (75 ms
// against a few in huge pages). A null image when there is no memory for it.
QImage mappedImage(int width, int height)
{
    constexpr std::size_t HugePage = std::size_t(2) << 20;
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    const std::size_t length = (bytes + HugePage - 1) / HugePage * HugePage + HugePage;
    void* const mapped = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return {};
    auto* const start = static_cast<uchar*>(mapped);
    uchar* const aligned = start + (HugePage - reinterpret_cast<std::uintptr_t>(start) % HugePage) % HugePage;
    ::madvise(aligned, length - static_cast<std::size_t>(aligned - start), MADV_HUGEPAGE);
    struct Mapping {
        void* address;
        std::size_t length;
    };
    const auto unmap = [](void* info) {
        const auto* mapping = static_cast<Mapping*>(info);
        ::munmap(mapping->address, mapping->length);
        delete mapping;
    };
    return QImage(aligned, width, height, width * 4, QImage::Format_RGB32, unmap, new Mapping{mapped, length});
}

} // namespace

bool encodePicture(const PlotPicture& picture, PictureFormat format, std::string& bytes, std::string& error)
{
    if (format == PictureFormat::Png) {
        QImage image = mappedImage(picture.size.width, picture.size.height);
        if (image.isNull()) {
            error = "out of memory for a picture of " + std::to_string(picture.size.width) + "x"
                    + std::to_string(picture.size.height) + " pixels";
            return false;
        }
        {
            QPainter painter(&image);
            paintPicture(painter, picture);
        }
        return encodePng(image, bytes, error);
    }
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(picture.size.width, picture.size.height));
    generator.setViewBox(QRect(0, 0, picture.size.width, picture.size.height));
    generator.setTitle(QString::fromStdU16String(picture.title));
    {
        QPainter painter(&generator);
        paintPicture(painter, picture);
    }
    bytes.assign(svg.constData(), static_cast<std::size_t>(svg.size()));
    return true;
}

} // namespace pellitor::plot
