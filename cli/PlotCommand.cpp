// The picture: the expression translated once as the Calculate command does it and sampled with
// the command's own evaluation; the picture module paints it.
#include "PlotCommand.h"

#include "CalculateCommand.h"
#include "Module.h"
#include "Operand.h"
#include "PlotPicture.h"
#include "PlotSamples.h"
#include "UserNumbers.h"

#include <algorithm>
#include <cctype>

namespace pellitor::cli {

namespace {

std::optional<PictureFormat> formatOf(const std::string& path)
{
    const auto endsWith = [&path](std::string_view suffix) {
        return path.size() >= suffix.size()
            && std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                          [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    };
    if (endsWith(".png"))
        return PictureFormat::Png;
    if (endsWith(".svg"))
        return PictureFormat::Svg;
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

} // namespace

int runPlot(const CommandLine& line)
{
    PlotPicture picture;
    const std::optional<PictureFormat> format = formatOf(*line.output);
    if (!format) {
        complain("-o FILE must end in .png or .svg");
        return ExitUsage;
    }
    if (!take(readSpan(*line.range, "--plot"), picture.xs) || (line.size && !take(readSize(*line.size), picture.size)))
        return ExitUsage;
    std::optional<Span> ys;
    if (line.yRange) {
        Span given;
        if (!take(readSpan(*line.yRange, "--y"), given))
            return ExitUsage;
        ys = given;
    }

    const TranslatedOperand expression = translateOperand(line.operands.front());
    if (expression.failure != 0)
        return expression.failure;
    const CalculateCommand::Translation& translation = *expression.translation;

    // Failures, raised errors and no value all leave a gap in the curve.
    CompiledPostfix compiled(translation.postfix, line.degree ? True : False);
    const Curve curve = [&compiled](float x) -> std::optional<double> {
        const CalculateCommand::Evaluation result = CalculateCommand::evaluate(compiled, x);
        if (result.outcome != CalculateCommand::Outcome::Value)
            return std::nullopt;
        return result.sngResult;
    };
    const std::vector<std::optional<Point>> samples = sample(curve, picture.xs, picture.size.width);
    if (!ys)
        ys = automaticRange(samples);
    if (!ys) {
        complain("the expression has no value at any x of " + *line.range + ": no picture");
        return 1;
    }
    picture.ys = *ys;
    picture.pieces = pieces(curve, samples, picture.ys, picture.size.height);

    std::variant<void*, std::string> entry = loadModuleSymbol(PictureModuleName, WritePictureSymbol);
    if (const std::string* reason = std::get_if<std::string>(&entry)) {
        complain("cannot load the picture module: " + *reason);
        return ExitMessage;
    }
    WritePicture* const writePicture = reinterpret_cast<WritePicture*>(std::get<void*>(entry));
    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        return ExitMessage;
    }
    picture.numbers = std::get<const platform::NumberText*>(numbers);
    picture.title = u"y=" + translation.expression + (line.degree ? u"   (x in degrees)" : u"");
    std::string error;
    if (!writePicture(picture, *line.output, *format, error)) {
        complain("cannot write " + *line.output + ": " + error);
        return ExitIoError;
    }
    return 0;
}

} // namespace pellitor::cli
