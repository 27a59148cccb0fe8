// "Platzverteilung optimieren" on a fixed set of rounds of up to 12 teams: the penalty of the plan
// made without it, of the optimised plan, and a lower bound no plan on the same slots and fields
// can go below (counters specified / optimised / bound). Where the optimised penalty equals the
// bound, the plan is the best possible one.
#include "SilentPrompter.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "allocation/PlanLowerBound.h"
#include "allocation/RoundFill.h"
#include "allocation/RoundTeams.h"
#include "allocation/SlotTable.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "structure/PairingTable.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {
struct BenchRound {
    std::vector<int> groupSizes;
    int fields = 1;
    bool returnLeg = false;
    bool oneFieldPerGroup = false;
};

std::unique_ptr<TournamentState> OneRound(const BenchRound& shape)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->Pairings = BuildPairingTable();
    state->GroupsInRound[1] = int(shape.groupSizes.size());
    state->FieldsInRound[1] = shape.fields;
    state->GameLengthInRound[1] = 10;
    state->OneFieldPerGroup[1] = shape.oneFieldPerGroup;
    for (std::size_t k = 0; k < shape.groupSizes.size(); ++k) {
        state->TeamsInGroup[k + 1] = shape.groupSizes[k];
        state->ReturnLeg[k + 1] = shape.returnLeg;
    }
    return state;
}

// The bound on the slots of the filled round (the search never changes their number).
PlanLowerBound BoundOf(const TournamentState& state)
{
    const RoundTeams teams = MakeRoundTeams(state, 1);
    auto table = std::make_unique<SlotTable>();
    if (state.OneFieldPerGroup[1])
        FillByGroup(*table, teams, state.Pairings);
    else
        FillByMatchdayRotation(*table, teams, state.Pairings, state.FieldsInRound[1]);
    return LowerBoundOfRound(*table, table->slotCount(), state.FieldsInRound[1], teams.TeamCount);
}

int PenaltyOf(TournamentState& state, bool optimise, AllocationOutput& output)
{
    SilentPrompter prompter;
    AllocationOptions options;
    options.Optimise = optimise;
    RunAllocation(state, output, prompter, options);
    return output.RoundPenalty[1];
}

void BM_OptimisedRound(benchmark::State& bench, BenchRound shape)
{
    auto state = OneRound(shape);
    auto output = std::make_unique<AllocationOutput>();
    const int specified = PenaltyOf(*state, false, *output);
    int optimised = 0;
    for (auto _ : bench)
        optimised = PenaltyOf(*state, true, *output);
    const PlanLowerBound bound = BoundOf(*state);
    bench.counters["specified"] = specified;
    bench.counters["optimised"] = optimised;
    bench.counters["bound"] = double(bound.value());
    bench.counters["vsBound"] = bound.value() > 0 ? double(optimised) / double(bound.value()) : 0.0;
}
} // namespace

// The rounds named in the request for this feature first.
BENCHMARK_CAPTURE(BM_OptimisedRound, G5_F1, BenchRound{{5}, 1})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G7_F2, BenchRound{{7}, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G6R_F2, BenchRound{{6}, 2, true})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G5G5_F3, BenchRound{{5, 5}, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G4G6_F2, BenchRound{{4, 6}, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G4_F2, BenchRound{{4}, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G6_F2, BenchRound{{6}, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G8_F3, BenchRound{{8}, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G9_F3, BenchRound{{9}, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G12_F4, BenchRound{{12}, 4})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G4G4G4_F4, BenchRound{{4, 4, 4}, 4})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G3x4_F3, BenchRound{{3, 3, 3, 3}, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G6G6R_F3, BenchRound{{6, 6}, 3, true})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G5G5R_OneFieldEach, BenchRound{{5, 5}, 2, true, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G4G5G3_F2, BenchRound{{4, 5, 3}, 2})->Unit(benchmark::kMillisecond);
// 40 teams on 6 fields at the default depth: the time the box costs on a large round. Eight
// groups of five reach the bound at once; the other two use the whole depth.
BENCHMARK_CAPTURE(BM_OptimisedRound, G8x5_F6, BenchRound{{5, 5, 5, 5, 5, 5, 5, 5}, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G5x8_F6, BenchRound{{8, 8, 8, 8, 8}, 6})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G10x4_F6, BenchRound{{4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OptimisedRound, G4x10R_F6, BenchRound{{10, 10, 10, 10}, 6, true})
    ->Unit(benchmark::kMillisecond);
