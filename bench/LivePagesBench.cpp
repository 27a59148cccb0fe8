// The pages of the live server for the largest tournament: what one build costs after a result
// (a page is built once per state of what it shows, the JSON for the polls and the HTML for a
// page load each only when asked for), and reading the fingerprints that tell which pages a
// change touched.
#include "LargestTournament.h"
#include "SilentPrompter.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "live/LiveStateParts.h"
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

enum class Form { Json, Html };

template <typename Build> void Measure(benchmark::State& bench, Build build, Form form = Form::Json)
{
    const TournamentState& state = PlannedLargest();
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const WebPage page = build(state);
        const QByteArray body = form == Form::Json ? WebPageJson(page) : WebPageHtml(page, "\"tag\"");
        bytes = std::size_t(body.size());
        benchmark::DoNotOptimize(body.size());
    }
    bench.counters["bytes"] = double(bytes);
}
} // namespace

static void BM_LiveStateParts(benchmark::State& bench)
{
    const TournamentState& state = PlannedLargest();
    for (auto _ : bench)
        benchmark::DoNotOptimize(ReadLiveStateParts(state, state.FieldPlan).Whole);
}
BENCHMARK(BM_LiveStateParts)->Unit(benchmark::kMillisecond);

static void BM_LiveIndexJson(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return LiveIndexPage(state, state.FieldPlan); });
}
BENCHMARK(BM_LiveIndexJson)->Unit(benchmark::kMillisecond);

static void BM_LiveRoundJson(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return *LiveRoundPage(state, state.FieldPlan, 4); });
}
BENCHMARK(BM_LiveRoundJson)->Unit(benchmark::kMillisecond);

static void BM_LiveRoundHtml(benchmark::State& bench)
{
    Measure(
        bench, [](const TournamentState& state) { return *LiveRoundPage(state, state.FieldPlan, 4); },
        Form::Html);
}
BENCHMARK(BM_LiveRoundHtml)->Unit(benchmark::kMillisecond);

static void BM_LiveFieldJson(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) { return *LiveFieldPage(state, state.FieldPlan, 1); });
}
BENCHMARK(BM_LiveFieldJson)->Unit(benchmark::kMillisecond);

static void BM_LiveTeamJson(benchmark::State& bench)
{
    Measure(bench, [](const TournamentState& state) {
        return *LiveTeamPage(state, state.FieldPlan, QStringLiteral("Mannschaft 70-1"));
    });
}
BENCHMARK(BM_LiveTeamJson)->Unit(benchmark::kMillisecond);
