#pragma once

#include <QAbstractTableModel>

class TextGrid;

// Shows a core TextGrid in a table view: its texts, and its cell colours as backgrounds. The
// row tags stay in the grid; the view never reads them. After the core rebuilt the grid call
// reload(); after it only repainted cells call coloursChanged() or textsChanged().
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
    // Same size as at the last reload: the view repaints.
    void coloursChanged();
    void textsChanged();

private:
    const TextGrid& m_grid;
    // The size the view was told about; the grid may already have changed when it asks.
    int m_columnCount = 0;
    int m_rowCount = 0;
};
