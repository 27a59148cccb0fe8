#include "output/Certificate.h"

#include "model/Prompter.h"
#include "output/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString Placeholder = QStringLiteral("#name");

// The format of the character at the position of the paragraph's text.
const RtfCharFormat& FormatAt(const RtfParagraph& paragraph, qsizetype position)
{
    for (const RtfRun& run : paragraph.runs) {
        if (position < run.text.size())
            return run.format;
        position -= run.text.size();
    }
    return paragraph.runs.last().format;
}

// The paragraph's text from..to as runs appended to the target.
void CopyRange(const RtfParagraph& source, qsizetype from, qsizetype to, RtfParagraph& target)
{
    qsizetype runStart = 0;
    for (const RtfRun& run : source.runs) {
        const qsizetype runEnd = runStart + run.text.size();
        const qsizetype start = std::max(from, runStart);
        const qsizetype end = std::min(to, runEnd);
        if (start < end)
            target.Append(run.text.mid(start - runStart, end - start), run.format);
        runStart = runEnd;
    }
}

void ReplaceInParagraph(RtfParagraph& paragraph, const QString& text)
{
    const QString plain = paragraph.Text();
    qsizetype hit = plain.indexOf(Placeholder);
    if (hit < 0)
        return;
    RtfParagraph filled;
    filled.alignment = paragraph.alignment;
    qsizetype copied = 0;
    while (hit >= 0) {
        CopyRange(paragraph, copied, hit, filled);
        filled.Append(text, FormatAt(paragraph, hit));
        copied = hit + Placeholder.size();
        hit = plain.indexOf(Placeholder, copied);
    }
    CopyRange(paragraph, copied, plain.size(), filled);
    paragraph = filled;
}
} // namespace

void ReplacePlaceholders(RtfDocument& document, const QString& text)
{
    for (RtfParagraph& paragraph : document.paragraphs)
        ReplaceInParagraph(paragraph, text);
}

QString TemplateNotLoadedText(const QString& templatePath)
{
    return QStringLiteral("Die Datei ") + templatePath +
           QStringLiteral(" kann nicht eingeladen werden. Sie ist wahrscheinlich verschoben worden. "
                          "Machen Sie das Verschieben rückgängig oder wählen Sie mit NEUE VORLAGE "
                          "eine neue Urkunden-Vorlage");
}

void FillTemplate(RtfDocument& shown, const QString& templatePath, const QString& text, Prompter& prompter)
{
    QFile file(templatePath);
    if (file.open(QIODevice::ReadOnly))
        shown = ReadRtf(file.readAll());
    else
        prompter.inform(QStringLiteral("Fehler"), TemplateNotLoadedText(templatePath));
    ReplacePlaceholders(shown, text);
}

QString CertificateName(const QString& cellText)
{
    const qsizetype bracket = cellText.indexOf(QLatin1Char(')'));
    return bracket < 0 ? cellText : cellText.mid(bracket + 1);
}

QString ResolveCertificateTemplate(const QString& templatePath, const QString& workDir)
{
    if (templatePath.isEmpty())
        return templatePath;
    const QFileInfo info(QDir(workDir).filePath(templatePath));
    if (info.exists())
        return info.filePath();
    const QStringList files = info.dir().entryList(QDir::Files);
    for (const QString& name : files)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return info.dir().filePath(name);
    return info.filePath();
}
