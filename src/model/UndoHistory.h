#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct TournamentState;

// Undo and redo of the tournament. Every step keeps the tournament file as a save would write it
// (compressed) from before or after the step, so that undo gives back exactly the file of before
// and takes it over the way a file is loaded: wholly or not at all. Steps are recorded after the
// fact: when the tournament's change count (Revision) moved and its bytes differ, the bytes of
// before become one step, named by the change's label. The history knows which step was saved,
// so that undoing back to it shows the tournament saved again.
class UndoHistory {
public:
    static constexpr int DefaultCapacity = 100;
    explicit UndoHistory(int capacity = DefaultCapacity);

    // Forgets every step: `state` (loaded, new, restored) is where the history starts, saved or not
    // as IsSaved says.
    void reset(TournamentState& state);

    // Records one step when the tournament changed since the last one (nothing while a grouped
    // step is open). A change that wrote the same bytes is no step; the tournament then shows
    // saved when it equals the saved file. Returns true when a step was recorded.
    bool recordIfChanged(TournamentState& state);

    // Several changes as one step: everything between begin and the matching end is one step
    // named `label`. Groups nest; the outermost label counts. Changes made before begin that are
    // not recorded yet stay a step of their own. See also UndoStepScope.
    void beginStep(TournamentState& state, const QString& label);
    void endStep(TournamentState& state);

    // The tournament was just saved as it is now.
    void markSaved(TournamentState& state);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    QString undoLabel() const;
    QString redoLabel() const;
    // Take the tournament one step back or forth; false when there is none or it cannot be read.
    bool undo(TournamentState& state);
    bool redo(TournamentState& state);

    int undoCount() const { return int(m_undo.size()); }
    int redoCount() const { return int(m_redo.size()); }
    // Bytes held by the kept steps and the current tournament.
    qsizetype memoryBytes() const;

private:
    struct Step {
        QString label;
        QByteArray compressed;
    };
    bool restore(TournamentState& state, std::vector<Step>& from, std::vector<Step>& to);

    int m_capacity;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    QByteArray m_current; // the file of the tournament as the last step left it
    quint64 m_recordedRevision = 0;
    // How many undo steps stand between the saved file and the start; none when it cannot be
    // reached any more.
    std::optional<int> m_savedAt;
    bool m_lastStepTyping = false;
    int m_openSteps = 0;
    QString m_openLabel;
};

// Several changes as one undo step for as long as the scope lives:
//   UndoStepScope step(history, state, QStringLiteral("Turnier-Assistent"));
class UndoStepScope {
public:
    UndoStepScope(UndoHistory& history, TournamentState& state, const QString& label);
    ~UndoStepScope();
    UndoStepScope(const UndoStepScope&) = delete;
    UndoStepScope& operator=(const UndoStepScope&) = delete;

private:
    UndoHistory& m_history;
    TournamentState& m_state;
};
