#pragma once

#include "results/IncomingResults.h"

#include <QObject>

#include <functional>

class Prompter;
struct RefereeScore;
struct TournamentState;

// "Eingegangene Ergebnisse": the results the referees send in, waiting for the desk. Taking one
// stores it through the same core function as the result dialog's confirming press (tables,
// completion, teams carried on); a result for a game that has another one already is a conflict
// and is never stored without the desk saying so. With automatic acceptance a result without a
// conflict is stored as it comes in. The list itself is plain data (results()), so a recovery copy
// can write it and restore() can bring it back.
class ResultInbox : public QObject {
    Q_OBJECT
public:
    using StateReader = std::function<TournamentState*()>;

    // What became of a result sent in.
    enum class Verdict {
        Waiting,       // in the list for the desk
        Applied,       // stored at once (automatic acceptance)
        AlreadyStored, // the game has this very result: nothing to do
        Conflict,      // the game has another result: in the list as a conflict, or refused without a desk
    };
    struct Receipt {
        Verdict Outcome = Verdict::Waiting;
        int Number = 0;        // of the entry in the list; 0 when none was made
        QString Stored;        // the game's result before, as text
        bool Replaced = false; // an earlier entry for the game was still waiting: this one replaces it
    };

    ResultInbox(StateReader state, Prompter& prompter, QObject* parent = nullptr);

    Receipt receive(int field, int group, int game, const RefereeScore& score, const QDateTime& received);
    // The desk's "Übernehmen": asks before replacing another result and, as the result dialog does,
    // while the group is completed. False when it was not stored (declined, table full).
    bool accept(int number);
    // The desk's "Ablehnen": the referee's page says so.
    void reject(int number);
    // Stores every waiting result that has no conflict, as automatic acceptance does.
    void acceptWaitingWithoutConflict();

    void setAutomatic(bool automatic);
    bool automatic() const { return m_automatic; }
    // Without a desk nobody could decide a conflict: it is refused instead of waiting.
    void setConflictsWait(bool wait) { m_conflictsWait = wait; }
    // While the desk is in the middle of something (a dialog open) nothing is stored by itself;
    // acceptWaitingWithoutConflict() catches up later.
    void setMayStoreNow(std::function<bool()> mayStoreNow) { m_mayStoreNow = std::move(mayStoreNow); }

    const IncomingResults& results() const { return m_results; }
    void restore(const IncomingResults& results);
    // The game's stored result as text ("3 : 1"); empty when it has none.
    QString storedResult(int group, int game) const;
    // True when the game has a result other than the entry's.
    bool conflicts(const IncomingResult& entry) const;

signals:
    void changed();                   // the list changed: the desk's list and a recovery copy follow
    void resultStored(int group);     // the tournament changed: the schedule and the pages follow
    void logged(const QString& line); // one line for each result sent in, stored or refused

private:
    bool mayStoreByItself(const IncomingResult& entry) const;
    bool store(IncomingResult& entry);
    QString describe(const IncomingResult& entry) const;

    StateReader m_state;
    Prompter& m_prompter;
    IncomingResults m_results;
    bool m_automatic = false;
    bool m_conflictsWait = true;
    std::function<bool()> m_mayStoreNow;
};
