#include "structure/Advancement.h"

#include "model/TournamentState.h"
#include "results/ScheduleGrid.h"

#include <algorithm>
#include <optional>

namespace {
// Results stand in group order, so the scan ends at the first result of a later group.
// A cancelled game ("x") is a stored result and counts.
int CountPlayedGames(const TournamentState& state, int group)
{
    const int games = GroupGameCount(state, group);
    int played = 0;
    for (int index = 1; index <= state.ResultCount; ++index) {
        const GameResult& result = state.ResultTable[std::size_t(index)];
        if (result.Group > group)
            break;
        if (result.Group == group && result.Game >= 1 && result.Game <= games)
            ++played;
    }
    return played;
}

// The name of the team on `place` of the group, as the last standings ranked it; empty when the
// place or its ranked position lies outside the group.
std::optional<QString> NameOnPlace(const TournamentState& state, int group, int place)
{
    const auto index = std::size_t(group);
    const int teams = std::min(state.TeamsInGroup[index], Limits::MaxPositions);
    if (place < 1 || place > teams)
        return std::nullopt;
    const int position = state.RankedPosition[index][std::size_t(place)];
    if (position < 1 || position > teams)
        return std::nullopt;
    return state.NameTable[index][std::size_t(position)];
}

// Every position fed from the group receives the name of the team on the place it waits for.
void CarryPlacedTeams(TournamentState& state, int source)
{
    const int lastGroup = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int group = source; group <= lastGroup; ++group) {
        const int positions = std::min(state.TeamsInGroup[std::size_t(group)], Limits::MaxPositions);
        // Slot 0 holds the group's name and never receives a team.
        for (int slot = 1; slot <= positions; ++slot) {
            const Referral& referral = state.ReferralTable[std::size_t(group)][std::size_t(slot)];
            if (referral.FromGroup != source)
                continue;
            // A place the group does not have keeps its placeholder instead of taking a wrong name.
            if (const std::optional<QString> name = NameOnPlace(state, source, referral.FromPlace))
                state.NameTable[std::size_t(group)][std::size_t(slot)] = *name;
        }
    }
}
} // namespace

void UpdateGroupCompletion(TournamentState& state, int group)
{
    if (group >= 1 && group <= std::min(TotalGroups(state), Limits::MaxGroups)) {
        const bool complete = CountPlayedGames(state, group) == GroupGameCount(state, group);
        state.GroupCompleted[std::size_t(group)] = complete;
        if (complete)
            CarryPlacedTeams(state, group);
    }
}

void CheckGroupCompletion(TournamentState& state, int group)
{
    UpdateGroupCompletion(state, group);
    if (!state.AutoLoadPending && !state.JustLoaded && !state.TimePlanCurrent)
        RenderScheduleGrid(state);
}
