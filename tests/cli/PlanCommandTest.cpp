// korvane-cli plan, run as a separate process and compared with the allocation run in-process.
#include "allocation/AllocationTestSupport.h"
#include "allocation/GameListPages.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(PlanCommand, PrintsOrWritesThePlanAndTheReportsOfTheInProcessRunWithTheSameOptions)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("plan.csv"));
    AllocationOptions depthZero;
    depthZero.SearchDepth = QStringLiteral("0");
    AllocationOptions optimised;
    optimised.Optimise = true;
    enum class Shown { Text, CsvFile, Xls };
    struct Case {
        QStringList arguments;
        AllocationOptions options;
        Shown shown;
    };
    const Case cases[] = {
        {{}, {}, Shown::Text},
        {{QStringLiteral("--depth"), QStringLiteral("0"), QStringLiteral("-o"), csv},
         depthZero,
         Shown::CsvFile},
        {{QStringLiteral("--optimise")}, optimised, Shown::Text},
        {{QStringLiteral("--timing"), QStringLiteral("--format"), QStringLiteral("xls")}, {}, Shown::Xls},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run =
            RunCliCommand(QStringLiteral("plan"), QStringList{ExampleTournamentFile()} + c.arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto output = Allocate(*LoadedTournament(), c.options); // in-process
        if (c.shown == Shown::CsvFile) {
            EXPECT_EQ(FileContents(csv), ExportGridText(output->TimePlan, GridTextFormat::Csv));
            EXPECT_TRUE(run.out.isEmpty());
        } else if (c.shown == Shown::Xls) {
            EXPECT_EQ(run.out, ExportGridText(output->TimePlan, GridTextFormat::Xls));
        } else {
            EXPECT_EQ(QString::fromUtf8(run.out), GridPlainText(output->TimePlan));
        }
        // Timing adds one line after the reports.
        const QString reports = c.shown == Shown::Xls ? run.err.section(u'\n', 0, -3) + u'\n' : run.err;
        EXPECT_EQ(reports, output->Messages.lines().join(u'\n') + u'\n');
        if (c.shown == Shown::Xls) {
            EXPECT_TRUE(
                run.err.section(u'\n', -2).startsWith(QStringLiteral("Platzverteilung berechnet in ")));
        }
    }
}

TEST(PlanCommand, WritesTheGameListsOfARound)
{
    const CliRun run =
        RunCliCommand(QStringLiteral("plan"), {ExampleTournamentFile(), QStringLiteral("--round"),
                                               QStringLiteral("2"), QStringLiteral("--gamelists")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto output = Allocate(*LoadedTournament(), {}, 2);
    const QStringList pages = GameListPages(*LoadedTournament(), output->GameLists, 2);
    EXPECT_EQ(QString::fromUtf8(run.out), pages.join(u'\n') + u'\n');
    EXPECT_EQ(pages.at(4), QStringLiteral("Runde: 2"));
}
