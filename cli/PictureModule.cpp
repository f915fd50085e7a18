// The picture module: starts a QGuiApplication on the offscreen platform (the painter's fonts need
// one; a display is not needed), and the painter of plot/ paints the picture and encodes it.
#include "PictureModule.h"
#include "ModuleBuild.h"
#include "PlotPainter.h"

#include <QGuiApplication>

namespace pellitor::cli {

namespace {

// Qt's start-up warns when XDG_RUNTIME_DIR is unset, which says nothing about the picture.
void quietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qt_message_output(type, context, message);
}

bool draw(const plot::PlotPicture& picture, plot::PictureFormat format, std::string& bytes, std::string& error)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietStartup);
    static int argc = 1;
    static char program[] = "pellitor-calc";
    static char* argv[] = {program, nullptr};
    const QGuiApplication application(argc, argv);
    return plot::encodePicture(picture, format, bytes, error);
}

} // namespace

} // namespace pellitor::cli

PELLITOR_MODULE_BUILD

extern "C" __attribute__((visibility("default"))) bool pellitor_draw_picture(const pellitor::plot::PlotPicture& picture,
                                                                             pellitor::plot::PictureFormat format,
                                                                             std::string& bytes, std::string& error)
{
    return pellitor::cli::draw(picture, format, bytes, error);
}
