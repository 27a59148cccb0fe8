#include "allocation/PlanOptimiser.h"

#include "allocation/IncrementalPenalty.h"
#include "allocation/Penalty.h"
#include "allocation/PlanLowerBound.h"
#include "allocation/PlanRandom.h"
#include "allocation/SearchSteps.h"
#include "allocation/SlotTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// The schedule: a few rounds of cooling, each from the best plan so far. A new back-to-back pair
// costs 25, so the search starts where such a step is taken about every second time and ends
// where it is hardly ever taken.
constexpr int CoolingRounds = 4;
constexpr double StartTemperature = 40.0;
constexpr double EndTemperature = 2.0;
constexpr int ProbabilitySteps = 1 << 24;
constexpr int RotationReach = 8; // slots a rotation of one field spans at most

// Runs of up to 13 slots cost what the penalty counts; longer ones, which the penalty only flags
// as overflowing, get dearer with every slot, so that the search still shortens them.
std::int64_t RunCost(int length)
{
    if (length <= BackToBack::LongestScoredRun)
        return BackToBack::RunScore(length);
    return BackToBack::RunScore(BackToBack::LongestScoredRun) * (length - BackToBack::LongestScoredRun + 1);
}
} // namespace

int PlanOptimiser::improve(SlotTable& table, const OptimisedRound& round, int penalty, SearchSteps* steps)
{
    m_round = round;
    if (round.Depth <= 0 || round.SlotCount < 2 || round.FieldCount < 1)
        return penalty;
    load(table);
    if (m_games.empty())
        return penalty;
    // No plan goes below the bound: reaching it ends the search.
    const std::int64_t goal =
        LowerBoundOfRound(table, round.SlotCount, round.FieldCount, round.TeamCount).value();
    const std::vector<Placement> initial = m_placement;
    anneal(round.Depth * TrialsPerDepth, goal, steps);
    writeBack(table);
    m_presence.build(table, table.slotCount(), round.FieldCount);
    const int optimised = BackToBackPenalty(m_presence, table.slotCount(), round.TeamCount);
    if (optimised <= penalty)
        return optimised;
    // Only runs beyond 13 slots can make the counted penalty disagree with the search's cost.
    m_best = initial;
    writeBack(table);
    table.setSlotCount(round.SlotCount);
    return penalty;
}

void PlanOptimiser::load(const SlotTable& table)
{
    const int slots = m_round.SlotCount;
    const int fields = m_round.FieldCount;
    m_slotRows = slots + 2;
    m_games.clear();
    m_placement.clear();
    m_chainMark.clear();
    for (int slot = 1; slot <= slots; ++slot) {
        for (int field = 1; field <= fields; ++field) {
            const SlotEntry& entry = table.at(slot, field);
            if (entry.isEmpty())
                continue;
            m_games.push_back(entry);
            m_placement.push_back({slot, field});
            m_chainMark.push_back(0);
        }
    }
    placeAll(m_placement);
    m_cost = 0;
    for (int team = 1; team <= m_round.TeamCount; ++team) {
        int run = 0;
        for (int slot = 1; slot <= slots + 1; ++slot) {
            if (plays(team, slot)) {
                ++run;
                continue;
            }
            m_cost += RunCost(run);
            run = 0;
        }
    }
    m_best = m_placement;
}

void PlanOptimiser::anneal(long long trials, std::int64_t goal, SearchSteps* steps)
{
    PlanRandom random(1);
    std::int64_t bestCost = m_cost;
    const long long perCooling = std::max(1LL, trials / CoolingRounds);
    const double ratio = EndTemperature / StartTemperature;
    for (long long trial = 0; trial < trials && bestCost > goal; ++trial) {
        if (steps && trial % TrialsPerDepth == TrialsPerDepth - 1 && !steps->step())
            break;
        const long long step = trial % perCooling;
        if (step == 0 && trial > 0) {
            placeAll(m_best);
            m_cost = bestCost;
        }
        const double temperature = StartTemperature * std::pow(ratio, double(step) / double(perCooling));
        const bool moved = !m_round.GamesKeepTheirField ? tryChainMove(random, temperature)
                           : trial % 2 == 0             ? tryFieldMove(random, temperature)
                                                        : tryFieldRotation(random, temperature);
        if (!moved || m_cost >= bestCost)
            continue;
        bestCost = m_cost;
        m_best = m_placement;
    }
}

// Keeps the chain where it was put when the search accepts the change; otherwise puts every
// game of the chain back where it came from.
bool PlanOptimiser::keepOrUndoChain(PlanRandom& random, std::int64_t change, double temperature)
{
    if (accepts(random, change, temperature)) {
        m_cost += change;
        return true;
    }
    for (const int linked : m_chain)
        lift(linked);
    for (std::size_t i = 0; i < m_chain.size(); ++i)
        put(m_chain[i], m_chainFrom[i].slot, m_chainFrom[i].field);
    return false;
}

bool PlanOptimiser::accepts(PlanRandom& random, std::int64_t change, double temperature) const
{
    return change <= 0 ||
           random.Random(ProbabilitySteps) < std::exp(-double(change) / temperature) * ProbabilitySteps;
}

bool PlanOptimiser::tryFieldMove(PlanRandom& random, double temperature)
{
    const int game = random.Random(int(m_games.size()));
    const Placement from = m_placement[std::size_t(game)];
    int slot = random.Random(m_round.SlotCount - 1) + 1;
    if (slot >= from.slot)
        ++slot;
    const int other = cell(slot, from.field);
    const SlotEntry& moving = m_games[std::size_t(game)];
    if (plays(moving.TeamA, slot) || plays(moving.TeamB, slot))
        return false;
    std::array<int, 4> teams{moving.TeamA, moving.TeamB, 0, 0};
    int teamCount = 2;
    if (other >= 0) {
        const SlotEntry& partner = m_games[std::size_t(other)];
        if (plays(partner.TeamA, from.slot) || plays(partner.TeamB, from.slot))
            return false;
        teams[2] = partner.TeamA;
        teams[3] = partner.TeamB;
        teamCount = 4;
    }
    std::int64_t before = 0;
    for (int t = 0; t < teamCount; ++t)
        before += localCost(teams[std::size_t(t)], from.slot, slot);
    const auto exchange = [&](int gameSlot, int otherSlot) {
        lift(game);
        if (other >= 0) {
            lift(other);
            put(other, otherSlot, from.field);
        }
        put(game, gameSlot, from.field);
    };
    exchange(slot, from.slot);
    std::int64_t after = 0;
    for (int t = 0; t < teamCount; ++t)
        after += localCost(teams[std::size_t(t)], from.slot, slot);
    if (accepts(random, after - before, temperature)) {
        m_cost += after - before;
        return true;
    }
    exchange(from.slot, slot);
    return false;
}

bool PlanOptimiser::tryFieldRotation(PlanRandom& random, double temperature)
{
    // The games of one field between two slots move on by one slot, the last one to the front:
    // with one field per group they all belong to the same group, whose teams play nowhere else.
    const int game = random.Random(int(m_games.size()));
    const Placement from = m_placement[std::size_t(game)];
    const int low = std::max(1, from.slot - RotationReach);
    const int high = std::min(m_round.SlotCount, from.slot + RotationReach);
    int slot = low + random.Random(high - low);
    if (slot >= from.slot)
        ++slot;
    const int first = std::min(slot, from.slot);
    const int last = std::max(slot, from.slot);
    ++m_chainStamp;
    m_chain.clear();
    m_chainFrom.clear();
    m_changedTeams.clear();
    for (int s = first; s <= last; ++s) {
        const int linked = cell(s, from.field);
        if (linked < 0)
            continue;
        m_chain.push_back(linked);
        m_chainFrom.push_back(m_placement[std::size_t(linked)]);
        for (const int team : {m_games[std::size_t(linked)].TeamA, m_games[std::size_t(linked)].TeamB}) {
            if (std::find(m_changedTeams.begin(), m_changedTeams.end(), team) == m_changedTeams.end())
                m_changedTeams.push_back(team);
        }
    }
    std::int64_t before = 0;
    for (const int team : m_changedTeams)
        before += windowCost(team, first, last);
    const int shift = slot > from.slot ? -1 : 1; // the game moves to `slot`, the others make room
    for (const int linked : m_chain)
        lift(linked);
    for (std::size_t i = 0; i < m_chain.size(); ++i) {
        const int target = m_chain[i] == game ? slot : m_chainFrom[i].slot + shift;
        put(m_chain[i], target, from.field);
    }
    std::int64_t after = 0;
    for (const int team : m_changedTeams)
        after += windowCost(team, first, last);
    return keepOrUndoChain(random, after - before, temperature);
}

std::int64_t PlanOptimiser::windowCost(int team, int first, int last) const
{
    // Every run that reaches into first-1 .. last+1, each counted once.
    std::int64_t cost = 0;
    int slot = std::max(1, first - 1);
    while (slot > 1 && plays(team, slot - 1))
        --slot;
    const int end = std::min(m_round.SlotCount, last + 1);
    while (slot <= end) {
        if (!plays(team, slot)) {
            ++slot;
            continue;
        }
        int runEnd = slot;
        while (plays(team, runEnd + 1))
            ++runEnd;
        cost += RunCost(runEnd - slot + 1);
        slot = runEnd + 1;
    }
    return cost;
}

void PlanOptimiser::collectChain(int game, int otherSlot)
{
    const int firstSlot = m_placement[std::size_t(game)].slot;
    const std::size_t begin = m_chain.size();
    m_chainMark[std::size_t(game)] = m_chainStamp;
    m_chain.push_back(game);
    for (std::size_t i = begin; i < m_chain.size(); ++i) {
        const SlotEntry& linked = m_games[std::size_t(m_chain[i])];
        const int across = m_placement[std::size_t(m_chain[i])].slot == firstSlot ? otherSlot : firstSlot;
        for (const int team : {linked.TeamA, linked.TeamB}) {
            const int next = gameAt(team, across);
            if (next >= 0 && m_chainMark[std::size_t(next)] != m_chainStamp) {
                m_chainMark[std::size_t(next)] = m_chainStamp;
                m_chain.push_back(next);
            }
        }
    }
}

bool PlanOptimiser::tryChainMove(PlanRandom& random, double temperature)
{
    const int game = random.Random(int(m_games.size()));
    const int slotA = m_placement[std::size_t(game)].slot;
    int slotB = random.Random(m_round.SlotCount - 1) + 1;
    if (slotB >= slotA)
        ++slotB;
    ++m_chainStamp;
    m_chain.clear();
    collectChain(game, slotB);
    // The slot that the exchange would fill beyond its fields, 0 when none.
    const auto overfilledSlot = [&] {
        int fromA = 0;
        for (const int linked : m_chain)
            fromA += m_placement[std::size_t(linked)].slot == slotA ? 1 : 0;
        const int fromB = int(m_chain.size()) - fromA;
        if (m_gamesInSlot[std::size_t(slotA)] - fromA + fromB > m_round.FieldCount)
            return slotA;
        if (m_gamesInSlot[std::size_t(slotB)] - fromB + fromA > m_round.FieldCount)
            return slotB;
        return 0;
    };
    if (const int fullSlot = overfilledSlot(); fullSlot != 0) {
        // A chain from the slot that would overflow goes the other way.
        const int partner = cell(fullSlot, random.Random(m_round.FieldCount) + 1);
        if (partner < 0 || m_chainMark[std::size_t(partner)] == m_chainStamp)
            return false;
        collectChain(partner, fullSlot == slotA ? slotB : slotA);
        if (overfilledSlot() != 0)
            return false;
    }
    // A team with a game of the chain in both slots keeps playing in both.
    m_changedTeams.clear();
    for (const int linked : m_chain) {
        const int across = m_placement[std::size_t(linked)].slot == slotA ? slotB : slotA;
        for (const int team : {m_games[std::size_t(linked)].TeamA, m_games[std::size_t(linked)].TeamB}) {
            if (!plays(team, across))
                m_changedTeams.push_back(team);
        }
    }
    std::int64_t before = 0;
    for (const int team : m_changedTeams)
        before += localCost(team, slotA, slotB);
    m_chainFrom.clear();
    for (const int linked : m_chain) {
        m_chainFrom.push_back(m_placement[std::size_t(linked)]);
        lift(linked);
    }
    for (std::size_t i = 0; i < m_chain.size(); ++i) {
        const int across = m_chainFrom[i].slot == slotA ? slotB : slotA;
        put(m_chain[i], across, freeField(across));
    }
    std::int64_t after = 0;
    for (const int team : m_changedTeams)
        after += localCost(team, slotA, slotB);
    return keepOrUndoChain(random, after - before, temperature);
}

int PlanOptimiser::freeField(int slot)
{
    int field = 1;
    while (cell(slot, field) >= 0)
        ++field;
    return field;
}

void PlanOptimiser::placeAll(const std::vector<Placement>& placements)
{
    m_cells.assign(std::size_t(m_slotRows) * (m_round.FieldCount + 1), -1);
    m_gameAt.assign(std::size_t(m_round.TeamCount + 1) * m_slotRows, -1);
    m_gamesInSlot.assign(std::size_t(m_slotRows), 0);
    const std::vector<Placement> target = placements; // may be m_placement itself
    for (std::size_t game = 0; game < m_games.size(); ++game)
        put(int(game), target[game].slot, target[game].field);
}

void PlanOptimiser::lift(int game)
{
    const Placement placement = m_placement[std::size_t(game)];
    const SlotEntry& entry = m_games[std::size_t(game)];
    cell(placement.slot, placement.field) = -1;
    m_gameAt[std::size_t(entry.TeamA) * m_slotRows + placement.slot] = -1;
    m_gameAt[std::size_t(entry.TeamB) * m_slotRows + placement.slot] = -1;
    --m_gamesInSlot[std::size_t(placement.slot)];
}

void PlanOptimiser::put(int game, int slot, int field)
{
    const SlotEntry& entry = m_games[std::size_t(game)];
    m_placement[std::size_t(game)] = {slot, field};
    cell(slot, field) = game;
    m_gameAt[std::size_t(entry.TeamA) * m_slotRows + slot] = game;
    m_gameAt[std::size_t(entry.TeamB) * m_slotRows + slot] = game;
    ++m_gamesInSlot[std::size_t(slot)];
}

std::int64_t PlanOptimiser::localCost(int team, int slot1, int slot2) const
{
    // The runs that contain or touch one of the two slots, each counted once.
    const int low = std::min(slot1, slot2);
    const int high = std::max(slot1, slot2);
    const std::array<int, 6> near{low - 1, low, low + 1, high - 1, high, high + 1};
    std::int64_t cost = 0;
    int scannedUpTo = 0;
    for (const int slot : near) {
        if (slot <= scannedUpTo || slot < 1 || slot > m_round.SlotCount || !plays(team, slot))
            continue;
        int first = slot;
        while (plays(team, first - 1))
            --first;
        int last = slot;
        while (plays(team, last + 1))
            ++last;
        cost += RunCost(last - first + 1);
        scannedUpTo = last;
    }
    return cost;
}

void PlanOptimiser::writeBack(SlotTable& table) const
{
    for (int slot = 1; slot <= m_round.SlotCount; ++slot) {
        for (int field = 1; field <= m_round.FieldCount; ++field)
            table.at(slot, field) = SlotEntry{};
    }
    int lastUsed = 0;
    for (std::size_t game = 0; game < m_games.size(); ++game) {
        table.at(m_best[game].slot, m_best[game].field) = m_games[game];
        lastUsed = std::max(lastUsed, m_best[game].slot);
    }
    table.setSlotCount(lastUsed);
}
