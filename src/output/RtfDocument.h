#pragma once

#include <QList>
#include <QString>

#include <optional>

// A rich text as paragraphs of uniformly formatted runs, with the page it is laid out on: what
// the RTF reader and writer exchange, free of any GUI type so the core can fill templates and
// write files. Lengths are twips (1/20 point), as in RTF.

struct RtfColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RtfColor&) const = default;
};

struct RtfCharFormat {
    QString fontFamily; // empty: the reader's default font
    double pointSize = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<RtfColor> color; // none: the automatic text colour
    int letterSpacing = 0;         // twips added after every character
    bool operator==(const RtfCharFormat&) const = default;
};

// Where a character stands in the RTF it was read from: bytes begin..end. Only the reader sets
// it; documents compare equal without it.
struct RtfSpan {
    qsizetype begin = -1;
    qsizetype end = -1;
    bool isValid() const { return begin >= 0; }
};

// Text of a run: a tab is '\t', a line break inside the paragraph is '\n'.
struct RtfRun {
    QString text;
    RtfCharFormat format;
    QList<RtfSpan> spans = {}; // one per character of text, when read from a file
    bool operator==(const RtfRun& other) const { return text == other.text && format == other.format; }
};

enum class RtfAlignment { Left, Center, Right, Justify };

struct RtfTabStop {
    enum class Kind { Left, Center, Right, Decimal };
    int position = 0;
    Kind kind = Kind::Left;
    bool operator==(const RtfTabStop&) const = default;
};

struct RtfParagraph {
    RtfAlignment alignment = RtfAlignment::Left;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int lineSpacing = 0;              // 0: single; above 0 at least, below 0 exactly this much
    bool lineSpacingMultiple = false; // lineSpacing counts in 240ths of a single line
    QList<RtfTabStop> tabs;
    bool pageBreakBefore = false;
    bool keepWithNext = false;
    QList<RtfRun> runs;
    RtfSpan mark = {}; // the paragraph mark in the file read
    bool operator==(const RtfParagraph& other) const
    {
        return alignment == other.alignment && spaceBefore == other.spaceBefore &&
               spaceAfter == other.spaceAfter && leftIndent == other.leftIndent &&
               rightIndent == other.rightIndent && firstLineIndent == other.firstLineIndent &&
               lineSpacing == other.lineSpacing && lineSpacingMultiple == other.lineSpacingMultiple &&
               tabs == other.tabs && pageBreakBefore == other.pageBreakBefore &&
               keepWithNext == other.keepWithNext && runs == other.runs;
    }

    QString Text() const;
    // Adds the text with the format, joining the last run when its format is the same.
    void Append(const QString& text, const RtfCharFormat& format, const QList<RtfSpan>& spans = {});
    // The paragraph's format without its text.
    RtfParagraph Formatting() const;
};

// One side of the page border.
struct RtfBorder {
    enum class Style { None, Single, Double, Thick, Dotted, Dashed };
    Style style = Style::None;
    int width = 0; // of one line
    int space = 0; // between the border and the text (or the page's edge)
    std::optional<RtfColor> color;
    bool operator==(const RtfBorder&) const = default;
};

// The page; RTF's own defaults (US Letter, 1 inch and 1.25 inch margins) where a file names none.
struct RtfPage {
    int width = 12240;
    int height = 15840;
    int marginLeft = 1800;
    int marginRight = 1800;
    int marginTop = 1440;
    int marginBottom = 1440;
    RtfBorder borderTop;
    RtfBorder borderBottom;
    RtfBorder borderLeft;
    RtfBorder borderRight;
    bool borderFromPageEdge = false; // the border's space counts from the page's edge, not the text
    bool operator==(const RtfPage&) const = default;

    static RtfPage A4(int margin = 1134);
    bool hasBorder() const;
};

struct RtfDocument {
    RtfPage page;
    QList<RtfParagraph> paragraphs;
    bool operator==(const RtfDocument&) const = default;

    // The paragraph texts, each followed by '\n'.
    QString PlainText() const;
};
