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

#include <QRegularExpression>
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

    const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    EXPECT_TRUE(lines.at(0).contains(QStringLiteral("Pfingstturnier SV Grün-Weiß Lindenau")));
    for (int g = 1; g <= TotalGroups(*state); ++g) {
        const QString name = state->NameTable[g][0];
        EXPECT_TRUE(run.out.contains((name + QStringLiteral(" (") + QString::number(g) + u')').toUtf8()))
            << g;
        EXPECT_TRUE(run.out.contains((QStringLiteral("Gruppe ") + QString::number(g)).toUtf8())) << g;
    }
    // Round 1: groups of four start their six games one row above group A's ten (five teams), so
    // eleven lines; round 2 has six. One separator lies between the rounds.
    const QRegularExpression gameLine(QStringLiteral("\\d\\) [^:]*: \\d+\\) "));
    EXPECT_EQ(lines.filter(gameLine).size(), 17);
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^_{40,}$"))).size(), 1);
    // Every stored result stands in a goals cell.
    int shownResults = 0;
    for (int row = 0; row < state->ScheduleGrid.rowCount(); ++row)
        for (int col = 0; col < state->ScheduleGrid.columnCount(); ++col)
            shownResults += state->ScheduleGrid.tag(col, row).contains(QStringLiteral(" tore ")) &&
                            !state->ScheduleGrid.cell(col, row).isEmpty();
    EXPECT_EQ(shownResults, state->ResultCount);
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
