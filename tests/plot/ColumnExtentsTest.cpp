// Every pixel column of a picture is true: in the painted image, each column of the frame shows
// the curve from the least to the greatest y over its x, against a reference taken in the test
// with 2,048 evaluations per column; fast sines fill a band, a smooth curve is a line, a pole
// breaks the curve, and zoomed-out 2cos(x^2)/x shows its envelope and no bump it lacks.
#include "PlotCurve.h"
#include "PlotPainter.h"
#include "SymbolNumberText.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace pellitor::plot;

namespace {

const pellitor::platform::SymbolNumberText ColumnNumbers = pellitor::platform::SymbolNumberText::plain();

// The curve's pixels: the pen's colour over at least half its strength against the background.
bool strong(QRgb pixel)
{
    return qRed(pixel) < 0x90 && qBlue(pixel) > 0xa0;
}

struct Extent {
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    bool empty() const { return low > high; }
};

Extent referenceOver(const std::function<double(double)>& f, double from, double to)
{
    Extent extent;
    constexpr int Evaluations = 2048;
    for (int i = 0; i <= Evaluations; ++i) {
        const double y = f(static_cast<float>(from + (to - from) * i / Evaluations));
        if (std::isfinite(y)) {
            extent.low = std::min(extent.low, y);
            extent.high = std::max(extent.high, y);
        }
    }
    return extent;
}

} // namespace

TEST(ColumnExtents, EachColumnShowsTheRangeOfYOverItsX)
{
    const struct {
        const char* name;
        std::function<double(double)> f;
        Span xs;
        std::vector<double> breaks; // x where the test does not look: poles, gaps
    } cases[] = {
        {"sin(200x): a band", [](double x) { return std::sin(200 * x); }, {-10, 10}, {}},
        {"2cos(x^2)/x zoomed out", [](double x) { return x == 0 ? NAN : 2 * std::cos(x * x) / x; }, {-80, 80}, {0}},
        {"x^2: a line", [](double x) { return x * x; }, {-3, 3}, {}},
        {"tan: poles",
         [](double x) { return std::tan(x); },
         {-5, 5},
         {-M_PI / 2, M_PI / 2, -3 * M_PI / 2, 3 * M_PI / 2}},
        {"sin(1/x): ever faster", [](double x) { return x == 0 ? NAN : std::sin(1 / x); }, {-0.5, 0.5}, {0}},
    };
    for (const auto& c : cases) {
        const Curve curve = [&](float x) -> std::optional<double> {
            const double y = c.f(x);
            return std::isfinite(y) ? std::optional(y) : std::nullopt;
        };
        PlotPicture picture;
        picture.xs = c.xs;
        picture.size = {640, 400};
        picture.numbers = &ColumnNumbers;
        CurveShape shape = shapeCurve(eachOf(curve), c.xs, std::nullopt, picture.size);
        ASSERT_TRUE(shape.ys) << c.name;
        picture.ys = *shape.ys;
        picture.pieces = std::make_shared<const Pieces>(std::move(shape.pieces));
        QImage image(640, 400, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paintPicture(painter, picture);
        }
        const QRectF frame = pictureFrame(picture);
        const Span& ys = picture.ys;
        const auto xAt = [&](double px) {
            return c.xs.from + (px - frame.left()) / frame.width() * (c.xs.to - c.xs.from);
        };
        const auto rowOf = [&](double y) {
            return frame.bottom() - (std::clamp(y, ys.from, ys.to) - ys.from) / (ys.to - ys.from) * frame.height();
        };
        // A sample column of the picture is narrower than a frame column, and the pen is two
        // pixels wide: the curve may reach out by one of the first and the pen's half width on
        // either side, with its smoothing.
        const double pixel = (c.xs.to - c.xs.from) / frame.width();
        const double reach = (c.xs.to - c.xs.from) / picture.size.width + 1.5 * pixel;
        int checked = 0;
        for (int px = static_cast<int>(frame.left()) + 3; px < static_cast<int>(frame.right()) - 3; ++px) {
            const double from = xAt(px), to = xAt(px + 1);
            const bool nearBreak = std::any_of(c.breaks.begin(), c.breaks.end(),
                                               [&](double b) { return b > from - 3 * reach && b < to + 3 * reach; });
            const Extent inner = referenceOver(c.f, from, to);
            const Extent outer = referenceOver(c.f, from - reach, to + reach);
            if (nearBreak || inner.empty() || inner.high < ys.from || inner.low > ys.to)
                continue;
            int top = -1, bottom = -1;
            for (int row = static_cast<int>(frame.top()) + 1; row < static_cast<int>(frame.bottom()); ++row) {
                if (strong(image.pixel(px, row))) {
                    if (top < 0)
                        top = row;
                    bottom = row;
                }
            }
            ASSERT_GE(top, 0) << c.name << ": nothing drawn at x " << from;
            // Covers the column's range, and reaches no further than its neighbours' (the pen's
            // half width and its smoothing besides).
            constexpr double Pen = 2.5;
            EXPECT_LE(top, rowOf(inner.high) + Pen) << c.name << " at x " << from;
            EXPECT_GE(bottom, rowOf(inner.low) - Pen) << c.name << " at x " << from;
            EXPECT_GE(top, rowOf(outer.high) - Pen) << c.name << " at x " << from;
            EXPECT_LE(bottom, rowOf(outer.low) + Pen) << c.name << " at x " << from;
            ++checked;
        }
        EXPECT_GT(checked, 100) << c.name;
    }
}
