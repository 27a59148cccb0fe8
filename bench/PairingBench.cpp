#include "structure/PairingTable.h"

#include <benchmark/benchmark.h>

// Walks every game of every group size, as rendering and standings do many times.
static void BM_PairingLookupAllSizes(benchmark::State& state)
{
    const PairingTable table = BuildPairingTable();
    for (auto _ : state) {
        int sum = 0;
        for (int n = 2; n <= 20; ++n)
            for (int k = 1; k <= 2 * PairingTable::FirstLegGameCount(n); ++k)
                sum += table.PairingOf(n, k).first;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PairingLookupAllSizes);
