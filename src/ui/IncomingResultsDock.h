#pragma once

#include <QDockWidget>

class QCheckBox;
class QPushButton;
class QTableWidget;
class ResultInbox;
struct TournamentState;

// "Eingegangene Ergebnisse": the results sent in from the fields, beside the schedule. Each line
// shows field, game, teams, result, time and whether the game has a result already (a conflict);
// "&Übernehmen" (also Enter) stores the chosen one as the result dialog does, "&Ablehnen" drops
// it and the referee's page says so. "automatisch übernehmen" stores results without a conflict
// as they come in.
class IncomingResultsDock : public QDockWidget {
    Q_OBJECT
public:
    IncomingResultsDock(ResultInbox& inbox, const TournamentState& state, QWidget* parent = nullptr);

    // Shows the list as the inbox holds it, the waiting entries first.
    void showEntries();
    void acceptChosen();
    void rejectChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int chosenNumber() const;
    void showButtons();

    ResultInbox& m_inbox;
    const TournamentState& m_state;
    QTableWidget* m_table = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_reject = nullptr;
    QCheckBox* m_automatic = nullptr;
};
