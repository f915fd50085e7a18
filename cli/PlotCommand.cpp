// The picture: each expression translated once as the Calculate command does it and sampled with
// the command's own evaluation; the picture module paints it. Several expressions are numbered,
// coloured and ranged as the graph window numbers, colours and ranges its shown curves, the last
// operand as its live curve, so that the window saves the same picture.
#include "PlotCommand.h"

#include "Complaints.h"
#include "Evaluation.h"
#include "ModuleLoader.h"
#include "OperandReader.h"
#include "OutputFile.h"
#include "PictureModule.h"
#include "PlotCurve.h"
#include "Range.h"
#include "UserNumbers.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace pellitor::cli {

namespace {

std::optional<plot::PictureFormat> formatOf(const std::string& path)
{
    const auto endsWith = [&path](std::string_view suffix) {
        return path.size() >= suffix.size()
               && std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                             [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    };
    if (endsWith(".png"))
        return plot::PictureFormat::Png;
    if (endsWith(".svg"))
        return plot::PictureFormat::Svg;
    return std::nullopt;
}

// What the options ask for: the format, the x range, the size in device pixels (--size times
// --scale), the scale and the y range if given.
struct PictureOptions {
    plot::PictureFormat format = plot::PictureFormat::Png;
    plot::Span xs;
    plot::Size size;
    double scale = 1.0;
    std::optional<plot::Span> ys;
};

// The options read, or the exit status of a usage error that was complained of.
std::variant<PictureOptions, int> readOptions(const CommandLine& line)
{
    PictureOptions options;
    std::optional<plot::PictureFormat> format = formatOf(*line.output);
    if (line.format) {
        format = *line.format == "png"   ? std::optional(plot::PictureFormat::Png)
                 : *line.format == "svg" ? std::optional(plot::PictureFormat::Svg)
                                         : std::nullopt;
        if (!format) {
            complain("--format must be png or svg, not '" + *line.format + "'");
            return ExitUsage;
        }
    }
    if (!format) {
        complain("-o FILE must end in .png or .svg, or --format must give the format");
        return ExitUsage;
    }
    options.format = *format;
    if (!take(readSpan(*line.range, "--plot"), options.xs) || (line.size && !take(readSize(*line.size), options.size))
        || (line.scale && !take(readScale(*line.scale), options.scale))
        || !take(scaledSize(options.size, options.scale), options.size))
        return ExitUsage;
    if (const std::optional<std::string> reason = sampleStepsTooSmall(options.xs, options.size.width)) {
        complain(*reason);
        return ExitUsage;
    }
    if (line.yRange) {
        plot::Span given;
        if (!take(readSpan(*line.yRange, "--y"), given))
            return ExitUsage;
        options.ys = given;
    }
    return options;
}

// Paints picture with the picture module in the user's numbers and writes it: the exit status.
int drawAndWrite(plot::PlotPicture& picture, plot::PictureFormat format, const std::string& output)
{
    std::variant<void*, std::string> entry = loadModuleSymbol(PictureModuleName, DrawPictureSymbol);
    if (const std::string* reason = std::get_if<std::string>(&entry)) {
        complain("cannot load the picture module: " + *reason);
        return ExitMessage;
    }
    DrawPicture* const drawPicture = reinterpret_cast<DrawPicture*>(std::get<void*>(entry));
    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        return ExitMessage;
    }
    picture.numbers = std::get<const platform::NumberText*>(numbers);
    std::string bytes;
    std::string error;
    if (!drawPicture(picture, format, bytes, error)) {
        complain("cannot draw the picture: " + error);
        return ExitMessage;
    }
    if (const std::optional<std::string> reason = writeOutput(output, bytes)) {
        complain("cannot write " + (output == "-" ? std::string("standard output") : output) + ": " + *reason);
        return ExitIoError;
    }
    return 0;
}

// A curve of the picture: its operand compiled, and its expression as the report shows it.
struct Source {
    std::unique_ptr<CompiledPostfix> compiled;
    std::u16string expression;
};

// Every operand checked and translated as the Calculate command does it, in order, and compiled;
// or the exit status of the first that is refused, named where there are several.
std::variant<std::vector<Source>, int> translateAll(const CommandLine& line)
{
    std::vector<Source> sources;
    const std::size_t count = line.operands.size();
    for (std::size_t i = 0; i < count; ++i) {
        TranslatedOperand operand = translateOperand(line.operands[i]);
        if (operand.failure != 0) {
            if (count > 1 && operand.failure == ExitMessage)
                complain("EXPRESSION " + std::to_string(i + 1) + " of " + std::to_string(count)
                         + " is refused: no picture");
            return operand.failure;
        }
        Translation& translation = *operand.translation;
        sources.push_back(
            {std::make_unique<CompiledPostfix>(translation.postfix, line.degree), std::move(translation.expression)});
    }
    return sources;
}

// The curves sampled together, in one y range; an empty list, complained of, where none draws a
// line. With several, one that draws none stays in the legend, as in the graph window.
std::vector<plot::CurveShape> shapeAll(const std::vector<Source>& sources, const PictureOptions& options,
                                       const std::string& range)
{
    std::vector<plot::Curves> curves;
    for (const Source& source : sources) {
        curves.push_back(
            [&compiled = *source.compiled](std::span<const float> xs, std::span<std::optional<double>> values) {
                valuesAt(compiled, xs, values);
            });
    }
    std::vector<plot::CurveShape> shapes = plot::shapeCurves(curves, options.xs, options.ys, options.size);
    const bool several = shapes.size() > 1;
    const std::string subject = several ? "no EXPRESSION has a value" : "the expression has no value";
    if (!options.ys && std::none_of(shapes.begin(), shapes.end(), [](const auto& shape) { return shape.ys; })) {
        complain(subject + " at any x of " + range + ": no picture");
        return {};
    }
    // A piece of one point is no line: a curve with no two neighbouring values draws nothing.
    if (std::none_of(shapes.begin(), shapes.end(), [](const auto& shape) { return plot::drawsALine(shape); })) {
        complain(subject + " at two neighbouring x of " + range + ": no picture");
        return {};
    }
    for (std::size_t i = 0; several && i < shapes.size(); ++i) {
        if (!plot::drawsALine(shapes[i]))
            complain("EXPRESSION " + std::to_string(i + 1) + " of " + std::to_string(shapes.size())
                     + " has no value at two neighbouring x of " + range + ": it is in the legend only");
    }
    return shapes;
}

// "y2 = x^2", the legend's line of the curve numbered n from 0.
std::u16string label(std::size_t n, const std::u16string& expression)
{
    std::u16string text = u"y";
    for (const char digit : std::to_string(n + 1))
        text += char16_t(digit);
    return text + u" = " + expression;
}

// The picture of the curves: the last one is the picture's own, with its expression as the title,
// the others are its further curves in order.
plot::PlotPicture pictureOf(const std::vector<Source>& sources, std::vector<plot::CurveShape>& shapes,
                            const PictureOptions& options, bool degree)
{
    plot::PlotPicture picture;
    picture.title = plot::pictureTitle(sources.back().expression, degree);
    picture.xs = options.xs;
    // All are ranged alike: a curve with a value has the range.
    const auto ranged = std::find_if(shapes.begin(), shapes.end(), [](const auto& shape) { return shape.ys; });
    picture.ys = options.ys ? *options.ys : *ranged->ys;
    picture.size = options.size;
    picture.style.scale = options.scale;
    const std::size_t last = shapes.size() - 1;
    for (std::size_t i = 0; i < last; ++i)
        picture.more.push_back(
            {std::make_shared<const plot::Pieces>(std::move(shapes[i].pieces)), label(i, sources[i].expression), i});
    picture.pieces = std::make_shared<const plot::Pieces>(std::move(shapes.back().pieces));
    picture.colour = last;
    if (last > 0)
        picture.label = label(last, sources.back().expression);
    return picture;
}

} // namespace

int runPlot(const CommandLine& line)
{
    const std::variant<PictureOptions, int> read = readOptions(line);
    if (const int* failure = std::get_if<int>(&read))
        return *failure;
    const PictureOptions& options = std::get<PictureOptions>(read);

    std::variant<std::vector<Source>, int> translated = translateAll(line);
    if (const int* failure = std::get_if<int>(&translated))
        return *failure;
    std::vector<Source>& sources = std::get<std::vector<Source>>(translated);

    std::vector<plot::CurveShape> shapes = shapeAll(sources, options, *line.range);
    if (shapes.empty())
        return 1;
    plot::PlotPicture picture = pictureOf(sources, shapes, options, line.degree);
    return drawAndWrite(picture, options.format, *line.output);
}

} // namespace pellitor::cli
