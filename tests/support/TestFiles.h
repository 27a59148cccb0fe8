#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A file delivered beside the executable (Daten1.dat, beispiel.auf, normal.auf, ...).
inline QString DataFile(const QString& name)
{
    return QDir(QStringLiteral(KORVANE_DATA_DIR)).filePath(name);
}

inline QString ExampleTournamentFile()
{
    return DataFile(QStringLiteral("beispiel.auf"));
}

// The bytes of a file, or none when it cannot be read.
inline QByteArray FileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
