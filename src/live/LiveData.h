#pragma once

#include <QString>

#include <vector>

class TextGrid;
struct TournamentState;

// What the hall display and the published plan show, read from the grids the schedule window
// shows: the group tables from the schedule grid's table rows (as the standings wrote them), the
// games from the time plan, results from the schedule grid's goals cells. Nothing is ranked here.

// One row of a group table as the standings wrote it into the schedule grid.
struct LiveTableRow {
    QString Place; // "1", "2!" when the head-to-head games decided; empty when level with the row above
    QString Team;
    QString Games;
    QString Sets; // empty without sets
    QString Goals;
    QString Points;

    bool operator==(const LiveTableRow&) const = default;
};

struct LiveTable {
    int Group = 0;
    QString Title; // the group's name
    std::vector<LiveTableRow> Rows;
};

// One game line of the time plan or of a group's game list.
struct LiveGame {
    int Group = 0;
    int Game = 0;
    QString Clock; // empty in a group's game list
    QString TeamA;
    QString TeamB;
    QString Result; // "3 : 1", "x" for a cancelled game, empty while open
    QString Sets;   // the score text with sets, else empty
    QString Referee;
    bool Next = false; // the first game of its field without a result (hall display)

    bool finished() const { return !Result.isEmpty(); }
};

// The games of one field in one round, in the order of the time plan.
struct LiveField {
    int Field = 0;
    QString Title; // "Platz 1"
    std::vector<LiveGame> Games;
};

// How many results each group has, indexed by group (1..Limits::MaxGroups), read in one pass.
std::vector<int> ResultsPerGroup(const TournamentState& state);

// The round whose games are played now: the first round with a game that has no result yet. When
// every game has its result it is the last round, so the final tables stay on show.
int RoundInPlay(const TournamentState& state);

// The tables of round r's groups, in group order, as they stand in state.ScheduleGrid.
std::vector<LiveTable> RoundTables(const TournamentState& state, int round);
// Every game of group g in game order, teams and results as the schedule grid shows them.
std::vector<LiveGame> GroupGames(const TournamentState& state, int group);
// Round r's games per field from a time plan grid (the allocation's time plan or
// state.FieldPlan); team names and results as they are now, not as they were when planned.
std::vector<LiveField> RoundFields(const TournamentState& state, const TextGrid& timePlan, int round);
// True when the time plan grid holds a game of any round.
bool HoldsTimePlan(const TextGrid& timePlan);

// "läuft (3 von 10 Ergebnissen)", "abgeschlossen (...)", "begonnen (...)" or "noch offen (...)".
QString RoundStatusText(const TournamentState& state, int round);
// The teams of the tournament by name, each once, in alphabetical order: every named position
// that no referral fills, so the placeholders of later rounds are not among them.
QStringList TeamNames(const TournamentState& state);
