#pragma once

#include "output/RtfDocument.h"

#include <QList>
#include <QString>

#include <optional>

// Topics and references inside the help text. A topic n begins at "##" + n; a reference is a
// word holding "#" + digits.

// Where the first "##" + topic stands (a plain search: "##1" also finds the start of "##10");
// -1 when the text has no such marker.
qsizetype FindHelpTopic(const QString& text, int topic);

// The word under the mouse at `column` of `line`: from the nearest blank at or before it (the
// blank included; from the line's start when there is none) up to the next blank (excluded).
QString HelpWordAt(const QString& line, qsizetype column);

// The topic a click on `word` asks for: the digits right after its first "#", or without "#" the
// digits at its very start (a number at the start of a line). None without digits or when the
// number is too large.
std::optional<int> ReferencedHelpTopic(const QString& word);

// A topic marker taken out of the shown text: its digits, and where it stood in the text left.
struct HelpMarker {
    QString digits;
    qsizetype position = 0; // paragraphs counted with one character for their end
};
// Takes every marker ("##" + digits, with one blank behind it) out of the document's text, the
// characters' spans with them, so the reader never sees them and the file keeps them.
QList<HelpMarker> TakeOutHelpMarkers(RtfDocument& document);
// The marker of the topic as FindHelpTopic finds it ("1" also finds "10"); -1 when none.
qsizetype FindHelpMarker(const QList<HelpMarker>& markers, int topic);
