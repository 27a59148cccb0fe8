#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TextGrid.h"
#include "output/ColumnFit.h"
#include "results/ScheduleGrid.h"
#include "structure/GroupTestSupport.h"
#include "support/GTestQt.h"
#include "support/PdfWords.h"
#include "support/ScriptedPrompter.h"
#include "ui/GridPdf.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A tournament for the wall: 40 teams with names of 30 characters in eight groups of five on
// twelve fields, then two placement groups of four.
std::unique_ptr<TournamentState> WallTournament()
{
    auto state = grouptest::MakeTournament({{5, 5, 5, 5, 5, 5, 5, 5}, {4, 4}});
    state->TournamentName = QStringLiteral("Kreismeisterschaft der Jugend 2025");
    state->FieldsInRound[1] = 12;
    state->FieldsInRound[2] = 2;
    int team = 0;
    for (int group = 1; group <= 8; ++group) {
        for (int slot = 1; slot <= 5; ++slot)
            state->NameTable[std::size_t(group)][std::size_t(slot)] =
                QStringLiteral("SG Grün-Weiß Oberlindenau %1 eV").arg(++team, 2, 10, QLatin1Char('0'));
    }
    for (int group = 9; group <= 10; ++group)
        grouptest::NameTeams(*state, group);
    return state;
}

// What the organiser sees on every sheet: the head, and whole texts inside their cells at 8 points
// or more (the layout's blocks, sizes and repeated headings are the layout's own tests).
void ExpectWallChart(const TextGrid& grid, const PrintHeading& heading, const GridPrintLayout& layout,
                     const PdfWords& printed)
{
    ASSERT_TRUE(printed.read) << "pdftotext (poppler-utils) is needed";
    ASSERT_EQ(printed.pages.size(), layout.sheets.size());
    EXPECT_GE(layout.fontSize, SmallestPrintSize);
    EXPECT_EQ(layout.clippedCells, 0);

    for (int page = 0; page < int(layout.sheets.size()); ++page) {
        const PrintedSheet& sheet = layout.sheets[std::size_t(page)];
        const PrintedBand& band = layout.bands[std::size_t(sheet.band)];
        const std::vector<PdfWord> words = printed.onPage(page);
        const QString text = printed.pageText(page);
        EXPECT_TRUE(text.startsWith(heading.tournamentName + u' ' + heading.title)) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Seite %1 von %2").arg(page + 1).arg(layout.sheets.size())));

        for (const PrintedRow& row : sheet.rows) {
            for (std::size_t i = 0; i < band.columns.size(); ++i) {
                const QString cell = grid.cell(band.columns[i], row.row).simplified();
                if (cell.isEmpty() || IsRuleLine(cell))
                    continue;
                const QRectF box(band.left[i], row.top, band.width[i], layout.rowHeight);
                std::vector<PdfWord> inCell;
                for (const PdfWord& word : words) {
                    if (box.contains(QPointF(word.box.left() + 0.1, word.box.center().y()))) {
                        inCell.push_back(word);
                        EXPECT_LE(word.box.right(), box.right() - layout.padding + 0.5)
                            << word.text.toStdString() << " runs past its cell on page " << page + 1;
                    }
                }
                std::sort(inCell.begin(), inCell.end(),
                          [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
                QStringList seen;
                for (const PdfWord& word : inCell)
                    seen << word.text;
                EXPECT_EQ(seen.join(u' '), cell) << "page " << page + 1;
            }
        }
    }
}

} // namespace

TEST(PrintGridToPdf, ATwelveFieldTournamentWithLongNamesPrintsAsReadableWallCharts)
{
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    const std::unique_ptr<TournamentState> state = WallTournament();
    RenderScheduleGrid(*state);
    const auto output = std::make_unique<AllocationOutput>();
    ASSERT_TRUE(RunAllocation(*state, *output, prompter));
    for (const bool timePlan : {false, true}) {
        const TextGrid& grid = timePlan ? output->TimePlan : state->ScheduleGrid;
        const GridPrintStructure structure =
            timePlan ? TimePlanPrintStructure(grid) : SchedulePrintStructure(grid);
        const PrintHeading heading{state->TournamentName,
                                   timePlan ? QStringLiteral("Zeitplan / Platzverteilung")
                                            : QStringLiteral("Spielplan / Tabellen"),
                                   QDateTime(QDate(2025, 6, 7), QTime(14, 5))};
        const QString folder = qEnvironmentVariable("KORVANE_PRINTOUT_DIR", dir.path());
        const QString path = QDir(folder).filePath(timePlan ? QStringLiteral("zeitplan.pdf")
                                                            : QStringLiteral("spielplan.pdf"));
        const GridPrintLayout layout = PrintGridToPdf(grid, structure, heading, GridAppearance{}, path);
        SCOPED_TRACE(path.toStdString());
        ExpectWallChart(grid, heading, layout, ReadPdfWords(path));
    }
}
