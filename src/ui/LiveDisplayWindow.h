#pragma once

#include "live/DisplayPages.h"

#include <QWidget>

class LiveDisplayView;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class TextGrid;
struct TournamentState;

// "Hallenanzeige": the round in play for a projector or a second screen, page by page. It reads
// the schedule grid and the time plan each time it shows a page, so a confirmed result is on the
// next page shown; refresh() shows it at once.
class LiveDisplayWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultSeconds = 15;

    LiveDisplayWindow(const TournamentState& state, const TextGrid& timePlan, QWidget* parent = nullptr);

    // Rebuilds the pages from the core and repaints the current one.
    void refresh();
    void nextPage();
    void previousPage();
    // Full screen on the screen chosen in the window; Esc leaves it.
    void enterFullScreen();
    void leaveFullScreen();

    const DisplayModel& model() const { return m_model; }
    int currentPage() const { return m_page; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void turnTo(int page);
    void fillScreens();
    void updateControls();

    const TournamentState& m_state;
    const TextGrid& m_timePlan;
    DisplayModel m_model;
    int m_page = 0;

    LiveDisplayView* m_view = nullptr;
    QWidget* m_controls = nullptr;
    QComboBox* m_screens = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_fullScreen = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_hint = nullptr;
    QTimer* m_timer = nullptr;
};
