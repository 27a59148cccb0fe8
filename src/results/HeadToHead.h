#pragma once

#include "model/Limits.h"
#include "results/Standings.h"

#include <array>
#include <vector>

struct TournamentState;

// The games that can decide a head-to-head comparison in group g: every stored, not cancelled
// game within the comparison scope (groups up to g; only g for "nur gleiche Runde"; the round of
// g and the one before for "nur gleiche und letzte Runde") between two teams that carry names
// of teams of g. Teams are identified by name only. Collected in one pass over the result table,
// so that each tied pair only looks at these games.
class HeadToHeadGames {
public:
    HeadToHeadGames(const TournamentState& state, int group);

    // Positions a and b of g: the totals of their games per group, from a's side; the latest
    // group whose total is not level decides. Level when nothing decides.
    Outcome compare(int a, int b) const;

private:
    struct Game {
        int group = 0;
        int first = 0; // the teams as the first position of g with the same name
        int second = 0;
        qint64 setsFirst = 0;
        qint64 setsSecond = 0;
        qint64 goalsFirst = 0;
        qint64 goalsSecond = 0;
    };

    const TournamentState& m_state;
    int m_group = 0;
    std::array<int, Limits::NameSlots> m_sameNameAs{}; // position of g -> first position of that name
    std::vector<Game> m_games;
};
