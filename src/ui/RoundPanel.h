#pragma once

#include <QGroupBox>

class NewGroupDialog;
class Prompter;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
struct MainWindowView;
struct TournamentState;

// The box "Diese Runde": round and field navigation, game length, "ein Platz pro Gruppe",
// "neue Gruppe", and the lists of the groups of the round and of the teams of one group.
class RoundPanel : public QGroupBox {
    Q_OBJECT
public:
    RoundPanel(TournamentState& state, Prompter& prompter, NewGroupDialog& newGroupDialog,
               QWidget* parent = nullptr);

    void showView(const MainWindowView& view);
    // The list of teams from the state, green when every position of its group has a name.
    void showTeamList();

signals:
    // Something of the tournament changed: the main window is to be refreshed.
    void edited();

private:
    QWidget* buildNavigation();
    QWidget* buildLists();
    void previousRound();
    void nextRound();
    void newGroup();
    void selectGroup(int row);

    TournamentState& m_state;
    Prompter& m_prompter;
    NewGroupDialog& m_newGroupDialog;
    QLineEdit* m_round = nullptr;
    QPushButton* m_nextRound = nullptr;
    QLineEdit* m_fields = nullptr;
    QLineEdit* m_gameLength = nullptr;
    QCheckBox* m_oneFieldPerGroup = nullptr;
    QListWidget* m_groups = nullptr;
    QListWidget* m_teams = nullptr;
};
