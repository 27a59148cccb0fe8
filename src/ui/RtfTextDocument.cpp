#include "ui/RtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

Qt::Alignment ToQt(RtfAlignment alignment)
{
    switch (alignment) {
    case RtfAlignment::Center:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    case RtfAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

RtfAlignment FromQt(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return RtfAlignment::Center;
    if (alignment & Qt::AlignRight)
        return RtfAlignment::Right;
    if (alignment & Qt::AlignJustify)
        return RtfAlignment::Justify;
    return RtfAlignment::Left;
}

QTextCharFormat ToQt(const RtfCharFormat& format)
{
    QTextCharFormat qtFormat;
    if (!format.fontFamily.isEmpty())
        qtFormat.setFontFamilies({format.fontFamily});
    qtFormat.setFontPointSize(format.pointSize);
    qtFormat.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    qtFormat.setFontItalic(format.italic);
    qtFormat.setFontUnderline(format.underline);
    if (format.color)
        qtFormat.setForeground(QColor(format.color->red, format.color->green, format.color->blue));
    return qtFormat;
}

RtfCharFormat FromQt(const QTextCharFormat& qtFormat, const QFont& defaultFont)
{
    RtfCharFormat format;
    const QStringList families = qtFormat.fontFamilies().toStringList();
    format.fontFamily = families.isEmpty() ? defaultFont.family() : families.first();
    const double size = qtFormat.fontPointSize();
    format.pointSize = size > 0 ? size : defaultFont.pointSizeF();
    format.bold = qtFormat.fontWeight() >= QFont::Bold;
    format.italic = qtFormat.fontItalic();
    format.underline = qtFormat.fontUnderline();
    if (qtFormat.hasProperty(QTextFormat::ForegroundBrush) && qtFormat.foreground().style() != Qt::NoBrush) {
        const QColor color = qtFormat.foreground().color();
        format.color = RtfColor{color.red(), color.green(), color.blue()};
    }
    return format;
}

} // namespace

void FillTextDocument(QTextDocument& target, const RtfDocument& document)
{
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    for (qsizetype i = 0; i < document.paragraphs.size(); ++i) {
        const RtfParagraph& paragraph = document.paragraphs[i];
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(ToQt(paragraph.alignment));
        if (i == 0)
            cursor.setBlockFormat(blockFormat);
        else
            cursor.insertBlock(blockFormat);
        for (const RtfRun& run : paragraph.runs) {
            QString text = run.text;
            text.replace(QLatin1Char('\n'), QChar::LineSeparator); // a break within the paragraph
            cursor.insertText(text, ToQt(run.format));
        }
    }
    cursor.endEditBlock();
}

RtfDocument FromTextDocument(const QTextDocument& document)
{
    RtfDocument result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        RtfParagraph paragraph;
        paragraph.alignment = FromQt(block.blockFormat().alignment());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QString text = fragment.fragment().text();
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
            paragraph.Append(text, FromQt(fragment.fragment().charFormat(), document.defaultFont()));
        }
        result.paragraphs.append(paragraph);
    }
    return result;
}
