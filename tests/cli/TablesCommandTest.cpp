// korvane-cli tables, run as a separate process and compared with the grid rendered in-process.
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "output/GridExport.h"
#include "results/ScheduleGrid.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace {
using TablesRun = CliRun;

TablesRun RunTables(const QStringList& arguments)
{
    return RunCliCommand(QStringLiteral("tables"), arguments);
}

// The example as the schedule window shows it right after loading.
std::unique_ptr<TournamentState> RenderedExample()
{
    auto state = LoadedTournament();
    RenderScheduleGrid(*state);
    return state;
}
} // namespace

TEST(TablesCommand, PrintsEveryGroupWithItsGamesResultsAndTableAsText)
{
    const TablesRun run =
        RunTables({ExampleTournamentFile(), QStringLiteral("--format"), QStringLiteral("txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto state = RenderedExample();
    EXPECT_EQ(QString::fromUtf8(run.out), GridPlainText(state->ScheduleGrid));
    EXPECT_TRUE(run.out.startsWith("Pfingstturnier SV Grün-Weiß Lindenau"));
    EXPECT_TRUE(run.out.contains("1) SV Grün-Weiß Lindenau"));
}

TEST(TablesCommand, WritesCsvAndXlsFilesAsTheExportDoes)
{
    const auto state = RenderedExample();
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("plan.csv"));
    const TablesRun toCsv = RunTables({ExampleTournamentFile(), QStringLiteral("-o"), csv});
    ASSERT_EQ(toCsv.exitCode, 0) << toCsv.err.toStdString();
    const QByteArray csvBytes = FileContents(csv);
    EXPECT_EQ(csvBytes, ExportGridText(state->ScheduleGrid, GridTextFormat::Csv));
    EXPECT_TRUE(csvBytes.startsWith("Pfingstturnier SV Gr\xFCn-Wei\xDF Lindenau,"));
    EXPECT_EQ(csvBytes.count("\r\n"), state->ScheduleGrid.rowCount() - 1); // rows 1 on

    const TablesRun toStdout =
        RunTables({ExampleTournamentFile(), QStringLiteral("--format"), QStringLiteral("xls")});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
    EXPECT_EQ(toStdout.out, ExportGridText(state->ScheduleGrid, GridTextFormat::Xls));
}
