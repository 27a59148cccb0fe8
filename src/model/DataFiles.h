#pragma once

#include <QString>
#include <QStringList>

// The files delivered with the program (pairing data, start files, manual, certificate
// template) are looked for beside the executable first: the build tree, a portable folder, a
// Windows installation, and a user's own "Daten1.dat" put there. Then in the installed data
// folder relative to the executable (../share/korvane beside bin/).
QStringList DataFolders(const QString& programDir);

// The path of `name` in the first data folder that holds it; beside the executable when none
// does, so that a failure names the usual place.
QString FindDataFile(const QString& programDir, const QString& name);
