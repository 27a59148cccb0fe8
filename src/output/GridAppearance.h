#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class TextGrid;

// How a grid looks on screen beyond its texts: what the HTML export and the printout need.
// The widgets own the real values and hand them over; the defaults are those of a fresh grid.
struct GridAppearance {
    QString fontName = QStringLiteral("Arial");
    int fontSize = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t fontColour = 0x000000; // RGB
    int defaultRowHeight = 24;
    std::vector<int> rowHeights; // pixels per row; rows beyond it have defaultRowHeight
    int fixedColumns = 1;
    int fixedRows = 1;
    int gridLineWidth = 1;
    int width = 0; // of the grid control in pixels; 0: the sum of the column widths

    int RowHeight(int row) const
    {
        return row >= 0 && row < int(rowHeights.size()) ? rowHeights[std::size_t(row)] : defaultRowHeight;
    }
    int Width(const TextGrid& grid) const;
};

// A cell size after the grid's font went from one point size to another, rounded half to even.
int ScaleCellSize(int size, double fromPointSize, double toPointSize);
