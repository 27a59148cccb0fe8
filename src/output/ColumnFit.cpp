#include "output/ColumnFit.h"

#include "model/TextGrid.h"

#include <algorithm>
#include <numeric>

bool IsRuleLine(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'_'; });
}

std::vector<double> WidestTexts(const TextGrid& grid, const std::function<double(const QString&)>& textWidth)
{
    std::vector<int> rows(std::size_t(std::max(grid.rowCount(), 0)));
    std::iota(rows.begin(), rows.end(), 0);
    return WidestTexts(grid, rows, textWidth);
}

std::vector<double> WidestTexts(const TextGrid& grid, const std::vector<int>& rows,
                                const std::function<double(const QString&)>& textWidth)
{
    std::vector<double> widest(std::size_t(std::max(grid.columnCount(), 0)), 0.0);
    for (const int row : rows) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            const QString& text = grid.cell(col, row);
            if (text.isEmpty() || IsRuleLine(text))
                continue;
            widest[std::size_t(col)] = std::max(widest[std::size_t(col)], textWidth(text));
        }
    }
    return widest;
}
