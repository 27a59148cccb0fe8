#pragma once

#include <QListWidget>

// The break list: a line dragged onto another line takes that line's place; dropped below the
// last line it goes to the end. The list only reports the move; the owner carries it out.
class PauseListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit PauseListWidget(QWidget* parent = nullptr);

signals:
    // `to` is -1 when the line was dropped below the last line.
    void lineMoved(int from, int to);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_pressedRow = -1;
};
