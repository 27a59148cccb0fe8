#include "output/RtfReader.h"

#include "model/Windows1252.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

enum class Destination { Text, Skip, FontTable, ColorTable };

struct GroupState {
    Destination destination = Destination::Text;
    RtfCharFormat format;
    int fontNumber = -1;
    RtfParagraph paragraph; // the formatting of the paragraph being read, without text
    RtfTabStop::Kind tabKind = RtfTabStop::Kind::Left;
    int unicodeSkip = 1;
};

// The side of the page border that border words describe; Other: a paragraph's or a cell's.
enum class BorderTarget { None, Top, Bottom, Left, Right, Other };

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

    RtfSourceDocument Parse()
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
                    TextByte(c, RtfSpan{pos_ - 1, pos_});
            }
        }
        FlushBytes();
        if (!paragraph_.runs.isEmpty())
            EndParagraph(RtfSpan{});
        source_.document.page = page_;
        source_.fonts = fonts_;
        source_.colors = colors_;
        if (source_.bodyEnd == 0)
            source_.bodyEnd = rtf_.size();
        source_.bodyBegin = std::min(source_.bodyBegin, source_.bodyEnd);
        return source_;
    }

private:
    void EndGroup()
    {
        FlushBytes();
        skipAfterUnicode_ = 0;
        const Destination ending = state_.destination;
        if (ending == Destination::FontTable)
            StoreFontName();
        const bool tableEnds = !stack_.isEmpty() && stack_.last().destination != ending;
        if (tableEnds && ending == Destination::FontTable)
            source_.fontTableEnd = pos_ - 1;
        if (tableEnds && ending == Destination::ColorTable)
            source_.colorTableEnd = pos_ - 1;
        if (stack_.isEmpty())
            return; // an unbalanced brace: ignored
        // A table or other destination right inside the document, before any text: the body
        // starts after it.
        if (stack_.size() == 2 && ending != Destination::Text && !bodySeen_)
            source_.bodyBegin = pos_;
        if (stack_.size() == 1 && source_.bodyEnd == 0)
            source_.bodyEnd = pos_ - 1;
        state_ = stack_.takeLast();
        groupStart_ = false;
        if (ending == Destination::FontTable && state_.format.fontFamily.isEmpty())
            state_.format.fontFamily = fonts_.value(defaultFont_);
    }

    void ControlSequence(bool atGroupStart)
    {
        controlStart_ = pos_;
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

    RtfSpan ControlSpan() const { return RtfSpan{controlStart_, pos_}; }

    void ControlSymbol(char c, bool atGroupStart)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            TextByte(c, ControlSpan());
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
            Character(QChar(0x00A0), ControlSpan());
            break;
        case '_':
            Character(QChar(0x2011), ControlSpan());
            break;
        case '\r':
        case '\n':
            ParagraphMark(ControlSpan());
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
            Character(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value)), ControlSpan());
            skipAfterUnicode_ = state_.unicodeSkip;
            return;
        }
        if (const auto symbol = SymbolWords().constFind(word); symbol != SymbolWords().cend()) {
            Character(*symbol, ControlSpan());
            return;
        }
        FlushBytes();
        if (!ApplyParagraphFormatting(word, parameter, value) && !ApplyPageFormatting(word, value))
            ApplyCharFormatting(word, value);
    }

    void ApplyCharFormatting(const QByteArray& word, int value)
    {
        RtfCharFormat& format = state_.format;
        if (word == "plain") {
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
        } else if (word == "expndtw") {
            format.letterSpacing = value;
        } else if (word == "expnd") {
            format.letterSpacing = value * 5; // quarter points
        } else if (word == "deff") {
            defaultFont_ = value;
        } else if (word == "uc" && value >= 0) {
            state_.unicodeSkip = value;
        }
    }

    // Paragraph words; false for any other word.
    bool ApplyParagraphFormatting(const QByteArray& word, std::optional<int> parameter, int value)
    {
        RtfParagraph& paragraph = state_.paragraph;
        if (word == "par" || word == "row") {
            ParagraphMark(ControlSpan());
        } else if (word == "page" || word == "sect") {
            PageBreak();
        } else if (word == "pard") {
            paragraph = RtfParagraph{};
            state_.tabKind = RtfTabStop::Kind::Left;
            borderTarget_ = BorderTarget::None;
        } else if (word == "ql") {
            paragraph.alignment = RtfAlignment::Left;
        } else if (word == "qc") {
            paragraph.alignment = RtfAlignment::Center;
        } else if (word == "qr") {
            paragraph.alignment = RtfAlignment::Right;
        } else if (word == "qj") {
            paragraph.alignment = RtfAlignment::Justify;
        } else if (word == "sb") {
            paragraph.spaceBefore = value;
        } else if (word == "sa") {
            paragraph.spaceAfter = value;
        } else if (word == "li" || word == "lin") {
            paragraph.leftIndent = value;
        } else if (word == "ri" || word == "rin") {
            paragraph.rightIndent = value;
        } else if (word == "fi") {
            paragraph.firstLineIndent = value;
        } else if (word == "sl") {
            paragraph.lineSpacing = parameter.value_or(0);
        } else if (word == "slmult") {
            paragraph.lineSpacingMultiple = value != 0;
        } else if (word == "tqr") {
            state_.tabKind = RtfTabStop::Kind::Right;
        } else if (word == "tqc") {
            state_.tabKind = RtfTabStop::Kind::Center;
        } else if (word == "tqdec") {
            state_.tabKind = RtfTabStop::Kind::Decimal;
        } else if (word == "tx") {
            paragraph.tabs.append(RtfTabStop{value, state_.tabKind});
            state_.tabKind = RtfTabStop::Kind::Left;
        } else if (word == "pagebb") {
            paragraph.pageBreakBefore = value != 0;
        } else if (word == "keepn") {
            paragraph.keepWithNext = value != 0;
        } else if (word == "brdrt" || word == "brdrb" || word == "brdrl" || word == "brdrr" ||
                   word == "box" || word.startsWith("clbrdr") || word.startsWith("trbrdr")) {
            borderTarget_ = BorderTarget::Other;
        } else {
            return false;
        }
        return true;
    }

    // Words of the page and its border; false for any other word.
    bool ApplyPageFormatting(const QByteArray& word, int value)
    {
        if (word == "paperw" || word == "pgwsxn")
            page_.width = value;
        else if (word == "paperh" || word == "pghsxn")
            page_.height = value;
        else if (word == "margl" || word == "marglsxn")
            page_.marginLeft = value;
        else if (word == "margr" || word == "margrsxn")
            page_.marginRight = value;
        else if (word == "margt" || word == "margtsxn")
            page_.marginTop = value;
        else if (word == "margb" || word == "margbsxn")
            page_.marginBottom = value;
        else if (word == "pgbrdrt")
            borderTarget_ = BorderTarget::Top;
        else if (word == "pgbrdrb")
            borderTarget_ = BorderTarget::Bottom;
        else if (word == "pgbrdrl")
            borderTarget_ = BorderTarget::Left;
        else if (word == "pgbrdrr")
            borderTarget_ = BorderTarget::Right;
        else if (word == "pgbrdropt")
            page_.borderFromPageEdge = (value & 0x20) != 0;
        else if (word.startsWith("brdr") || word == "brsp")
            ApplyBorderWord(word, value);
        else
            return false;
        return true;
    }

    void ApplyBorderWord(const QByteArray& word, int value)
    {
        RtfBorder* border = borderTarget_ == BorderTarget::Top      ? &page_.borderTop
                            : borderTarget_ == BorderTarget::Bottom ? &page_.borderBottom
                            : borderTarget_ == BorderTarget::Left   ? &page_.borderLeft
                            : borderTarget_ == BorderTarget::Right  ? &page_.borderRight
                                                                    : nullptr;
        if (!border)
            return;
        if (word == "brdrw")
            border->width = value;
        else if (word == "brsp")
            border->space = value;
        else if (word == "brdrcf")
            border->color =
                value > 0 && value < colors_.size() ? std::optional(colors_[value]) : std::nullopt;
        else if (word == "brdrs")
            border->style = RtfBorder::Style::Single;
        else if (word == "brdrdb")
            border->style = RtfBorder::Style::Double;
        else if (word == "brdrth")
            border->style = RtfBorder::Style::Thick;
        else if (word == "brdrdot")
            border->style = RtfBorder::Style::Dotted;
        else if (word == "brdrdash")
            border->style = RtfBorder::Style::Dashed;
        else if (word == "brdrnone")
            border->style = RtfBorder::Style::None;
        else if (word != "brdrcf" && word != "brdrw" && word.size() > 4)
            border->style = RtfBorder::Style::Single; // the many other line kinds
    }

    void TextByte(char c, RtfSpan span)
    {
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            ExtendLastSpan(span.end);
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
        pendingSpans_.append(span);
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
            TextByte(static_cast<char>(byte), ControlSpan());
    }

    void Character(QChar character, RtfSpan span)
    {
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            ExtendLastSpan(span.end);
            return;
        }
        FlushBytes();
        if (state_.destination == Destination::Text) {
            bodySeen_ = true;
            paragraph_.Append(QString(character), state_.format, {span});
        }
    }

    // The fallback characters of \uN belong to it.
    void ExtendLastSpan(qsizetype end)
    {
        if (!paragraph_.runs.isEmpty() && !paragraph_.runs.last().spans.isEmpty())
            paragraph_.runs.last().spans.last().end = end;
    }

    // Plain bytes are gathered so a font name or a text passes the code page in one piece.
    void FlushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        const QString text = DecodeWindows1252(pendingBytes_);
        const QList<RtfSpan> spans = pendingSpans_;
        pendingBytes_.clear();
        pendingSpans_.clear();
        if (state_.destination == Destination::FontTable) {
            fontName_ += text;
        } else if (state_.destination == Destination::Text) {
            bodySeen_ = true;
            paragraph_.Append(text, state_.format, text.size() == spans.size() ? spans : QList<RtfSpan>());
        }
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

    void ParagraphMark(RtfSpan span)
    {
        FlushBytes();
        if (state_.destination != Destination::Text)
            return;
        bodySeen_ = true;
        EndParagraph(span);
    }

    // A page or section break: the next paragraph starts a page; a paragraph begun already ends.
    void PageBreak()
    {
        FlushBytes();
        if (state_.destination != Destination::Text)
            return;
        if (!paragraph_.runs.isEmpty())
            EndParagraph(ControlSpan());
        pageBreakPending_ = true;
    }

    void EndParagraph(RtfSpan mark)
    {
        const QList<RtfRun> runs = paragraph_.runs;
        paragraph_ = state_.paragraph.Formatting();
        paragraph_.runs = runs;
        paragraph_.mark = mark;
        paragraph_.pageBreakBefore = paragraph_.pageBreakBefore || pageBreakPending_;
        pageBreakPending_ = false;
        source_.document.paragraphs.append(paragraph_);
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
    qsizetype controlStart_ = 0;
    GroupState state_;
    QList<GroupState> stack_;
    bool groupStart_ = false;
    bool pendingOptional_ = false;
    int skipAfterUnicode_ = 0;
    QByteArray pendingBytes_;
    QList<RtfSpan> pendingSpans_;
    QHash<int, QString> fonts_;
    int defaultFont_ = 0;
    QString fontName_;
    QList<RtfColor> colors_;
    RtfColor colorEntry_;
    RtfPage page_;
    BorderTarget borderTarget_ = BorderTarget::None;
    bool bodySeen_ = false;
    bool pageBreakPending_ = false;
    RtfParagraph paragraph_;
    RtfSourceDocument source_;
};

} // namespace

RtfDocument ReadRtf(QByteArrayView rtf)
{
    return RtfParser(rtf).Parse().document;
}

RtfSourceDocument ReadRtfSource(QByteArrayView rtf)
{
    return RtfParser(rtf).Parse();
}
