// The picture: the expression translated once as the Calculate command does it and sampled with
// the command's own evaluation; the picture module paints it.
#include "PlotCommand.h"

#include "CalculateCommand.h"
#include "LocaleNumberText.h"
#include "Operand.h"
#include "PlotPicture.h"
#include "PlotSamples.h"

#include <dlfcn.h>
#include <filesystem>

namespace pellitor::cli {

namespace {

std::optional<PictureFormat> formatOf(const std::string& path)
{
    const QString name = QString::fromLocal8Bit(path.c_str()).toLower();
    if (name.endsWith(QLatin1String(".png")))
        return PictureFormat::Png;
    if (name.endsWith(QLatin1String(".svg")))
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

// The picture module lies beside the program in a build tree, and in the library folder when
// installed.
WritePicture* loadPictureModule()
{
    std::error_code failed;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", failed).parent_path();
    std::string reason = "no " + std::string(PictureModuleName);
    for (const std::filesystem::path& candidate :
         {folder / PictureModuleName, folder / PELLITOR_PLOT_FROM_BINDIR / PictureModuleName}) {
        if (!std::filesystem::exists(candidate))
            continue;
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reason = dlerror();
            continue;
        }
        if (void* entry = dlsym(module, WritePictureSymbol))
            return reinterpret_cast<WritePicture*>(entry);
        reason = dlerror();
    }
    complain("cannot load the picture module: " + reason);
    return nullptr;
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

    WritePicture* const writePicture = loadPictureModule();
    if (writePicture == nullptr)
        return ExitMessage;
    const platform::LocaleNumberText numbers;
    picture.numbers = &numbers;
    picture.title = QStringLiteral("y=") + QString::fromStdU16String(translation.expression)
        + (line.degree ? QStringLiteral("   (x in degrees)") : QString());
    std::string error;
    if (!writePicture(picture, *line.output, *format, error)) {
        complain("cannot write " + *line.output + ": " + error);
        return ExitIoError;
    }
    return 0;
}

} // namespace pellitor::cli
