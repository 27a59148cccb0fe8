#pragma once

#include "output/RtfDocument.h"

class QTextDocument;

// Bridges the core's rich text and Qt's text document (rich-text editors, printing).

// Replaces the document's content: one block per paragraph, one fragment per run.
void FillTextDocument(QTextDocument& target, const RtfDocument& document);
// The blocks and fragments of the document; a fragment without its own size or font gets the
// document's default font.
RtfDocument FromTextDocument(const QTextDocument& document);
