#pragma once

#include <QString>
#include <QStringList>

// The tournaments opened or saved last, newest first, for "Zuletzt geöffnet" in the menu "Datei".
// The list lives in the working folder as "zuletzt.txt", one path a line in UTF-8.

inline constexpr int RecentFileCount = 10;
inline const QString RecentFilesName = QStringLiteral("zuletzt.txt");

// `path` moved to the front (once, however it was spelled), the list cut to RecentFileCount.
QStringList WithRecentFile(const QStringList& recent, const QString& path);

// The list of the working folder; empty when there is none. Lines that are no path are skipped.
QStringList ReadRecentFiles(const QString& workDir);
// Writes the list through QSaveFile; a list that cannot be written is simply not kept.
void WriteRecentFiles(const QString& workDir, const QStringList& recent);
