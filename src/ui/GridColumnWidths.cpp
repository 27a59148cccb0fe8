#include "ui/GridColumnWidths.h"

#include "model/TextGrid.h"
#include "output/ColumnFit.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double LayoutCharWidth = 5.0; // pixels a character of the font the layout was made for
constexpr int LongestTextChars = 40;
} // namespace

GridColumnWidths::GridColumnWidths(const QFont& font) : m_metrics(font) {}

void GridColumnWidths::setFont(const QFont& font)
{
    m_metrics = QFontMetrics(font);
    m_measured.clear();
}

double GridColumnWidths::layoutScale() const
{
    return std::max(1.0, m_metrics.averageCharWidth() / LayoutCharWidth);
}

int GridColumnWidths::maximumWidth() const
{
    return LongestTextChars * m_metrics.averageCharWidth() + m_padding;
}

int GridColumnWidths::textWidth(const QString& text)
{
    const auto known = m_measured.constFind(text);
    if (known != m_measured.cend())
        return *known;
    const int width = m_metrics.horizontalAdvance(text);
    m_measured.insert(text, width);
    return width;
}

std::vector<int> GridColumnWidths::fit(const TextGrid& grid)
{
    const std::vector<double> widest =
        WidestTexts(grid, [this](const QString& text) { return double(textWidth(text)); });
    std::vector<int> widths;
    widths.reserve(widest.size());
    for (int col = 0; col < grid.columnCount(); ++col)
        widths.push_back(widthFor(grid, col, widest[std::size_t(col)]));
    return widths;
}

int GridColumnWidths::fitColumn(const TextGrid& grid, int col)
{
    double widest = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QString& text = grid.cell(col, row);
        if (!text.isEmpty() && !IsRuleLine(text))
            widest = std::max(widest, double(textWidth(text)));
    }
    return widthFor(grid, col, widest);
}

int GridColumnWidths::widthFor(const TextGrid& grid, int col, double widestText) const
{
    const int layoutWidth = int(std::lround(grid.columnWidth(col) * layoutScale()));
    const int textWidth = std::min(int(std::ceil(widestText)) + m_padding, maximumWidth());
    return std::max(layoutWidth, textWidth);
}
