#include "output/GridAppearance.h"

#include "model/TextGrid.h"

#include <cmath>

int GridAppearance::Width(const TextGrid& grid) const
{
    if (width > 0)
        return width;
    int sum = 0;
    for (int col = 0; col < grid.columnCount(); ++col)
        sum += grid.columnWidth(col);
    return sum;
}

int ScaleCellSize(int size, double fromPointSize, double toPointSize)
{
    if (fromPointSize <= 0 || toPointSize <= 0)
        return size;
    return int(std::nearbyint(double(size) / fromPointSize * toPointSize)); // ties to even
}
