// korvane-cli tables, run as a separate process and compared with the grid rendered in-process.
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/ScheduleGrid.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(TablesCommand, PrintsTheScheduleAsTextOrWritesItAsTheExportDoes)
{
    const auto state = LoadedTournament(); // as the schedule window shows it right after loading
    RenderScheduleGrid(*state);
    const CliRun text =
        RunCliCommand(QStringLiteral("tables"),
                      {ExampleTournamentFile(), QStringLiteral("--format"), QStringLiteral("txt")});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(text.out), GridPlainText(state->ScheduleGrid));

    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("plan.csv"));
    const CliRun toCsv =
        RunCliCommand(QStringLiteral("tables"), {ExampleTournamentFile(), QStringLiteral("-o"), csv});
    ASSERT_EQ(toCsv.exitCode, 0) << toCsv.err.toStdString();
    EXPECT_EQ(FileContents(csv), ExportGridText(state->ScheduleGrid, GridTextFormat::Csv));
}
