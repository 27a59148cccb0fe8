#include "ui/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

QString QtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses, so a list written there for the eye
        // ("*.htm, *.html") is replaced by the real patterns.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        const QString shown = open < 0 ? description : description.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(shown, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {
QString runDialog(QWidget* parent, const FileChooser::Request& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.directory, QtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(QDir(request.directory).filePath(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString QtFileChooser::chooseFileToOpen(QWidget* parent, const Request& request)
{
    return runDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtFileChooser::chooseFileToSave(QWidget* parent, const Request& request)
{
    return runDialog(parent, request, QFileDialog::AcceptSave);
}
