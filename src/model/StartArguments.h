#pragma once

#include <QString>
#include <QStringList>

// The command line as the main window gets it. A tournament file named relative to the folder
// the program was started in (`launchDir`) is made absolute there, because start-up makes the
// working folder current before it loads the file. A name that does not exist in `launchDir`
// stays as given and is looked for in the working folder, as before.
QStringList WithAbsoluteStartFile(QStringList commandLine, const QString& launchDir);
