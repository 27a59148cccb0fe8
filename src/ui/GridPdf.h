#pragma once

#include "output/GridPrint.h"

#include <QString>

class TextGrid;

// Draws the grid's printout (the same sheets as on paper) into a PDF file of A4 landscape
// sheets. Returns the layout; it has no sheets when the file could not be written. Needs QtGui
// only, so the command-line client can use it.
GridPrintLayout PrintGridToPdf(const TextGrid& grid, const GridPrintStructure& structure,
                               const PrintHeading& heading, const GridAppearance& appearance,
                               const QString& path);
