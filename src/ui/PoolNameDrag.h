#pragma once

#include <QListWidget>
#include <QString>

class QMimeData;

// A pool name on its way from the name list to the schedule grid, the list itself or the
// rename dialog's input field.
inline const QString PoolNameMimeType = QStringLiteral("application/x-korvane-poolname");

QMimeData* MakePoolNameMimeData(const QString& name);
// True when the data carries a pool name; `name` receives it.
bool ReadPoolNameMimeData(const QMimeData* data, QString& name);

// The pool list: several names can be marked (selected). A left press on an unmarked name takes
// that name up for dragging; a press on a marked one keeps the name taken up before.
class PoolNameList : public QListWidget {
    Q_OBJECT
public:
    explicit PoolNameList(QWidget* parent = nullptr);

    // DraggedPoolIndex: the item taken up by the last press on an unmarked name, -1 when none.
    int draggedIndex() const { return m_draggedIndex; }
    // What a drag from the list carries now; nullptr while no name is taken up.
    QMimeData* dragData() const;

signals:
    void pressed(Qt::MouseButton button);
    // The dragged item was dropped onto item `to` (-1: below the last item).
    void moveRequested(int from, int to);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_draggedIndex = -1;
};
