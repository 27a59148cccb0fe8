#pragma once

#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"

#include <array>
#include <cstdint>

// The back-to-back penalty kept per team, so that an exchange of two entries is scored by looking
// only at the runs of the at most four teams involved, around the two slots involved. It gives
// the same value as the full computation, the overflow rule included.
class IncrementalPenalty {
public:
    // The runs of one team near two slots: the sum of their scores up to 13 slots, and how many
    // are longer.
    struct LocalRuns {
        std::int64_t score = 0;
        int longRuns = 0;
    };

    // Scores every team from scratch.
    void reset(const SlotPresence& presence, int slotCount, int teamCount);
    int penalty() const;

    // The runs of the team that contain or touch slot1 or slot2.
    LocalRuns localRuns(const SlotPresence& presence, int team, int slot1, int slot2) const;
    // Replaces the team's runs `before` by `after`.
    void replace(int team, const LocalRuns& before, const LocalRuns& after);

private:
    static constexpr int TeamSlots = AllocationLimits::MaxRoundTeams + 1;

    int m_slotCount = 0;
    int m_teamCount = 0;
    std::array<std::int64_t, TeamSlots> m_teamScore{};
    std::array<int, TeamSlots> m_longRuns{};
    std::int64_t m_totalScore = 0;
    int m_teamsWithLongRuns = 0;
};

// The penalty from the presence data in one pass over all teams and slots.
int BackToBackPenalty(const SlotPresence& presence, int slotCount, int teamCount);
