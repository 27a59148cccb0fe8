#pragma once

#include "model/TextGrid.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

// Shows a core TextGrid in a table view: its texts, and its cell colours as backgrounds. The
// row tags stay in the grid; the view never reads them. After the core changed the grid call
// showChanges(): only the cells that changed are repainted.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextGridModel(const TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grid may have a new size: the view takes it whole.
    void reload();
    bool sizeChanged() const;
    // Same size as at the last reload: the ranges of cells changed since the view last looked are
    // repainted; gives them back.
    std::vector<TextGrid::CellRange> showChanges();

private:
    const TextGrid& m_grid;
    // The size the view was told about; the grid may already have changed when it asks.
    int m_columnCount = 0;
    int m_rowCount = 0;
    // The grid's change count when the view last took its changes.
    std::uint64_t m_shownChanges = 0;
};
