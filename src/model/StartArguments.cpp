#include "model/StartArguments.h"

#include <QDir>
#include <QFileInfo>

QStringList WithAbsoluteStartFile(QStringList commandLine, const QString& launchDir)
{
    if (commandLine.size() < 2 || !QDir::isRelativePath(commandLine.at(1)))
        return commandLine;
    const QFileInfo named(QDir(launchDir), commandLine.at(1));
    if (named.exists())
        commandLine[1] = QDir::cleanPath(named.absoluteFilePath());
    return commandLine;
}
