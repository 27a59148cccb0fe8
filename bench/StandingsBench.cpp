#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "results/Standings.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {
constexpr int RowsPerRound = 300;

// `groups` groups of `teams` teams with return leg, `groupsPerRound` to a round, every game
// entered (drawn when `allDrawn`, so every neighbour pair goes to the head-to-head comparison),
// and the table rows tagged in the schedule grid as the layout places them.
std::unique_ptr<TournamentState> playedTournament(int groups, int groupsPerRound, int teams, bool allDrawn)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    state->RoundCount = (groups + groupsPerRound - 1) / groupsPerRound;
    for (int round = 1; round <= state->RoundCount; ++round)
        state->GroupsInRound[round] = std::min(groupsPerRound, groups - (round - 1) * groupsPerRound);
    state->ScheduleGrid.resize(5 * groupsPerRound + 1, RowsPerRound * (state->RoundCount + 1));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> goals(0, 4);
    for (int group = 1; group <= groups; ++group) {
        state->TeamsInGroup[group] = teams;
        state->ReturnLeg[group] = true;
        const int round = RoundOfGroup(*state, group);
        const int col = 5 * (group - FirstGroupOfRound(*state, round)) + 1;
        for (int position = 1; position <= teams; ++position) {
            state->NameTable[group][position] = QStringLiteral("G%1T%2").arg(group).arg(position);
            const int row = RowsPerRound * round + position;
            state->ScheduleGrid.setTag(col, row,
                                       QStringLiteral("%1 tabellemannschaft %2").arg(group).arg(position));
            for (int offset = 1; offset <= 4; ++offset)
                state->ScheduleGrid.setTag(col + offset, row,
                                           QStringLiteral("%1 tabelle %2").arg(group).arg(position));
        }
        for (int game = 1; game <= GroupGameCount(*state, group); ++game) {
            const int first = allDrawn ? 1 : goals(random);
            const int second = allDrawn ? 1 : goals(random);
            StoreResult(*state, GameResult{group, game, QString(), 0, 0, first, second});
        }
    }
    state->TablesToGrid = true;
    return state;
}

void BM_StandingsOfTwentyTeamsWithReturnLeg(benchmark::State& bench)
{
    auto state = playedTournament(1, 1, 20, bench.range(0) != 0);
    for (auto _ : bench) {
        ComputeStandings(*state, 1);
        benchmark::DoNotOptimize(state->RankedPosition[1][1]);
    }
    bench.SetLabel(bench.range(0) != 0 ? "all drawn" : "random results");
}

void BM_StandingsOfHundredGroups(benchmark::State& bench)
{
    auto state = playedTournament(100, 20, 16, bench.range(0) != 0);
    for (auto _ : bench) {
        ComputeAllStandings(*state);
        benchmark::DoNotOptimize(state->RankedPosition[100][1]);
    }
    bench.SetLabel(QStringLiteral("%1 results, %2")
                       .arg(state->ResultCount)
                       .arg(bench.range(0) != 0 ? "all drawn" : "random results")
                       .toStdString());
}
} // namespace

BENCHMARK(BM_StandingsOfTwentyTeamsWithReturnLeg)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StandingsOfHundredGroups)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
