#pragma once

#include "output/RtfDocument.h"

#include <QByteArray>

// Writes the document as RTF with a font and colour table; characters outside ASCII as
// Windows-1252 \'hh escapes, or as \uN with "?" as the fallback when the code page lacks them.
// Every paragraph ends with \par, so ReadRtf gives back the same paragraphs.
QByteArray WriteRtf(const RtfDocument& document);
