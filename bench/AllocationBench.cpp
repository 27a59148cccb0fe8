// The allocation run on one round of each size, with the incremental search and with the plain
// full recomputation it must agree with, so that the speed-up is a ratio from one run.
#include "SilentPrompter.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "structure/PairingTable.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {
std::unique_ptr<TournamentState> OneRound(int groups, int teams, bool returnLeg, int fields)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->Pairings = BuildPairingTable();
    state->GroupsInRound[1] = groups;
    state->FieldsInRound[1] = fields;
    state->GameLengthInRound[1] = 10;
    for (int g = 1; g <= groups; ++g) {
        state->TeamsInGroup[std::size_t(g)] = teams;
        state->ReturnLeg[std::size_t(g)] = returnLeg;
    }
    return state;
}

void RunRound(benchmark::State& bench, int groups, int teams, bool returnLeg, int fields, const char* depth,
              SearchMethod method)
{
    auto state = OneRound(groups, teams, returnLeg, fields);
    auto output = std::make_unique<AllocationOutput>();
    SilentPrompter prompter;
    const AllocationOptions options{QString::fromLatin1(depth), method, {}};
    for (auto _ : bench) {
        RunAllocation(*state, *output, prompter, options);
        benchmark::DoNotOptimize(output->RoundPenalty[1]);
    }
    bench.counters["penalty"] = output->RoundPenalty[1];
}

void BM_Groups8x5Fields6(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 8, 5, false, 6, "50", method);
}
void BM_Groups6x8ReturnFields8(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 6, 8, true, 8, "50", method);
}
void BM_Groups10x20ReturnFields50(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 10, 20, true, 50, "50", method);
}
// With no more fields than groups a round is filled in one pass without search; the same round
// on 9 fields shows what the search costs at this size.
void BM_Groups8x5Fields9(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 8, 5, false, 9, "50", method);
}
void BM_Groups8x5Fields9Depth5000(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 8, 5, false, 9, "5000", method);
}
void BM_Groups8x5Fields6Depth5000(benchmark::State& bench, SearchMethod method)
{
    RunRound(bench, 8, 5, false, 6, "5000", method);
}
} // namespace

BENCHMARK_CAPTURE(BM_Groups8x5Fields6, Incremental, SearchMethod::Incremental)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups8x5Fields6, FullRecomputation, SearchMethod::FullRecomputation)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups6x8ReturnFields8, Incremental, SearchMethod::Incremental)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups6x8ReturnFields8, FullRecomputation, SearchMethod::FullRecomputation)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups10x20ReturnFields50, Incremental, SearchMethod::Incremental)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups10x20ReturnFields50, FullRecomputation, SearchMethod::FullRecomputation)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Groups8x5Fields6Depth5000, Incremental, SearchMethod::Incremental)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups8x5Fields9, Incremental, SearchMethod::Incremental)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups8x5Fields9, FullRecomputation, SearchMethod::FullRecomputation)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Groups8x5Fields9Depth5000, Incremental, SearchMethod::Incremental)
    ->Unit(benchmark::kMillisecond);
