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

    // Texts, tags, colours and widths; the revision is bookkeeping, not content.
    bool operator==(const TextGrid& other) const;

private:
    std::size_t indexOf(int col, int row) const { return std::size_t(row) * m_columnCount + col; }

    int m_columnCount = 0;
    int m_rowCount = 0;
    std::vector<QString> m_cells;
    std::vector<QString> m_tags;
    std::vector<std::uint32_t> m_colours;
    std::vector<int> m_columnWidths;
    // 0 after a change of the tags: the next tagRevision() numbers them anew.
    mutable std::uint64_t m_tagRevision = 0;
};
