#include "ui/PauseListWidget.h"

#include <QDropEvent>
#include <QMouseEvent>

PauseListWidget::PauseListWidget(QWidget* parent) : QListWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
}

void PauseListWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedRow = indexAt(event->position().toPoint()).row();
    QListWidget::mousePressEvent(event);
}

void PauseListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    QListWidget::dragMoveEvent(event);
    if (event->source() == this)
        event->accept();
}

void PauseListWidget::dropEvent(QDropEvent* event)
{
    // The move is the owner's: the view must neither insert nor remove rows itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (event->source() != this || m_pressedRow < 0)
        return;
    const int from = m_pressedRow;
    m_pressedRow = -1;
    emit lineMoved(from, indexAt(event->position().toPoint()).row());
}
