// The picture: the expression translated once as the Calculate command does it and sampled with
// the command's own evaluation; the picture module paints it.
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

template <typename T>
bool take(std::variant<T, std::string> read, T& value)
{
    if (const std::string* reason = std::get_if<std::string>(&read)) {
        complain(*reason);
        return false;
    }
    value = std::get<T>(read);
    return true;
}

// What the options ask for: the format, the x range, the size and the y range if given.
struct PictureOptions {
    plot::PictureFormat format = plot::PictureFormat::Png;
    plot::Span xs;
    plot::Size size;
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
    if (!take(readSpan(*line.range, "--plot"), options.xs) || (line.size && !take(readSize(*line.size), options.size)))
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

} // namespace

int runPlot(const CommandLine& line)
{
    const std::variant<PictureOptions, int> read = readOptions(line);
    if (const int* failure = std::get_if<int>(&read))
        return *failure;
    const PictureOptions& options = std::get<PictureOptions>(read);

    const TranslatedOperand expression = translateOperand(line.operands.front());
    if (expression.failure != 0)
        return expression.failure;
    const Translation& translation = *expression.translation;

    CompiledPostfix compiled(translation.postfix, line.degree);
    const plot::Curves curves = [&compiled](std::span<const float> xs, std::span<std::optional<double>> values) {
        valuesAt(compiled, xs, values);
    };
    plot::CurveShape shape = plot::shapeCurve(curves, options.xs, options.ys, options.size);
    if (!shape.ys) {
        complain("the expression has no value at any x of " + *line.range + ": no picture");
        return 1;
    }
    // A piece of one point is no line: a curve with no two neighbouring values draws nothing.
    if (!plot::drawsALine(shape)) {
        complain("the expression has no value at two neighbouring x of " + *line.range + ": no picture");
        return 1;
    }
    plot::PlotPicture picture;
    picture.title = plot::pictureTitle(translation.expression, line.degree);
    picture.xs = options.xs;
    picture.ys = *shape.ys;
    picture.size = options.size;
    picture.pieces = std::make_shared<const plot::Pieces>(std::move(shape.pieces));
    return drawAndWrite(picture, options.format, *line.output);
}

} // namespace pellitor::cli
