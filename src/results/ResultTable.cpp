#include "results/ResultTable.h"

#include "model/TournamentState.h"

int FindResult(const TournamentState& state, int group, int game)
{
    for (int index = 1; index <= state.ResultCount; ++index) {
        const GameResult& result = state.ResultTable[std::size_t(index)];
        if (result.Group == group && result.Game == game)
            return index;
    }
    return 0;
}

int CountGroupResults(const TournamentState& state, int group)
{
    int count = 0;
    for (int index = 1; index <= state.ResultCount; ++index)
        count += state.ResultTable[std::size_t(index)].Group == group ? 1 : 0;
    return count;
}

void ClearGroupResults(TournamentState& state, int group)
{
    int kept = 0;
    for (int index = 1; index <= state.ResultCount; ++index) {
        if (state.ResultTable[std::size_t(index)].Group != group)
            state.ResultTable[std::size_t(++kept)] = state.ResultTable[std::size_t(index)];
    }
    for (int index = kept + 1; index <= state.ResultCount; ++index)
        state.ResultTable[std::size_t(index)] = GameResult{};
    state.ResultCount = kept;
    if (group >= 0 && group <= Limits::MaxGroupFlags) {
        state.GroupCompleted[std::size_t(group)] = false;
        state.GroupHasResults[std::size_t(group)] = false;
    }
}
