#include "output/RtfDocument.h"

QString RtfParagraph::Text() const
{
    QString text;
    for (const RtfRun& run : runs)
        text += run.text;
    return text;
}

void RtfParagraph::Append(const QString& text, const RtfCharFormat& format, const QList<RtfSpan>& spans)
{
    if (text.isEmpty())
        return;
    const bool spanned = spans.size() == text.size();
    if (!runs.isEmpty() && runs.last().format == format) {
        RtfRun& last = runs.last();
        // Spans stay one per character, or none at all.
        const bool keep = spanned && last.spans.size() == last.text.size();
        last.text += text;
        if (keep)
            last.spans += spans;
        else
            last.spans.clear();
    } else {
        runs.append(RtfRun{text, format, spanned ? spans : QList<RtfSpan>()});
    }
}

RtfParagraph RtfParagraph::Formatting() const
{
    RtfParagraph formatting = *this;
    formatting.runs.clear();
    formatting.mark = RtfSpan{};
    return formatting;
}

RtfPage RtfPage::A4(int margin)
{
    RtfPage page;
    page.width = 11906;
    page.height = 16838;
    page.marginLeft = page.marginRight = page.marginTop = page.marginBottom = margin;
    return page;
}

bool RtfPage::hasBorder() const
{
    for (const RtfBorder* border : {&borderTop, &borderBottom, &borderLeft, &borderRight}) {
        if (border->style != RtfBorder::Style::None)
            return true;
    }
    return false;
}

QString RtfDocument::PlainText() const
{
    QString text;
    for (const RtfParagraph& paragraph : paragraphs)
        text += paragraph.Text() + QLatin1Char('\n');
    return text;
}
