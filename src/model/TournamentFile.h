#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TournamentState;

// The tournament file (".auf"): one value per line in a fixed order, sections A to I, lines
// ended by CR LF. The bytes are Windows-1252 unless some text does not fit that code page; then
// the whole file is UTF-8 behind a byte-order mark, so that no character is lost.

// The outcome of reading: on failure the 1-based line that could not be read and why (German);
// in any case the values that were adapted to the limits of the tables, "Zeile <n>: <what>".
struct TournamentFileReadResult {
    bool ok = true;
    int failedLine = 0;
    QString reason;
    QStringList notices;
};

// Sections A to I in their line order. Line breaks inside a text are written as one blank each.
QByteArray WriteTournamentFile(const TournamentState& state);

// Empties the tournament (ResetTournament), then reads sections A to H and, unless the file ends
// after H, section I. Accepts CR LF and LF line ends, Windows-1252 and UTF-8 with byte-order mark.
// Every count and index is checked against the limits of the tables before anything is stored at
// it, and the file must end after its last section (blank lines aside); on the first faulty line
// reading stops and what was read before it stays. Texts longer than the tables take, game
// lengths beyond a day and a field plan larger than the tournament needs are cut, each with a
// notice. Never throws: even a file too large for the memory is a failure at a line.
// Applies what a setting change implies (SetsWord follows WithSets); run-time flags stay.
TournamentFileReadResult ReadTournamentFile(TournamentState& state, const QByteArray& bytes);

// The second line of the load failure notice: "Zeile <n>: <reason>".
QString ReadFailureLine(const TournamentFileReadResult& result);
// The notice after a load that adapted values: its first ten notices; empty when there are none.
QString ReadNoticeText(const TournamentFileReadResult& result);
