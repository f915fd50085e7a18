// The picture module: lays out and paints the picture with Qt's painter, on an image for PNG and
// into Qt SVG's generator for SVG, under a QGuiApplication on the offscreen platform (fonts need
// one; a display is not needed).
#include "PlotPicture.h"

#include "ModuleBuild.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>
#include <vector>

namespace pellitor::cli {

namespace {

constexpr int TickLength = 5;
constexpr int Gap = 6;

// The ticks of a span: multiples of 1, 2 or 5 times a power of ten, about one per minPixels.
std::vector<double> ticks(const Span& span, double pixels, double minPixels)
{
    const double rough = (span.to - span.from) / std::max(1.0, pixels / minPixels);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    std::vector<double> result;
    for (double k = std::ceil(span.from / step); k * step <= span.to; k += 1.0) {
        const double value = k * step;
        // k * step of a tick at 0 may come out as a tiny remainder of rounding.
        result.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
    }
    return result;
}

QString label(const PlotPicture& picture, double value)
{
    return QString::fromStdU16String(picture.numbers->general(static_cast<float>(value)));
}

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing of it lies inside.
bool clip(QPointF& a, QPointF& b, const QRectF& r)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

void paint(QPaintDevice& device, const PlotPicture& picture)
{
    QPainter painter(&device);
    const QRectF whole(0, 0, picture.size.width, picture.size.height);
    painter.fillRect(whole, QColor(Background));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QFont titleFont = font;
    titleFont.setPixelSize(15);
    const QFontMetricsF metrics(font);
    const QFontMetricsF titleMetrics(titleFont);

    // The frame leaves room for the widest y label at its left, the x labels below, the title above.
    const std::vector<double> yTicksRough = ticks(picture.ys, picture.size.height, 40.0);
    double labelWidth = 0.0;
    for (const double y : yTicksRough)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label(picture, y)));
    const double left = std::ceil(labelWidth) + TickLength + 2 * Gap;
    const double top = std::ceil(titleMetrics.height()) + 2 * Gap;
    const double bottom = picture.size.height - std::ceil(metrics.height()) - TickLength - 2 * Gap;
    const double right = picture.size.width - 3 * Gap - std::ceil(metrics.horizontalAdvance(QStringLiteral("0000")) / 2);
    const QRectF frame(QPointF(left, top), QPointF(right, bottom));

    const auto px = [&](double x) { return left + (x - picture.xs.from) / (picture.xs.to - picture.xs.from) * frame.width(); };
    const auto py = [&](double y) { return bottom - (y - picture.ys.from) / (picture.ys.to - picture.ys.from) * frame.height(); };

    const std::vector<double> xTicks = ticks(picture.xs, frame.width(), 90.0);
    const std::vector<double> yTicks = ticks(picture.ys, frame.height(), 40.0);

    // Grid and axes are lines of one pixel at whole pixels, unsmoothed.
    painter.setFont(font);
    const auto crisp = [](double v) { return std::floor(v) + 0.5; };
    painter.setPen(QColor(GridColour));
    for (const double x : xTicks)
        painter.drawLine(QPointF(crisp(px(x)), top), QPointF(crisp(px(x)), bottom));
    for (const double y : yTicks)
        painter.drawLine(QPointF(left, crisp(py(y))), QPointF(right, crisp(py(y))));
    painter.setPen(QColor(AxisColour));
    if (picture.xs.from < 0.0 && picture.xs.to > 0.0)
        painter.drawLine(QPointF(crisp(px(0.0)), top), QPointF(crisp(px(0.0)), bottom));
    if (picture.ys.from < 0.0 && picture.ys.to > 0.0)
        painter.drawLine(QPointF(left, crisp(py(0.0))), QPointF(right, crisp(py(0.0))));

    painter.setPen(QColor(FrameColour));
    for (const double x : xTicks) {
        const double at = crisp(px(x));
        painter.drawLine(QPointF(at, crisp(bottom)), QPointF(at, crisp(bottom) + TickLength));
        const QString text = label(picture, x);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at - width / 2, bottom + TickLength + Gap + metrics.ascent()), text);
    }
    for (const double y : yTicks) {
        const double at = crisp(py(y));
        painter.drawLine(QPointF(crisp(left) - TickLength, at), QPointF(crisp(left), at));
        const QString text = label(picture, y);
        painter.drawText(QPointF(left - TickLength - Gap - metrics.horizontalAdvance(text),
                                 at + (metrics.ascent() - metrics.descent()) / 2),
                         text);
    }
    painter.drawRect(QRectF(QPointF(crisp(left), crisp(top)), QPointF(crisp(right), crisp(bottom))));

    painter.setFont(titleFont);
    const QString title = titleMetrics.elidedText(QString::fromStdU16String(picture.title), Qt::ElideRight,
                                                  picture.size.width - 2 * Gap);
    painter.drawText(QPointF((picture.size.width - titleMetrics.horizontalAdvance(title)) / 2,
                             Gap + titleMetrics.ascent()),
                     title);

    // The curve: each piece one path, cut to the frame, so that a far value never becomes a
    // coordinate the rasteriser must cope with.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame);
    QPen pen{QColor(CurveColour)};
    pen.setWidthF(2.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF reach = frame.adjusted(-2, -2, 2, 2);
    for (const std::vector<Point>& piece : picture.pieces) {
        QPainterPath path;
        for (std::size_t i = 1; i < piece.size(); ++i) {
            QPointF a(px(piece[i - 1].x), py(piece[i - 1].y));
            QPointF b(px(piece[i].x), py(piece[i].y));
            if (!clip(a, b, reach))
                continue;
            if (path.isEmpty() || path.currentPosition() != a)
                path.moveTo(a);
            path.lineTo(b);
        }
        painter.drawPath(path);
    }
}

// Qt's start-up warns when XDG_RUNTIME_DIR is unset, which says nothing about the picture.
void quietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qt_message_output(type, context, message);
}

bool write(const PlotPicture& picture, const std::string& path, PictureFormat format, std::string& error)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietStartup);
    static int argc = 1;
    static char program[] = "pellitor-calc";
    static char* argv[] = {program, nullptr};
    const QGuiApplication application(argc, argv);

    // A regular file is painted into a replacement that takes its place only once complete. A
    // device or a pipe (/dev/stdout) cannot be replaced, and is written in place.
    const QString name = QString::fromLocal8Bit(path.c_str());
    const QFileInfo info(name);
    QSaveFile replacement(name);
    QFile inPlace(name);
    const bool special = info.exists() && !info.isFile();
    QFileDevice& file = special ? static_cast<QFileDevice&>(inPlace) : replacement;
    bool painted = file.open(QIODevice::WriteOnly);
    if (painted && format == PictureFormat::Png) {
        QImage image(picture.size.width, picture.size.height, QImage::Format_RGB32);
        paint(image, picture);
        // Quality 80 is zlib's fastest level: lines on white pack nearly as well, in far less time.
        constexpr int FastestCompression = 80;
        painted = image.save(&file, "PNG", FastestCompression);
    } else if (painted) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(picture.size.width, picture.size.height));
        generator.setViewBox(QRect(0, 0, picture.size.width, picture.size.height));
        generator.setTitle(QString::fromStdU16String(picture.title));
        paint(generator, picture);
        painted = file.error() == QFileDevice::NoError;
    }
    if (painted && (special ? inPlace.flush() && inPlace.error() == QFileDevice::NoError : replacement.commit()))
        return true;
    error = file.errorString().toStdString();
    return false;
}

} // namespace

} // namespace pellitor::cli

PELLITOR_MODULE_BUILD

extern "C" __attribute__((visibility("default"))) bool pellitor_write_picture(const pellitor::cli::PlotPicture& picture,
                                                                              const std::string& path,
                                                                              pellitor::cli::PictureFormat format,
                                                                              std::string& error)
{
    return pellitor::cli::write(picture, path, format, error);
}
