#include "ui/SaveAsking.h"

#include "output/FileReplace.h"

QString ChooseFileToReplace(FileChooser& files, QWidget* parent, const FileChooser::Request& request,
                            Prompter& prompter)
{
    const QString path = files.chooseFileToSave(parent, request);
    if (path.isEmpty() || !MayReplaceFile(path, prompter))
        return {};
    return path;
}

QString ChoosePdfPath(FileChooser& files, QWidget* parent, const QString& workDir,
                      const QString& proposedName, Prompter& prompter)
{
    return ChooseFileToReplace(files, parent,
                               {QStringLiteral("Als PDF-Datei speichern"), workDir, proposedName,
                                QStringLiteral("PDF-Dateien (*.pdf)|*.pdf"), QStringLiteral("pdf")},
                               prompter);
}
