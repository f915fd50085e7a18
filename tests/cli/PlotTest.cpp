// The pixels of the pictures that the real pellitor-calc writes: where a simple curve must and
// must not be, its gaps, no line across a pole, several curves in their colours, and a file that
// appears only on success.
#include "PlotSpan.h"
#include "PlotStyle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sys/stat.h>

using pellitor::plot::Span;

namespace {

constexpr QRgb Frame = 0xff404040;

bool isCurve(QRgb pixel)
{
    return qBlue(pixel) - qRed(pixel) > 50;
}

// The frame: the rows and columns that are mostly the frame's colour.
struct FrameLines {
    int left = -1, top = -1, right = -1, bottom = -1;
};

FrameLines findFrame(const QImage& image)
{
    FrameLines frame;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == Frame;
        if (count > image.width() / 2) {
            frame.top = frame.top < 0 ? y : frame.top;
            frame.bottom = y;
        }
    }
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += image.pixel(x, y) == Frame;
        if (count > image.height() / 2) {
            frame.left = frame.left < 0 ? x : frame.left;
            frame.right = x;
        }
    }
    return frame;
}

struct Plot {
    QImage image;
    FrameLines frame;
    Span xs, ys;

    double column(double x) const
    {
        return frame.left + (x - xs.from) / (xs.to - xs.from) * (frame.right - frame.left);
    }
    double row(double y) const { return frame.bottom - (y - ys.from) / (ys.to - ys.from) * (frame.bottom - frame.top); }
    double xAt(int column) const
    {
        return xs.from + (column - frame.left) * (xs.to - xs.from) / (frame.right - frame.left);
    }
    // The curve's rows in a column, inside the frame.
    std::vector<int> curveRows(int column) const
    {
        std::vector<int> rows;
        for (int y = frame.top + 1; y < frame.bottom; ++y) {
            if (isCurve(image.pixel(column, y)))
                rows.push_back(y);
        }
        return rows;
    }
};

int runCalc(const QStringList& arguments, const QString& locale = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PELLITOR_CALC), arguments);
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

Plot draw(const QStringList& expressions, Span xs, Span ys, bool degrees = false)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plot.png"));
    QStringList arguments{QStringLiteral("--plot"), QStringLiteral("%1:%2").arg(xs.from).arg(xs.to),
                          QStringLiteral("--y"),    QStringLiteral("%1:%2").arg(ys.from).arg(ys.to),
                          QStringLiteral("--size"), QStringLiteral("500x400"),
                          QStringLiteral("-o"),     path,
                          QStringLiteral("--")};
    arguments += expressions;
    const std::string expression = expressions.join(u' ').toStdString();
    if (degrees)
        arguments.prepend(QStringLiteral("--angle"));
    EXPECT_EQ(runCalc(arguments), 0) << expression;
    Plot plot{QImage(path), {}, xs, ys};
    plot.frame = findFrame(plot.image);
    EXPECT_GT(plot.frame.right - plot.frame.left, 300);
    EXPECT_GT(plot.frame.bottom - plot.frame.top, 250);
    return plot;
}

} // namespace

TEST(PlotPixels, TheCurveIsWhereTheFunctionIs)
{
    const struct {
        QString expression;
        Span xs;
        Span ys;
        std::function<double(double)> f;
    } cases[] = {
        {QStringLiteral("x"), {-1, 1}, {-1, 1}, [](double x) { return x; }},
        {QStringLiteral("x^2-1"), {-2, 2}, {-1.5, 3.5}, [](double x) { return x * x - 1; }},
        {QStringLiteral("2cos(x^2)/x"), {0.5, 5}, {-3, 3}, [](double x) { return 2 * std::cos(x * x) / x; }},
    };
    for (const auto& c : cases) {
        const Plot plot = draw({c.expression}, c.xs, c.ys);
        int checked = 0;
        for (int column = plot.frame.left + 3; column < plot.frame.right - 3; ++column) {
            const double y = c.f(plot.xAt(column));
            const double slope = std::fabs(c.f(plot.xAt(column + 1)) - c.f(plot.xAt(column - 1))) / 2;
            const double reach = 3 + slope * (plot.frame.bottom - plot.frame.top) / (c.ys.to - c.ys.from);
            const double expected = plot.row(y);
            if (expected < plot.frame.top + reach || expected > plot.frame.bottom - reach)
                continue;
            const std::vector<int> rows = plot.curveRows(column);
            ASSERT_FALSE(rows.empty()) << c.expression.toStdString() << ": no curve in column " << column;
            for (const int row : rows) {
                EXPECT_LE(std::fabs(row - expected), reach)
                    << c.expression.toStdString() << ": curve at row " << row << " in column " << column
                    << ", expected near " << expected;
            }
            ++checked;
        }
        EXPECT_GT(checked, 200) << c.expression.toStdString();
    }
}

TEST(PlotPixels, GapsWhereTheEvaluationFails)
{
    const Plot plot = draw({QStringLiteral("sqr(x)")}, {-1, 1}, {-1, 1});
    for (int column = plot.frame.left + 2; column < plot.frame.right - 2; ++column) {
        const double x = plot.xAt(column);
        if (x < -0.02) {
            EXPECT_TRUE(plot.curveRows(column).empty()) << "curve at x=" << x;
        } else if (x > 0.05) {
            EXPECT_FALSE(plot.curveRows(column).empty()) << "no curve at x=" << x;
        }
    }
}

TEST(PlotPixels, NoLineAcrossAPole)
{
    const struct {
        QString expression;
        Span xs;
        double pole;
        bool degrees;
    } cases[] = {
        {QStringLiteral("tan(x)"), {0, 180}, 90, true},
        {QStringLiteral("tan(x)"), {-360, 360}, -270, true},
        {QStringLiteral("1/x"), {-1, 1}, 0, false},
        {QStringLiteral("1/(x-0.3)"), {-1, 1}, 0.3, false},
    };
    for (const auto& c : cases) {
        const Plot plot = draw({c.expression}, c.xs, {-10, 10}, c.degrees);
        const int pole = static_cast<int>(std::lround(plot.column(c.pole)));
        for (int column = pole - 4; column <= pole + 4; ++column) {
            for (const int row : plot.curveRows(column)) {
                EXPECT_FALSE(row > plot.row(5) && row < plot.row(-5))
                    << c.expression.toStdString() << ": curve at row " << row << " in column " << column;
            }
        }
        // The branches themselves are drawn on either side of the pole.
        const auto drawnBetween = [&plot](int from, int to) {
            for (int column = from; column <= to; ++column) {
                if (!plot.curveRows(column).empty())
                    return true;
            }
            return false;
        };
        EXPECT_TRUE(drawnBetween(pole - 40, pole - 5) && drawnBetween(pole + 5, pole + 40))
            << c.expression.toStdString();
    }
}

// Each operand is a curve in its own colour of the palette, in order: every pixel of a curve's exact
// colour lies on that curve. The legend fills the frame's top left corner, so its right half is read.
TEST(PlotPixels, SeveralCurvesInTheirColours)
{
    const std::function<double(double)> curves[] = {[](double) { return 0.5; }, [](double) { return -0.5; },
                                                    [](double x) { return x; }};
    const Plot plot = draw({QStringLiteral("0.5"), QStringLiteral("-0.5"), QStringLiteral("x")}, {-1, 1}, {-1, 1});
    for (std::size_t i = 0; i < std::size(curves); ++i) {
        const QRgb colour = pellitor::plot::curveColour(pellitor::plot::PlotColours{}, i);
        int found = 0;
        for (int column = (plot.frame.left + plot.frame.right) / 2; column < plot.frame.right - 2; ++column) {
            for (int row = plot.frame.top + 1; row < plot.frame.bottom; ++row) {
                if (plot.image.pixel(column, row) != colour)
                    continue;
                ++found;
                EXPECT_LE(std::fabs(row - plot.row(curves[i](plot.xAt(column)))), 3.0)
                    << "curve " << i << " at row " << row << " in column " << column;
            }
        }
        EXPECT_GT(found, 100) << "curve " << i;
    }
}

TEST(PlotFiles, WrittenOnlyOnSuccess)
{
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.png"));
    {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("before");
    }
    const QString fresh = folder.filePath(QStringLiteral("fresh.png"));
    const struct {
        QStringList arguments;
        int status;
        QString path;
    } cases[] = {
        {{QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"), kept, QStringLiteral("2+y")}, 3, kept},
        {{QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"), kept, QStringLiteral("x=1")}, 3, kept},
        {{QStringLiteral("--plot"), QStringLiteral("-2:-1"), QStringLiteral("-o"), kept, QStringLiteral("sqr(x)")},
         1,
         kept},
        {{QStringLiteral("--plot"), QStringLiteral("1:0"), QStringLiteral("-o"), fresh, QStringLiteral("x")},
         64,
         fresh},
        {{QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("--size"), QStringLiteral("20x20"),
          QStringLiteral("-o"), fresh, QStringLiteral("x")},
         64,
         fresh},
        {{QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"),
          folder.filePath(QStringLiteral("p.gif")), QStringLiteral("x")},
         64,
         folder.filePath(QStringLiteral("p.gif"))},
        {{QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"),
          folder.filePath(QStringLiteral("missing/p.png")), QStringLiteral("x")},
         74,
         folder.filePath(QStringLiteral("missing/p.png"))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runCalc(c.arguments), c.status) << c.arguments.join(u' ').toStdString();
        if (c.path == kept) {
            QFile file(kept);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), "before") << c.arguments.join(u' ').toStdString();
        } else {
            EXPECT_FALSE(QFile::exists(c.path)) << c.arguments.join(u' ').toStdString();
        }
    }
    // No half-written replacement is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.png")});

    EXPECT_EQ(runCalc(
                  {QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"), kept, QStringLiteral("x")}),
              0);
    EXPECT_EQ(QImage(kept).size(), QSize(800, 500));
}

TEST(PlotFiles, SvgLabelsInTheUsersNumbers)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plot.SVG"));
    ASSERT_EQ(runCalc({QStringLiteral("--plot"), QStringLiteral("-1:1"), QStringLiteral("-o"), path,
                       QStringLiteral("x^2")},
                      QStringLiteral("de_DE.UTF-8")),
              0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("<svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral(">y=x^2<")));
    EXPECT_TRUE(svg.contains(QStringLiteral(">-0,5<")));
    EXPECT_TRUE(svg.contains(QStringLiteral(">0,5<")));
    EXPECT_FALSE(svg.contains(QStringLiteral(">0.5<")));
}

// The legend names the curves y1, y2, ... with their expressions as the report writes them (blanks
// dropped); the title is the last's.
TEST(PlotFiles, LegendAndTitleOfSeveralCurves)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plot.svg"));
    ASSERT_EQ(runCalc({QStringLiteral("--plot"), QStringLiteral("-1:1"), QStringLiteral("-o"), path,
                       QStringLiteral("2x"), QStringLiteral("x^2"), QStringLiteral("3 * x")}),
              0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    for (const char* text : {">y1 = 2x<", ">y2 = x^2<", ">y3 = 3*x<", ">y=3*x<"})
        EXPECT_TRUE(svg.contains(QLatin1String(text))) << text;
    EXPECT_FALSE(svg.contains(QLatin1String(">y=2x<")));
}

// Without --y the range takes every curve in: y = 10 beside y = x over 0 to 1 reaches 10.
TEST(PlotFiles, TheAutomaticRangeHoldsEveryCurve)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plot.svg"));
    ASSERT_EQ(runCalc({QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"), path,
                       QStringLiteral("10"), QStringLiteral("x")}),
              0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QLatin1String(">10<")));
}

// Every tick's label differs from its neighbours, also where the range spans a few 32-bit steps
// (5 to 5.000001 holds three floats; eight ticks all read "5").
TEST(PlotFiles, TickLabelsDiffer)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plot.svg"));
    ASSERT_EQ(runCalc({QStringLiteral("--plot"), QStringLiteral("-1:1"), QStringLiteral("--y"),
                       QStringLiteral("5:5.000001"), QStringLiteral("-o"), path, QStringLiteral("x")},
                      QStringLiteral("C")),
              0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QStringList labels;
    const QRegularExpression number(QStringLiteral(">(-?[0-9][0-9.E+-]*)<"));
    for (auto match = number.globalMatch(svg); match.hasNext();)
        labels.append(match.next().captured(1));
    ASSERT_GE(labels.size(), 3) << svg.toStdString();
    for (qsizetype i = 1; i < labels.size(); ++i)
        EXPECT_NE(labels[i - 1], labels[i]) << labels.join(u' ').toStdString();
}

// A curve at the end of the 32-bit numbers gets a range that ends there: every label a number.
TEST(PlotFiles, NoLabelBeyondThe32BitNumbers)
{
    for (const char* expression : {"3.3*10^38", "x*3.3*10^38", "-3.3*10^38", "3*10^38+x*10^37"}) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plot.svg"));
        ASSERT_EQ(runCalc({QStringLiteral("--plot"), QStringLiteral("-1:1"), QStringLiteral("-o"), path,
                           QStringLiteral("--"), QString::fromLatin1(expression)},
                          QStringLiteral("C")),
                  0)
            << expression;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const QRegularExpression label(QStringLiteral(">[^<>]*(inf|nan)[^<>]*<"),
                                       QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(svg.contains(label)) << expression;
        EXPECT_TRUE(svg.contains(QRegularExpression(QStringLiteral(">-?3[.0-9]*E\\+38<")))) << expression;
    }
}

// A pipe (or a device such as /dev/stdout) cannot be replaced by a finished file: it is written in
// place, and stays what it was.
TEST(PlotFiles, APipeIsWrittenInPlace)
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    QProcess reader;
    reader.setStandardOutputFile(folder.filePath(QStringLiteral("got")));
    reader.start(QStringLiteral("cat"), {pipe});
    ASSERT_TRUE(reader.waitForStarted());
    EXPECT_EQ(runCalc(
                  {QStringLiteral("--plot"), QStringLiteral("0:1"), QStringLiteral("-o"), pipe, QStringLiteral("x")}),
              0);
    ASSERT_TRUE(reader.waitForFinished(20000));
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("got")), "PNG").size(), QSize(800, 500));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}
