#include "output/GridPrint.h"
#include "model/TextGrid.h"
#include "output/PrintCanvas.h"
#include "support/GTestQt.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct DrawnCell {
    int document;
    QRect box;
    std::uint32_t fill;
    QString text;
};

// Records what the printout draws, on sheets of 600 dpi.
class RecordingCanvas : public PrintCanvas {
public:
    explicit RecordingCanvas(int pageHeight) : pageHeight_(pageHeight) {}

    int ResolutionX() const override { return 600; }
    int ResolutionY() const override { return 600; }
    int PhysicalOffsetX() const override { return 10; }
    int PhysicalOffsetY() const override { return 20; }
    int PageHeight() const override { return pageHeight_; }
    void BeginDocument(const QString& title, bool landscape) override
    {
        EXPECT_EQ(title, QStringLiteral("Korvane"));
        EXPECT_TRUE(landscape);
        EXPECT_FALSE(open);
        open = true;
        ++documents;
    }
    void EndDocument() override
    {
        EXPECT_TRUE(open);
        open = false;
    }
    void SetFont(const QString&, int size, bool, bool, bool) override { fontSize = size; }
    void SetOutline(std::optional<std::uint32_t> colour) override { outline = colour; }
    void FillRectangle(const QRect& box, std::uint32_t fill) override
    {
        EXPECT_TRUE(open);
        cells.push_back({documents, box, fill, QString()});
    }
    void DrawTextLine(const QRect&, const QString& text, std::uint32_t colour) override
    {
        EXPECT_EQ(colour, 0x000000u);
        cells.back().text = text;
    }

    int documents = 0;
    bool open = false;
    int fontSize = 0;
    std::optional<std::uint32_t> outline;
    std::vector<DrawnCell> cells;

private:
    int pageHeight_;
};

TextGrid NumberedGrid(const std::vector<int>& widths, int rows)
{
    TextGrid grid(int(widths.size()), rows);
    for (int col = 0; col < grid.columnCount(); ++col) {
        grid.setColumnWidth(col, widths[std::size_t(col)]);
        for (int row = 0; row < rows; ++row)
            grid.setCell(col, row, QStringLiteral("%1/%2").arg(col).arg(row));
    }
    return grid;
}
} // namespace

TEST(PrintActiveGrid, PrintsTheFourFieldTimePlanInOneBandWithEveryColumnOnce)
{
    std::vector<int> widths(14, 110);
    widths[0] = 30;
    const TextGrid grid = NumberedGrid(widths, 3);
    RecordingCanvas canvas(100000);
    GridAppearance appearance;
    appearance.fontSize = 9;
    PrintActiveGrid(grid, appearance, canvas);

    EXPECT_EQ(canvas.documents, 1);
    EXPECT_EQ(canvas.fontSize, 6); // 9 / 0.72 * 0.5 = 6.25
    EXPECT_EQ(canvas.outline, std::optional<std::uint32_t>(0x333333));
    ASSERT_EQ(canvas.cells.size(), 14u * 3u);
    // The first box starts past the physical offset; a 110-pixel column is Round(111*600/72/2) dots.
    EXPECT_EQ(canvas.cells[0].box, QRect(QPoint(11, 21), QPoint(11 + 129 + 2, 21 + 104 + 2)));
    EXPECT_EQ(canvas.cells[1].box.left(), 11 + 129);
    EXPECT_EQ(canvas.cells[2].box.left(), 11 + 129 + 462);
    EXPECT_EQ(canvas.cells[13].text, QStringLiteral("13/0"));
    EXPECT_EQ(canvas.cells[0].fill, 0xC0C0C0u);  // row 0 and column 0 are fixed
    EXPECT_EQ(canvas.cells[15].fill, 0xFFFFFFu); // 1/1
    EXPECT_EQ(canvas.cells[14].fill, 0xC0C0C0u); // 0/1
}

TEST(PrintActiveGrid, CutsWideGridsIntoBandsAndKeepsGoingAfterAnOverwideColumn)
{
    const TextGrid grid = NumberedGrid({800, 700, 1600, 100, 50}, 1);
    RecordingCanvas canvas(100000);
    PrintActiveGrid(grid, GridAppearance{}, canvas);
    QStringList printed;
    for (const DrawnCell& cell : canvas.cells)
        printed << QStringLiteral("%1:%2").arg(cell.document).arg(cell.text);
    // 800 + 700 crosses 1400 and closes the first band; 1600 alone is a band of its own.
    EXPECT_EQ(printed, QStringList({"1:0/0", "1:1/0", "2:2/0", "3:3/0", "3:4/0"}));
}

TEST(PrintGridBand, StartsANewJobRepeatingRowZeroWhenTheSheetIsFull)
{
    const TextGrid grid = NumberedGrid({50, 60}, 20);
    RecordingCanvas canvas(1000);
    GridAppearance appearance;
    appearance.gridLineWidth = 0;
    PrintGridBand(grid, appearance, PrintBand{0, 0, 0, 1, false, 0.5}, canvas);

    EXPECT_FALSE(canvas.outline.has_value());
    // Rows are 104 dots from y = 21: nine fit under 1000,
    // each further sheet holds row 0 and eight more.
    EXPECT_EQ(canvas.documents, 3);
    QStringList firstColumn;
    for (const DrawnCell& cell : canvas.cells) {
        if (cell.box.left() == 11)
            firstColumn << QStringLiteral("%1:%2").arg(cell.document).arg(cell.text);
        EXPECT_LE(cell.box.bottom(), 1000 + 2);
    }
    QStringList expected;
    for (int row = 0; row < 20; ++row) {
        const int document = row < 9 ? 1 : row < 17 ? 2 : 3;
        if (row == 9 || row == 17)
            expected << QStringLiteral("%1:0/0").arg(document);
        expected << QStringLiteral("%1:0/%2").arg(document).arg(row);
    }
    EXPECT_EQ(firstColumn, expected);
    const auto repeatedHead = std::find_if(canvas.cells.begin(), canvas.cells.end(),
                                           [](const DrawnCell& cell) { return cell.document == 2; });
    EXPECT_EQ(repeatedHead->text, QStringLiteral("0/0"));
    EXPECT_EQ(repeatedHead->fill, 0xC0C0C0u);
    EXPECT_EQ(repeatedHead->box.top(), 21);
}
