#pragma once

#include "output/GridAppearance.h"

class PrintCanvas;
class TextGrid;

// Printing a grid as boxes with text, in landscape, in column bands as wide as a sheet.

inline constexpr int PrintBandWidth = 1400; // screen pixels of one band
inline constexpr double PrintScale = 0.5;

// A screen length in printer dots along an axis of the given resolution, rounded half to even.
int ConvertToPrinter(double length, int dotsPerInch, double scale);

struct PrintBand {
    int leftMargin = 0;
    int topMargin = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    bool useGridColours = false;
    double scale = PrintScale;
};

// Prints the band's columns of every row as one print job; when a row would pass the page height
// a new job starts on a fresh sheet, which repeats row 0 in the fixed-cell colour.
void PrintGridBand(const TextGrid& grid, const GridAppearance& appearance, const PrintBand& band,
                   PrintCanvas& canvas);

// Cuts the grid into bands of columns: each band takes columns until their widths pass 1400 pixels
// (the crossing column included) or the grid ends, and prints them. Every column is printed once.
void PrintActiveGrid(const TextGrid& grid, const GridAppearance& appearance, PrintCanvas& canvas);
