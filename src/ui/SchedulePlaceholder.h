#pragma once

#include <QWidget>

// Stands in for the schedule window "Spielpläne" until the grid of the schedule exists.
class SchedulePlaceholder : public QWidget {
    Q_OBJECT
public:
    explicit SchedulePlaceholder(QWidget* parent = nullptr);
};
