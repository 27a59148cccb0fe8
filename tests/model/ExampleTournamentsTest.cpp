// The tournaments installed beside the program load and hold what they promise.
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ExampleTournaments, StartFileIsTheOneGroupDefault)
{
    const auto state = LoadedTournament(DataFile(QStringLiteral("normal.auf")));
    auto fresh = std::make_unique<TournamentState>();
    SetUpDefaultTournament(*fresh);
    EXPECT_EQ(state->TeamsInGroup[1], 4);
    EXPECT_EQ(state->TeamsInGroup, fresh->TeamsInGroup);
    EXPECT_EQ(state->NameTable, fresh->NameTable);
    EXPECT_EQ(state->GameLengthInRound, fresh->GameLengthInRound);
    EXPECT_EQ(state->Settings, TournamentSettings{});
}

TEST(ExampleTournaments, SavingTheLoadedFilesGivesTheSameBytes)
{
    for (const QString& name : {QStringLiteral("normal.auf"), QStringLiteral("beispiel.auf")}) {
        const auto state = LoadedTournament(DataFile(name));
        EXPECT_EQ(WriteTournamentFile(*state), FileContents(DataFile(name))) << name.toStdString();
    }
}
