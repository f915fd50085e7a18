// Writing the saved picture.
#include "PictureFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace pellitor::graph {

QString PictureFile::write(const QString& path, const QByteArray& bytes)
{
    // QSaveFile follows a loop of links until it gives up and then renames its file over the
    // link; stat() sees the loop first.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ELOOP)
        return tr("The name leads around a loop of symbolic links.");
    // Written beside the file and renamed over it when complete: a failed save leaves no
    // half-written file, and an earlier file stays as it was.
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    // The error of the call that failed, before anything else can change it.
    const int error = errno;
    return reason(error, file.errorString());
}

QString PictureFile::reason(int error, const QString& described)
{
    if (error == ENOSPC)
        return tr("There is no space left on the device.");
    // A write that stopped short sets no words of its own ("Unknown error"): the system's are
    // the ones that say why.
    if (error != 0 && (described.isEmpty() || described == QFile().errorString()))
        return QString::fromLocal8Bit(std::strerror(error));
    return described;
}

} // namespace pellitor::graph
