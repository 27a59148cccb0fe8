#pragma once

#include "output/RtfDocument.h"

#include <QByteArrayView>
#include <QHash>

// Reads paragraphs, fonts, sizes, bold/italic/underline, letter spacing, colours, alignment,
// paragraph spacing, indents, tab stops and page breaks, and the page (size, margins, border)
// from RTF. Text in \'hh escapes is Windows-1252, \uN gives the character N. Table cells end in a
// tab, table rows end their paragraph. Destinations the reader does not know (marked \*) and the
// known non-text ones (style sheet, info, headers, pictures, ...) are skipped whole; unknown
// control words are ignored. Broken input never fails: unbalanced braces end or are ignored, the
// text read so far is kept.
RtfDocument ReadRtf(QByteArrayView rtf);

// The document with where its parts stand in the file: every character and paragraph mark has
// its span, and the body (everything after the font, colour and other tables up to the closing
// brace) is bytes bodyBegin..bodyEnd.
struct RtfSourceDocument {
    RtfDocument document;
    qsizetype bodyBegin = 0;
    qsizetype bodyEnd = 0;
    QHash<int, QString> fonts;    // by number
    QList<RtfColor> colors;       // by index; index 0 is the automatic colour
    qsizetype fontTableEnd = -1;  // the closing brace of the font table; -1: the file has none
    qsizetype colorTableEnd = -1; // the closing brace of the colour table
};
RtfSourceDocument ReadRtfSource(QByteArrayView rtf);
