#include "ui/PoolNameDrag.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

QMimeData* MakePoolNameMimeData(const QString& name)
{
    auto* data = new QMimeData;
    data->setData(PoolNameMimeType, name.toUtf8());
    return data;
}

bool ReadPoolNameMimeData(const QMimeData* data, QString& name)
{
    if (data == nullptr || !data->hasFormat(PoolNameMimeType))
        return false;
    name = QString::fromUtf8(data->data(PoolNameMimeType));
    return true;
}

PoolNameList::PoolNameList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

QMimeData* PoolNameList::dragData() const
{
    if (m_draggedIndex < 0 || m_draggedIndex >= count())
        return nullptr;
    return MakePoolNameMimeData(item(m_draggedIndex)->text());
}

void PoolNameList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QListWidgetItem* pressedItem = itemAt(event->position().toPoint());
        if (pressedItem != nullptr && !pressedItem->isSelected())
            m_draggedIndex = row(pressedItem);
    }
    QListWidget::mousePressEvent(event);
    emit pressed(event->button());
}

// The drag copies: the list itself moves its items only through moveRequested.
void PoolNameList::startDrag(Qt::DropActions)
{
    QMimeData* data = dragData();
    if (data == nullptr)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void PoolNameList::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(PoolNameMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PoolNameList::dragMoveEvent(QDragMoveEvent* event)
{
    QListWidget::dragMoveEvent(event);
    if (event->mimeData()->hasFormat(PoolNameMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PoolNameList::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(PoolNameMimeType)) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit moveRequested(m_draggedIndex, target.isValid() ? target.row() : -1);
}
