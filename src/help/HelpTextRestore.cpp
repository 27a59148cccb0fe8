#include "help/HelpTextRestore.h"

#include "model/DataFiles.h"
#include "model/Prompter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
const QString InfoCaption = QStringLiteral("Info");

bool CopyHelpText(const QString& backupPath, const QString& workingCopyPath, Prompter& prompter)
{
    QFile backup(backupPath);
    if (!backup.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = backup.readAll();
    QSaveFile target(workingCopyPath);
    if (!target.open(QIODevice::WriteOnly) || target.write(text) != text.size() || !target.commit()) {
        prompter.inform(QStringLiteral("Fehler"), target.errorString());
        return false;
    }
    return true;
}
} // namespace

bool RestoreOriginalHelpText(const QString& workDir, const QString& programDir, Prompter& prompter,
                             const HelpTextReplacer& replace)
{
    if (prompter.askYesNo(InfoCaption, QStringLiteral("Vorsicht ! Wollen Sie wirklich alle persönlichen "
                                                      "Anmerkungen in der Direkthilfe löschen ? ")) !=
        Prompter::Answer::Yes)
        return false;

    // Without a readable backup the user's help text must not be deleted.
    const QString backupPath = FindDataFile(programDir, HelpBackupFileName);
    if (QFile backup(backupPath); !backup.open(QIODevice::ReadOnly)) {
        prompter.inform(InfoCaption, QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden"));
        return false;
    }

    const QString workingCopy = QDir(workDir).filePath(HelpTextFileName);
    if (QFile::exists(workingCopy) && !QFile::remove(workingCopy))
        prompter.inform(InfoCaption, QStringLiteral("löschen alte Hilfe nicht möglich"));

    return replace ? replace(backupPath, workingCopy) : CopyHelpText(backupPath, workingCopy, prompter);
}
