#include "support/TaggedCell.h"

#include "model/TextGrid.h"
#include "results/RowTags.h"

#include <gtest/gtest.h>

TaggedCell FindTaggedCell(const TextGrid& grid, int group, const QString& kind, int number)
{
    const QString tag = MakeRowTag(group, kind, number);
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.columnCount(); ++col)
            if (grid.tag(col, row) == tag)
                return {col, row};
    ADD_FAILURE() << "no cell tagged " << tag.toStdString();
    return {};
}
