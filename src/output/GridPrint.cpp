#include "output/GridPrint.h"

#include "model/TextGrid.h"
#include "output/ColumnFit.h"
#include "output/PrintCanvas.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr double ReferenceSize = 10.0; // texts are measured once at this size and scaled
constexpr double MeasureSlack = 1.02;  // a printer's fonts may run a little wider
constexpr double SheetMargin = 22.7;   // 8 mm
constexpr double PaddingEm = 0.25;     // on either side of a cell's text
constexpr double NarrowestColumnEm = 1.2;
constexpr double RowSpacingEm = 0.45; // added to a line's height
constexpr double TitleSize = 14.0;
constexpr double SubtitleSize = 10.0;
constexpr double FootSize = 8.0;
constexpr double HeadGap = 6.0;

constexpr std::uint32_t TextColour = 0x000000;
constexpr std::uint32_t LineColour = 0x808080;
constexpr std::uint32_t CellColour = 0xFFFFFF;
constexpr std::uint32_t HeadColumnColour = 0xE0E0E0;
constexpr std::uint32_t RepeatedRowColour = 0xF0F0F0;

// Widths per point of font size: a column's and the blocks' of the structure.
struct Measures {
    std::vector<double> column;
    double head = 0;
    std::vector<double> block;
    double lineHeight = 0;
};

Measures Measure(const TextGrid& grid, const GridPrintStructure& structure, const GridAppearance& appearance,
                 PrintCanvas& canvas)
{
    canvas.SetFont(appearance.fontName, ReferenceSize, appearance.bold, appearance.italic,
                   appearance.underline);
    Measures measures;
    measures.lineHeight = canvas.LineHeight() / ReferenceSize;
    const auto textWidth = [&canvas](const QString& text) { return canvas.TextWidth(text); };
    for (const double widest : WidestTexts(grid, structure.rows, textWidth))
        measures.column.push_back(std::max(widest * MeasureSlack / ReferenceSize, NarrowestColumnEm) +
                                  2 * PaddingEm);
    const auto sum = [&measures](int first, int last) {
        return std::accumulate(measures.column.begin() + first, measures.column.begin() + last + 1, 0.0);
    };
    measures.head = structure.headColumns > 0 ? sum(0, structure.headColumns - 1) : 0.0;
    for (const auto& [first, last] : structure.blocks)
        measures.block.push_back(sum(first, last));
    return measures;
}

// The blocks of each band when a band may be `capacity` wide (per point of font size).
std::vector<std::vector<int>> PackBands(const Measures& measures, double capacity)
{
    std::vector<std::vector<int>> bands;
    double used = 0;
    for (int block = 0; block < int(measures.block.size()); ++block) {
        const double width = measures.block[std::size_t(block)];
        if (bands.empty() || (used + width > capacity && !bands.back().empty())) {
            bands.emplace_back();
            used = measures.head;
        }
        bands.back().push_back(block);
        used += width;
    }
    if (bands.empty())
        bands.emplace_back(); // a grid of head columns only
    return bands;
}

// The largest size at which the blocks fit in as few bands as at the smallest size; below the
// smallest size only when a single block is wider than a sheet even then.
double ChooseFontSize(const Measures& measures, double width, double largest)
{
    double widestBand = measures.head;
    for (const double block : measures.block)
        widestBand = std::max(widestBand, measures.head + block);
    const double fitting = width / widestBand;
    if (fitting < SmallestPrintSize)
        return std::floor(fitting * 10) / 10;
    const std::size_t bandCount = PackBands(measures, width / SmallestPrintSize).size();
    double low = SmallestPrintSize;
    double high = std::min(largest, fitting);
    if (PackBands(measures, width / high).size() <= bandCount)
        return std::floor(high * 10) / 10;
    while (high - low > 0.05) {
        const double middle = (low + high) / 2;
        if (PackBands(measures, width / middle).size() <= bandCount)
            low = middle;
        else
            high = middle;
    }
    return std::floor(low * 10) / 10;
}

const PrintSection* SectionOf(const GridPrintStructure& structure, int row)
{
    for (const PrintSection& section : structure.sections) {
        if (row >= section.firstRow && row <= section.lastRow)
            return &section;
    }
    return nullptr;
}

// Fills the sheets of one band row by row: a round that fits a sheet starts on a fresh one
// rather than break, rows kept together stay together, and a round that goes on over a sheet
// repeats its heading rows.
class SheetFiller {
public:
    SheetFiller(const GridPrintStructure& structure, int band, int capacity, double top, double rowHeight)
        : structure_(structure), band_(band), capacity_(std::max(capacity, 1)), top_(top),
          rowHeight_(rowHeight), current_{band, {}}
    {
    }

    std::vector<PrintedSheet> Fill()
    {
        const std::vector<int>& rows = structure_.rows;
        std::size_t i = 0;
        while (i < rows.size()) {
            const PrintSection* section = SectionOf(structure_, rows[i]);
            if (section && rows[i] == section->firstRow && section->keepTogether) {
                const int length = PrintedRowsOf(*section);
                if (length <= capacity_ && used_ + length > capacity_)
                    NewSheet(nullptr);
            }
            std::size_t last = i;
            while (last + 1 < rows.size() && Glued(rows[last], rows[last + 1]) &&
                   SectionOf(structure_, rows[last + 1]) == section)
                ++last;
            const int length = int(last - i + 1);
            if (used_ + length > capacity_ && used_ > 0)
                NewSheet(Continues(section, rows[i]) ? section : nullptr);
            for (std::size_t k = i; k <= last; ++k) {
                if (used_ >= capacity_)
                    NewSheet(Continues(section, rows[k]) ? section : nullptr);
                Place(rows[k], false);
            }
            i = last + 1;
        }
        if (!current_.rows.empty())
            sheets_.push_back(current_);
        return sheets_;
    }

private:
    int PrintedRowsOf(const PrintSection& section) const
    {
        return int(std::count_if(structure_.rows.begin(), structure_.rows.end(), [&section](int row) {
            return row >= section.firstRow && row <= section.lastRow;
        }));
    }

    // Kept together: every grid row from the one to the other (those not printed included)
    // stays with its next.
    bool Glued(int row, int next) const
    {
        for (int between = row; between < next; ++between) {
            if (!structure_.keepWithNext[std::size_t(between)])
                return false;
        }
        return true;
    }

    static bool Continues(const PrintSection* section, int row)
    {
        return section && row >= section->firstRow + section->headingRows;
    }

    void NewSheet(const PrintSection* continued)
    {
        if (!current_.rows.empty())
            sheets_.push_back(current_);
        current_ = PrintedSheet{band_, {}};
        used_ = 0;
        if (!continued)
            return;
        for (int row = continued->firstRow; row < continued->firstRow + continued->headingRows; ++row)
            Place(row, true);
    }

    void Place(int row, bool repeated)
    {
        current_.rows.push_back({row, top_ + used_ * rowHeight_, repeated});
        ++used_;
    }

    const GridPrintStructure& structure_;
    int band_;
    int capacity_;
    double top_;
    double rowHeight_;
    PrintedSheet current_;
    std::vector<PrintedSheet> sheets_;
    int used_ = 0;
};

double LineHeightAt(PrintCanvas& canvas, const QString& family, double size, bool bold)
{
    canvas.SetFont(family, size, bold, false, false);
    return canvas.LineHeight();
}
} // namespace

namespace {
// Bands and sheets at one font size; the areas of the layout are set already.
void FillAtSize(GridPrintLayout& layout, const GridPrintStructure& structure, const Measures& measures,
                double fontSize, double sheetWidth)
{
    layout.fontSize = fontSize;
    layout.padding = PaddingEm * fontSize;
    layout.rowHeight = (measures.lineHeight + RowSpacingEm) * fontSize;
    layout.bands.clear();
    layout.sheets.clear();
    layout.widthShare = 0;
    const QRectF& area = layout.content;
    for (const std::vector<int>& blocks : PackBands(measures, area.width() / fontSize)) {
        PrintedBand band;
        band.headColumns = structure.headColumns;
        for (int col = 0; col < structure.headColumns; ++col)
            band.columns.push_back(col);
        for (const int block : blocks) {
            const auto& [first, last] = structure.blocks[std::size_t(block)];
            for (int col = first; col <= last; ++col)
                band.columns.push_back(col);
        }
        double x = area.left();
        for (const int col : band.columns) {
            band.left.push_back(x);
            band.width.push_back(measures.column[std::size_t(col)] * fontSize);
            x += band.width.back();
        }
        layout.widthShare = std::max(layout.widthShare, (x - area.left()) / sheetWidth);
        layout.bands.push_back(band);
    }
    const int capacity = int(std::floor(area.height() / layout.rowHeight));
    for (int band = 0; band < int(layout.bands.size()); ++band) {
        const std::vector<PrintedSheet> sheets =
            SheetFiller(structure, band, capacity, area.top(), layout.rowHeight).Fill();
        layout.sheets.insert(layout.sheets.end(), sheets.begin(), sheets.end());
    }
}
} // namespace

GridPrintLayout LayOutGridPrint(const TextGrid& grid, const GridPrintStructure& structure,
                                const GridAppearance& appearance, PrintCanvas& canvas)
{
    GridPrintLayout layout;
    const QRectF sheet(QPointF(0, 0), canvas.PageSize());
    const QRectF area = sheet.adjusted(SheetMargin, SheetMargin, -SheetMargin, -SheetMargin)
                            .intersected(canvas.PrintableArea());
    const double headHeight = LineHeightAt(canvas, appearance.fontName, TitleSize, true) +
                              LineHeightAt(canvas, appearance.fontName, SubtitleSize, false) + HeadGap;
    const double footHeight = LineHeightAt(canvas, appearance.fontName, FootSize, false) + HeadGap;
    layout.headArea = QRectF(area.left(), area.top(), area.width(), headHeight - HeadGap);
    layout.footArea =
        QRectF(area.left(), area.bottom() - footHeight + HeadGap, area.width(), footHeight - HeadGap);
    layout.content =
        QRectF(area.left(), area.top() + headHeight, area.width(), area.height() - headHeight - footHeight);

    const Measures measures = Measure(grid, structure, appearance, canvas);
    // As large as the width allows, then only as large as needs no more sheets than the
    // smallest size: a readable chart on as little paper as the plan permits.
    const double widest =
        ChooseFontSize(measures, area.width(), std::max(LargestPrintSize, double(appearance.fontSize)));
    const double smallest = std::min(widest, SmallestPrintSize);
    FillAtSize(layout, structure, measures, smallest, sheet.width());
    const std::size_t fewestSheets = layout.sheets.size();
    FillAtSize(layout, structure, measures, widest, sheet.width());
    if (layout.sheets.size() <= fewestSheets)
        return layout;
    double low = smallest;
    double high = widest;
    while (high - low > 0.1) {
        const double middle = (low + high) / 2;
        FillAtSize(layout, structure, measures, middle, sheet.width());
        (layout.sheets.size() <= fewestSheets ? low : high) = middle;
    }
    FillAtSize(layout, structure, measures, std::floor(low * 10) / 10, sheet.width());
    return layout;
}

namespace {
void DrawHead(const GridPrintLayout& layout, const PrintHeading& heading, const GridAppearance& appearance,
              int band, PrintCanvas& canvas)
{
    const QRectF& head = layout.headArea;
    canvas.SetFont(appearance.fontName, TitleSize, true, false, false);
    const double titleHeight = canvas.LineHeight();
    canvas.DrawText(QRectF(head.left(), head.top(), head.width(), titleHeight), heading.tournamentName,
                    PrintCanvas::Align::Left, TextColour);
    canvas.SetFont(appearance.fontName, SubtitleSize, false, false, false);
    QString subtitle = heading.title;
    if (layout.bands.size() > 1)
        subtitle += QStringLiteral(" – Teil %1 von %2").arg(band + 1).arg(layout.bands.size());
    canvas.DrawText(QRectF(head.left(), head.top() + titleHeight, head.width(), canvas.LineHeight()),
                    subtitle, PrintCanvas::Align::Left, TextColour);
}

void DrawFoot(const GridPrintLayout& layout, const PrintHeading& heading, const GridAppearance& appearance,
              int sheet, PrintCanvas& canvas)
{
    canvas.SetFont(appearance.fontName, FootSize, false, false, false);
    canvas.DrawText(layout.footArea, PrintedAtText(heading.printedAt), PrintCanvas::Align::Left, TextColour);
    canvas.DrawText(layout.footArea, SheetNumberText(sheet + 1, int(layout.sheets.size())),
                    PrintCanvas::Align::Right, TextColour);
}
} // namespace

bool DrawGridPrint(const TextGrid& grid, GridPrintLayout& layout, const PrintHeading& heading,
                   const GridAppearance& appearance, PrintCanvas& canvas)
{
    if (layout.sheets.empty() || !canvas.BeginDocument(QStringLiteral("Korvane")))
        return false;
    const std::optional<std::uint32_t> outline =
        appearance.gridLineWidth > 0 ? std::optional<std::uint32_t>(LineColour) : std::nullopt;
    layout.clippedCells = 0;
    for (int index = 0; index < int(layout.sheets.size()); ++index) {
        const PrintedSheet& sheet = layout.sheets[std::size_t(index)];
        if (index > 0)
            canvas.NewPage();
        DrawHead(layout, heading, appearance, sheet.band, canvas);
        canvas.SetFont(appearance.fontName, layout.fontSize, appearance.bold, appearance.italic,
                       appearance.underline);
        const PrintedBand& band = layout.bands[std::size_t(sheet.band)];
        for (const PrintedRow& row : sheet.rows) {
            for (std::size_t i = 0; i < band.columns.size(); ++i) {
                const int col = band.columns[i];
                const QRectF box(band.left[i], row.top, band.width[i], layout.rowHeight);
                const std::uint32_t fill = int(i) < band.headColumns ? HeadColumnColour
                                           : row.repeated            ? RepeatedRowColour
                                                                     : CellColour;
                canvas.DrawRectangle(box, fill, outline);
                const QString& text = grid.cell(col, row.row);
                if (IsRuleLine(text)) {
                    canvas.DrawLine(QPointF(box.left(), box.center().y()),
                                    QPointF(box.right(), box.center().y()), 1.0, TextColour);
                    continue;
                }
                if (text.isEmpty())
                    continue;
                const QRectF textBox = box.adjusted(layout.padding, 0, -layout.padding, 0);
                if (!row.repeated && canvas.TextWidth(text) > textBox.width())
                    ++layout.clippedCells;
                canvas.DrawText(textBox, text, PrintCanvas::Align::Left, TextColour);
            }
        }
        DrawFoot(layout, heading, appearance, index, canvas);
    }
    canvas.EndDocument();
    return true;
}

GridPrintLayout PrintGrid(const TextGrid& grid, const GridPrintStructure& structure,
                          const PrintHeading& heading, const GridAppearance& appearance, PrintCanvas& canvas)
{
    GridPrintLayout layout = LayOutGridPrint(grid, structure, appearance, canvas);
    if (!DrawGridPrint(grid, layout, heading, appearance, canvas))
        layout.sheets.clear();
    return layout;
}

QString SheetNumberText(int sheet, int sheetCount)
{
    return QStringLiteral("Seite %1 von %2").arg(sheet).arg(sheetCount);
}

QString PrintedAtText(const QDateTime& printedAt)
{
    return QStringLiteral("Gedruckt am %1 um %2 Uhr")
        .arg(printedAt.toString(QStringLiteral("dd.MM.yyyy")), printedAt.toString(QStringLiteral("hh:mm")));
}
