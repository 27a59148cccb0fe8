#include "ui/TextGridModel.h"

#include <QBrush>
#include <QColor>

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid)
{
}

int TextGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int TextGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return m_grid.cell(col, row);
    case Qt::BackgroundRole: {
        const std::uint32_t colour = m_grid.colour(col, row);
        if (colour == TextGrid::NoColour)
            return {};
        return QBrush(QColor::fromRgb(colour));
    }
    default:
        return {};
    }
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void TextGridModel::reload()
{
    beginResetModel();
    m_columnCount = m_grid.columnCount();
    m_rowCount = m_grid.rowCount();
    m_shownChanges = m_grid.changeCount();
    endResetModel();
}

bool TextGridModel::sizeChanged() const
{
    return m_grid.columnCount() != m_columnCount || m_grid.rowCount() != m_rowCount;
}

std::vector<TextGrid::CellRange> TextGridModel::showChanges()
{
    const std::vector<TextGrid::CellRange> ranges = m_grid.changedRanges(m_shownChanges);
    m_shownChanges = m_grid.changeCount();
    for (const TextGrid::CellRange& range : ranges)
        emit dataChanged(index(range.FirstRow, range.FirstCol), index(range.LastRow, range.LastCol),
                         {Qt::DisplayRole, Qt::BackgroundRole});
    return ranges;
}
