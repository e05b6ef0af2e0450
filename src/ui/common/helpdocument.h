#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

namespace trelfin {

// The program's help document: beside the program in the build folder, in "share/trelfin" of
// the installation.
inline QString HelpDocumentPath()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral("help.htm"));
    const QString installed = programDir.filePath(QStringLiteral("../share/trelfin/help.htm"));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return beside;
}

} // namespace trelfin
