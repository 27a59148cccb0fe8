#include "output/GridPrintStructure.h"

#include "model/TextGrid.h"
#include "output/ColumnFit.h"
#include "results/RowTags.h"

namespace {
constexpr int ScheduleBlockWidth = 5;
constexpr int TimePlanHeadColumns = 2;
constexpr int TimePlanBlockWidth = 3;

// Empty but for the round number in column 0.
bool RowIsEmpty(const TextGrid& grid, int row)
{
    for (int col = 1; col < grid.columnCount(); ++col) {
        if (!grid.cell(col, row).isEmpty())
            return false;
    }
    return true;
}

std::vector<std::pair<int, int>> ColumnBlocks(const TextGrid& grid, int first, int width)
{
    std::vector<std::pair<int, int>> blocks;
    for (int col = first; col < grid.columnCount(); col += width)
        blocks.emplace_back(col, std::min(col + width, grid.columnCount()) - 1);
    return blocks;
}

// Sections from their first rows; each reaches to the row before the next.
void AddSections(GridPrintStructure& structure, const std::vector<int>& starts, int rowCount, int headingRows,
                 bool keepTogether)
{
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int last = i + 1 < starts.size() ? starts[i + 1] - 1 : rowCount - 1;
        structure.sections.push_back({starts[i], last, headingRows, keepTogether});
    }
}

bool RowIsRule(const TextGrid& grid, int row)
{
    bool rule = false;
    for (int col = 0; col < grid.columnCount(); ++col) {
        const QString& text = grid.cell(col, row);
        if (!text.isEmpty() && !IsRuleLine(text))
            return false;
        rule = rule || !text.isEmpty();
    }
    return rule;
}

int SectionIndexOf(const GridPrintStructure& structure, int row)
{
    for (std::size_t i = 0; i < structure.sections.size(); ++i) {
        if (row >= structure.sections[i].firstRow && row <= structure.sections[i].lastRow)
            return int(i);
    }
    return -1;
}

// Empty rows print once where several follow each other, and not at all at the end of a round.
void AddPrintedRows(GridPrintStructure& structure, const TextGrid& grid)
{
    const int first = structure.sections.empty() ? grid.rowCount() : structure.sections.front().firstRow;
    bool lastEmpty = false;
    for (int row = first; row < grid.rowCount(); ++row) {
        const bool empty = RowIsEmpty(grid, row);
        int next = row + 1;
        while (empty && next < grid.rowCount() && RowIsEmpty(grid, next))
            ++next;
        const bool endsRound = next >= grid.rowCount() || RowIsRule(grid, next) ||
                               SectionIndexOf(structure, next) != SectionIndexOf(structure, row);
        if (!(empty && (lastEmpty || endsRound)))
            structure.rows.push_back(row);
        lastEmpty = empty;
    }
}

bool RowHoldsTag(const TextGrid& grid, int row, const QString& kind)
{
    for (int col = 0; col < grid.columnCount(); ++col) {
        if (ReadRowTag(grid, col, row).Kind == kind)
            return true;
    }
    return false;
}
} // namespace

GridPrintStructure SchedulePrintStructure(const TextGrid& grid)
{
    GridPrintStructure structure;
    structure.headColumns = std::min(1, grid.columnCount());
    structure.blocks = ColumnBlocks(grid, structure.headColumns, ScheduleBlockWidth);
    std::vector<int> starts;
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (RowHoldsTag(grid, row, TagKind::KopfName))
            starts.push_back(row);
    }
    AddSections(structure, starts, grid.rowCount(), 2, true);
    structure.keepWithNext.assign(std::size_t(grid.rowCount()), false);
    AddPrintedRows(structure, grid);
    return structure;
}

GridPrintStructure TimePlanPrintStructure(const TextGrid& grid)
{
    GridPrintStructure structure;
    structure.headColumns = std::min(TimePlanHeadColumns, grid.columnCount());
    structure.blocks = ColumnBlocks(grid, structure.headColumns, TimePlanBlockWidth);
    structure.keepWithNext.assign(std::size_t(grid.rowCount()), false);
    std::vector<int> starts;
    bool beforeFirstGame = false;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const bool roundColumnEmpty = grid.cell(0, row).isEmpty();
        bool fieldText = false;
        for (int col = structure.headColumns; col < grid.columnCount() && !fieldText; ++col)
            fieldText = !grid.cell(col, row).isEmpty();
        // The heading of a round names the fields; game and referee lines carry the round number.
        if (roundColumnEmpty && fieldText) {
            starts.push_back(row);
            beforeFirstGame = true;
        }
        const bool gameLine = !roundColumnEmpty && !grid.cell(1, row).isEmpty();
        // The heading stays with the round's first game; a game line with its referee line.
        structure.keepWithNext[std::size_t(row)] = beforeFirstGame || gameLine;
        if (gameLine)
            beforeFirstGame = false;
    }
    AddSections(structure, starts, grid.rowCount(), 1, false);
    AddPrintedRows(structure, grid);
    return structure;
}
