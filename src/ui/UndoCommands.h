#pragma once

#include "model/UndoHistory.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
struct TournamentState;

// "&Rückgängig" and "&Wiederherstellen" of both windows. Every change to the tournament reaches
// the history the moment the program next waits for input (no message box or dialog open), so
// that whatever one command changed, its questions and follow-ups included, is one step named by
// the change. The windows show the tournament again when `restored` is sent.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(TournamentState& state, QObject* parent = nullptr);

    UndoHistory& history() { return m_history; }
    // Puts both commands at the top of the window's menu "&Bearbeiten" (made when missing, after
    // "&Datei").
    void addToEditMenu(QMainWindow& window);

    // A tournament loaded, made new or restored: the history starts again from it.
    void reset();
    // The tournament was just saved.
    void markSaved();
    // Records what changed since the last step; the program also does it whenever it waits.
    void recordPending();
    void undo();
    void redo();

signals:
    // The tournament was taken one step back or forth: every window shows it anew.
    void restored();
    // A change turned out to give back the saved file (or the reverse) without a step.
    void savedStateChanged();

private:
    void recordWhenIdle();
    void updateActions();

    TournamentState& m_state;
    UndoHistory m_history;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
