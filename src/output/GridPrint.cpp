#include "output/GridPrint.h"

#include "model/TextGrid.h"
#include "output/PrintCanvas.h"

#include <cmath>

namespace {
constexpr std::uint32_t FixedCellColour = 0xC0C0C0; // silver
constexpr std::uint32_t CellColour = 0xFFFFFF;
constexpr std::uint32_t TextColour = 0x000000;
constexpr std::uint32_t LineColour = 0x333333;

class BandPrinter {
public:
    BandPrinter(const TextGrid& grid, const GridAppearance& appearance, const PrintBand& band,
                PrintCanvas& canvas)
        : grid_(grid), appearance_(appearance), band_(band), canvas_(canvas), dx_(canvas.ResolutionX()),
          dy_(canvas.ResolutionY()), inset_(ConvertToPrinter(3, dx_, band.scale)),
          x0_(canvas.PhysicalOffsetX() + 1 + ConvertToPrinter(band.leftMargin, dx_, band.scale)),
          y0_(canvas.PhysicalOffsetY() + 1 + ConvertToPrinter(band.topMargin, dy_, band.scale))
    {
    }

    void Print()
    {
        StartDocument();
        int y = y0_;
        for (int row = 0; row < grid_.rowCount(); ++row) {
            int bottom = y + RowHeight(row);
            if (bottom > canvas_.PageHeight()) {
                canvas_.EndDocument();
                StartDocument();
                // The new sheet repeats the head row at this row's height.
                const int headBottom = y0_ + RowHeight(row);
                PrintRow(0, y0_, headBottom, true);
                y = headBottom;
                bottom = y + RowHeight(row);
            }
            PrintRow(row, y, bottom, false);
            y = bottom;
        }
        canvas_.EndDocument();
    }

private:
    void StartDocument()
    {
        canvas_.BeginDocument(QStringLiteral("Korvane"), true);
        canvas_.SetOutline(appearance_.gridLineWidth > 0 ? std::optional<std::uint32_t>(LineColour)
                                                         : std::nullopt);
        const int size = int(std::nearbyint(appearance_.fontSize / 0.72 * band_.scale));
        canvas_.SetFont(appearance_.fontName, size, appearance_.bold, appearance_.italic,
                        appearance_.underline);
    }

    int RowHeight(int row) const
    {
        return ConvertToPrinter(appearance_.RowHeight(row) + 1, dy_, band_.scale);
    }

    std::uint32_t Fill(int col, int row, bool head) const
    {
        if (head || col < appearance_.fixedColumns || row < appearance_.fixedRows)
            return FixedCellColour;
        if (band_.useGridColours && grid_.colour(col, row) != TextGrid::NoColour)
            return grid_.colour(col, row);
        return CellColour;
    }

    void PrintRow(int row, int y, int bottom, bool head)
    {
        const std::uint32_t textColour = band_.useGridColours ? appearance_.fontColour : TextColour;
        int x = x0_;
        for (int col = band_.firstColumn; col <= band_.lastColumn && col < grid_.columnCount(); ++col) {
            const int right = x + ConvertToPrinter(grid_.columnWidth(col) + 1, dx_, band_.scale);
            canvas_.FillRectangle(QRect(QPoint(x, y), QPoint(right + 2, bottom + 2)), Fill(col, row, head));
            canvas_.DrawTextLine(QRect(QPoint(x + inset_, y + 1), QPoint(right - inset_, bottom - 2)),
                                 grid_.cell(col, row), textColour);
            x = right;
        }
    }

    const TextGrid& grid_;
    const GridAppearance& appearance_;
    const PrintBand& band_;
    PrintCanvas& canvas_;
    const int dx_;
    const int dy_;
    const int inset_;
    const int x0_;
    const int y0_;
};
} // namespace

int ConvertToPrinter(double length, int dotsPerInch, double scale)
{
    return int(std::nearbyint(length * dotsPerInch / 72.0 * scale));
}

void PrintGridBand(const TextGrid& grid, const GridAppearance& appearance, const PrintBand& band,
                   PrintCanvas& canvas)
{
    if (band.scale <= 0 || grid.rowCount() < 1 || band.firstColumn < 0 ||
        band.firstColumn >= grid.columnCount())
        return;
    BandPrinter(grid, appearance, band, canvas).Print();
}

void PrintActiveGrid(const TextGrid& grid, const GridAppearance& appearance, PrintCanvas& canvas)
{
    const int lastColumn = grid.columnCount() - 1;
    int first = 0;
    while (first <= lastColumn) {
        int end = first;
        int sum = grid.columnWidth(end);
        while (sum <= PrintBandWidth && end < lastColumn)
            sum += grid.columnWidth(++end);
        // A single column wider than a band is printed alone; the columns after it still follow.
        PrintGridBand(grid, appearance, PrintBand{0, 0, first, end, false, PrintScale}, canvas);
        first = end + 1;
    }
}
