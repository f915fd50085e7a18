// The painter as a window will call it: the frame lies where pictureFrame says, and the curve in
// the frame's coordinates, so that a mouse position can be turned into x and y; and paintPicture
// on any painter, also one moved within a larger device, paints the pixels of the PNG file, every
// channel of them, alpha included.
#include "PlotPainter.h"
#include "SymbolNumberText.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace pellitor::plot;

namespace {

const pellitor::platform::SymbolNumberText Numbers = pellitor::platform::SymbolNumberText::plain();

// y = x^2 over -2 to 2, y from -1 to 4.
PlotPicture parabola(Size size)
{
    PlotPicture picture;
    picture.title = u"y=x^2";
    picture.xs = {-2.0, 2.0};
    picture.ys = {-1.0, 4.0};
    picture.size = size;
    std::vector<Point> piece;
    for (int i = 0; i <= 400; ++i) {
        const double x = -2.0 + i * 0.01;
        piece.push_back({x, x * x});
    }
    picture.pieces = std::make_shared<const Pieces>(Pieces{piece});
    picture.numbers = &Numbers;
    return picture;
}

QImage png(const PlotPicture& picture)
{
    std::string bytes;
    std::string error;
    EXPECT_TRUE(encodePicture(picture, PictureFormat::Png, bytes, error)) << error;
    // All four channels: a picture with a transparent pixel is not the painter's opaque one.
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG")
        .convertToFormat(QImage::Format_ARGB32);
}

bool isCurve(QRgb pixel)
{
    return qBlue(pixel) - qRed(pixel) > 50;
}

const Size Sizes[] = {{800, 500}, {1000, 600}, {300, 200}, {160, 160}};

} // namespace

TEST(PlotPainter, TheFrameLiesWherePictureFrameSays)
{
    for (const Size size : Sizes) {
        const PlotPicture picture = parabola(size);
        const QImage image = png(picture);
        ASSERT_EQ(image.size(), QSize(size.width, size.height));
        const QRectF frame = pictureFrame(picture);
        const int left = static_cast<int>(std::floor(frame.left()));
        const int right = static_cast<int>(std::floor(frame.right()));
        const int top = static_cast<int>(std::floor(frame.top()));
        const int bottom = static_cast<int>(std::floor(frame.bottom()));
        // The rows and the columns that are the frame's colour over most of the frame's length.
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y) {
            int count = 0;
            for (int x = left; x <= right; ++x)
                count += image.pixel(x, y) == FrameColour;
            if (count > (right - left) * 9 / 10)
                rows.push_back(y);
        }
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            int count = 0;
            for (int y = top; y <= bottom; ++y)
                count += image.pixel(x, y) == FrameColour;
            if (count > (bottom - top) * 9 / 10)
                columns.push_back(x);
        }
        EXPECT_EQ(rows, (std::vector<int>{top, bottom})) << size.width << "x" << size.height;
        EXPECT_EQ(columns, (std::vector<int>{left, right})) << size.width << "x" << size.height;
    }
}

TEST(PlotPainter, TheCurveLiesInTheFramesCoordinates)
{
    for (const Size size : Sizes) {
        const PlotPicture picture = parabola(size);
        const QImage image = png(picture);
        const QRectF frame = pictureFrame(picture);
        for (const double x : {-1.5, -1.0, -0.5, 0.0, 0.5, 1.0, 1.5}) {
            const double column = frame.left()
                                  + (x - picture.xs.from) / (picture.xs.to - picture.xs.from) * frame.width();
            const double row = frame.bottom()
                               - (x * x - picture.ys.from) / (picture.ys.to - picture.ys.from) * frame.height();
            bool found = false;
            for (int y = static_cast<int>(row) - 2; y <= static_cast<int>(row) + 2; ++y)
                found = found || isCurve(image.pixel(static_cast<int>(column), y));
            EXPECT_TRUE(found) << size.width << "x" << size.height << ": no curve near x=" << x << " at column "
                               << column << ", row " << row;
        }
    }
}

TEST(PlotPainter, PaintsOnAnyPainterWhatTheFileHolds)
{
    for (const Size size : Sizes) {
        const PlotPicture picture = parabola(size);
        QImage device(size.width + 30, size.height + 20, QImage::Format_RGB32);
        device.fill(Qt::black);
        {
            QPainter painter(&device);
            painter.translate(30, 20);
            paintPicture(painter, picture);
        }
        EXPECT_TRUE(device.copy(30, 20, size.width, size.height).convertToFormat(QImage::Format_ARGB32) == png(picture))
            << size.width << "x" << size.height;
        EXPECT_EQ(device.pixel(29, 19), QColor(Qt::black).rgb());
    }
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

// A view moved up or down by up to a view height keeps its frame where it was, though
// its labels change; a small picture still has two labels on each axis.
TEST(PlotPainter, TheFrameStaysWhileTheViewMovesAndSmallPicturesKeepTwoLabels)
{
    for (const Span start : {Span{-5.0, 5.0}, Span{0.0, 1.0}, Span{-1.5, 1.5}, Span{90.0, 110.0}}) {
        PlotPicture picture = parabola({640, 400});
        picture.ys = start;
        const double left = pictureFrame(picture).left();
        const double height = start.to - start.from;
        for (const double moved : {-1.0, -0.7, -0.45, -0.1, 0.1, 0.45, 0.7, 1.0}) {
            picture.ys = {start.from + moved * height, start.to + moved * height};
            EXPECT_EQ(pictureFrame(picture).left(), left) << start.from << " moved by " << moved;
        }
    }
    // Two labels a side on the smallest picture: the x labels below the frame, the y labels left.
    for (const Span ys : {Span{-1.1, 1.1}, Span{1.1, 2.9}, Span{-0.25, 5.25}}) {
        PlotPicture small = parabola({MinSide, MinSide});
        small.ys = ys;
        const QImage image = png(small);
        const QRectF frame = pictureFrame(small);
        const auto inkRuns = [&](bool below) {
            // Runs of dark pixels along the labels' band, beside the frame.
            int runs = 0;
            bool inRun = false;
            const int count = below ? image.width() : image.height();
            for (int i = 0; i < count; ++i) {
                bool ink = false;
                for (int j = 2; j < 12 && !ink; ++j) {
                    const QPoint at = below ? QPoint(i, int(frame.bottom()) + 5 + j)
                                            : QPoint(int(frame.left()) - 8 - j, i);
                    ink = image.valid(at) && qGray(image.pixel(at)) < 160;
                }
                runs += ink && !inRun;
                inRun = ink;
            }
            return runs;
        };
        EXPECT_GE(inkRuns(true), 2) << ys.from;
        EXPECT_GE(inkRuns(false), 2) << ys.from;
    }
}
