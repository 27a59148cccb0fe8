#pragma once

#include "allocation/SlotPresence.h"

#include <cstdint>
#include <vector>

class PlanRandom;
class SearchSteps;
class SlotTable;

// The round as the optimising search sees it.
struct OptimisedRound {
    int SlotCount = 0;
    int FieldCount = 0;
    int TeamCount = 0;
    // One field per group: every game stays on its field and only changes its slot.
    bool GamesKeepTheirField = false;
    long long Depth = 0;
};

// "Platzverteilung optimieren": improves a distributed round with a stronger search on the same
// slots and fields and the same penalty. A step takes a game and another slot and exchanges the
// two slots of the whole chain of games linked to it through their teams (the game, the games of
// its teams in the other slot, their teams' games in the first slot, ...), so that no team ever
// plays twice in one slot; a chain that would overfill a slot is balanced by a chain from that
// slot. With one field per group a game keeps its field and only moves into the free cell of its
// field, changes places with the game there, or the games of its field between two slots move
// on by one. An annealing schedule, seeded afresh for every
// round, also takes steps that cost a little for a while; the best plan seen is kept, so the round
// never gets worse, and slots left empty at the end are given up.
class PlanOptimiser {
public:
    // `penalty` is the plan's penalty on entry; returns the penalty of the plan left in the table.
    // Every TrialsPerDepth trials are one of `steps`; the search ends early when they say stop.
    int improve(SlotTable& table, const OptimisedRound& round, int penalty, SearchSteps* steps = nullptr);

    static constexpr int TrialsPerDepth = 10000;

private:
    struct Placement {
        int slot = 0;
        int field = 0;
    };

    void load(const SlotTable& table);
    void anneal(long long trials, std::int64_t goal, SearchSteps* steps);
    // One trial of each kind; true when it was made.
    bool tryFieldMove(PlanRandom& random, double temperature);
    bool tryFieldRotation(PlanRandom& random, double temperature);
    bool tryChainMove(PlanRandom& random, double temperature);
    // Adds the games linked to `game` in its slot and `otherSlot` to m_chain.
    void collectChain(int game, int otherSlot);
    bool accepts(PlanRandom& random, std::int64_t change, double temperature) const;
    bool keepOrUndoChain(PlanRandom& random, std::int64_t change, double temperature);
    void lift(int game);
    void put(int game, int slot, int field);
    int freeField(int slot);
    // Places every game afresh.
    void placeAll(const std::vector<Placement>& placements);
    std::int64_t localCost(int team, int slot1, int slot2) const;
    std::int64_t windowCost(int team, int first, int last) const;
    int gameAt(int team, int slot) const { return m_gameAt[std::size_t(team) * m_slotRows + slot]; }
    bool plays(int team, int slot) const { return gameAt(team, slot) >= 0; }
    int& cell(int slot, int field) { return m_cells[std::size_t(slot) * (m_round.FieldCount + 1) + field]; }
    void writeBack(SlotTable& table) const;

    OptimisedRound m_round;
    int m_slotRows = 0;
    std::vector<SlotEntry> m_games;
    std::vector<Placement> m_placement;
    std::vector<Placement> m_best;
    std::vector<int> m_cells;  // game index per (slot, field), -1 when empty
    std::vector<int> m_gameAt; // game index per (team, slot), -1 when the team does not play
    std::vector<int> m_gamesInSlot;
    std::vector<int> m_chain;
    std::vector<Placement> m_chainFrom;
    std::vector<int> m_changedTeams;
    std::vector<unsigned> m_chainMark; // == m_chainStamp for the games of the current chain
    unsigned m_chainStamp = 0;
    std::int64_t m_cost = 0;
    SlotPresence m_presence;
};
