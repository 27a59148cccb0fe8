#include "results/ResultTable.h"

#include "model/TournamentState.h"

#include <algorithm>

namespace {
GameResult& record(TournamentState& state, int index)
{
    return state.ResultTable[std::size_t(index)];
}

const GameResult& record(const TournamentState& state, int index)
{
    return state.ResultTable[std::size_t(index)];
}

// The first record that does not stand before (group, game); one past the last when none.
int insertionIndex(const TournamentState& state, int group, int game)
{
    const int count = UsedResultCount(state);
    for (int index = 1; index <= count; ++index) {
        const GameResult& result = record(state, index);
        if (result.Group > group || (result.Group == group && result.Game >= game))
            return index;
    }
    return count + 1;
}
} // namespace

int UsedResultCount(const TournamentState& state)
{
    return std::clamp(state.ResultCount, 0, Limits::MaxResults);
}

std::vector<std::vector<int>> RecordsOfEveryGroup(const TournamentState& state, int groups)
{
    std::vector<std::vector<int>> records(std::size_t(std::max(groups, 0)) + 1);
    int highestGroupSoFar = 0;
    const int count = UsedResultCount(state);
    for (int index = 1; index <= count; ++index) {
        const int group = record(state, index).Group;
        // A record behind one of a later group lies beyond the end of its group's scan.
        if (group >= 1 && group <= groups && highestGroupSoFar <= group)
            records[std::size_t(group)].push_back(index);
        highestGroupSoFar = std::max(highestGroupSoFar, group);
    }
    return records;
}

std::vector<int> RecordsOfGroup(const TournamentState& state, int group)
{
    std::vector<int> records;
    const int count = UsedResultCount(state);
    for (int index = 1; index <= count; ++index) {
        const GameResult& result = record(state, index);
        if (result.Group > group)
            break;
        if (result.Group == group)
            records.push_back(index);
    }
    return records;
}

int FindResult(const TournamentState& state, int group, int game)
{
    const int count = UsedResultCount(state);
    for (int index = 1; index <= count; ++index) {
        const GameResult& result = record(state, index);
        if (result.Group == group && result.Game == game)
            return index;
    }
    return 0;
}

int CountGroupResults(const TournamentState& state, int group)
{
    const int count = UsedResultCount(state);
    int found = 0;
    for (int index = 1; index <= count; ++index)
        found += record(state, index).Group == group ? 1 : 0;
    return found;
}

void ClearGroupResults(TournamentState& state, int group)
{
    const int count = UsedResultCount(state);
    int kept = 0;
    for (int index = 1; index <= count; ++index) {
        if (record(state, index).Group != group) {
            ++kept;
            if (kept != index)
                record(state, kept) = std::move(record(state, index));
        }
    }
    for (int index = kept + 1; index <= count; ++index)
        record(state, index) = GameResult{};
    state.ResultCount = kept;
    if (group >= 0 && group <= Limits::MaxGroupFlags) {
        state.GroupCompleted[std::size_t(group)] = false;
        state.GroupHasResults[std::size_t(group)] = false;
    }
}

StoreOutcome StoreResult(TournamentState& state, const GameResult& result)
{
    const int count = UsedResultCount(state);
    const int index = insertionIndex(state, result.Group, result.Game);
    if (index <= count && record(state, index).Group == result.Group &&
        record(state, index).Game == result.Game) {
        record(state, index) = result;
        return StoreOutcome::Replaced;
    }
    if (count >= Limits::MaxResults)
        return StoreOutcome::TableFull;
    for (int move = count; move >= index; --move)
        record(state, move + 1) = std::move(record(state, move));
    record(state, index) = result;
    state.ResultCount = count + 1;
    return StoreOutcome::Inserted;
}

bool DeleteResult(TournamentState& state, int group, int game)
{
    const int index = FindResult(state, group, game);
    if (index == 0)
        return false;
    const int count = UsedResultCount(state);
    for (int move = index; move < count; ++move)
        record(state, move) = std::move(record(state, move + 1));
    record(state, count) = GameResult{};
    state.ResultCount = count - 1;
    return true;
}
