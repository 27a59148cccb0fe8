#include "output/FileReplace.h"

#include "model/Prompter.h"

#include <QFileInfo>
#include <QSaveFile>

bool MayReplaceFile(const QString& path, Prompter& prompter)
{
    if (!QFileInfo::exists(path))
        return true;
    return prompter.askYesNo(QStringLiteral("Warnung"),
                             QStringLiteral("Die Datei ") + QFileInfo(path).fileName() +
                                 QStringLiteral(" existiert schon. Überschreiben ? ")) ==
           Prompter::Answer::Yes;
}

QString ReplaceFileContent(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return file.errorString();
}

bool WriteExportFile(const QByteArray& bytes, const QString& fileName, Prompter& prompter)
{
    if (ReplaceFileContent(fileName, bytes).isEmpty())
        return true;
    prompter.inform(QStringLiteral("Fehler"),
                    QStringLiteral("Speichern der Datei ") + fileName + QStringLiteral(" nicht möglich"));
    return false;
}
