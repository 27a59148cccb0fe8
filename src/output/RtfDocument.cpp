#include "output/RtfDocument.h"

QString RtfParagraph::Text() const
{
    QString text;
    for (const RtfRun& run : runs)
        text += run.text;
    return text;
}

void RtfParagraph::Append(const QString& text, const RtfCharFormat& format)
{
    if (text.isEmpty())
        return;
    if (!runs.isEmpty() && runs.last().format == format)
        runs.last().text += text;
    else
        runs.append(RtfRun{text, format});
}

QString RtfDocument::PlainText() const
{
    QString text;
    for (const RtfParagraph& paragraph : paragraphs)
        text += paragraph.Text() + QLatin1Char('\n');
    return text;
}
