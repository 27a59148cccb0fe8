#include "BenchTournaments.h"

#include "model/UndoHistory.h"
#include "results/ResultTable.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
// One result changed, as entering it does (without the standings, which undo does not add to).
void ChangeResult(TournamentState& state, int number)
{
    StoreResult(state, GameResult{1, 1 + number % 6, QString(), 0, 0, number % 10, number % 7});
    MarkChanged(state, QStringLiteral("Ergebnis"));
}

// Recording one step after a change: the tournament written out, compared and the old bytes kept
// compressed. This is what every change costs on the windows' thread.
void BM_UndoRecordStep(benchmark::State& bench)
{
    const int which = static_cast<int>(bench.range(0));
    auto state = BenchTournament(which);
    UndoHistory history;
    history.reset(*state);
    int number = 0;
    for (auto _ : bench) {
        ChangeResult(*state, ++number);
        benchmark::DoNotOptimize(history.recordIfChanged(*state));
    }
    bench.SetLabel(BenchTournamentLabel(which));
}

// One undo and its redo: the bytes uncompressed and read into a fresh tournament, the current
// ones compressed for the way back.
void BM_UndoAndRedo(benchmark::State& bench)
{
    const int which = static_cast<int>(bench.range(0));
    auto state = BenchTournament(which);
    UndoHistory history;
    history.reset(*state);
    ChangeResult(*state, 1);
    history.recordIfChanged(*state);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(history.undo(*state));
        benchmark::DoNotOptimize(history.redo(*state));
    }
    bench.SetLabel(BenchTournamentLabel(which));
}

// The memory of a full history: 100 steps of one result each, and the tournament as written.
void BM_UndoHistoryMemory(benchmark::State& bench)
{
    const int which = static_cast<int>(bench.range(0));
    auto state = BenchTournament(which);
    qsizetype memory = 0;
    for (auto _ : bench) {
        UndoHistory history;
        history.reset(*state);
        for (int number = 1; number <= UndoHistory::DefaultCapacity; ++number) {
            ChangeResult(*state, number);
            history.recordIfChanged(*state);
        }
        memory = history.memoryBytes();
    }
    bench.counters["file_bytes"] = static_cast<double>(WriteTournamentFile(*state).size());
    bench.counters["history_bytes"] = static_cast<double>(memory);
    bench.SetLabel(BenchTournamentLabel(which));
}
} // namespace

BENCHMARK(BM_UndoRecordStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoAndRedo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoHistoryMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
