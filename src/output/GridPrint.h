#pragma once

#include "output/GridAppearance.h"
#include "output/GridPrintStructure.h"

#include <QDateTime>
#include <QRectF>
#include <QString>

#include <vector>

class PrintCanvas;
class TextGrid;

// Printing a grid as a wall chart: bands of whole column blocks scaled to the sheet's width,
// every text whole at a readable size, a head and a footer on every sheet.

inline constexpr double SmallestPrintSize = 8.0; // points
inline constexpr double LargestPrintSize = 12.0; // unless the grid's own font is larger

// What the head and footer of every sheet say.
struct PrintHeading {
    QString tournamentName;
    QString title; // what is printed: the tab's caption
    QDateTime printedAt;
};

struct PrintedRow {
    int row = 0;
    double top = 0;        // points on the sheet
    bool repeated = false; // a heading row repeated on a sheet its round continues on
};

struct PrintedSheet {
    int band = 0;
    std::vector<PrintedRow> rows;
};

struct PrintedBand {
    int headColumns = 0;
    std::vector<int> columns; // the head columns, then the band's blocks
    std::vector<double> left; // points on the sheet, per column
    std::vector<double> width;
};

// Where everything goes: the same for printer and PDF, and what the tests measure.
struct GridPrintLayout {
    double fontSize = 0;  // points, the same on every sheet
    double rowHeight = 0; // points
    double padding = 0;   // points between a cell's edge and its text
    QRectF content;       // the part of the sheet between margins, head and footer
    QRectF headArea;
    QRectF footArea;
    std::vector<PrintedBand> bands;
    std::vector<PrintedSheet> sheets;
    int clippedCells = 0;  // texts wider than their cell (none, unless one is wider than a sheet)
    double widthShare = 0; // of the sheet's printable width taken by the widest band
};

// Measures the grid's texts in the canvas's fonts and lays the printout out on its sheets.
GridPrintLayout LayOutGridPrint(const TextGrid& grid, const GridPrintStructure& structure,
                                const GridAppearance& appearance, PrintCanvas& canvas);

// Draws the laid-out printout as one document and counts the clipped cells in the printer's
// own fonts; false when the document could not be started.
bool DrawGridPrint(const TextGrid& grid, GridPrintLayout& layout, const PrintHeading& heading,
                   const GridAppearance& appearance, PrintCanvas& canvas);

// Both: lays out and draws. Returns the layout (no sheets when nothing could be printed).
GridPrintLayout PrintGrid(const TextGrid& grid, const GridPrintStructure& structure,
                          const PrintHeading& heading, const GridAppearance& appearance, PrintCanvas& canvas);

// "Seite 2 von 5" and "Gedruckt am 06.12.2024 um 14:05 Uhr".
QString SheetNumberText(int sheet, int sheetCount);
QString PrintedAtText(const QDateTime& printedAt);
