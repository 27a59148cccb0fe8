#pragma once

#include "ui/GridColumnWidths.h"

#include <QTableView>
#include <QTimer>

class TextGrid;
class TextGridModel;

// One visible grid of the schedule window (StringGrid1 or StringGrid3) over a core TextGrid.
// It reports the mouse in grid cells and leaves every decision to the window and the core.
class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(const TextGrid& grid, const char* objectName, QWidget* parent = nullptr);

    TextGridModel& gridModel() { return *m_model; }
    // Takes the rebuilt grid: size, texts, colours and column widths.
    void reload();
    // Takes what the core changed: a new size as reload() does; otherwise repaints the changed
    // cells and fits the widths of their columns, keeping the scroll position.
    void showChanges();
    // The cell's rectangle in viewport coordinates, for tests and tools.
    QRect cellRect(int col, int row) const;

signals:
    void cellPressed(int col, int row);
    void cellClicked(int col, int row);
    void cellDoubleClicked(int col, int row);
    void cellHovered(int col, int row);
    void scrolled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitColumns();

    const TextGrid& m_grid;
    TextGridModel* m_model = nullptr;
    GridColumnWidths m_columnWidths;
    QTimer m_scrollSettled;
    QModelIndex m_pressedIndex;
    // The second press of a double-click must not count as a click of its own.
    bool m_releaseEndsDoubleClick = false;
};
