#pragma once

#include <QString>

// The files delivered with the program (pairing data, start files, manual, certificate
// template) are looked for beside the executable in `programDir` first: the build tree, a
// portable folder, a Windows installation, and a user's own "Daten1.dat" put there. Then in the
// installed data folder relative to it (../share/korvane beside bin/). Returns the path in the
// first folder that holds `name`; the one beside the executable when none does, so that a
// failure names the usual place.
QString FindDataFile(const QString& programDir, const QString& name);
