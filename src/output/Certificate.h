#pragma once

#include "output/RtfDocument.h"

class Prompter;

// Certificates: an RTF template in which "#name" stands for the team's name.

// Replaces every "#name" (case-sensitive) by the text in the formatting of the placeholder's first
// character. The search goes on behind the inserted text, so a name that itself holds "#name"
// or is shorter than the placeholder neither loops nor hides the next placeholder.
void ReplacePlaceholders(RtfDocument& document, const QString& text);

// "Die Datei <path> kann nicht eingeladen werden. ...": a template that cannot be read.
QString TemplateNotLoadedText(const QString& templatePath);

// Loads the template into the shown document and fills in the text. When the file cannot be
// read, the message "Die Datei <path> kann nicht eingeladen werden. ..." is shown and the
// placeholders of the document shown so far are replaced.
void FillTemplate(RtfDocument& shown, const QString& templatePath, const QString& text, Prompter& prompter);

// The name for a certificate from the text of the selected cell: everything after the first ")"
// ("3) Adler" gives " Adler"), or the whole text when it has none.
QString CertificateName(const QString& cellText);

// The template file to read: a relative path is taken in the working directory. When no file of
// that name exists, one whose name differs only in capitals is used, so "Urkunde.rtf" finds the
// "urkunde.rtf" that start-up copies, also on file systems that tell capitals apart.
QString ResolveCertificateTemplate(const QString& templatePath, const QString& workDir);
