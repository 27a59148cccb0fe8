#pragma once

#include "output/GridAppearance.h"

#include <QString>

#include <functional>

class Prompter;
class TextGrid;

// Without an installed printer: asks whether to save the pages as a PDF file instead.
bool OfferPdfInsteadOfPrinter(Prompter& prompter);

// Prints the grid in landscape on the default printer. Without an installed printer the
// organiser is asked whether to save the same pages as a PDF file; askPdfPath then names the file
// (empty: cancelled). Returns whether anything was printed or saved.
bool PrintGridOnDefaultPrinter(const TextGrid& grid, const GridAppearance& appearance, Prompter& prompter,
                               const std::function<QString()>& askPdfPath);
