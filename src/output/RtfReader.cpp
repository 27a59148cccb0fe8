#include "output/RtfReader.h"

#include "model/Windows1252.h"

#include <QHash>
#include <QSet>

#include <optional>

namespace {

enum class Destination { Text, Skip, FontTable, ColorTable };

struct GroupState {
    Destination destination = Destination::Text;
    RtfCharFormat format;
    int fontNumber = -1;
    int colorNumber = 0;
    RtfAlignment alignment = RtfAlignment::Left;
    int unicodeSkip = 1;
};

// Destinations whose text is not part of the document even when they lack the \* mark.
const QSet<QByteArray>& SkippedDestinations()
{
    static const QSet<QByteArray> names{
        "info",
        "stylesheet",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "pict",
        "object",
        "footnote",
        "annotation",
        "listtable",
        "listoverridetable",
        "revtbl",
        "filetbl",
        "rsidtbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "xmlnstbl",
        "generator",
        "nonshppict",
        "shp",
        "fldinst",
        "bkmkstart",
        "bkmkend",
        "atnid",
        "atnauthor",
        "pn",
        "pntext",
        "txe",
        "xe",
        "tc",
        "mmathPr",
        "userprops",
        "template",
    };
    return names;
}

const QHash<QByteArray, QChar>& SymbolWords()
{
    static const QHash<QByteArray, QChar> symbols{
        {"tab", QLatin1Char('\t')},   {"line", QLatin1Char('\n')}, {"cell", QLatin1Char('\t')},
        {"emdash", QChar(0x2014)},    {"endash", QChar(0x2013)},   {"bullet", QChar(0x2022)},
        {"lquote", QChar(0x2018)},    {"rquote", QChar(0x2019)},   {"ldblquote", QChar(0x201C)},
        {"rdblquote", QChar(0x201D)}, {"emspace", QChar(0x2003)},  {"enspace", QChar(0x2002)},
        {"qmspace", QChar(0x2005)},
    };
    return symbols;
}

class RtfParser {
public:
    explicit RtfParser(QByteArrayView rtf) : rtf_(rtf) {}

    RtfDocument Parse()
    {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '{') {
                ++pos_;
                FlushBytes();
                skipAfterUnicode_ = 0;
                stack_.append(state_);
                groupStart_ = true;
                continue;
            }
            if (c == '}') {
                ++pos_;
                EndGroup();
                continue;
            }
            const bool atGroupStart = groupStart_;
            groupStart_ = false;
            if (c == '\\') {
                ControlSequence(atGroupStart);
            } else {
                ++pos_;
                if (c != '\r' && c != '\n')
                    TextByte(c);
            }
        }
        FlushBytes();
        if (!paragraph_.runs.isEmpty())
            EndParagraph();
        return document_;
    }

private:
    void EndGroup()
    {
        FlushBytes();
        skipAfterUnicode_ = 0;
        const bool fontTableEnds = state_.destination == Destination::FontTable;
        if (fontTableEnds)
            StoreFontName();
        if (stack_.isEmpty())
            return; // an unbalanced brace: ignored
        state_ = stack_.takeLast();
        groupStart_ = false;
        if (fontTableEnds && state_.format.fontFamily.isEmpty())
            state_.format.fontFamily = fonts_.value(defaultFont_);
    }

    void ControlSequence(bool atGroupStart)
    {
        ++pos_;
        if (pos_ >= rtf_.size())
            return;
        const char c = rtf_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c, atGroupStart);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < rtf_.size() && IsLetter(rtf_[pos_]))
            ++pos_;
        const QByteArray word = rtf_.sliced(start, pos_ - start).toByteArray();
        std::optional<int> parameter;
        if (pos_ < rtf_.size() && (rtf_[pos_] == '-' || IsDigit(rtf_[pos_]))) {
            const qsizetype numberStart = pos_;
            ++pos_;
            while (pos_ < rtf_.size() && IsDigit(rtf_[pos_]) && pos_ - numberStart < 11)
                ++pos_;
            parameter = rtf_.sliced(numberStart, pos_ - numberStart).toByteArray().toInt();
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
            ++pos_;
        ControlWord(word, parameter, atGroupStart);
    }

    void ControlSymbol(char c, bool atGroupStart)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            TextByte(c);
            break;
        case '\'':
            HexByte();
            break;
        case '*':
            // "{\*\name ...}": a destination the reader may not know; the known ones are
            // recognised by their own word, which follows.
            if (atGroupStart && state_.destination != Destination::Skip)
                pendingOptional_ = true;
            break;
        case '~':
            Character(QChar(0x00A0));
            break;
        case '_':
            Character(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            ParagraphMark();
            break;
        default:
            break; // "\-" (optional hyphen) and the rest carry no text
        }
    }

    void ControlWord(const QByteArray& word, std::optional<int> parameter, bool atGroupStart)
    {
        const bool optional = pendingOptional_;
        pendingOptional_ = false;
        if (state_.destination == Destination::Skip)
            return;
        if (atGroupStart || optional) {
            if (word == "fonttbl") {
                state_.destination = Destination::FontTable;
                return;
            }
            if (word == "colortbl") {
                state_.destination = Destination::ColorTable;
                colorEntry_ = RtfColor{};
                return;
            }
            if (SkippedDestinations().contains(word) || optional) {
                FlushBytes();
                state_.destination = Destination::Skip;
                return;
            }
        }
        const int value = parameter.value_or(1);
        if (state_.destination == Destination::FontTable) {
            if (word == "f") {
                FlushBytes();
                StoreFontName();
                state_.fontNumber = value;
            }
            return;
        }
        if (state_.destination == Destination::ColorTable) {
            if (word == "red")
                colorEntry_.red = value;
            else if (word == "green")
                colorEntry_.green = value;
            else if (word == "blue")
                colorEntry_.blue = value;
            return;
        }
        if (word == "u") {
            FlushBytes();
            Character(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value)));
            skipAfterUnicode_ = state_.unicodeSkip;
            return;
        }
        if (const auto symbol = SymbolWords().constFind(word); symbol != SymbolWords().cend()) {
            Character(*symbol);
            return;
        }
        FlushBytes();
        ApplyFormatting(word, value);
    }

    void ApplyFormatting(const QByteArray& word, int value)
    {
        RtfCharFormat& format = state_.format;
        if (word == "par" || word == "row")
            ParagraphMark();
        else if (word == "pard")
            state_.alignment = RtfAlignment::Left;
        else if (word == "ql")
            state_.alignment = RtfAlignment::Left;
        else if (word == "qc")
            state_.alignment = RtfAlignment::Center;
        else if (word == "qr")
            state_.alignment = RtfAlignment::Right;
        else if (word == "qj")
            state_.alignment = RtfAlignment::Justify;
        else if (word == "plain") {
            format = RtfCharFormat{};
            format.fontFamily = fonts_.value(defaultFont_);
        } else if (word == "b")
            format.bold = value != 0;
        else if (word == "i")
            format.italic = value != 0;
        else if (word == "ulnone")
            format.underline = false;
        else if (word.startsWith("ul") && word != "ulc") // \ul and its dotted, double, ... kinds
            format.underline = value != 0;
        else if (word == "fs" && value > 0)
            format.pointSize = value / 2.0;
        else if (word == "f") {
            format.fontFamily = fonts_.value(value);
        } else if (word == "cf") {
            if (value > 0 && value < colors_.size())
                format.color = colors_[value];
            else
                format.color.reset();
        } else if (word == "deff") {
            defaultFont_ = value;
        } else if (word == "uc" && value >= 0) {
            state_.unicodeSkip = value;
        }
    }

    void TextByte(char c)
    {
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        if (state_.destination == Destination::ColorTable) {
            if (c == ';') {
                colors_.append(colorEntry_);
                colorEntry_ = RtfColor{};
            }
            return;
        }
        if (state_.destination == Destination::Skip)
            return;
        pendingBytes_.append(c);
    }

    void HexByte()
    {
        int byte = 0;
        int digits = 0;
        while (digits < 2 && pos_ < rtf_.size() && IsHexDigit(rtf_[pos_])) {
            byte = byte * 16 + HexValue(rtf_[pos_]);
            ++pos_;
            ++digits;
        }
        if (digits > 0)
            TextByte(static_cast<char>(byte));
    }

    void Character(QChar character)
    {
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        FlushBytes();
        if (state_.destination == Destination::Text)
            paragraph_.Append(QString(character), state_.format);
    }

    // Plain bytes are gathered so a font name or a text passes the code page in one piece.
    void FlushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        const QString text = DecodeWindows1252(pendingBytes_);
        pendingBytes_.clear();
        if (state_.destination == Destination::FontTable)
            fontName_ += text;
        else if (state_.destination == Destination::Text)
            paragraph_.Append(text, state_.format);
    }

    void StoreFontName()
    {
        FlushBytes();
        if (state_.fontNumber >= 0) {
            QString name = fontName_.trimmed();
            if (name.endsWith(QLatin1Char(';')))
                name.chop(1);
            if (!fonts_.contains(state_.fontNumber))
                fonts_.insert(state_.fontNumber, name.trimmed());
        }
        fontName_.clear();
        state_.fontNumber = -1;
    }

    void ParagraphMark()
    {
        FlushBytes();
        if (state_.destination == Destination::Text)
            EndParagraph();
    }

    void EndParagraph()
    {
        paragraph_.alignment = state_.alignment;
        document_.paragraphs.append(paragraph_);
        paragraph_ = RtfParagraph{};
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c)
    {
        if (IsDigit(c))
            return c - '0';
        return (c | 0x20) - 'a' + 10;
    }
    static bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

    QByteArrayView rtf_;
    qsizetype pos_ = 0;
    GroupState state_;
    QList<GroupState> stack_;
    bool groupStart_ = false;
    bool pendingOptional_ = false;
    int skipAfterUnicode_ = 0;
    QByteArray pendingBytes_;
    QHash<int, QString> fonts_;
    int defaultFont_ = 0;
    QString fontName_;
    QList<RtfColor> colors_;
    RtfColor colorEntry_;
    RtfParagraph paragraph_;
    RtfDocument document_;
};

} // namespace

RtfDocument ReadRtf(QByteArrayView rtf)
{
    return RtfParser(rtf).Parse();
}
