// korvane-cli check, run as a separate process on a tournament with faulty referrals.
#include "model/TournamentState.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {
struct CheckRun {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

CheckRun RunCheck(const QStringList& arguments)
{
    const CliRun run = RunCliCommand(QStringLiteral("check"), arguments);
    return {run.exitCode, QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts), run.err};
}

// The example tournament with place 3 of its first group referred into position 9 of its last
// group, which has 4 positions.
QString WriteFaultyTournament(const QTemporaryDir& folder)
{
    auto state = LoadedTournament();
    const int lastGroup = TotalGroups(*state);
    EXPECT_EQ(state->TeamsInGroup[std::size_t(lastGroup)], 4);
    state->ReferralTable[1][3].ToGroup = lastGroup;
    state->ReferralTable[1][3].ToSlot = 9;
    return SavedTournamentFile(*state, folder.filePath(QStringLiteral("fehlerhaft.auf")));
}
} // namespace

TEST(CliCheckCommand, ReportsFaultsAndWritesTheCorrectedTournamentWithFix)
{
    QTemporaryDir folder;
    const QString faulty = WriteFaultyTournament(folder);

    const CheckRun report = RunCheck({faulty});
    EXPECT_EQ(report.exitCode, 3) << report.err.toStdString();
    ASSERT_EQ(report.lines.size(), 1) << report.lines.join(u'\n').toStdString();
    const QString line = QStringLiteral("3.Gruppe A (Gruppe 1) wird auf einen nicht vorhandenen Platz "
                                        "(9.Platzierungsrunde (Gruppe 6)) verwiesen ");
    EXPECT_EQ(report.lines.front(), line);

    const QString fixed = folder.filePath(QStringLiteral("berichtigt.auf"));
    const CheckRun fix = RunCheck({faulty, QStringLiteral("--fix"), QStringLiteral("-o"), fixed});
    EXPECT_EQ(fix.exitCode, 3) << fix.err.toStdString();
    ASSERT_EQ(fix.lines.size(), 1);
    EXPECT_EQ(fix.lines.front(), line + QStringLiteral(" (gelöscht)"));

    const CheckRun again = RunCheck({fixed});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    ASSERT_EQ(again.lines.size(), 1);
    EXPECT_TRUE(again.lines.front().endsWith(QStringLiteral(" Uhr: keine Fehler gefunden")));
}
