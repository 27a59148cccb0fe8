// korvane-cli info, save and referrals, run as a separate process.
#include "model/ReferralDump.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(CliFileCommands, SaveReplacesTheNamedFileReferralsWritesTheDumpAndInfoSummarisesTheExample)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.auf"));
    ASSERT_EQ(RunCli({QStringLiteral("save"), DataFile(QStringLiteral("normal.auf")), out}).exitCode, 0);
    const CliRun saved = RunCli({QStringLiteral("save"), ExampleTournamentFile(), out});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(FileContents(out), FileContents(ExampleTournamentFile()));

    const QString dump = folder.filePath(ReferralDumpFileName);
    const CliRun referrals = RunCli({QStringLiteral("referrals"), ExampleTournamentFile(), dump});
    EXPECT_EQ(referrals.exitCode, 0) << referrals.err.toStdString();
    EXPECT_EQ(FileContents(dump), ReferralDumpText(*LoadedTournament()));

    const CliRun run = RunCli({QStringLiteral("info"), ExampleTournamentFile()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), QStringLiteral("Name: Pfingstturnier SV Grün-Weiß Lindenau\n"
                                                         "Runden: 2\n"
                                                         "Gruppen je Runde: 4 2\n"
                                                         "Mannschaften je Runde: 18 8\n"
                                                         "Spiele: 44\n"
                                                         "Ergebnisse: 12\n"
                                                         "Namenspool: 18\n"));
}

// Damaged files through the commands an organiser would run: what the reader adapts or refuses
// reaches the terminal as text, never as control sequences, and the clock stays within a day.
TEST(CliFileCommands, DamagedFilesEndWithTheirCauseOrLoadWithinTheLimits)
{
    struct Case {
        QStringList arguments;
        int exitCode;
        QString inErrors;
        QString notInOutput;
    };
    const auto fixture = [](const char* name) {
        return FixtureFile(QStringLiteral("damaged/") + QLatin1String(name));
    };
    const Case cases[] = {
        // 9:00 + 1440 minutes per game.
        {{QStringLiteral("plan"), fixture("spiellaenge-zu-lang.auf")},
         0,
         QStringLiteral("Zeile 21: Spiellänge der Runde 1: 2147483647 Minuten sind länger als ein Tag"),
         QStringLiteral("2:07")},
        {{QStringLiteral("info"), fixture("steuerzeichen.auf")},
         1,
         QStringLiteral("\\x1B]0;gehackt\\x07"),
         QStringLiteral("\x1b")},
        {{QStringLiteral("info"), fixture("steuerzeichen-im-namen.auf")}, 0, {}, QStringLiteral("\x1b")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.inErrors)) << run.err.toStdString();
        EXPECT_FALSE(QString::fromUtf8(run.out).contains(c.notInOutput));
        EXPECT_FALSE(run.err.contains(c.notInOutput));
    }
}
