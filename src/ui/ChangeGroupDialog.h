#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
class QRadioButton;
struct TournamentState;

// "Gruppe ändern": name, size and return leg of one group; deletes the group or its results.
class ChangeGroupDialog : public QDialog {
    Q_OBJECT
public:
    ChangeGroupDialog(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the dialog from group g and shows it modally, unless it is already showing.
    void openForGroup(int group);
    // Fills the dialog from group g without showing it.
    void showGroup(int group);

signals:
    // The group or its results changed: the schedule has been rendered anew and is to be shown.
    void scheduleChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyChange();
    void deleteGroup();
    void clearResults();

    TournamentState& m_state;
    Prompter& m_prompter;
    int m_group = 0;
    QLineEdit* m_groupNumber = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_teamCount = nullptr;
    QRadioButton* m_withoutReturnLeg = nullptr;
    QRadioButton* m_withReturnLeg = nullptr;
};
