#pragma once

#include <QDialog>

class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
struct RenameDialogRequest;
struct TournamentState;

// "Mannschaftsnamen ändern": the name of one team position, typed or taken from the pool.
class RenameDialog : public QDialog {
    Q_OBJECT
public:
    RenameDialog(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the dialog for the position and shows it modally, unless it is already showing.
    // Returns true when the position took a new name (the schedule was rendered anew).
    bool openFor(const RenameDialogRequest& request);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHint(const QString& name);
    void applyName();

    TournamentState& m_state;
    Prompter& m_prompter;
    int m_group = 0;
    int m_position = 0;
    bool m_renamed = false;
    QLabel* m_groupName = nullptr;
    QLineEdit* m_groupNumber = nullptr;
    QLineEdit* m_positionNumber = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_hint = nullptr;
    QListWidget* m_poolNames = nullptr;
    QCheckBox* m_cutReferral = nullptr;
};
