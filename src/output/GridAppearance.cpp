#include "output/GridAppearance.h"

#include "model/TextGrid.h"

int GridAppearance::Width(const TextGrid& grid) const
{
    if (width > 0)
        return width;
    int sum = 0;
    for (int col = 0; col < grid.columnCount(); ++col)
        sum += grid.columnWidth(col);
    return sum;
}
