#pragma once

#include "output/RtfDocument.h"

#include <QByteArrayView>

// Reads paragraphs, fonts, sizes, bold/italic/underline, colours and alignment from RTF. Text in
// \'hh escapes is Windows-1252, \uN gives the character N. Destinations the reader does not know
// (marked \*) and the known non-text ones (style sheet, info, headers, pictures, ...) are skipped
// whole; unknown control words are ignored. Broken input never fails: unbalanced braces end or
// are ignored, the text read so far is kept.
RtfDocument ReadRtf(QByteArrayView rtf);
