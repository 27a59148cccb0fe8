#pragma once

#include "live/DisplayPages.h"

#include <QWidget>

// Paints one page of the hall display: large dark type on white, the page title with the
// tournament's name on top, then the page's columns of group tables or field games. The type
// grows with the widget's height, so a page always holds its lines.
class LiveDisplayView : public QWidget {
    Q_OBJECT
public:
    explicit LiveDisplayView(QWidget* parent = nullptr);

    // The title band takes two lines; the view's height is shared by it and a column's lines.
    static constexpr int TitleLines = 2;

    void showPage(const DisplayModel& model, int pageIndex);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DisplayModel m_model;
    int m_page = 0;
    int m_linesPerColumn = DisplayLayout{}.LinesPerColumn;
};
