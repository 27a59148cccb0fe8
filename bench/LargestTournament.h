#pragma once

#include "model/TournamentState.h"
#include "results/ResultTable.h"

#include <memory>

// The largest tournament the tables hold: 100 groups of 20 teams with return leg (38,000 games),
// five rounds of 20 groups on 50 fields, the first `results` games with a result (by default
// the result table all but full, so a few more can be entered). With 10 teams per group (200 per
// round, as many as one round's time plan takes) it is the largest tournament with a time plan.
inline std::unique_ptr<TournamentState> LargestTournament(int results = Limits::MaxResults - 10,
                                                          int teamsPerGroup = 20)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->Pairings = BuildPairingTable();
    state->TournamentName = QStringLiteral("Größtes Turnier");
    state->RoundCount = 5;
    for (int round = 1; round <= state->RoundCount; ++round) {
        state->GroupsInRound[round] = 20;
        state->FieldsInRound[round] = 50;
        state->GameLengthInRound[round] = 10;
    }
    for (int group = 1; group <= Limits::MaxGroups; ++group) {
        state->TeamsInGroup[group] = teamsPerGroup;
        state->ReturnLeg[group] = true;
        state->NameTable[group][0] = QStringLiteral("Gruppe %1").arg(group);
        for (int position = 1; position <= teamsPerGroup; ++position)
            state->NameTable[group][position] = QStringLiteral("Mannschaft %1-%2").arg(group).arg(position);
    }
    for (int group = 1; group <= Limits::MaxGroups && state->ResultCount < results; ++group)
        for (int game = 1; game <= GroupGameCount(*state, group) && state->ResultCount < results; ++game)
            StoreResult(*state, GameResult{group, game, QString(), 0, 0, (group + game) % 4, game % 3});
    return state;
}

// The widest plan the tables hold: one round of 100 groups of 20 with return leg, the first
// 30,000 games with a result (grid 501 x 433).
inline std::unique_ptr<TournamentState> WidestTournament()
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->Pairings = BuildPairingTable();
    state->RoundCount = 1;
    state->GroupsInRound[1] = Limits::MaxGroups;
    for (int group = 1; group <= Limits::MaxGroups; ++group) {
        state->TeamsInGroup[group] = Limits::MaxPairedGroupSize;
        state->ReturnLeg[group] = true;
        state->NameTable[group][0] = QStringLiteral("Gruppe %1").arg(group);
        for (int position = 1; position <= Limits::MaxPairedGroupSize; ++position)
            state->NameTable[group][position] = QStringLiteral("Mannschaft %1-%2").arg(group).arg(position);
    }
    for (int group = 1; group <= Limits::MaxGroups && state->ResultCount < Limits::MaxResults; ++group)
        for (int game = 1; game <= GroupGameCount(*state, group) && state->ResultCount < Limits::MaxResults;
             ++game)
            StoreResult(*state, GameResult{group, game, QString(), 0, 0, game % 5, game % 3});
    return state;
}
