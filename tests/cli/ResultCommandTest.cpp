// korvane-cli result, run as a separate process on copies of the example tournament
// (groups 1..4 in round 1 feed groups 5 and 6; group 2 has 4 teams and results for games 1..3).
#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {
class ResultCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        file = folder.filePath(QStringLiteral("turnier.auf"));
        ASSERT_TRUE(QFile::copy(ExampleTournamentFile(), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }

    CliRun result(const QStringList& arguments) { return RunCliCommand(QStringLiteral("result"), arguments); }

    CliRun goals(int group, int game, const QString& text, const QStringList& more = {})
    {
        return result(QStringList{file, QString::number(group), QString::number(game),
                                  QStringLiteral("--goals"), text} +
                      more);
    }

    std::unique_ptr<TournamentState> load(const QString& path) { return LoadedTournament(path); }

    QTemporaryDir folder;
    QString file;
};
} // namespace

TEST_F(ResultCommandTest, StoresOrDeletesAResultAndWritesToOut)
{
    const QString out = folder.filePath(QStringLiteral("neu.auf"));
    const CliRun run = goals(2, 4, QStringLiteral("3-1"), {QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Gruppe 2, Spiel 4: 3 : 1\n");
    const auto after = load(out);
    ASSERT_EQ(after->ResultCount, load(file)->ResultCount + 1);
    const int index = FindResult(*after, 2, 4);
    ASSERT_NE(index, 0);
    EXPECT_EQ(after->ResultTable[index], (GameResult{2, 4, QString(), 0, 0, 3, 1}));

    const CliRun deletion = goals(1, 2, QStringLiteral("0"));
    ASSERT_EQ(deletion.exitCode, 0) << deletion.err.toStdString();
    EXPECT_EQ(deletion.out, "Gruppe 1, Spiel 2: kein Ergebnis\n");
    EXPECT_EQ(FindResult(*load(file), 1, 2), 0);
}

TEST_F(ResultCommandTest, ACompletedGroupKeepsTheLaterResultsUnlessToldToClearThem)
{
    for (int game = 4; game <= 6; ++game)
        ASSERT_EQ(goals(2, game, QStringLiteral("1:0")).exitCode, 0);
    const CliRun last = goals(5, 1, QStringLiteral("2:2"));
    ASSERT_EQ(last.exitCode, 0);

    const CliRun keep = goals(2, 1, QStringLiteral("5:0"));
    ASSERT_EQ(keep.exitCode, 0);
    EXPECT_TRUE(keep.out.endsWith("Gruppe 2 ist abgeschlossen\n"));
    EXPECT_NE(FindResult(*load(file), 5, 1), 0);

    ASSERT_EQ(goals(2, 1, QStringLiteral("6:0"), {QStringLiteral("--clear-later")}).exitCode, 0);
    const auto cleared = load(file);
    EXPECT_EQ(FindResult(*cleared, 5, 1), 0);
    EXPECT_EQ(cleared->ResultTable[FindResult(*cleared, 2, 1)].GoalsFirst, 6);
}

TEST_F(ResultCommandTest, WrongRequestsChangeNothing)
{
    const QByteArray original = FileContents(file);
    const QString n = QStringLiteral("1");
    for (const QStringList& arguments :
         {QStringList{file, QStringLiteral("7"), n, QStringLiteral("--goals"), n},
          QStringList{file, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("--goals"), n},
          QStringList{file, QStringLiteral("2"), n, QStringLiteral("--sets"), QStringLiteral("15:7")},
          QStringList{file, QStringLiteral("2"), n},
          QStringList{file, QStringLiteral("2"), n, QStringLiteral("--goals"), QStringLiteral("abc")},
          QStringList{file, QStringLiteral("2"), n, QStringLiteral("--goals"), n, QStringLiteral("--sets"),
                      n}}) {
        const CliRun run = result(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(FileContents(file), original);
}

TEST_F(ResultCommandTest, SetsOfATournamentWithSets)
{
    {
        auto state = load(file);
        state->Settings.WithSets = true;
        SavedTournamentFile(*state, file);
    }
    const CliRun run = result({file, QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("--sets"),
                               QStringLiteral("15:7 8:15 11:15")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Gruppe 2, Spiel 4: 15:7  8:15  11:15  34 : 37\n");
    const auto state = load(file);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 4)],
              (GameResult{2, 4, QStringLiteral("15:7  8:15  11:15  "), 1, 2, 34, 37}));
}
