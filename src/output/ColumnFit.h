#pragma once

#include <QString>

#include <functional>
#include <vector>

class TextGrid;

// How wide the columns of a grid must be for their texts, on screen and on paper. The measure is
// the caller's (screen font metrics or the printer's font), so callers can remember measured texts.

// A text of underscores only is drawn as a rule across its cell (the line under a round), and
// needs no width of its own.
bool IsRuleLine(const QString& text);

// The widest text of every column by `textWidth`; empty cells and rule lines do not count.
std::vector<double> WidestTexts(const TextGrid& grid, const std::function<double(const QString&)>& textWidth);
// The same over the given rows only.
std::vector<double> WidestTexts(const TextGrid& grid, const std::vector<int>& rows,
                                const std::function<double(const QString&)>& textWidth);
