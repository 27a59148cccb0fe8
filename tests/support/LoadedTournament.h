#pragma once

#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

// A tournament file loaded as the program loads it, with the delivered pairing table.
inline std::unique_ptr<TournamentState> LoadedTournament(const QString& path = ExampleTournamentFile())
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    ScriptedPrompter prompter;
    EXPECT_TRUE(LoadTournament(*state, path, prompter)) << path.toStdString();
    return state;
}
