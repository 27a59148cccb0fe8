#pragma once

#include "output/GridAppearance.h"

#include <QString>

class TextGrid;

// Draws the grid's printout (the same bands and sheets as on paper) into a PDF file of A4
// landscape pages; false when the file cannot be written. Needs QtGui only, so the command-line
// client can use it.
bool PrintGridToPdf(const TextGrid& grid, const GridAppearance& appearance, const QString& path);
