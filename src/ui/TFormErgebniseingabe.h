#pragma once

#include "results/ResultEntry.h"

#include <QDialog>
#include <QList>

class Prompter;
class QEventLoop;
class QLabel;
class QLineEdit;
class QPushButton;
struct ResultEntryRequest;
struct TournamentState;

// "Ergebniseingabe": one game's result, stored on the second press of "Ü&bernehmen" (the first
// shows the normalised input on lime-green fields). A keyboard user types "3:1", Enter, Enter.
// While it is open the rest of the program takes no input, except clicks into the grids: a game
// chosen there takes the dialog over, so nothing typed for one game is stored for another.
class TFormErgebniseingabe : public QDialog {
    Q_OBJECT
public:
    TFormErgebniseingabe(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // The widgets that keep taking mouse clicks while the dialog is open.
    void setClickableAreas(const QList<QWidget*>& areas) { m_clickableAreas = areas; }
    // Fills the fields from the request and shows the dialog; returns when it has closed. The
    // outcome of the last press is kept for the window.
    void openFor(const ResultEntryRequest& request);
    // Another game chosen in a grid while the dialog is open: the dialog now stands for that
    // game, unarmed, with its fields as they open; whatever was typed is gone.
    void switchTo(const ResultEntryRequest& request);
    // Gives the keyboard back to the open dialog after a click into a grid.
    void takeFocus();
    bool isOpen() const { return m_loop != nullptr; }
    const ResultEntryOutcome& lastOutcome() const { return m_outcome; }
    bool storedSomething() const { return m_pressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The game the dialog stands for: the selection state as the grid left it when it opened.
    struct GameSelection {
        int Group = 0;
        int Number = 0;
        QString TagKind;
        int Col = 0;
        int Row = 0;
    };

    void fill(const ResultEntryRequest& request);
    void setFieldColour(QLineEdit* field, std::uint32_t rgb);
    void pressAccept();
    bool blocksInput(QObject* watched, QEvent* event) const;

    TournamentState& m_state;
    Prompter& m_prompter;
    ResultEntry m_entry;
    ResultEntryOutcome m_outcome;
    GameSelection m_game;
    QList<QWidget*> m_clickableAreas;
    QEventLoop* m_loop = nullptr;
    bool m_pressed = false;
    QLineEdit* m_group = nullptr;
    QLineEdit* m_gameNumber = nullptr;
    QLineEdit* m_match = nullptr;
    QLineEdit* m_sets = nullptr;
    QLineEdit* m_goals = nullptr;
    QLabel* m_setsLabel = nullptr;
    QPushButton* m_accept = nullptr;
};
