// The picture: the expression translated once as the Calculate command does it, sampled with the
// command's own evaluation, and painted by Qt on an image (PNG) or into Qt SVG's generator.
#include "PlotCommand.h"

#include "CalculateCommand.h"
#include "LocaleNumberText.h"
#include "Operand.h"
#include "PlotPicture.h"
#include "PlotSamples.h"
#include "TextCodec.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QSvgGenerator>

namespace pellitor::cli {

namespace {

// Qt's start-up warns when XDG_RUNTIME_DIR is unset, which says nothing about the picture.
void quietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qt_message_output(type, context, message);
}

enum class Format { Png, Svg };

std::optional<Format> formatOf(const std::string& path)
{
    const QString name = QString::fromLocal8Bit(path.c_str()).toLower();
    if (name.endsWith(QLatin1String(".png")))
        return Format::Png;
    if (name.endsWith(QLatin1String(".svg")))
        return Format::Svg;
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

// Paints into the file's replacement and puts it in place only when everything was written.
bool write(const PlotPicture& picture, const std::string& path, Format format)
{
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    bool painted = file.open(QIODevice::WriteOnly);
    if (painted && format == Format::Png) {
        QImage image(picture.size.width, picture.size.height, QImage::Format_RGB32);
        paint(image, picture);
        painted = image.save(&file, "PNG");
    } else if (painted) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(picture.size.width, picture.size.height));
        generator.setViewBox(QRect(0, 0, picture.size.width, picture.size.height));
        generator.setTitle(picture.title);
        paint(generator, picture);
        painted = file.error() == QFileDevice::NoError;
    }
    if (painted && file.commit())
        return true;
    complain("cannot write " + path + ": " + file.errorString().toStdString());
    return false;
}

} // namespace

int runPlot(const CommandLine& line)
{
    PlotPicture picture;
    const std::optional<Format> format = formatOf(*line.output);
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

    std::optional<CalculateCommand::Translation> translation;
    {
        const Operand expression = readOperand(line.operands.front());
        if (expression.failure != 0)
            return expression.failure;
        translation = CalculateCommand::translate(fromUtf8(expression.bytes));
    }
    if (!translation)
        return ExitMessage;

    // Failures, raised errors and no value all leave a gap in the curve.
    const Truth bolDegree = line.degree ? True : False;
    const Curve curve = [&translation, bolDegree](float x) -> std::optional<double> {
        Cls6 engine;
        const CalculateCommand::Evaluation result = CalculateCommand::evaluate(engine, translation->postfix, bolDegree, x);
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

    // Fonts need a QGuiApplication; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietStartup);
    int argc = 1;
    char name[] = "pellitor-calc";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    const platform::LocaleNumberText numbers;
    picture.numbers = &numbers;
    picture.title = QStringLiteral("y=") + QString::fromStdU16String(translation->expression)
        + (line.degree ? QStringLiteral("   (x in degrees)") : QString());
    return write(picture, *line.output, *format) ? 0 : ExitIoError;
}

} // namespace pellitor::cli
