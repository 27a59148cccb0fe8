#pragma once

#include <QString>

#include <functional>

class Prompter;

inline const QString HelpTextFileName = QStringLiteral("hb508.rtr");
inline const QString HelpBackupFileName = QStringLiteral("hb508.bak");

// Puts the backup's text in place of the working copy; false when that failed (after a message).
// The help window loads the backup into its view and saves the view as the working copy.
using HelpTextReplacer = std::function<bool(const QString& backupPath, const QString& workingCopyPath)>;

// "Original-Diekthilfe": after the user's Yes, the help text in `workDir` is replaced by the
// delivered backup (found through the data folders of `programDir`), dropping the user's own
// notes. Returns true when the working copy now holds the backup's text. Without a replacer the
// file is copied byte for byte.
bool RestoreOriginalHelpText(const QString& workDir, const QString& programDir, Prompter& prompter,
                             const HelpTextReplacer& replace = {});
