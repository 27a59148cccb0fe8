#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>

#include <vector>

class TextGrid;

// The column widths of a grid on screen, from the grid's font. The layout's pixel widths were
// made for a narrow 8-point font of about five pixels a character: every column gets at least
// that width scaled to the font, and as much more as its widest text needs, up to the width of
// forty characters (a long team name with its number). Measured texts are remembered until the
// font changes, so rendering a large plan again measures only its new texts.
class GridColumnWidths {
public:
    explicit GridColumnWidths(const QFont& font);

    void setFont(const QFont& font);
    // Space the view draws beside a cell's text (margins and the grid line), in pixels.
    void setPadding(int padding) { m_padding = padding; }

    // How far the layout widths grow for the font: never below 1.
    double layoutScale() const;
    // The widest a column grows for its texts.
    int maximumWidth() const;
    int textWidth(const QString& text);
    std::vector<int> fit(const TextGrid& grid);
    // The width fit() gives one column.
    int fitColumn(const TextGrid& grid, int col);

private:
    int widthFor(const TextGrid& grid, int col, double widestText) const;

    QFontMetrics m_metrics;
    int m_padding = 8;
    QHash<QString, int> m_measured;
};
