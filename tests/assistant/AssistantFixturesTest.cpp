// One tournament file per kind of structure, written by the assistant for 8 teams: each loads
// with the reader as it is, passes the schedule check, is written back byte for byte and still
// has the groups and games the assistant builds for it today.
#include "assistant/TournamentBlueprint.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "structure/ScheduleCheck.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

TEST(AssistantFixtures, LoadCheckAndMatchTheStructuresOfToday)
{
    const std::vector<TournamentBlueprint> blueprints = BuildBlueprints(8);
    const QStringList files{"eine-gruppe",       "eine-gruppe-rueckrunde",  "gruppen-finalrunde",
                            "gruppen-ko-platz3", "gruppen-ko-alle-plaetze", "gruppen-platzierungsgruppen"};
    ASSERT_EQ(blueprints.size(), std::size_t(files.size()));
    for (int index = 0; index < files.size(); ++index) {
        SCOPED_TRACE(files.at(index).toStdString());
        const QByteArray bytes =
            FileContents(FixtureFile(QStringLiteral("assistant/%1.auf").arg(files.at(index))));
        auto state = std::make_unique<TournamentState>();
        const TournamentFileReadResult read = ReadTournamentFile(*state, bytes);
        ASSERT_TRUE(read.ok) << ReadFailureLine(read).toStdString();
        EXPECT_TRUE(read.notices.isEmpty());
        EXPECT_EQ(WriteTournamentFile(*state), bytes);
        EXPECT_TRUE(ScheduleCheckPassed(CheckSchedule(*state, false, QStringLiteral("9:00:00"))));
        const TournamentBlueprint& blueprint = blueprints[std::size_t(index)];
        EXPECT_EQ(state->RoundCount, blueprint.RoundCount());
        EXPECT_EQ(TotalGameCount(*state), blueprint.GameCount());
        for (int group = 1; group <= blueprint.Groups.size(); ++group)
            EXPECT_EQ(state->NameTable[std::size_t(group)][0], blueprint.Groups.at(group - 1).Name);
        // Seeded: with two groups the second position takes the third name, the first of pot two.
        EXPECT_EQ(state->NameTable[1][2],
                  blueprint.Groups.size() == 1 ? QStringLiteral("Bären") : QStringLiteral("Cobras"));
    }
}
