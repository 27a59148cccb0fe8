#pragma once

#include "results/ResultEntry.h"

#include <QDialog>

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
struct ResultEntryRequest;
struct TournamentState;

// "Ergebniseingabe": one game's result, stored on the second press of "Ü&bernehmen" (the first
// shows the normalised input on lime-green fields). A keyboard user types "3:1", Enter, Enter.
class TFormErgebniseingabe : public QDialog {
    Q_OBJECT
public:
    TFormErgebniseingabe(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the fields from the request and shows the dialog modally; the outcome of the last
    // press is kept for the window.
    void openFor(const ResultEntryRequest& request);
    const ResultEntryOutcome& lastOutcome() const { return m_outcome; }
    bool storedSomething() const { return m_pressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setFieldColour(QLineEdit* field, std::uint32_t rgb);
    void pressAccept();

    TournamentState& m_state;
    Prompter& m_prompter;
    ResultEntry m_entry;
    ResultEntryOutcome m_outcome;
    bool m_pressed = false;
    QLineEdit* m_group = nullptr;
    QLineEdit* m_game = nullptr;
    QLineEdit* m_match = nullptr;
    QLineEdit* m_sets = nullptr;
    QLineEdit* m_goals = nullptr;
    QLabel* m_setsLabel = nullptr;
    QPushButton* m_accept = nullptr;
};
