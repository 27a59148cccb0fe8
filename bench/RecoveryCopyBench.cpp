#include "BenchTournaments.h"

#include "model/RecoveryCopy.h"
#include "model/TournamentFile.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

namespace {
// The part of a recovery copy that runs on the windows' thread: the tournament as a save writes it.
void BM_RecoveryCopySerialise(benchmark::State& bench)
{
    auto state = BenchTournament(static_cast<int>(bench.range(0)));
    qint64 bytes = 0;
    for (auto _ : bench) {
        const QByteArray copy = RecoveryCopyBytes(state->RememberedFileName, WriteTournamentFile(*state));
        bytes = copy.size();
        benchmark::DoNotOptimize(copy.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
    bench.SetLabel(BenchTournamentLabel(static_cast<int>(bench.range(0))));
}

// The part on the writing thread: QSaveFile into the recovery folder, synced to the disk.
void BM_RecoveryCopyWrite(benchmark::State& bench)
{
    auto state = BenchTournament(static_cast<int>(bench.range(0)));
    const QByteArray tournament = WriteTournamentFile(*state);
    QTemporaryDir folder;
    RecoveryCopyWriter writer(RecoveryFolder(folder.path()));
    for (auto _ : bench)
        benchmark::DoNotOptimize(writer.write(QStringLiteral("/turniere/pokal.auf"), tournament));
    bench.SetLabel(BenchTournamentLabel(static_cast<int>(bench.range(0))));
}

// Restoring a copy at start-up, whole: read, check, take over.
void BM_RecoveryCopyRestore(benchmark::State& bench)
{
    auto state = BenchTournament(static_cast<int>(bench.range(0)));
    const QByteArray copy = RecoveryCopyBytes(QString(), WriteTournamentFile(*state));
    auto restored = std::make_unique<TournamentState>();
    for (auto _ : bench) {
        const RecoveryCopyContent content = ParseRecoveryCopy(copy);
        ResetTournament(*restored);
        benchmark::DoNotOptimize(ReadTournamentFile(*restored, content.tournamentBytes).ok);
    }
    bench.SetLabel(BenchTournamentLabel(static_cast<int>(bench.range(0))));
}
} // namespace

BENCHMARK(BM_RecoveryCopySerialise)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCopyWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCopyRestore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
