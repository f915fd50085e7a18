// Checks a translation file before Qt's translator is given it. The translator follows every
// offset and length in a .qm file as it finds them, so one wrong byte can send its first lookup
// outside the file: Pellitor's own translations must be the very files its build compiled, and
// Qt's (which the system installs and updates) must hold together wherever a lookup can go.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace pellitor::translationCheck {

// A translation file holds no more than this (Qt's hold a few hundred KiB): a larger one fails
// either check.
inline constexpr qsizetype LargestFile = qsizetype(16) << 20;

// The SHA-256 (lower-case hex) of the translation fileName ("pellitor_de.qm") as the build
// compiled it; empty for a file the build did not make. The build writes its table.
QByteArray builtDigest(const QString& fileName);

// Why data, read from Pellitor's own translation fileName, is not the file the build made;
// empty when it is.
QString ownFault(const QString& fileName, const QByteArray& data);

// Why data is not a translation that Qt's translator can look texts up in without reading
// outside it: every section lies within the file, the context table and each of its chains,
// every hash entry's message and each field of that message; a file that names other files to
// load with it is refused too. Empty when it holds together.
QString structuralFault(QByteArrayView data);

} // namespace pellitor::translationCheck
