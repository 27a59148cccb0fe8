#pragma once

#include <QString>

class Prompter;

inline const QString HelpTextFileName = QStringLiteral("hb508.rtr");
inline const QString HelpBackupFileName = QStringLiteral("hb508.bak");

// "Original-Diekthilfe": after the user's Yes, the help text in `workDir` is replaced by the
// delivered backup from `programDir`, dropping the user's own notes. Returns true when the
// working copy now holds the backup's text (the help window then reloads it).
bool RestoreOriginalHelpText(const QString& workDir, const QString& programDir, Prompter& prompter);
