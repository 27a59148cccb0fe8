#include "help/HelpTextRestore.h"

#include "model/Prompter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
const QString InfoCaption = QStringLiteral("Info");
}

bool RestoreOriginalHelpText(const QString& workDir, const QString& programDir, Prompter& prompter)
{
    if (prompter.askYesNo(InfoCaption, QStringLiteral("Vorsicht ! Wollen Sie wirklich alle persönlichen "
                                                      "Anmerkungen in der Direkthilfe löschen ? ")) !=
        Prompter::Answer::Yes)
        return false;

    // The backup is read first: without it the user's help text must not be deleted.
    QFile backup(QDir(programDir).filePath(HelpBackupFileName));
    if (!backup.open(QIODevice::ReadOnly)) {
        prompter.inform(InfoCaption, QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden"));
        return false;
    }
    const QByteArray text = backup.readAll();

    const QString workingCopy = QDir(workDir).filePath(HelpTextFileName);
    if (QFile::exists(workingCopy) && !QFile::remove(workingCopy))
        prompter.inform(InfoCaption, QStringLiteral("löschen alte Hilfe nicht möglich"));

    QSaveFile target(workingCopy);
    if (!target.open(QIODevice::WriteOnly) || target.write(text) != text.size() || !target.commit()) {
        prompter.inform(QStringLiteral("Fehler"), target.errorString());
        return false;
    }
    return true;
}
