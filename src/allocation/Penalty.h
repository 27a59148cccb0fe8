#pragma once

#include <cstdint>

// A team that plays L slots in a row (L >= 2) costs 5^L; the penalty of a round is the sum over
// all teams and runs. 5^L no longer fits 32 bits from L = 14 on, and neither may the sum: a team
// whose evaluation overflows replaces the penalty so far by OverflowPenalty, and the evaluation
// goes on with the next team.
namespace BackToBack {
inline constexpr int OverflowPenalty = 2000000000;
inline constexpr int LongestScoredRun = 13; // 5^13 still fits, 5^14 overflows

// 5^L for 2 <= L <= 13, 0 for a single game (and for the longer runs, which overflow).
inline std::int64_t RunScore(int length)
{
    constexpr std::int64_t Scores[LongestScoredRun + 1]{
        0, 0, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};
    return length >= 0 && length <= LongestScoredRun ? Scores[length] : 0;
}

// Adds one team's runs to the penalty accumulated over the teams before it.
class TeamAccumulator {
public:
    // The run of `length` slots that just ended.
    void addRun(int length);
    // Ends the team; the result is the penalty including this team.
    void endTeam();
    int penalty() const { return m_penalty; }

private:
    int m_penalty = 0;
    bool m_failed = false; // this team's evaluation overflowed
};

// The penalty including one more team, from that team's total score of runs up to 13 slots and
// whether it has a longer run: the same value as adding its runs one by one.
int AddTeam(int penaltySoFar, std::int64_t teamScore, bool hasLongRun);
} // namespace BackToBack
