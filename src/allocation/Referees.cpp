#include "allocation/Referees.h"

#include "allocation/RoundTeams.h"

namespace {
using Busy = std::array<bool, AllocationLimits::MaxRoundTeams + 1>;

struct Candidates {
    const RoundTeams& teams;
    const RefereeCounts& refereeCount;
    const Busy& busy;
    int groupOfPlayers; // the game's group, by place in the round
    int lastTeamOfGroup;

    // The choice of one pass; `passes` tells whether a candidate may be taken.
    template <typename Test> int choose(Test passes) const
    {
        const int teamCount = teams.TeamCount;
        int choice = 0;
        for (int k = 1; k <= teamCount; ++k) {
            int candidate = lastTeamOfGroup + k;
            if (candidate > teamCount)
                candidate -= teamCount;
            if (!passes(candidate))
                continue;
            if (choice == 0 || refereeCount[std::size_t(choice)] > refereeCount[std::size_t(candidate)])
                choice = candidate;
        }
        return choice;
    }

    bool sameGroup(int candidate) const { return teams.groupInRound(candidate) == groupOfPlayers; }
    bool idle(int candidate) const { return !busy[std::size_t(candidate)]; }

    // A team that plays or already referees in the slot is never chosen: when every team is busy,
    // the game gets an external referee.
    int referee() const
    {
        const int choice = choose([&](int c) { return !sameGroup(c) && idle(c); });
        if (choice != 0)
            return choice;
        return choose([&](int c) { return sameGroup(c) && idle(c); });
    }
};
} // namespace

void AssignReferees(SlotTable& table, const RoundTeams& teams, int fieldCount, RefereeCounts& refereeCount)
{
    Busy busy{};
    for (int slot = 1; slot <= table.slotCount(); ++slot) {
        busy.fill(false);
        for (int field = 1; field <= fieldCount; ++field) {
            busy[std::size_t(table.at(slot, field).TeamA)] = true;
            busy[std::size_t(table.at(slot, field).TeamB)] = true;
        }
        for (int field = 1; field <= fieldCount; ++field) {
            SlotEntry& game = table.at(slot, field);
            if (game.TeamA < 1)
                continue;
            const int group = teams.groupInRound(game.TeamA);
            const Candidates candidates{teams, refereeCount, busy, group, teams.lastTeamOfGroup(group)};
            const int referee = candidates.referee();
            game.Referee = referee;
            if (referee >= 1) {
                ++refereeCount[std::size_t(referee)];
                busy[std::size_t(referee)] = true;
            }
        }
    }
}
