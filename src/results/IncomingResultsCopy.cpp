#include "results/IncomingResultsCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// A list of a few hundred lines; anything much larger is no copy of ours.
constexpr qint64 MaxCopyBytes = 1 << 20;
} // namespace

QString IncomingResultsCopyPath(const QString& tournamentFile, const QString& workDir)
{
    if (tournamentFile.isEmpty())
        return QDir(workDir).filePath(QStringLiteral("eingang.txt"));
    const QFileInfo file(tournamentFile);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".eingang.txt"));
}

bool WriteIncomingResultsCopy(const IncomingResults& results, const QString& path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(IncomingResultsText(results).toUtf8()) >= 0 &&
           file.commit();
}

std::optional<IncomingResults> ReadIncomingResultsCopy(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCopyBytes)
        return std::nullopt;
    return ReadIncomingResultsText(QString::fromUtf8(file.readAll()));
}
