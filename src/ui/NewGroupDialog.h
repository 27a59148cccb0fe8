#pragma once

#include <QDialog>

class Prompter;
class QLabel;
class QLineEdit;
class QRadioButton;
struct TournamentState;

// "neue Gruppe": creates one or more groups in the current round. The dialog lives for the whole
// run, so its inputs keep their last values between openings.
class NewGroupDialog : public QDialog {
    Q_OBJECT
public:
    NewGroupDialog(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // "&abbrechen", Escape and the frame's close button: steps back from a round prepared by ">".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addGroups();
    void updateCountMarker();

    TournamentState& m_state;
    Prompter& m_prompter;
    QLineEdit* m_groupCount = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_countMarker = nullptr;
    QLabel* m_roundNotice = nullptr;
    QLineEdit* m_teamCount = nullptr;
    QRadioButton* m_withoutReturnLeg = nullptr;
    QRadioButton* m_withReturnLeg = nullptr;
};
