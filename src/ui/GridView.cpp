#include "ui/GridView.h"

#include "model/TextGrid.h"
#include "ui/TextGridModel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

GridView::GridView(const TextGrid& grid, const char* objectName, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new TextGridModel(grid, this))
{
    setObjectName(QLatin1String(objectName));
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed sizes: the view never measures cell contents, which keeps huge plans quick.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->setMouseTracking(true);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridView::scrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &GridView::scrolled);
    applyColumnWidths();
}

void GridView::reload()
{
    m_model->reload();
    applyColumnWidths();
}

QRect GridView::cellRect(int col, int row) const
{
    return visualRect(m_model->index(row, col));
}

void GridView::applyColumnWidths()
{
    horizontalHeader()->setDefaultSectionSize(TextGrid::DefaultColumnWidth);
    for (int col = 0; col < m_grid.columnCount(); ++col)
        setColumnWidth(col, m_grid.columnWidth(col));
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    m_pressedIndex = indexAt(event->position().toPoint());
    if (m_pressedIndex.isValid())
        emit cellPressed(m_pressedIndex.column(), m_pressedIndex.row());
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool endsDoubleClick = m_releaseEndsDoubleClick;
    m_releaseEndsDoubleClick = false;
    if (endsDoubleClick || event->button() != Qt::LeftButton || !index.isValid() || index != m_pressedIndex)
        return;
    emit cellClicked(index.column(), index.row());
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click selects its cell like any press.
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressedIndex = index;
    m_releaseEndsDoubleClick = true;
    if (!index.isValid())
        return;
    emit cellPressed(index.column(), index.row());
    if (event->button() == Qt::LeftButton)
        emit cellDoubleClicked(index.column(), index.row());
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit cellHovered(index.column(), index.row());
    else
        viewport()->unsetCursor();
}
