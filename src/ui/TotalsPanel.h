#pragma once

#include <QGroupBox>

class Prompter;
class QLineEdit;
struct MainWindowView;
struct TournamentState;

// The box "Alles": the totals of the tournament and the start time of its first game.
class TotalsPanel : public QGroupBox {
    Q_OBJECT
public:
    TotalsPanel(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    void showView(const MainWindowView& view);
    // The start time field shows the anchor of the day (a loaded end time is not edited here).
    void showStartTime();

signals:
    void edited();

private:
    TournamentState& m_state;
    Prompter& m_prompter;
    QLineEdit* m_rounds = nullptr;
    QLineEdit* m_games = nullptr;
    QLineEdit* m_startTime = nullptr;
};
