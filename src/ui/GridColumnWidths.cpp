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
    const double scale = layoutScale();
    std::vector<int> widths;
    widths.reserve(widest.size());
    for (int col = 0; col < grid.columnCount(); ++col) {
        const int layoutWidth = int(std::lround(grid.columnWidth(col) * scale));
        const int textWidth = std::min(int(std::ceil(widest[std::size_t(col)])) + m_padding, maximumWidth());
        widths.push_back(std::max(layoutWidth, textWidth));
    }
    return widths;
}
