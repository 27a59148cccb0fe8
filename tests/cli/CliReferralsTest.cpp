// korvane-cli referrals, run as a separate process.
#include "model/ReferralDump.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {
CliRun RunReferralsCommand(const QStringList& files)
{
    return RunCliCommand(QStringLiteral("referrals"), files);
}

} // namespace

TEST(CliReferrals, WritesTheDumpOfTheLoadedExample)
{
    auto state = std::make_unique<TournamentState>();
    ScriptedPrompter prompter;
    ASSERT_TRUE(LoadTournament(*state, ExampleTournamentFile(), prompter));
    const QByteArray expected = ReferralDumpText(*state);
    ASSERT_TRUE(expected.contains("\r\n")) << "the example has referrals";

    QTemporaryDir folder;
    const QString out = folder.filePath(ReferralDumpFileName);
    const CliRun run = RunReferralsCommand({ExampleTournamentFile(), out});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FileContents(out), expected);
}

TEST(CliReferrals, UnreadableInputOrUnwritableOutputFails)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("dump.txt"));

    const CliRun missing = RunReferralsCommand({folder.filePath(QStringLiteral("fehlt.auf")), out});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Einladen klappt nich !")));
    EXPECT_FALSE(QFile::exists(out));

    const QString unwritable = folder.filePath(QStringLiteral("fehlt/dump.txt"));
    const CliRun blocked = RunReferralsCommand({ExampleTournamentFile(), unwritable});
    EXPECT_NE(blocked.exitCode, 0);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("Speichern der Datei ") + unwritable))
        << blocked.err.toStdString();

    EXPECT_EQ(RunReferralsCommand({ExampleTournamentFile()}).exitCode, 2);
}
