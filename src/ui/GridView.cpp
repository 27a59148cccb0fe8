#include "ui/GridView.h"

#include "model/TextGrid.h"
#include "ui/TextGridModel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

GridView::GridView(const TextGrid& grid, const char* objectName, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new TextGridModel(grid, this)), m_columnWidths(font())
{
    setObjectName(QLatin1String(objectName));
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed sizes: the view never measures cell contents, which keeps huge plans quick.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The delegate's text margin on either side and the grid line.
    m_columnWidths.setPadding(2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
                              1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->setMouseTracking(true);
    // A burst of scroll steps re-highlights once, after the view has settled.
    m_scrollSettled.setSingleShot(true);
    m_scrollSettled.setInterval(0);
    connect(&m_scrollSettled, &QTimer::timeout, this, &GridView::scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, &m_scrollSettled, qOverload<>(&QTimer::start));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, &m_scrollSettled, qOverload<>(&QTimer::start));
    fitColumns();
}

void GridView::reload()
{
    m_model->reload();
    fitColumns();
}

void GridView::showChanges()
{
    if (m_model->sizeChanged()) {
        reload();
        return;
    }
    std::vector<bool> changedColumns(std::size_t(m_grid.columnCount()), false);
    for (const TextGrid::CellRange& range : m_model->showChanges())
        std::fill(changedColumns.begin() + range.FirstCol, changedColumns.begin() + range.LastCol + 1, true);
    for (int col = 0; col < int(changedColumns.size()); ++col)
        if (changedColumns[std::size_t(col)])
            setColumnWidth(col, m_columnWidths.fitColumn(m_grid, col));
}

QRect GridView::cellRect(int col, int row) const
{
    return visualRect(m_model->index(row, col));
}

void GridView::fitColumns()
{
    horizontalHeader()->setDefaultSectionSize(
        int(TextGrid::DefaultColumnWidth * m_columnWidths.layoutScale()));
    const std::vector<int> widths = m_columnWidths.fit(m_grid);
    for (int col = 0; col < int(widths.size()); ++col)
        setColumnWidth(col, widths[std::size_t(col)]);
}

void GridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        m_columnWidths.setFont(font());
        fitColumns();
    }
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
