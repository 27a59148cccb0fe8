#pragma once

#include <QString>

class TextGrid;

// A cell of a grid found through its row tag, never through its text.
struct TaggedCell {
    int col = -1;
    int row = -1;
};

// The first cell tagged with (group, kind, number); a failed expectation when there is none.
TaggedCell FindTaggedCell(const TextGrid& grid, int group, const QString& kind, int number);
