#pragma once

#include <vector>

class TextGrid;

// What a printout of a grid keeps together and repeats, read from the grid's layout and tags.

// The rows of one round: its first `headingRows` rows (group names, or round and fields) are
// repeated at the top of a sheet the round continues on.
struct PrintSection {
    int firstRow = 0;
    int lastRow = 0;
    int headingRows = 0;
    bool keepTogether = false; // starts on a fresh sheet rather than break, when it fits one
};

struct GridPrintStructure {
    int headColumns = 1; // columns 0.. are printed at the left of every band
    // Column ranges (first, last) after the head columns that a band never splits.
    std::vector<std::pair<int, int>> blocks;
    // The rows printed, in order: without the rows above the first round (the sheet's head shows
    // the tournament name) and with runs of empty rows cut to one.
    std::vector<int> rows;
    std::vector<PrintSection> sections;
    std::vector<bool> keepWithNext; // per grid row: no sheet ends right after it
};

// The schedule: column 0, then a block of five columns per group; a round's block of rows with
// its group-name rows as headings, kept on one sheet where it fits.
GridPrintStructure SchedulePrintStructure(const TextGrid& grid);
// The time plan: round and clock columns, then a block of three columns per field; a round's
// rows with its "Runde / Platz" row as heading; a game line stays with its referee line.
GridPrintStructure TimePlanPrintStructure(const TextGrid& grid);
