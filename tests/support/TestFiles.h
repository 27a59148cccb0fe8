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

#ifdef KORVANE_SOURCE_DIR
// A checked-in test file, relative to tests/fixtures ("damaged/zeile-doppelt.auf").
inline QString FixtureFile(const QString& name)
{
    return QDir(QStringLiteral(KORVANE_SOURCE_DIR "/tests/fixtures")).filePath(name);
}
#endif

// The bytes of a file, or none when it cannot be read.
inline QByteArray FileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes as the whole file; false when it cannot be written.
inline bool WriteFileContents(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
