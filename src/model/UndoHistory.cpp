#include "model/UndoHistory.h"

#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"

namespace {
const QString UnnamedStep = QStringLiteral("Änderung");
// The fastest level: the files are text and shrink to a tenth even so.
constexpr int CompressionLevel = 1;
} // namespace

UndoHistory::UndoHistory(int capacity) : m_capacity(std::max(capacity, 1)) {}

void UndoHistory::reset(TournamentState& state)
{
    m_undo.clear();
    m_redo.clear();
    m_current = WriteTournamentFile(state);
    m_recordedRevision = state.Revision;
    state.ChangeLabel.clear();
    m_savedAt = state.IsSaved ? std::optional<int>(0) : std::nullopt;
    m_lastStepTyping = false;
}

bool UndoHistory::recordIfChanged(TournamentState& state)
{
    if (m_openSteps > 0 || state.Revision == m_recordedRevision)
        return false;
    m_recordedRevision = state.Revision;
    const QString label = state.ChangeLabel.isEmpty() ? UnnamedStep : state.ChangeLabel;
    const bool typing = state.ChangeIsTyping;
    state.ChangeLabel.clear();
    state.ChangeIsTyping = false;
    QByteArray bytes = WriteTournamentFile(state);
    if (bytes == m_current) {
        if (m_savedAt == undoCount())
            state.IsSaved = true;
        return false;
    }
    // A text typed letter by letter is one step, as long as nothing came between its letters.
    const bool joinsLastStep = typing && m_lastStepTyping && m_redo.empty() && !m_undo.empty() &&
                               m_undo.back().label == label && m_savedAt != undoCount();
    m_lastStepTyping = typing;
    if (joinsLastStep) {
        m_current = std::move(bytes);
        state.IsSaved = false;
        return false;
    }
    // The saved file was among the steps undone: no undo reaches it any more.
    if (m_savedAt && *m_savedAt > undoCount())
        m_savedAt.reset();
    m_redo.clear();
    m_undo.push_back({label, qCompress(m_current, CompressionLevel)});
    m_current = std::move(bytes);
    if (undoCount() > m_capacity) {
        m_undo.erase(m_undo.begin());
        if (m_savedAt && --*m_savedAt < 0)
            m_savedAt.reset();
    }
    state.IsSaved = false;
    return true;
}

void UndoHistory::beginStep(TournamentState& state, const QString& label)
{
    if (m_openSteps == 0) {
        recordIfChanged(state);
        m_openLabel = label;
    }
    ++m_openSteps;
}

void UndoHistory::endStep(TournamentState& state)
{
    if (m_openSteps == 0 || --m_openSteps > 0)
        return;
    state.ChangeLabel = m_openLabel;
    m_openLabel.clear();
    recordIfChanged(state);
}

void UndoHistory::markSaved(TournamentState& state)
{
    recordIfChanged(state);
    m_savedAt = undoCount();
    m_lastStepTyping = false;
    state.IsSaved = true;
}

QString UndoHistory::undoLabel() const
{
    return m_undo.empty() ? QString() : m_undo.back().label;
}

QString UndoHistory::redoLabel() const
{
    return m_redo.empty() ? QString() : m_redo.back().label;
}

bool UndoHistory::undo(TournamentState& state)
{
    recordIfChanged(state);
    return m_openSteps == 0 && restore(state, m_undo, m_redo);
}

bool UndoHistory::redo(TournamentState& state)
{
    recordIfChanged(state);
    return m_openSteps == 0 && restore(state, m_redo, m_undo);
}

bool UndoHistory::restore(TournamentState& state, std::vector<Step>& from, std::vector<Step>& to)
{
    if (from.empty())
        return false;
    QByteArray bytes = qUncompress(from.back().compressed);
    std::unique_ptr<TournamentState> restored = ReadTournamentCopy(state, bytes);
    if (!restored)
        return false;
    // The round on show stays where it can.
    if (state.CurrentRound >= 1 && state.CurrentRound <= restored->RoundCount)
        restored->CurrentRound = state.CurrentRound;
    to.push_back({from.back().label, qCompress(m_current, CompressionLevel)});
    from.pop_back();
    m_current = std::move(bytes);
    m_lastStepTyping = false;
    // A change like any other for the recovery copy, but no new step.
    ++restored->Revision;
    restored->ChangeLabel.clear();
    state = std::move(*restored);
    m_recordedRevision = state.Revision;
    state.IsSaved = m_savedAt == undoCount();
    return true;
}

qsizetype UndoHistory::memoryBytes() const
{
    qsizetype total = m_current.size();
    for (const auto* steps : {&m_undo, &m_redo}) {
        for (const Step& step : *steps)
            total += step.compressed.size() + step.label.size() * qsizetype(sizeof(QChar));
    }
    return total;
}

UndoStepScope::UndoStepScope(UndoHistory& history, TournamentState& state, const QString& label)
    : m_history(history), m_state(state)
{
    m_history.beginStep(m_state, label);
}

UndoStepScope::~UndoStepScope()
{
    m_history.endStep(m_state);
}
