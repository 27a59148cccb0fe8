#include "output/GridPrint.h"
#include "allocation/AllocationTestSupport.h"
#include "model/TextGrid.h"
#include "output/PrintCanvas.h"
#include "results/ScheduleFixture.h"
#include "results/ScheduleGrid.h"
#include "support/GTestQt.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
// An A4 landscape sheet whose font is half as wide as high per character; records what is drawn.
class RecordingCanvas : public PrintCanvas {
public:
    QSizeF PageSize() const override { return {842, 595}; }
    QRectF PrintableArea() const override { return {10, 10, 822, 575}; }
    bool BeginDocument(const QString& title) override
    {
        EXPECT_EQ(title, QStringLiteral("Korvane"));
        ++documents;
        texts.append(QStringList());
        return true;
    }
    void NewPage() override { texts.append(QStringList()); }
    void EndDocument() override { ended = true; }
    void SetFont(const QString&, double size, bool, bool, bool) override { fontSize = size; }
    double TextWidth(const QString& text) const override { return 0.5 * fontSize * double(text.size()); }
    double LineHeight() const override { return 1.2 * fontSize; }
    void DrawRectangle(const QRectF& box, std::optional<std::uint32_t>, std::optional<std::uint32_t>) override
    {
        EXPECT_GE(box.left(), 10);
        EXPECT_LE(box.right(), 832.01);
        EXPECT_LE(box.bottom(), 585.01);
    }
    void DrawLine(const QPointF&, const QPointF&, double, std::uint32_t) override {}
    void DrawText(const QRectF&, const QString& text, Align, std::uint32_t) override { texts.last() << text; }

    int documents = 0;
    bool ended = false;
    double fontSize = 0;
    QList<QStringList> texts; // per sheet
};

// Column 0, then `blocks` blocks of three columns with texts of `length` characters; a
// section with one heading row every 30 rows.
struct SyntheticGrid {
    TextGrid grid;
    GridPrintStructure structure;
};

SyntheticGrid MakeGrid(int blocks, int rows, int length)
{
    SyntheticGrid made{TextGrid(1 + 3 * blocks, rows), {}};
    made.structure.headColumns = 1;
    for (int block = 0; block < blocks; ++block)
        made.structure.blocks.emplace_back(1 + 3 * block, 3 + 3 * block);
    for (int row = 0; row < rows; ++row) {
        made.grid.setCell(0, row, QString::number(row / 30 + 1));
        for (int col = 1; col < made.grid.columnCount(); ++col)
            made.grid.setCell(col, row,
                              QStringLiteral("%1:%2 ").arg(col).arg(row).leftJustified(length, u'x'));
        made.structure.rows.push_back(row);
    }
    for (int first = 0; first < rows; first += 30)
        made.structure.sections.push_back({first, std::min(first + 29, rows - 1), 1, false});
    made.structure.keepWithNext.assign(std::size_t(rows), false);
    return made;
}

const PrintHeading Heading{QStringLiteral("Hallencup"), QStringLiteral("Zeitplan / Platzverteilung"),
                           QDateTime(QDate(2025, 6, 7), QTime(9, 5))};
} // namespace

TEST(PrintGrid, FillsTheSheetWidthWithWholeBlocksAndRepeatsTheHeadingsOnEverySheet)
{
    const SyntheticGrid made = MakeGrid(7, 100, 30);
    RecordingCanvas canvas;
    const GridPrintLayout layout = PrintGrid(made.grid, made.structure, Heading, GridAppearance{}, canvas);

    EXPECT_EQ(canvas.documents, 1); // one print job for every sheet
    EXPECT_TRUE(canvas.ended);
    ASSERT_EQ(canvas.texts.size(), qsizetype(layout.sheets.size()));
    EXPECT_GE(layout.fontSize, SmallestPrintSize);
    EXPECT_LE(layout.fontSize, LargestPrintSize);
    EXPECT_EQ(layout.clippedCells, 0);
    EXPECT_GT(layout.widthShare, 0.85);
    ASSERT_GT(layout.bands.size(), 1u);
    for (const PrintedBand& band : layout.bands) {
        EXPECT_EQ(band.columns.front(), 0); // the head column starts every band
        EXPECT_EQ((band.columns.size() - 1) % 3, 0u) << "blocks stay whole";
        EXPECT_LE(band.left.back() + band.width.back(), layout.content.right() + 0.01);
    }
    for (int index = 0; index < int(layout.sheets.size()); ++index) {
        const PrintedSheet& sheet = layout.sheets[std::size_t(index)];
        const QStringList& texts = canvas.texts[index];
        EXPECT_EQ(texts.first(), Heading.tournamentName);
        EXPECT_EQ(texts[1],
                  Heading.title +
                      QStringLiteral(" – Teil %1 von %2").arg(sheet.band + 1).arg(layout.bands.size()));
        EXPECT_EQ(texts.mid(texts.size() - 2),
                  QStringList({QStringLiteral("Gedruckt am 07.06.2025 um 09:05 Uhr"),
                               QStringLiteral("Seite %1 von %2").arg(index + 1).arg(layout.sheets.size())}));
        // Every sheet starts at a round's heading, its own or repeated.
        EXPECT_EQ(sheet.rows.front().row % 30, 0) << index;
        EXPECT_LE(sheet.rows.back().top + layout.rowHeight, layout.content.bottom() + 0.01);
    }
}

TEST(PrintGrid, ShrinksBelowTheSmallestSizeOnlyForABlockWiderThanTheSheet)
{
    const SyntheticGrid made = MakeGrid(2, 3, 200);
    RecordingCanvas canvas;
    const GridPrintLayout layout = PrintGrid(made.grid, made.structure, Heading, GridAppearance{}, canvas);
    EXPECT_LT(layout.fontSize, SmallestPrintSize);
    EXPECT_EQ(layout.bands.size(), 2u);
    EXPECT_EQ(layout.clippedCells, 0);
}

TEST(PrintStructure, FollowsTheRoundsGroupsAndFieldsOfBothGrids)
{
    auto state = TwoRoundTournament();
    RenderScheduleGrid(*state);
    const GridPrintStructure schedule = SchedulePrintStructure(state->ScheduleGrid);
    EXPECT_EQ(schedule.headColumns, 1);
    EXPECT_EQ(schedule.blocks, (std::vector<std::pair<int, int>>{{1, 5}, {6, 10}}));
    ASSERT_EQ(schedule.sections.size(), 2u);
    EXPECT_EQ(schedule.sections[0].firstRow, 5); // the tournament name above it is the sheet's head
    EXPECT_EQ(schedule.rows.front(), 5);
    EXPECT_EQ(schedule.sections[1].firstRow, schedule.sections[0].lastRow + 1);
    EXPECT_EQ(schedule.sections[0].headingRows, 2);
    EXPECT_TRUE(schedule.sections[0].keepTogether);

    state->FieldsInRound[1] = 2;
    state->FieldsInRound[2] = 1;
    const TextGrid plan = Allocate(*state)->TimePlan;
    const GridPrintStructure timePlan = TimePlanPrintStructure(plan);
    EXPECT_EQ(timePlan.headColumns, 2);
    EXPECT_EQ(timePlan.blocks, (std::vector<std::pair<int, int>>{{2, 4}, {5, 7}}));
    ASSERT_EQ(timePlan.sections.size(), 2u);
    for (const PrintSection& section : timePlan.sections) {
        EXPECT_EQ(plan.cell(1, section.firstRow),
                  QStringLiteral("Runde %1").arg(&section - &timePlan.sections[0] + 1));
        EXPECT_EQ(plan.cell(2, section.firstRow), QStringLiteral("Platz 1"));
        EXPECT_TRUE(timePlan.keepWithNext[std::size_t(section.firstRow)]);
    }
    // No two empty rows follow each other, and a game line stays with its referee line.
    for (std::size_t i = 1; i < timePlan.rows.size(); ++i) {
        const auto empty = [&plan](int row) {
            for (int col = 1; col < plan.columnCount(); ++col) {
                if (!plan.cell(col, row).isEmpty())
                    return false;
            }
            return true;
        };
        EXPECT_FALSE(empty(timePlan.rows[i]) && empty(timePlan.rows[i - 1])) << timePlan.rows[i];
        if (!plan.cell(0, timePlan.rows[i]).isEmpty() && !plan.cell(1, timePlan.rows[i]).isEmpty()) {
            EXPECT_TRUE(timePlan.keepWithNext[std::size_t(timePlan.rows[i])]);
        }
    }
}
