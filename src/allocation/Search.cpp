#include "allocation/Search.h"

#include "allocation/IncrementalPenalty.h"
#include "allocation/PlanRandom.h"
#include "allocation/SearchSteps.h"
#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"

#include <algorithm>
#include <array>

namespace {
bool EntryPlaysInSlot(const SlotPresence& presence, const SlotEntry& entry, int slot)
{
    return presence.PlaysInSlot(entry.TeamA, slot) || presence.PlaysInSlot(entry.TeamB, slot);
}

int TeamOf(const SlotEntry& entry, int side)
{
    return side == 0 ? entry.TeamA : entry.TeamB;
}

// Tries every cell of `slot` as a partner for the game at (slot1, field). The game's own
// condition on the slots around `slot` does not depend on the partner, so it is only worked out
// again after an exchange has changed the game.
void RepairWithSlot(SlotTable& table, SlotPresence& presence, int slot1, int field, int slot, int fieldCount)
{
    const SlotEntry& game = table.at(slot1, field);
    bool gameFitsAround =
        !EntryPlaysInSlot(presence, game, slot - 1) && !EntryPlaysInSlot(presence, game, slot + 1);
    for (int other = 1; other <= fieldCount; ++other) {
        if (!gameFitsAround)
            return;
        const SlotEntry& candidate = table.at(slot, other);
        if (!EntryPlaysInSlot(presence, candidate, slot1) &&
            !EntryPlaysInSlot(presence, candidate, slot1 - 1) &&
            !EntryPlaysInSlot(presence, candidate, slot1 + 1)) {
            presence.exchange(table, slot1, field, slot, other);
            gameFitsAround =
                !EntryPlaysInSlot(presence, game, slot - 1) && !EntryPlaysInSlot(presence, game, slot + 1);
        }
    }
}
} // namespace

void RepairBackToBack(SlotTable& table, SlotPresence& presence, int slotCount, int fieldCount)
{
    for (int slot1 = 1; slot1 <= slotCount - 1; ++slot1) {
        for (int field = 1; field <= fieldCount; ++field) {
            const SlotEntry& game = table.at(slot1, field);
            for (int side = 0; side < 2; ++side) {
                for (int nextField = 1; nextField <= fieldCount; ++nextField) {
                    for (int nextSide = 0; nextSide < 2; ++nextSide) {
                        const int team = TeamOf(game, side);
                        if (team < 1 || team != TeamOf(table.at(slot1 + 1, nextField), nextSide))
                            continue;
                        for (int slot = 1; slot <= slotCount; ++slot) {
                            if (!EntryPlaysInSlot(presence, game, slot))
                                RepairWithSlot(table, presence, slot1, field, slot, fieldCount);
                        }
                    }
                }
            }
        }
    }
}

namespace {
// The distinct non-zero teams of two entries.
int InvolvedTeams(const SlotEntry& first, const SlotEntry& second, std::array<int, 4>& teams)
{
    int count = 0;
    for (const int team : {first.TeamA, first.TeamB, second.TeamA, second.TeamB}) {
        if (team >= 1 && std::find(teams.begin(), teams.begin() + count, team) == teams.begin() + count)
            teams[std::size_t(count++)] = team;
    }
    return count;
}
} // namespace

int RandomSearch(SlotTable& table, SlotPresence& presence, int slotCount, int fieldCount, int teamCount,
                 long long depth, SearchSteps* steps)
{
    PlanRandom random(1);
    IncrementalPenalty tracker;
    tracker.reset(presence, slotCount, teamCount);
    int best = tracker.penalty();
    std::array<int, 4> teams{};
    std::array<IncrementalPenalty::LocalRuns, 4> before{};
    std::array<IncrementalPenalty::LocalRuns, 4> after{};
    for (long long i = 1; i <= depth; ++i) {
        for (int trial = 0; trial < 1000; ++trial) {
            const int slot1 = random.Random(slotCount) + 1;
            const int field1 = random.Random(fieldCount) + 1;
            const int slot2 = random.Random(slotCount) + 1;
            const int field2 = random.Random(fieldCount) + 1;
            const SlotEntry& first = table.at(slot1, field1);
            const SlotEntry& second = table.at(slot2, field2);
            if (EntryPlaysInSlot(presence, first, slot2) || EntryPlaysInSlot(presence, second, slot1))
                continue;
            const int teamCountInvolved = InvolvedTeams(first, second, teams);
            for (int t = 0; t < teamCountInvolved; ++t)
                before[std::size_t(t)] = tracker.localRuns(presence, teams[std::size_t(t)], slot1, slot2);
            presence.exchange(table, slot1, field1, slot2, field2);
            for (int t = 0; t < teamCountInvolved; ++t) {
                after[std::size_t(t)] = tracker.localRuns(presence, teams[std::size_t(t)], slot1, slot2);
                tracker.replace(teams[std::size_t(t)], before[std::size_t(t)], after[std::size_t(t)]);
            }
            const int penalty = tracker.penalty();
            if (penalty < best) {
                best = penalty;
                continue;
            }
            presence.exchange(table, slot1, field1, slot2, field2);
            for (int t = 0; t < teamCountInvolved; ++t)
                tracker.replace(teams[std::size_t(t)], after[std::size_t(t)], before[std::size_t(t)]);
        }
        if (steps && !steps->step())
            break;
    }
    return best;
}
