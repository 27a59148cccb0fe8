#pragma once

#include <QDialog>

#include <memory>

class FileChooser;
class Prompter;
class QLineEdit;
class QRadioButton;
struct AllocationOutput;
struct TournamentState;

// "Spiellisten": the round and the target of the game lists; "OK" plans every round and writes
// (or prints) the lists of the chosen round.
class GameListDialog : public QDialog {
    Q_OBJECT
public:
    GameListDialog(TournamentState& state, Prompter& prompter, FileChooser& files, QWidget* parent = nullptr);
    ~GameListDialog() override;

    // Shown from the e-mail dialog: round 1 and one file per team, the names it attaches.
    void execForEmail();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void roundEdited();
    void accept() override;
    void writeGameLists(int round);
    void printGameLists(int round);
    void lockForEmail(bool locked);

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    std::unique_ptr<AllocationOutput> m_output;
    bool m_forEmail = false; // GameListsForEmail

    QLineEdit* m_round = nullptr;
    QRadioButton* m_oneFile = nullptr;
    QRadioButton* m_filePerTeam = nullptr;
    QRadioButton* m_print = nullptr;
};
