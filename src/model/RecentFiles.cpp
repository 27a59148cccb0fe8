#include "model/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QStringList WithRecentFile(const QStringList& recent, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list{absolute};
    for (const QString& entry : recent)
        if (entry != absolute && list.size() < RecentFileCount)
            list << entry;
    return list;
}

QStringList ReadRecentFiles(const QString& workDir)
{
    QFile file(QDir(workDir).filePath(RecentFilesName));
    QStringList recent;
    if (!file.open(QIODevice::ReadOnly))
        return recent;
    // The file is small; a damaged one must not make a menu of thousands of lines.
    const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (!line.isEmpty() && QFileInfo(line).isAbsolute() && !recent.contains(line) &&
            recent.size() < RecentFileCount)
            recent << line;
    }
    return recent;
}

void WriteRecentFiles(const QString& workDir, const QStringList& recent)
{
    QSaveFile file(QDir(workDir).filePath(RecentFilesName));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(recent.join(QLatin1Char('\n')).toUtf8() + '\n');
    file.commit();
}
