#include "model/TextGrid.h"

#include <algorithm>
#include <atomic>

namespace {
const QString& emptyText()
{
    static const QString empty;
    return empty;
}

std::atomic<std::uint64_t> lastTagRevision{0};
} // namespace

void TextGrid::resize(int columnCount, int rowCount)
{
    columnCount = std::max(0, columnCount);
    rowCount = std::max(0, rowCount);
    if (columnCount == m_columnCount && rowCount == m_rowCount)
        return;
    const std::size_t cellCount = std::size_t(columnCount) * rowCount;
    std::vector<QString> cells(cellCount);
    std::vector<QString> tags(cellCount);
    std::vector<std::uint32_t> colours(cellCount, NoColour);
    const int keptColumns = std::min(columnCount, m_columnCount);
    const int keptRows = std::min(rowCount, m_rowCount);
    for (int row = 0; row < keptRows; ++row) {
        for (int col = 0; col < keptColumns; ++col) {
            const std::size_t from = indexOf(col, row);
            const std::size_t to = std::size_t(row) * columnCount + col;
            cells[to] = std::move(m_cells[from]);
            tags[to] = std::move(m_tags[from]);
            colours[to] = m_colours[from];
        }
    }
    m_cells = std::move(cells);
    m_tags = std::move(tags);
    m_colours = std::move(colours);
    m_columnWidths.resize(std::size_t(columnCount), DefaultColumnWidth);
    m_columnCount = columnCount;
    m_rowCount = rowCount;
    m_tagRevision = 0;
}

const QString& TextGrid::cell(int col, int row) const
{
    return contains(col, row) ? m_cells[indexOf(col, row)] : emptyText();
}

bool TextGrid::setCell(int col, int row, const QString& text)
{
    if (!contains(col, row))
        return false;
    m_cells[indexOf(col, row)] = text;
    return true;
}

const QString& TextGrid::tag(int col, int row) const
{
    return contains(col, row) ? m_tags[indexOf(col, row)] : emptyText();
}

bool TextGrid::setTag(int col, int row, const QString& tag)
{
    if (!contains(col, row))
        return false;
    m_tags[indexOf(col, row)] = tag;
    m_tagRevision = 0;
    return true;
}

std::uint32_t TextGrid::colour(int col, int row) const
{
    return contains(col, row) ? m_colours[indexOf(col, row)] : NoColour;
}

bool TextGrid::setColour(int col, int row, std::uint32_t rgb)
{
    if (!contains(col, row))
        return false;
    m_colours[indexOf(col, row)] = rgb;
    return true;
}

int TextGrid::columnWidth(int col) const
{
    return col >= 0 && col < m_columnCount ? m_columnWidths[std::size_t(col)] : DefaultColumnWidth;
}

void TextGrid::setColumnWidth(int col, int width)
{
    if (col >= 0 && col < m_columnCount)
        m_columnWidths[std::size_t(col)] = width;
}

void TextGrid::clear()
{
    std::fill(m_cells.begin(), m_cells.end(), QString());
    std::fill(m_tags.begin(), m_tags.end(), QString());
    m_tagRevision = 0;
    clearColours();
}

std::uint64_t TextGrid::tagRevision() const
{
    if (m_tagRevision == 0)
        m_tagRevision = lastTagRevision.fetch_add(1, std::memory_order_relaxed) + 1;
    return m_tagRevision;
}

bool TextGrid::operator==(const TextGrid& other) const
{
    return m_columnCount == other.m_columnCount && m_rowCount == other.m_rowCount &&
           m_cells == other.m_cells && m_tags == other.m_tags && m_colours == other.m_colours &&
           m_columnWidths == other.m_columnWidths;
}

void TextGrid::clearColours()
{
    std::fill(m_colours.begin(), m_colours.end(), NoColour);
}
