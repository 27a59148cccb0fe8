// The pages of the live server for the largest tournament: what one build costs after a result
// (every page is built once per state, then answered from the cache).
#include "LargestTournament.h"
#include "SilentPrompter.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "live/WebPage.h"
#include "live/WebPages.h"
#include "results/ScheduleGrid.h"

#include <benchmark/benchmark.h>

namespace {
const TournamentState& PlannedLargest()
{
    static const std::unique_ptr<TournamentState> state = [] {
        auto largest = LargestTournament();
        RenderScheduleGrid(*largest);
        auto output = std::make_unique<AllocationOutput>();
        SilentPrompter prompter;
        RunAllocation(*largest, *output, prompter, AllocationOptions{QStringLiteral("0"), {}, {}, {}});
        return largest;
    }();
    return *state;
}

template <typename Build> void Measure(benchmark::State& bench, Build build)
{
    const TournamentState& state = PlannedLargest();
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const WebPage page = build(state);
        const QByteArray json = WebPageJson(page);
        const QByteArray html = WebPageHtml(page, "\"tag\"");
        bytes = std::size_t(html.size());
        benchmark::DoNotOptimize(json.size());
    }
    bench.counters["html_bytes"] = double(bytes);
}
} // namespace

static void BM_LiveIndexPage(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return LiveIndexPage(state, state.FieldPlan); });
}
BENCHMARK(BM_LiveIndexPage)->Unit(benchmark::kMillisecond);

static void BM_LiveRoundPage(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return *LiveRoundPage(state, state.FieldPlan, 4); });
}
BENCHMARK(BM_LiveRoundPage)->Unit(benchmark::kMillisecond);

static void BM_LiveFieldPage(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return *LiveFieldPage(state, state.FieldPlan, 1); });
}
BENCHMARK(BM_LiveFieldPage)->Unit(benchmark::kMillisecond);

static void BM_LiveTeamPage(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) {
        return *LiveTeamPage(state, state.FieldPlan, QStringLiteral("Mannschaft 70-1"));
    });
}
BENCHMARK(BM_LiveTeamPage)->Unit(benchmark::kMillisecond);
