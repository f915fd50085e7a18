// The window icon from the embedded pictures.
#include "WindowIcon.h"

namespace pellitor {

QIcon calculatorIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/pellitor-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/pellitor-16.png"), QSize(16, 16));
    return icon;
}

} // namespace pellitor
