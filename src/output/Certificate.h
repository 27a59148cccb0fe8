#pragma once

#include "output/RtfDocument.h"

class Prompter;

// Certificates: an RTF template in which "#name" stands for the team's name.

// Replaces every "#name" (case-sensitive) by the text in the formatting of the placeholder's first
// character. The search goes on behind the inserted text, so a name that itself holds "#name"
// or is shorter than the placeholder neither loops nor hides the next placeholder.
void ReplacePlaceholders(RtfDocument& document, const QString& text);

// Loads the template into the shown document and fills in the text. When the file cannot be
// read, the message "Die Datei <path> kann nicht eingeladen werden. ..." is shown and the
// placeholders of the document shown so far are replaced.
void FillTemplate(RtfDocument& shown, const QString& templatePath, const QString& text, Prompter& prompter);
