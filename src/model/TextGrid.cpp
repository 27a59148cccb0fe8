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
    noteEveryCellChanged(m_changeCount);
    m_columnWidths.resize(std::size_t(columnCount), DefaultColumnWidth);
    m_columnCount = columnCount;
    m_rowCount = rowCount;
    m_tagRevision = 0;
}

TextGrid& TextGrid::operator=(const TextGrid& other)
{
    TextGrid copy(other);
    return *this = std::move(copy);
}

TextGrid& TextGrid::operator=(TextGrid&& other)
{
    if (this == &other)
        return *this;
    const std::uint64_t changesBefore = std::max(m_changeCount, other.m_changeCount);
    m_columnCount = other.m_columnCount;
    m_rowCount = other.m_rowCount;
    m_cells = std::move(other.m_cells);
    m_tags = std::move(other.m_tags);
    m_colours = std::move(other.m_colours);
    m_columnWidths = std::move(other.m_columnWidths);
    m_changedAt = std::move(other.m_changedAt);
    m_tagRevision = other.m_tagRevision;
    other.m_columnCount = other.m_rowCount = 0;
    other.m_cells.clear();
    other.m_tags.clear();
    other.m_colours.clear();
    other.m_columnWidths.clear();
    other.m_changedAt.clear();
    noteEveryCellChanged(changesBefore);
    return *this;
}

void TextGrid::noteEveryCellChanged(std::uint64_t changesBefore)
{
    m_changeCount = changesBefore + 1;
    m_changedAt.assign(m_cells.size(), m_changeCount);
}

const QString& TextGrid::cell(int col, int row) const
{
    return contains(col, row) ? m_cells[indexOf(col, row)] : emptyText();
}

bool TextGrid::setCell(int col, int row, const QString& text)
{
    if (!contains(col, row))
        return false;
    const std::size_t index = indexOf(col, row);
    if (m_cells[index] != text)
        noteChange(index);
    // Written also when equal: an empty text stays distinct from no text.
    m_cells[index] = text;
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
    const std::size_t index = indexOf(col, row);
    if (m_colours[index] != rgb) {
        m_colours[index] = rgb;
        noteChange(index);
    }
    return true;
}

int TextGrid::columnWidth(int col) const
{
    return col >= 0 && col < m_columnCount ? m_columnWidths[std::size_t(col)] : DefaultColumnWidth;
}

void TextGrid::setColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_columnCount || m_columnWidths[std::size_t(col)] == width)
        return;
    m_columnWidths[std::size_t(col)] = width;
    // A view fits its columns where cells changed.
    for (int row = 0; row < m_rowCount; ++row)
        noteChange(indexOf(col, row));
}

void TextGrid::clear()
{
    for (std::size_t index = 0; index < m_cells.size(); ++index)
        if (!m_cells[index].isEmpty())
            noteChange(index);
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
    for (std::size_t index = 0; index < m_colours.size(); ++index)
        if (m_colours[index] != NoColour) {
            m_colours[index] = NoColour;
            noteChange(index);
        }
}

std::vector<TextGrid::CellRange> TextGrid::changedRanges(std::uint64_t since) const
{
    std::vector<CellRange> ranges;
    bool inRun = false;
    for (int row = 0; row < m_rowCount; ++row) {
        int first = m_columnCount;
        int last = -1;
        for (int col = 0; col < m_columnCount; ++col)
            if (m_changedAt[indexOf(col, row)] > since) {
                first = std::min(first, col);
                last = col;
            }
        if (last < 0) {
            inRun = false;
            continue;
        }
        if (inRun) {
            CellRange& run = ranges.back();
            run.FirstCol = std::min(run.FirstCol, first);
            run.LastCol = std::max(run.LastCol, last);
            run.LastRow = row;
        } else {
            ranges.push_back({first, row, last, row});
        }
        inRun = true;
    }
    return ranges;
}
