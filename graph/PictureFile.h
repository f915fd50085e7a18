// Where the graph window puts a saved picture: the file the user named, written beside it and
// renamed over it when complete, and the reason in the user's language when that failed.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace pellitor::graph {

class PictureFile {
    Q_DECLARE_TR_FUNCTIONS(pellitor::graph::PictureFile)
public:
    // Writes bytes to path (through a symbolic link, where it leads); why not, when that failed,
    // else an empty text. A name that leads around a loop of symbolic links is refused, as
    // pellitor-calc -o refuses it, instead of replacing the link with a file.
    static QString write(const QString& path, const QByteArray& bytes);

    // Why a write failed, from the system's error number (0 for none) and Qt's words for it:
    // a full disk said plainly, whatever Qt made of it (a write that stopped short has none).
    static QString reason(int error, const QString& described);
};

} // namespace pellitor::graph
