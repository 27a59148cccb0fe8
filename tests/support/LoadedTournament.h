#pragma once

#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

// A tournament file loaded as the program loads it, with the delivered pairing table; a failed
// expectation when the load fails or has something to say.
inline std::unique_ptr<TournamentState> LoadedTournament(const QString& path = ExampleTournamentFile())
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    ScriptedPrompter prompter;
    EXPECT_TRUE(LoadTournament(*state, path, prompter)) << path.toStdString();
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'|').toStdString();
    return state;
}

// Writes the tournament to the path as the program saves it; gives the path back.
inline QString SavedTournamentFile(const TournamentState& state, const QString& path)
{
    EXPECT_TRUE(WriteFileContents(path, WriteTournamentFile(state))) << path.toStdString();
    return path;
}
