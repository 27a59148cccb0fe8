#include "LargestTournament.h"
#include "SilentPrompter.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/GridInteraction.h"
#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

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

namespace {
// Points the selection at the goals cell of the group's game, as a click on it does.
void selectGoalsCell(TournamentState& state, int group, int game)
{
    const GroupBlock block = LocateGroupBlock(state, group);
    SelectCell(state, block.Column + 3, block.gameRow(game));
    ParseRowTag(state, state.ScheduleGrid, state.SelectedCol, state.SelectedRow);
}

// A size line of the process status ("VmRSS", "VmHWM") in MiB; 0 where the system has none.
double statusMiB(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ':', 0) == 0)
            return std::stod(line.substr(key.size() + 1)) / 1024.0;
    }
    return 0;
}

double residentMiB()
{
    return statusMiB("VmRSS");
}

double peakResidentMiB()
{
    return statusMiB("VmHWM");
}
} // namespace

static void BM_RenderWidestTournament(benchmark::State& bench)
{
    auto state = WidestTournament();
    for (auto _ : bench) {
        RenderScheduleGrid(*state);
        benchmark::DoNotOptimize(state->ScheduleGrid.rowCount());
    }
    bench.counters["rows"] = state->ScheduleGrid.rowCount();
    bench.counters["columns"] = state->ScheduleGrid.columnCount();
    bench.counters["peak_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_RenderWidestTournament)->Unit(benchmark::kMillisecond);

static void BM_HighlightWidestTournament(benchmark::State& bench)
{
    auto state = WidestTournament();
    RenderScheduleGrid(*state);
    const GroupBlock block = LocateGroupBlock(*state, 50);
    for (auto _ : bench)
        HighlightTeam(*state, state->ScheduleGrid, block.Column, block.teamRow(7));
}
BENCHMARK(BM_HighlightWidestTournament)->Unit(benchmark::kMillisecond);

// The confirming press of the result dialog on a game of the widest plan: storing, the group's
// table, the plan shown anew and the completion check.
static void BM_ConfirmResultWidestTournament(benchmark::State& bench)
{
    auto state = WidestTournament();
    RenderScheduleGrid(*state);
    SilentPrompter prompter;
    ResultEntry entry;
    int game = 0;
    for (auto _ : bench) {
        game = game % 380 + 1;
        selectGoalsCell(*state, 99, game);
        entry.EntryConfirmArmed = true;
        entry.press(*state, {QString(), QString::number(game % 7) + QStringLiteral(":1")}, prompter);
    }
}
BENCHMARK(BM_ConfirmResultWidestTournament)->Unit(benchmark::kMillisecond);

// A thousand confirmed results on the widest plan: the resident set before and after.
static void BM_ThousandResultsMemory(benchmark::State& bench)
{
    auto state = WidestTournament();
    RenderScheduleGrid(*state);
    SilentPrompter prompter;
    ResultEntry entry;
    double before = 0;
    double after = 0;
    for (auto _ : bench) {
        before = residentMiB();
        for (int step = 0; step < 1000; ++step) {
            selectGoalsCell(*state, 80 + step % 20, step % 380 + 1);
            entry.EntryConfirmArmed = true;
            entry.press(*state, {QString(), QString::number(step % 9) + QStringLiteral(":2")}, prompter);
        }
        after = residentMiB();
    }
    bench.counters["before_MiB"] = before;
    bench.counters["after_MiB"] = after;
    bench.counters["peak_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_ThousandResultsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
