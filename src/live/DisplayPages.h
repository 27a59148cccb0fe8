#pragma once

#include "live/LiveData.h"

#include <QString>

#include <variant>
#include <vector>

class TextGrid;
struct TournamentState;

// How much fits on one page of the hall display: lines of large type per column, and columns
// side by side. Tables go two to a line on a wide screen; a game line needs the whole width.
struct DisplayLayout {
    int LinesPerColumn = 16;
    int TableColumns = 2;
    int GameColumns = 1;
    // Finished games shown per field before its next game; the older ones make room. -1: all.
    int FinishedGamesShown = 2;
    // Games shown per field from its next game on; -1: all.
    int UpcomingGamesShown = 4;
};

// One block of a column: a group table or a field's games, or the part of one that fits.
using DisplayBlock = std::variant<LiveTable, LiveField>;

// A block takes its title line, for a table also the header line, and one line per row or game.
int DisplayBlockLines(const DisplayBlock& block);

struct DisplayPage {
    QString Title; // "Tabellen – Runde 2", "Spiele – Runde 2"
    std::vector<std::vector<DisplayBlock>> Columns;
    int ColumnSlots = 1; // columns the page is laid out for; the last page may use fewer
};

struct DisplayModel {
    QString TournamentName;
    int Round = 0;
    bool HasTimePlan = false;
    std::vector<DisplayPage> Pages; // never empty: at least one page with the round's title
};

// The pages of the round in play: first its group tables, then its games per field: the latest
// results and the next games, the field's next game marked. Blocks never
// straddle a column unless a block alone is taller than a column; then it continues in the next
// column under the same title. Reads the schedule grid and the time plan; changes nothing.
DisplayModel BuildDisplayModel(const TournamentState& state, const TextGrid& timePlan,
                               const DisplayLayout& layout);

// The first game of a field that has no result yet; -1 when every game has one.
int NextGameIndex(const LiveField& field);

// Keeps `kept` finished games before the field's next game (all of them when kept < 0); once the
// field has played everything, its last `kept` games. Of the games from the next one on, keeps
// `upcoming` (all when upcoming < 0).
void TrimFieldGames(LiveField& field, int kept, int upcoming);
