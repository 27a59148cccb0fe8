#pragma once

#include "output/RtfDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Changes to an RTF file that keep everything else in it byte for byte: its page, borders,
// spacing, tabs, tables, pictures and whatever else a reader or editor does not know.

// Every occurrence of the placeholder (case-sensitive, within a paragraph) replaced by the text,
// which takes the formatting of the placeholder's first character. The search goes on behind
// each placeholder, so a text that itself holds the placeholder neither loops nor hides the next.
QByteArray ReplaceInRtf(const QByteArray& rtf, const QString& placeholder, const QString& text);

// What an editor made of the file's text put into the file: `shown` is the document as the
// editor first showed it (the file's text, formats as the editor reports them), `edited` the
// document now. Inserted and deleted text, changed character formats (font, size, bold, italic,
// underline, colour, letter spacing) and paragraph alignments go into the file at their places;
// everything between stays as it was. When `shown` does not have the file's text, the edited
// document is written anew on the file's page.
QByteArray MergeIntoRtf(const QByteArray& rtf, const RtfDocument& shown, const RtfDocument& edited);

// The spans of `from` given to the characters and paragraph ends of `to`, which must have the
// same paragraphs with the same texts (its runs may be cut differently); false, and `to`
// unchanged, when they differ.
bool CopySpans(const RtfDocument& from, RtfDocument& to);

// Several documents filled from the same template as one, each beginning on a new page: the
// first one's tables, then every document's body.
QByteArray JoinRtf(const QList<QByteArray>& documents);
