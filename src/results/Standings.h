#pragma once

#include "model/Limits.h"

#include <QString>
#include <QtGlobal>

#include <array>

struct TournamentSettings;
struct TournamentState;

// Ranks group g from its stored results: fills RankedPosition[g], refreshes the group's
// completion flags and, while TablesToGrid is set, writes the table rows into the schedule grid.
void ComputeStandings(TournamentState& state, int group);
// ComputeStandings for groups 1..TotalGroups in order.
void ComputeAllStandings(TournamentState& state);

// The totals of one team of a group. Wider than the stored counts so that no sum can overflow.
struct TeamStats {
    qint64 SetsWon = 0;
    qint64 SetsLost = 0;
    qint64 GoalsFor = 0;
    qint64 GoalsAgainst = 0;
    qint64 Won = 0;
    qint64 Drawn = 0;
    qint64 Lost = 0;

    bool operator==(const TeamStats&) const = default;
};

// Who is better in one game or in a head-to-head total; the values are 1, 0 and 2.
enum class Outcome { Level = 0, FirstBetter = 1, SecondBetter = 2 };
// With sets a set counts a thousand goals; with set priority, equal sets are a draw whatever the
// goals. Without sets only the goals count.
Outcome GameOutcome(const TournamentSettings& settings, qint64 setsFirst, qint64 setsSecond,
                    qint64 goalsFirst, qint64 goalsSecond);

// The six values a team is ranked by, compared in this order.
struct RankValues {
    qint64 Points = 0;        // 3W + D, or 2W - 2L in the 2-point system
    qint64 SetDifference = 0; // 0 without sets
    qint64 GoalDifference = 0;
    qint64 PlusPoints = 0; // 3W + D, or 2W + D
    qint64 SetsWon = 0;    // 0 without sets
    qint64 GoalsFor = 0;

    auto operator<=>(const RankValues&) const = default;
};
RankValues RankValuesOf(const TeamStats& stats, const TournamentSettings& settings);

// Equal points and set difference, plus equality in every criterion the settings require:
// then the head-to-head games between the two teams decide.
bool DirectCompareApplies(const RankValues& a, const RankValues& b, const TournamentSettings& settings);

// The five texts of one table row (team, games, sets, goals, points).
struct TableRowPlace {
    int Place = 0;
    bool DecidedByDirectCompare = false; // "!" after the place number
    bool SharesPlace = false;            // level with the team above: "    " instead of the number
};
std::array<QString, 5> TableRowTexts(const TableRowPlace& place, const QString& teamName,
                                     const TeamStats& stats, const TournamentSettings& settings);

// The totals and ranking of one group as ComputeStandings finds them, without touching the state.
struct GroupStandings {
    int TeamCount = 0;
    std::array<TeamStats, Limits::NameSlots> Stats{};             // by position 1..TeamCount
    std::array<int, Limits::NameSlots> Ranked{};                  // position on each place
    std::array<bool, Limits::NameSlots> DecidedByDirectCompare{}; // by position
    int CountedResults = 0;  // records of games 1..GroupGameCount, cancelled ones included
    bool HasResults = false; // some record of the group exists
};
GroupStandings RankGroup(const TournamentState& state, int group);
