#pragma once

#include <QList>
#include <QString>

#include <optional>

// A rich text as paragraphs of uniformly formatted runs: what the RTF reader and writer
// exchange, free of any GUI type so the core can fill templates and write files.

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
    bool operator==(const RtfCharFormat&) const = default;
};

// Text of a run: a tab is '\t', a line break inside the paragraph is '\n'.
struct RtfRun {
    QString text;
    RtfCharFormat format;
    bool operator==(const RtfRun&) const = default;
};

enum class RtfAlignment { Left, Center, Right, Justify };

struct RtfParagraph {
    RtfAlignment alignment = RtfAlignment::Left;
    QList<RtfRun> runs;
    bool operator==(const RtfParagraph&) const = default;

    QString Text() const;
    // Adds the text with the format, joining the last run when its format is the same.
    void Append(const QString& text, const RtfCharFormat& format);
};

struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    bool operator==(const RtfDocument&) const = default;

    // The paragraph texts, each followed by '\n'.
    QString PlainText() const;
};
