// Registering Tahoma from the system's wine font folder.
#include "DesignFont.h"

#include <QFile>
#include <QFontDatabase>

namespace pellitor::platform {

void registerDesignFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont designFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace pellitor::platform
