#pragma once

#include "model/Limits.h"

#include <QtGlobal>

#include <array>
#include <vector>

class TextGrid;
struct TournamentState;

// Fingerprints of what the live pages read, taken apart by round, so that a new result rebuilds
// only the pages that show its round. The whole-tournament values (name, rounds, fields, sets,
// the round in play) are one part; each round has three: its groups' names and sizes, their
// results and tables in the schedule grid, and the round's lines of the time plan.
struct LiveStateParts {
    quint64 Whole = 0;
    std::array<quint64, Limits::MaxRounds + 1> Names{};
    std::array<quint64, Limits::MaxRounds + 1> Schedule{};
    std::array<quint64, Limits::MaxRounds + 1> TimePlan{};
};

LiveStateParts ReadLiveStateParts(const TournamentState& state, const TextGrid& timePlan);

// The fingerprint of a page that shows the games and tables of `rounds` and, with `everyRound`,
// reads the names and time plans of all rounds besides (the overview, a team's page).
quint64 PageFingerprint(const LiveStateParts& parts, const std::vector<int>& rounds, bool everyRound);
