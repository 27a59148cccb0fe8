#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
struct TournamentState;

// "Ligaplan": a league schedule with match days and return leg for 4..20 teams, named from the
// name pool. It reads the tournament and never changes it.
class LeaguePlanDialog : public QDialog {
    Q_OBJECT
public:
    explicit LeaguePlanDialog(TournamentState& state, QWidget* parent = nullptr);

    int teamCount() const;
    // "&zeigen", "auf's &Clipboard" and "&Schriftart...".
    void showPlan();
    void copyPlan();
    void chooseFont();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setTeamCount(int teamCount);

    TournamentState& m_state;
    QLineEdit* m_teamCount = nullptr;
    QLineEdit* m_resultColumn = nullptr;
    QListWidget* m_plan = nullptr;
};
