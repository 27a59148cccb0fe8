#pragma once

#include "model/TournamentState.h"
#include "results/ResultsTestSupport.h"

#include <QString>

#include <memory>
#include <vector>

// Small tournaments for the structure tests, written straight into the tables.
namespace grouptest {

// One round per inner list, one group per size; group g is named "Gruppe g", its positions are
// unnamed; every round has one field and 10 minutes per game.
inline std::unique_ptr<TournamentState> MakeTournament(const std::vector<std::vector<int>>& rounds)
{
    return results_test::MakeTournament(rounds, false);
}

// Names every position of the group "<group name> <position>" ("Gruppe 1 3").
inline void NameTeams(TournamentState& state, int group)
{
    auto& names = state.NameTable[std::size_t(group)];
    for (int slot = 1; slot <= state.TeamsInGroup[std::size_t(group)]; ++slot)
        names[std::size_t(slot)] = QStringLiteral("%1 %2").arg(names[0]).arg(slot);
}

// Place p of group g goes to position s of group h, with the placeholder name.
inline void Link(TournamentState& state, int group, int place, int target, int slot)
{
    state.ReferralTable[std::size_t(group)][std::size_t(place)].ToGroup = target;
    state.ReferralTable[std::size_t(group)][std::size_t(place)].ToSlot = slot;
    state.ReferralTable[std::size_t(target)][std::size_t(slot)].FromGroup = group;
    state.ReferralTable[std::size_t(target)][std::size_t(slot)].FromPlace = place;
    state.NameTable[std::size_t(target)][std::size_t(slot)] =
        QStringLiteral("%1. %2").arg(place).arg(state.NameTable[std::size_t(group)][0]);
}

// Appends a result; tests store them in (group, game) order.
inline void StoreResult(TournamentState& state, int group, int game, int goalsFirst, int goalsSecond)
{
    GameResult& result = state.ResultTable[std::size_t(++state.ResultCount)];
    result = {group,      game,       QStringLiteral("%1:%2").arg(goalsFirst).arg(goalsSecond), 0, 0,
              goalsFirst, goalsSecond};
    state.GroupHasResults[std::size_t(group)] = true;
}

inline const Referral& ReferralOf(const TournamentState& state, int group, int number)
{
    return state.ReferralTable[std::size_t(group)][std::size_t(number)];
}

} // namespace grouptest
