#pragma once

#include "output/GridPrint.h"

#include <QString>

#include <functional>

class Prompter;
class TextGrid;

// Without an installed printer: asks whether to save the pages as a PDF file instead.
bool OfferPdfInsteadOfPrinter(Prompter& prompter);

// Prints the grid as a wall chart in landscape on the default printer's paper, as one print job.
// Without an installed printer the organiser is asked whether to save the same sheets as a PDF
// file of A4 sheets; askPdfPath then names the file (empty: cancelled). Returns whether anything
// was printed or saved.
bool PrintGridOnDefaultPrinter(const TextGrid& grid, const GridPrintStructure& structure,
                               const PrintHeading& heading, const GridAppearance& appearance,
                               Prompter& prompter, const std::function<QString()>& askPdfPath);
