#include "output/RtfWriter.h"

#include "model/Windows1252.h"

#include <cmath>

namespace {

QByteArray AlignmentWord(RtfAlignment alignment)
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
QByteArray EscapedText(const QString& text)
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

class TableBuilder {
public:
    explicit TableBuilder(const RtfDocument& document)
    {
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
        QByteArray words = "\\f" + QByteArray::number(fonts_.indexOf(format.fontFamily));
        words += "\\fs" + QByteArray::number(std::lround(format.pointSize * 2));
        if (format.bold)
            words += "\\b";
        if (format.italic)
            words += "\\i";
        if (format.underline)
            words += "\\ul";
        if (format.color)
            words += "\\cf" + QByteArray::number(colors_.indexOf(*format.color) + 1);
        return words;
    }

private:
    QList<QString> fonts_;
    QList<RtfColor> colors_;
};

} // namespace

QByteArray WriteRtf(const RtfDocument& document)
{
    const TableBuilder tables(document);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    rtf += tables.FontTable();
    rtf += tables.ColorTable();
    for (const RtfParagraph& paragraph : document.paragraphs) {
        rtf += "\\pard" + AlignmentWord(paragraph.alignment);
        for (const RtfRun& run : paragraph.runs)
            rtf += "{" + tables.FormatWords(run.format) + " " + EscapedText(run.text) + "}";
        rtf += "\\par\r\n";
    }
    return rtf + "}\r\n";
}
