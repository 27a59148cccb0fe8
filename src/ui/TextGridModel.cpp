#include "ui/TextGridModel.h"

#include "model/TextGrid.h"

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
    endResetModel();
}

void TextGridModel::coloursChanged()
{
    if (m_grid.rowCount() > 0 && m_grid.columnCount() > 0)
        emit dataChanged(index(0, 0), index(m_grid.rowCount() - 1, m_grid.columnCount() - 1),
                         {Qt::BackgroundRole});
}

void TextGridModel::textsChanged()
{
    if (m_grid.rowCount() > 0 && m_grid.columnCount() > 0)
        emit dataChanged(index(0, 0), index(m_grid.rowCount() - 1, m_grid.columnCount() - 1),
                         {Qt::DisplayRole});
}
