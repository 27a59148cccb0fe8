#include "model/DataFiles.h"

#include "BuildInfo.h"

#include <QDir>
#include <QFileInfo>

QStringList DataFolders(const QString& programDir)
{
    const QDir program(programDir);
    return {QDir::cleanPath(program.absolutePath()),
            QDir::cleanPath(program.absoluteFilePath(QString::fromUtf8(KorvaneDataFromProgram)))};
}

QString FindDataFile(const QString& programDir, const QString& name)
{
    const QStringList folders = DataFolders(programDir);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir(folders.first()).filePath(name);
}
