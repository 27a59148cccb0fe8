#pragma once

#include "LargestTournament.h"

#include "model/TournamentFile.h"

#include <QFile>

#include <memory>

// The two tournaments the file benchmarks run on: 0 the example that comes with the program,
// 1 the largest with 30,000 results.
inline std::unique_ptr<TournamentState> ExampleTournament()
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    QFile file(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"));
    if (!file.open(QIODevice::ReadOnly) || !ReadTournamentFile(*state, file.readAll()).ok)
        return nullptr;
    return state;
}

inline std::unique_ptr<TournamentState> BenchTournament(int which)
{
    return which == 0 ? ExampleTournament() : LargestTournament(30000);
}

inline const char* BenchTournamentLabel(int which)
{
    return which == 0 ? "example" : "largest, 30000 results";
}
