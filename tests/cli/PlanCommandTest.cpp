// korvane-cli plan, run as a separate process and compared with the allocation run in-process.
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "allocation/GameListPages.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "output/GridExport.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace {
using PlanRun = CliRun;

PlanRun RunPlan(const QStringList& arguments)
{
    return RunCliCommand(QStringLiteral("plan"), arguments);
}

// The example with five fields in its first round of four groups, so that the search runs there,
// saved as "suche.auf" in the folder; `depth` is its "Rechentiefe".
QString SearchedExample(const QTemporaryDir& dir, const QString& depth = QStringLiteral("50"))
{
    auto state = LoadedTournament();
    state->FieldsInRound[1] = 5;
    state->Settings.SearchDepth = depth;
    const QString path = dir.filePath(QStringLiteral("suche.auf"));
    state->RememberedFileName = path;
    ScriptedPrompter prompter;
    EXPECT_TRUE(SaveTournament(*state, path, prompter));
    return path;
}

// The tournament planned in-process.
std::unique_ptr<AllocationOutput> PlannedExample(const AllocationOptions& options = {}, int gameListRound = 0,
                                                 const QString& path = ExampleTournamentFile())
{
    const auto state = LoadedTournament(path);
    auto output = std::make_unique<AllocationOutput>();
    if (gameListRound >= 1)
        RequestGameLists(*output, gameListRound);
    ScriptedPrompter prompter;
    EXPECT_TRUE(RunAllocation(*state, *output, prompter, options));
    return output;
}

QString MessageText(const AllocationOutput& output)
{
    return output.Messages.lines().join(u'\n') + u'\n';
}
} // namespace

TEST(PlanCommand, PrintsTheTimePlanAndTheRoundReports)
{
    const PlanRun run = RunPlan({ExampleTournamentFile()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto output = PlannedExample();
    EXPECT_EQ(QString::fromUtf8(run.out), GridPlainText(output->TimePlan));
    EXPECT_EQ(run.err, MessageText(*output));
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Runde 1 Doppelspiele: ")));
}

TEST(PlanCommand, TheDepthOptionReplacesTheSettingForThisRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.csv"));
    const PlanRun run = RunPlan({ExampleTournamentFile(), QStringLiteral("--depth"), QStringLiteral("0"),
                                 QStringLiteral("-o"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto output = PlannedExample({QStringLiteral("0"), SearchMethod::Incremental, {}});
    EXPECT_EQ(FileContents(path), ExportGridText(output->TimePlan, GridTextFormat::Csv));
    EXPECT_EQ(run.err, MessageText(*output));
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(PlanCommand, WritesTheGameListsOfARound)
{
    const PlanRun run = RunPlan({ExampleTournamentFile(), QStringLiteral("--round"), QStringLiteral("2"),
                                 QStringLiteral("--gamelists")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto state = LoadedTournament();
    const auto output = PlannedExample({}, 2);
    const QStringList pages = GameListPages(*state, output->GameLists, 2);
    EXPECT_EQ(QString::fromUtf8(run.out), pages.join(u'\n') + u'\n');
    EXPECT_EQ(pages.at(3), QStringLiteral("Korvane: ") + state->TournamentName);
    EXPECT_EQ(pages.at(4), QStringLiteral("Runde: 2"));
    EXPECT_TRUE(pages.at(7).contains(QStringLiteral("  Platz:")));
}

TEST(PlanCommand, TimingAddsOneLineAfterTheReports)
{
    const PlanRun run = RunPlan({ExampleTournamentFile(), QStringLiteral("--timing"),
                                 QStringLiteral("--format"), QStringLiteral("xls")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.err.trimmed().split(u'\n');
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Platzverteilung berechnet in ")));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(" ms")));
    EXPECT_EQ(run.out, ExportGridText(PlannedExample()->TimePlan, GridTextFormat::Xls));
}

TEST(PlanCommand, AHandEditedDepthStopsTheRunWithAMessage)
{
    QTemporaryDir dir;
    const PlanRun run = RunPlan({SearchedExample(dir, QStringLiteral("5o"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("Die Rechentiefe \"5o\" ist keine ganze Zahl.")))
        << run.err.toStdString();
}

TEST(PlanCommand, TheOptimiseOptionPlansAsWithTheBoxTicked)
{
    const PlanRun run = RunPlan({ExampleTournamentFile(), QStringLiteral("--optimise")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    AllocationOptions optimised;
    optimised.Optimise = true;
    const auto output = PlannedExample(optimised);
    EXPECT_EQ(QString::fromUtf8(run.out), GridPlainText(output->TimePlan));
    EXPECT_EQ(run.err, MessageText(*output));
}
