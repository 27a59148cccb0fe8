#pragma once

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "results/ResultsTestSupport.h"
#include "results/ScheduleGrid.h"
#include "support/LoadedTournament.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>

namespace live_test {

// Three rounds: "Gruppe 1" and "Gruppe 2" (4 teams each) complete in round 1; in round 2
// "Gruppe 3" (4 teams) has two results and "Gruppe 4" (3 teams) is complete with a cycle of 1:0
// wins, so the head-to-head games decide its places; round 3 ("Gruppe 5", 2 teams) waits.
// Round 2 plays on two fields.
inline std::unique_ptr<TournamentState> ThreeRoundsSecondInPlay()
{
    using results_test::Enter;
    auto state = results_test::MakeTournament({{4, 4}, {4, 3}, {2}});
    state->FieldsInRound[2] = 2;
    state->Settings.PointsSystem = 3;
    for (int group = 1; group <= 2; ++group)
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b)
                Enter(*state, group, a, b, b - a, 0); // the lower position wins
    Enter(*state, 3, 1, 2, 2, 0);
    Enter(*state, 3, 3, 4, 1, 0);
    Enter(*state, 4, 1, 2, 1, 0);
    Enter(*state, 4, 2, 3, 1, 0);
    Enter(*state, 4, 3, 1, 1, 0);
    return state;
}

// Renders the schedule grid (tables included) and plans every round.
inline std::unique_ptr<AllocationOutput> RenderAndPlan(TournamentState& state)
{
    RenderScheduleGrid(state);
    auto output = std::make_unique<AllocationOutput>();
    ScriptedPrompter prompter;
    EXPECT_TRUE(RunAllocation(state, *output, prompter));
    return output;
}

using results_test::EnterThroughDialog;

// The example tournament as a server shows it: loaded, rendered twice (the first render carries
// completed groups on), its time plan in FieldPlan.
inline std::unique_ptr<TournamentState> ServedExample()
{
    auto state = LoadedTournament();
    RenderLoadedScheduleGrid(*state);
    ScriptedPrompter prompter;
    auto output = std::make_unique<AllocationOutput>();
    EXPECT_TRUE(RunAllocation(*state, *output, prompter));
    return state;
}

} // namespace live_test
