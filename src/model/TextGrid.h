#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A grid of texts as the windows show it, with its twin grid of hidden row tags, the width of
// every column and an optional background colour per cell. Logic writes and reads grids here;
// the widgets only display them. Access outside the grid's size reads empty and writes nothing.
class TextGrid {
public:
    static constexpr std::uint32_t NoColour = 0xFF000000u; // the grid's default background
    static constexpr int DefaultColumnWidth = 64;

    TextGrid() = default;
    TextGrid(int columnCount, int rowCount) { resize(columnCount, rowCount); }
    TextGrid(const TextGrid&) = default;
    TextGrid(TextGrid&&) = default;
    // A grid taken over whole counts as changed in every cell for the views of this one.
    TextGrid& operator=(const TextGrid& other);
    TextGrid& operator=(TextGrid&& other);

    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }
    bool contains(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < m_columnCount && row < m_rowCount;
    }

    // Changes the size; cells inside both the old and the new size keep their contents.
    void resize(int columnCount, int rowCount);
    void setColumnCount(int columnCount) { resize(columnCount, m_rowCount); }
    void setRowCount(int rowCount) { resize(m_columnCount, rowCount); }

    const QString& cell(int col, int row) const;
    bool setCell(int col, int row, const QString& text);
    const QString& tag(int col, int row) const;
    bool setTag(int col, int row, const QString& tag);
    std::uint32_t colour(int col, int row) const;
    bool setColour(int col, int row, std::uint32_t rgb);
    int columnWidth(int col) const;
    void setColumnWidth(int col, int width);

    // Empties every cell, tag and colour; size and column widths stay.
    void clear();
    // Resets every colour to the default background.
    void clearColours();

    // A number that stays the same while no tag changes and is never given to other tags: what
    // is derived from the tags once (the cells a highlight looks at) can be kept until it moves.
    std::uint64_t tagRevision() const;

    // A rectangle of cells, both corners included.
    struct CellRange {
        int FirstCol = 0;
        int FirstRow = 0;
        int LastCol = 0;
        int LastRow = 0;
        bool operator==(const CellRange&) const = default;
    };
    // Counts every change of a cell's text or colour (a column's new width changes its cells); a
    // view remembers it to ask what it has not shown yet. Writing what a cell holds is no change.
    std::uint64_t changeCount() const { return m_changeCount; }
    // Rectangles covering every cell whose text or colour changed after changeCount() was `since`:
    // one for each run of rows with changes, as wide as the changes of those rows. A new size
    // changes every cell.
    std::vector<CellRange> changedRanges(std::uint64_t since) const;

    // Texts, tags, colours and widths; revision and change counts are bookkeeping, not content.
    bool operator==(const TextGrid& other) const;

private:
    std::size_t indexOf(int col, int row) const { return std::size_t(row) * m_columnCount + col; }
    void noteChange(std::size_t index) { m_changedAt[index] = ++m_changeCount; }
    void noteEveryCellChanged(std::uint64_t changesBefore);

    int m_columnCount = 0;
    int m_rowCount = 0;
    std::vector<QString> m_cells;
    std::vector<QString> m_tags;
    std::vector<std::uint32_t> m_colours;
    std::vector<int> m_columnWidths;
    // The change count at each cell's last change of text or colour.
    std::vector<std::uint64_t> m_changedAt;
    std::uint64_t m_changeCount = 0;
    // 0 after a change of the tags: the next tagRevision() numbers them anew.
    mutable std::uint64_t m_tagRevision = 0;
};
