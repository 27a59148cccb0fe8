#pragma once

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentState.h"
#include "structure/PairingTable.h"
#include "support/ScriptedPrompter.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A round of a test tournament: the sizes of its groups and how it is played.
struct RoundShape {
    std::vector<int> GroupSizes;
    int Fields = 1;
    bool ReturnLeg = false;
    bool OneFieldPerGroup = false;
    int GameLength = 10;
};

// Gives the tournament the rounds; position p of group g is named "g.p", group g "Gruppe g".
inline void SetRounds(TournamentState& state, const std::vector<RoundShape>& rounds)
{
    state.RoundCount = int(rounds.size());
    int group = 0;
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const RoundShape& shape = rounds[r];
        const std::size_t round = r + 1;
        state.GroupsInRound[round] = int(shape.GroupSizes.size());
        state.FieldsInRound[round] = shape.Fields;
        state.GameLengthInRound[round] = shape.GameLength;
        state.OneFieldPerGroup[round] = shape.OneFieldPerGroup;
        for (const int size : shape.GroupSizes) {
            ++group;
            const auto g = std::size_t(group);
            state.TeamsInGroup[g] = size;
            state.ReturnLeg[g] = shape.ReturnLeg;
            state.NameTable[g][0] = QStringLiteral("Gruppe %1").arg(group);
            for (int p = 1; p <= size && p < Limits::NameSlots; ++p)
                state.NameTable[g][std::size_t(p)] = QStringLiteral("%1.%2").arg(group).arg(p);
        }
    }
}

// A tournament of the given rounds with the generated pairing table, starting at 9:00.
inline std::unique_ptr<TournamentState> MakeTournament(const std::vector<RoundShape>& rounds)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->Pairings = BuildPairingTable();
    state->StartTime = QStringLiteral("9:00");
    SetRounds(*state, rounds);
    return state;
}

// Runs the allocation and expects no question or notice; collects the game lists of a round >= 1.
inline std::unique_ptr<AllocationOutput>
Allocate(TournamentState& state, const AllocationOptions& options = {}, int gameListRound = 0)
{
    auto output = std::make_unique<AllocationOutput>();
    if (gameListRound >= 1)
        RequestGameLists(*output, gameListRound);
    ScriptedPrompter prompter;
    RunAllocation(state, *output, prompter, options);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(QLatin1Char('|')).toStdString();
    return output;
}
