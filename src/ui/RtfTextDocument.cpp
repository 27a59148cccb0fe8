#include "ui/RtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {
// Qt lays out no "keep with next"; the property only carries it through the editor.
constexpr int KeepWithNext = QTextFormat::UserProperty + 1;

// Twips in the document's units, which are pixels at 96 per inch, and back.
qreal FromTwips(int twips)
{
    return twips / 15.0;
}

int ToTwips(qreal pixels)
{
    return int(std::lround(pixels * 15.0));
}

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
    if (format.letterSpacing != 0) {
        qtFormat.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        qtFormat.setFontLetterSpacing(FromTwips(format.letterSpacing));
    }
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
    if (qtFormat.fontLetterSpacingType() == QFont::AbsoluteSpacing)
        format.letterSpacing = ToTwips(qtFormat.fontLetterSpacing());
    return format;
}

// The paragraph's alignment, spacing, indents and tab stops; its line spacing where it is a
// multiple of single or a fixed height.
QTextBlockFormat ToQt(const RtfParagraph& paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(ToQt(paragraph.alignment));
    format.setTopMargin(FromTwips(paragraph.spaceBefore));
    format.setBottomMargin(FromTwips(paragraph.spaceAfter));
    format.setLeftMargin(FromTwips(paragraph.leftIndent));
    format.setRightMargin(FromTwips(paragraph.rightIndent));
    format.setTextIndent(FromTwips(paragraph.firstLineIndent));
    if (paragraph.lineSpacing != 0 && paragraph.lineSpacingMultiple)
        format.setLineHeight(100.0 * paragraph.lineSpacing / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (paragraph.lineSpacing < 0)
        format.setLineHeight(FromTwips(-paragraph.lineSpacing), QTextBlockFormat::FixedHeight);
    else if (paragraph.lineSpacing > 0)
        format.setLineHeight(FromTwips(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
    QList<QTextOption::Tab> tabs;
    for (const RtfTabStop& stop : paragraph.tabs) {
        const QTextOption::TabType type = stop.kind == RtfTabStop::Kind::Right     ? QTextOption::RightTab
                                          : stop.kind == RtfTabStop::Kind::Center  ? QTextOption::CenterTab
                                          : stop.kind == RtfTabStop::Kind::Decimal ? QTextOption::DelimiterTab
                                                                                   : QTextOption::LeftTab;
        tabs.append(QTextOption::Tab(FromTwips(stop.position), type, QLatin1Char(',')));
    }
    format.setTabPositions(tabs);
    if (paragraph.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    format.setProperty(KeepWithNext, paragraph.keepWithNext);
    return format;
}

// The paragraph's format as above, without its text.
RtfParagraph FromQt(const QTextBlockFormat& format)
{
    RtfParagraph paragraph;
    paragraph.alignment = FromQt(format.alignment());
    paragraph.spaceBefore = ToTwips(format.topMargin());
    paragraph.spaceAfter = ToTwips(format.bottomMargin());
    paragraph.leftIndent = ToTwips(format.leftMargin());
    paragraph.rightIndent = ToTwips(format.rightMargin());
    paragraph.firstLineIndent = ToTwips(format.textIndent());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        paragraph.lineSpacingMultiple = true;
        paragraph.lineSpacing = int(std::lround(format.lineHeight() * 240.0 / 100.0));
        break;
    case QTextBlockFormat::FixedHeight:
        paragraph.lineSpacing = -ToTwips(format.lineHeight());
        break;
    case QTextBlockFormat::MinimumHeight:
        paragraph.lineSpacing = ToTwips(format.lineHeight());
        break;
    default:
        break;
    }
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        const RtfTabStop::Kind kind = tab.type == QTextOption::RightTab       ? RtfTabStop::Kind::Right
                                      : tab.type == QTextOption::CenterTab    ? RtfTabStop::Kind::Center
                                      : tab.type == QTextOption::DelimiterTab ? RtfTabStop::Kind::Decimal
                                                                              : RtfTabStop::Kind::Left;
        paragraph.tabs.append({ToTwips(tab.position), kind});
    }
    paragraph.pageBreakBefore = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    paragraph.keepWithNext = format.boolProperty(KeepWithNext);
    return paragraph;
}

} // namespace

void FillTextDocument(QTextDocument& target, const RtfDocument& document)
{
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    for (qsizetype i = 0; i < document.paragraphs.size(); ++i) {
        const RtfParagraph& paragraph = document.paragraphs[i];
        const QTextBlockFormat blockFormat = ToQt(paragraph);
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
        RtfParagraph paragraph = FromQt(block.blockFormat());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QString text = fragment.fragment().text();
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
            paragraph.Append(text, FromQt(fragment.fragment().charFormat(), document.defaultFont()));
        }
        result.paragraphs.append(paragraph);
    }
    return result;
}
