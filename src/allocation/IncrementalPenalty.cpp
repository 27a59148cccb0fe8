#include "allocation/IncrementalPenalty.h"

#include "allocation/Penalty.h"

#include <algorithm>
#include <climits>

void IncrementalPenalty::reset(const SlotPresence& presence, int slotCount, int teamCount)
{
    m_slotCount = slotCount;
    m_teamCount = teamCount;
    m_totalScore = 0;
    m_teamsWithLongRuns = 0;
    for (int team = 1; team <= teamCount; ++team) {
        std::int64_t score = 0;
        int longRuns = 0;
        int run = 0;
        for (int slot = 1; slot <= slotCount + 1; ++slot) {
            if (presence.PlaysInSlot(team, slot)) {
                ++run;
                continue;
            }
            score += BackToBack::RunScore(run);
            longRuns += run > BackToBack::LongestScoredRun ? 1 : 0;
            run = 0;
        }
        m_teamScore[std::size_t(team)] = score;
        m_longRuns[std::size_t(team)] = longRuns;
        m_totalScore += score;
        m_teamsWithLongRuns += longRuns > 0 ? 1 : 0;
    }
}

int IncrementalPenalty::penalty() const
{
    if (m_teamsWithLongRuns == 0 && m_totalScore <= INT_MAX)
        return int(m_totalScore);
    // Some team overflows: the teams must be added in order.
    int penalty = 0;
    for (int team = 1; team <= m_teamCount; ++team)
        penalty =
            BackToBack::AddTeam(penalty, m_teamScore[std::size_t(team)], m_longRuns[std::size_t(team)] > 0);
    return penalty;
}

IncrementalPenalty::LocalRuns IncrementalPenalty::localRuns(const SlotPresence& presence, int team, int slot1,
                                                            int slot2) const
{
    // In ascending order but for a repeat when the slots are neighbours; a repeat lies inside the
    // run already found or is a slot without a game.
    const int low = std::min(slot1, slot2);
    const int high = std::max(slot1, slot2);
    const std::array<int, 6> near{low - 1, low, low + 1, high - 1, high, high + 1};
    LocalRuns runs;
    int scannedUpTo = 0; // runs found so far end at or before this slot
    for (const int slot : near) {
        if (slot <= scannedUpTo || slot < 1 || slot > m_slotCount || !presence.PlaysInSlot(team, slot))
            continue;
        int first = slot;
        while (first > 1 && presence.PlaysInSlot(team, first - 1))
            --first;
        int last = slot;
        while (last < m_slotCount && presence.PlaysInSlot(team, last + 1))
            ++last;
        const int length = last - first + 1;
        runs.score += BackToBack::RunScore(length);
        runs.longRuns += length > BackToBack::LongestScoredRun ? 1 : 0;
        scannedUpTo = last;
    }
    return runs;
}

void IncrementalPenalty::replace(int team, const LocalRuns& before, const LocalRuns& after)
{
    std::int64_t& score = m_teamScore[std::size_t(team)];
    int& longRuns = m_longRuns[std::size_t(team)];
    m_teamsWithLongRuns -= longRuns > 0 ? 1 : 0;
    score += after.score - before.score;
    longRuns += after.longRuns - before.longRuns;
    m_totalScore += after.score - before.score;
    m_teamsWithLongRuns += longRuns > 0 ? 1 : 0;
}

int BackToBackPenalty(const SlotPresence& presence, int slotCount, int teamCount)
{
    IncrementalPenalty penalty;
    penalty.reset(presence, slotCount, teamCount);
    return penalty.penalty();
}
