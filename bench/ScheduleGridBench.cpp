#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/GridInteraction.h"
#include "results/ScheduleGrid.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
// `rounds` rounds sharing 100 groups of 5 or 6 teams (every third with return leg), every game
// with a result.
std::unique_ptr<TournamentState> fullTournament(int rounds)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    state->RoundCount = rounds;
    for (int round = 1; round <= rounds; ++round)
        state->GroupsInRound[round] = Limits::MaxGroups / rounds;
    for (int g = 1; g <= Limits::MaxGroups; ++g) {
        state->TeamsInGroup[g] = 5 + g % 2;
        state->ReturnLeg[g] = g % 3 == 0;
        state->NameTable[g][0] = QStringLiteral("Gruppe ") + QString::number(g);
        for (int p = 1; p <= state->TeamsInGroup[g]; ++p)
            state->NameTable[g][p] = QStringLiteral("Mannschaft %1-%2").arg(g).arg(p);
        for (int k = 1; k <= GroupGameCount(*state, g); ++k)
            state->ResultTable[++state->ResultCount] = {g, k, QString(), 0, 0, k % 4, (k + 1) % 3};
    }
    return state;
}

void renderArguments(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1)->Arg(20)->Unit(benchmark::kMicrosecond);
}
} // namespace

static void BM_RenderScheduleGrid(benchmark::State& bench)
{
    auto state = fullTournament(int(bench.range(0)));
    for (auto _ : bench) {
        RenderScheduleGrid(*state);
        benchmark::DoNotOptimize(state->ScheduleGrid.rowCount());
    }
    bench.counters["rows"] = state->ScheduleGrid.rowCount();
    bench.counters["columns"] = state->ScheduleGrid.columnCount();
}
BENCHMARK(BM_RenderScheduleGrid)->Apply(renderArguments);

static void BM_HighlightTeam(benchmark::State& bench)
{
    auto state = fullTournament(int(bench.range(0)));
    RenderScheduleGrid(*state);
    const GroupBlock block = LocateGroupBlock(*state, 1);
    for (auto _ : bench)
        HighlightTeam(*state, state->ScheduleGrid, block.Column, block.teamRow(1));
}
BENCHMARK(BM_HighlightTeam)->Apply(renderArguments);

static void BM_ExportGridCsv(benchmark::State& bench)
{
    auto state = fullTournament(int(bench.range(0)));
    RenderScheduleGrid(*state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(ExportGridText(state->ScheduleGrid, GridTextFormat::Csv));
}
BENCHMARK(BM_ExportGridCsv)->Apply(renderArguments);
