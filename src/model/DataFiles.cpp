#include "model/DataFiles.h"

#include "BuildInfo.h"

#include <QDir>
#include <QFileInfo>

QString FindDataFile(const QString& programDir, const QString& name)
{
    const QDir program(programDir);
    const QString besideProgram = QDir::cleanPath(program.absoluteFilePath(name));
    const QString installed = QDir::cleanPath(
        program.absoluteFilePath(QString::fromUtf8(KorvaneDataFromProgram) + QLatin1Char('/') + name));
    if (!QFileInfo::exists(besideProgram) && QFileInfo::exists(installed))
        return installed;
    return besideProgram;
}
