#include "output/RtfWriter.h"

#include "model/Windows1252.h"

#include <cmath>

QByteArray RtfCharFormatWords(const RtfCharFormat& format, int fontNumber, int colorNumber)
{
    QByteArray words = "\\f" + QByteArray::number(fontNumber);
    words += "\\fs" + QByteArray::number(std::lround(format.pointSize * 2));
    if (format.bold)
        words += "\\b";
    if (format.italic)
        words += "\\i";
    if (format.underline)
        words += "\\ul";
    if (format.color)
        words += "\\cf" + QByteArray::number(colorNumber);
    if (format.letterSpacing != 0)
        words += "\\expndtw" + QByteArray::number(format.letterSpacing);
    return words;
}

QByteArray RtfAlignmentWord(RtfAlignment alignment)
{
    switch (alignment) {
    case RtfAlignment::Center:
        return "\\qc";
    case RtfAlignment::Right:
        return "\\qr";
    case RtfAlignment::Justify:
        return "\\qj";
    case RtfAlignment::Left:
        break;
    }
    return "\\ql";
}

// Braces, backslashes and a font name's ";" would end their group or entry early.
QByteArray RtfEscapedText(const QString& text)
{
    QByteArray out;
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit == '\\' || unit == '{' || unit == '}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == '\t') {
            out += "\\tab ";
        } else if (unit == '\n') {
            out += "\\line ";
        } else if (unit >= 0x20 && unit < 0x80) {
            out += static_cast<char>(unit);
        } else if (unit >= 0x80 && FitsWindows1252(QString(character))) {
            out += "\\'" + EncodeWindows1252(QString(character)).toHex();
        } else {
            // RTF numbers are signed 16-bit; "?" is what a reader without Unicode shows.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + "?";
        }
    }
    return out;
}

namespace {
QByteArray EscapedText(const QString& text)
{
    return RtfEscapedText(text);
}

class TableBuilder {
public:
    explicit TableBuilder(const RtfDocument& document)
    {
        const RtfPage& page = document.page;
        for (const RtfBorder* border :
             {&page.borderTop, &page.borderBottom, &page.borderLeft, &page.borderRight}) {
            if (border->color && !colors_.contains(*border->color))
                colors_.append(*border->color);
        }
        for (const RtfParagraph& paragraph : document.paragraphs) {
            for (const RtfRun& run : paragraph.runs) {
                if (!fonts_.contains(run.format.fontFamily))
                    fonts_.append(run.format.fontFamily);
                if (run.format.color && !colors_.contains(*run.format.color))
                    colors_.append(*run.format.color);
            }
        }
        if (fonts_.isEmpty())
            fonts_.append(QString());
    }

    QByteArray FontTable() const
    {
        QByteArray table = "{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i)
            table += "{\\f" + QByteArray::number(i) + "\\fnil " + EscapedText(fonts_[i]) + ";}";
        return table + "}\r\n";
    }

    QByteArray ColorTable() const
    {
        QByteArray table = "{\\colortbl;";
        for (const RtfColor& color : colors_)
            table += "\\red" + QByteArray::number(color.red) + "\\green" + QByteArray::number(color.green) +
                     "\\blue" + QByteArray::number(color.blue) + ";";
        return table + "}\r\n";
    }

    QByteArray FormatWords(const RtfCharFormat& format) const
    {
        return RtfCharFormatWords(format, int(fonts_.indexOf(format.fontFamily)),
                                  format.color ? int(colors_.indexOf(*format.color)) + 1 : 0);
    }

    QByteArray ColorWord(const QByteArray& word, const std::optional<RtfColor>& color) const
    {
        return color ? word + QByteArray::number(colors_.indexOf(*color) + 1) : QByteArray();
    }

private:
    QList<QString> fonts_;
    QList<RtfColor> colors_;
};

QByteArray Number(const char* word, int value)
{
    return QByteArray(word) + QByteArray::number(value);
}

QByteArray BorderStyleWord(RtfBorder::Style style)
{
    switch (style) {
    case RtfBorder::Style::Single:
        return "\\brdrs";
    case RtfBorder::Style::Double:
        return "\\brdrdb";
    case RtfBorder::Style::Thick:
        return "\\brdrth";
    case RtfBorder::Style::Dotted:
        return "\\brdrdot";
    case RtfBorder::Style::Dashed:
        return "\\brdrdash";
    case RtfBorder::Style::None:
        break;
    }
    return "\\brdrnone";
}

QByteArray PageWords(const RtfPage& page, const TableBuilder& tables)
{
    QByteArray words = Number("\\paperw", page.width) + Number("\\paperh", page.height) +
                       Number("\\margl", page.marginLeft) + Number("\\margr", page.marginRight) +
                       Number("\\margt", page.marginTop) + Number("\\margb", page.marginBottom) + "\r\n";
    if (!page.hasBorder())
        return words;
    words += "\\sectd";
    const std::pair<const char*, const RtfBorder*> sides[] = {{"\\pgbrdrt", &page.borderTop},
                                                              {"\\pgbrdrb", &page.borderBottom},
                                                              {"\\pgbrdrl", &page.borderLeft},
                                                              {"\\pgbrdrr", &page.borderRight}};
    for (const auto& [side, border] : sides) {
        if (border->style == RtfBorder::Style::None)
            continue;
        words += side + BorderStyleWord(border->style) + Number("\\brdrw", border->width) +
                 Number("\\brsp", border->space) + tables.ColorWord("\\brdrcf", border->color);
    }
    if (page.borderFromPageEdge)
        words += "\\pgbrdropt32";
    return words + "\r\n";
}

QByteArray TabWords(const RtfTabStop& tab)
{
    switch (tab.kind) {
    case RtfTabStop::Kind::Right:
        return Number("\\tqr\\tx", tab.position);
    case RtfTabStop::Kind::Center:
        return Number("\\tqc\\tx", tab.position);
    case RtfTabStop::Kind::Decimal:
        return Number("\\tqdec\\tx", tab.position);
    case RtfTabStop::Kind::Left:
        break;
    }
    return Number("\\tx", tab.position);
}

QByteArray ParagraphWords(const RtfParagraph& paragraph)
{
    QByteArray words = "\\pard" + RtfAlignmentWord(paragraph.alignment);
    const std::pair<const char*, int> numbers[] = {
        {"\\sb", paragraph.spaceBefore},     {"\\sa", paragraph.spaceAfter},
        {"\\li", paragraph.leftIndent},      {"\\ri", paragraph.rightIndent},
        {"\\fi", paragraph.firstLineIndent}, {"\\sl", paragraph.lineSpacing}};
    for (const auto& [word, value] : numbers) {
        if (value != 0)
            words += Number(word, value);
    }
    if (paragraph.lineSpacingMultiple)
        words += "\\slmult1";
    for (const RtfTabStop& tab : paragraph.tabs)
        words += TabWords(tab);
    if (paragraph.pageBreakBefore)
        words += "\\pagebb";
    if (paragraph.keepWithNext)
        words += "\\keepn";
    return words;
}

} // namespace

QByteArray WriteRtf(const RtfDocument& document)
{
    const TableBuilder tables(document);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    rtf += tables.FontTable();
    rtf += tables.ColorTable();
    rtf += PageWords(document.page, tables);
    for (const RtfParagraph& paragraph : document.paragraphs) {
        rtf += ParagraphWords(paragraph);
        for (const RtfRun& run : paragraph.runs)
            rtf += "{" + tables.FormatWords(run.format) + " " + EscapedText(run.text) + "}";
        rtf += "\\par\r\n";
    }
    return rtf + "}\r\n";
}
