#pragma once

#include "output/RtfDocument.h"

#include <QByteArray>

// Writes the document as RTF with a font and colour table, its page and every paragraph's
// spacing, indents and tab stops; characters outside ASCII as
// Windows-1252 \'hh escapes, or as \uN with "?" as the fallback when the code page lacks them.
// Every paragraph ends with \par, so ReadRtf gives back the same paragraphs.
QByteArray WriteRtf(const RtfDocument& document);

// Text as RTF: braces and backslashes escaped, tabs and line breaks as control words, characters
// outside ASCII as Windows-1252 escapes or \uN with "?" as the fallback.
QByteArray RtfEscapedText(const QString& text);
// The control words of a character format: font and size, bold, italic, underline, colour (only
// when the format has one; `colorNumber` is its place in the colour table) and letter spacing.
QByteArray RtfCharFormatWords(const RtfCharFormat& format, int fontNumber, int colorNumber);
// The control word of a paragraph alignment ("\\ql", "\\qc", "\\qr", "\\qj").
QByteArray RtfAlignmentWord(RtfAlignment alignment);
