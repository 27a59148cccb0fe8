#pragma once

#include <QString>

class TextGrid;
struct TournamentState;

// Every visible cell of the schedule and time-plan grids that means something carries a row tag
// in the twin tag grid: "<group> <kind> <number>", for example "3 kopfmannschaft 2". Clicks,
// highlights, result entry and the standings find their cells through these tags only.
namespace TagKind {
inline const QString KopfName = QStringLiteral("kopfname");                   // group name, number 0
inline const QString KopfGruppe = QStringLiteral("kopfgruppe");               // "Gruppe g", number 0
inline const QString KopfMannschaft = QStringLiteral("kopfmannschaft");       // team entry, position
inline const QString Spiel = QStringLiteral("spiel");                         // team cell of a game line
inline const QString Satz = QStringLiteral("satz");                           // sets cell, game number
inline const QString Tore = QStringLiteral("tore");                           // goals cell, game number
inline const QString TabellenKopf = QStringLiteral("tabellenkopf");           // table header, number 0
inline const QString TabelleMannschaft = QStringLiteral("tabellemannschaft"); // table team cell, rank
inline const QString Tabelle = QStringLiteral("tabelle");                     // table value cell, rank
inline const QString ManschA = QStringLiteral("manscha"); // time plan: first team, its position
inline const QString ManschB = QStringLiteral("manschb"); // time plan: second team, its position
inline const QString ManschC = QStringLiteral("manschc"); // time plan: result cell, game number
inline const QString Schiri = QStringLiteral("schiri");   // time plan: referee, its position
} // namespace TagKind

// The three parts of a parsed tag; an untagged cell gives an empty kind and zeros.
struct RowTag {
    QString Kind;
    int Group = 0;
    int Number = 0;

    bool operator==(const RowTag&) const = default;
};

QString MakeRowTag(int group, const QString& kind, int number);

// True when the text holds any of the thirteen kind keywords.
bool HoldsTagKeyword(const QString& tagText);
// False outside the grid; otherwise whether the cell's tag holds a kind keyword.
bool IsTaggedCell(const TextGrid& grid, int col, int row);

// Splits a tag text: its leading digits are the group, one character (the blank) is dropped,
// its trailing digits are the number, one more character is dropped, the rest is the kind.
// Touches no state.
RowTag SplitRowTag(const QString& tagText);
// SplitRowTag of a tagged cell, an empty RowTag otherwise. Touches no state.
RowTag ReadRowTag(const TextGrid& grid, int col, int row);

// Reads the tag of a cell into the selection state (SelectedTagKind, SelectedGroup,
// SelectedNumber) and returns it. For a tagged cell it also sets CurrentRound from the round
// number in column 0 of the cell's row.
RowTag ParseRowTag(TournamentState& state, const TextGrid& grid, int col, int row);
