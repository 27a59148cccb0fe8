#include "allocation/RoundFill.h"

#include "allocation/RoundTeams.h"
#include "allocation/SlotTable.h"
#include "structure/PairingTable.h"

#include <algorithm>
#include <array>

namespace {
SlotEntry GameEntry(const RoundTeams& teams, int k, const PairingTable& pairings, int game)
{
    const PairingEntry pairing = pairings.PairingOf(teams.Size[std::size_t(k)], game);
    return {teams.roundTeamNumber(k, pairing.first), teams.roundTeamNumber(k, pairing.second), 0, game};
}
} // namespace

void FillByGroup(SlotTable& table, const RoundTeams& teams, const PairingTable& pairings)
{
    int slotCount = 0;
    for (int k = 1; k <= teams.GroupCount; ++k) {
        for (int game = 1; game <= teams.GameCount[std::size_t(k)]; ++game)
            table.at(game, k) = GameEntry(teams, k, pairings, game);
        slotCount = std::max(slotCount, teams.GameCount[std::size_t(k)]);
    }
    table.setSlotCount(slotCount);
}

bool FillByMatchdayRotation(SlotTable& table, const RoundTeams& teams, const PairingTable& pairings,
                            int fieldCount)
{
    const int groupCount = teams.GroupCount;
    int total = 0;
    for (int k = 1; k <= groupCount; ++k)
        total += teams.GameCount[std::size_t(k)];
    std::array<int, std::size_t(Limits::MaxGroups) + 2> placedOfGroup{};
    std::array<bool, AllocationLimits::MaxRoundTeams + 1> busy{};
    int current = 1;
    int chunk = groupCount >= 1 ? teams.Size[1] / 2 : 0;
    int taken = 0;
    int slot = 1;
    int field = 0;
    for (int placed = 0; placed < total; ++placed) {
        if (++field > fieldCount) {
            field = 1;
            ++slot;
            busy.fill(false);
        }
        if (taken < chunk) {
            ++taken;
        } else {
            // The next group with games left, in turn.
            int tries = 0;
            do {
                ++tries;
                current = current % groupCount + 1;
            } while (placedOfGroup[std::size_t(current)] >= teams.GameCount[std::size_t(current)] &&
                     tries <= groupCount);
            chunk = teams.Size[std::size_t(current)] / 2;
            taken = 1;
        }
        const int game = ++placedOfGroup[std::size_t(current)];
        const SlotEntry entry = GameEntry(teams, current, pairings, game);
        if (busy[std::size_t(entry.TeamA)] || busy[std::size_t(entry.TeamB)]) {
            field = 1;
            ++slot;
            busy.fill(false);
        }
        if (slot > AllocationLimits::MaxSlots)
            return false;
        table.at(slot, field) = entry;
        busy[std::size_t(entry.TeamA)] = true;
        busy[std::size_t(entry.TeamB)] = true;
    }
    table.setSlotCount(slot);
    return true;
}

void PackSlots(SlotTable& table, int fieldCount)
{
    for (int slot = 1; slot <= table.slotCount(); ++slot) {
        for (int field = 1; field <= fieldCount - 1; ++field) {
            SlotEntry& entry = table.at(slot, field);
            if (!entry.isEmpty())
                continue;
            for (int last = fieldCount; last > field; --last) {
                SlotEntry& moving = table.at(slot, last);
                if (moving.TeamA >= 1) {
                    entry = moving;
                    moving = SlotEntry{};
                    break;
                }
            }
        }
    }
}
