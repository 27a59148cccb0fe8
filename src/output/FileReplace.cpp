#include "output/FileReplace.h"

#include "model/Prompter.h"

#include <QFileInfo>

bool MayReplaceFile(const QString& path, Prompter& prompter)
{
    if (!QFileInfo::exists(path))
        return true;
    return prompter.askYesNo(QStringLiteral("Warnung"),
                             QStringLiteral("Die Datei ") + QFileInfo(path).fileName() +
                                 QStringLiteral(" existiert schon. Überschreiben ? ")) ==
           Prompter::Answer::Yes;
}
