#include "net/ResultInbox.h"

#include "live/RefereeEntry.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "results/ResultApply.h"
#include "results/ResultEntry.h"
#include "results/ResultTable.h"

namespace {
const QString InfoCaption = QStringLiteral("Info");

GameResult EntryResult(const IncomingResult& entry)
{
    return ResultOfEntry(entry.Group, entry.Game, ParseScoreEntry(entry.Sets, entry.Goals));
}

const GameResult* StoredResultOf(const TournamentState& state, int group, int game)
{
    const int index = FindResult(state, group, game);
    return index == 0 ? nullptr : &state.ResultTable[std::size_t(index)];
}
} // namespace

ResultInbox::ResultInbox(StateReader state, Prompter& prompter, QObject* parent)
    : QObject(parent), m_state(std::move(state)), m_prompter(prompter)
{
}

QString ResultInbox::storedResult(int group, int game) const
{
    const TournamentState* state = m_state();
    const GameResult* stored = state ? StoredResultOf(*state, group, game) : nullptr;
    return stored ? ResultText(*stored) : QString();
}

bool ResultInbox::conflicts(const IncomingResult& entry) const
{
    const TournamentState* state = m_state();
    const GameResult* stored = state ? StoredResultOf(*state, entry.Group, entry.Game) : nullptr;
    return stored && *stored != EntryResult(entry);
}

QString ResultInbox::describe(const IncomingResult& entry) const
{
    return QStringLiteral("Platz %1, Gruppe %2, Spiel %3: %4")
        .arg(entry.Field)
        .arg(entry.Group)
        .arg(entry.Game)
        .arg(ResultText(EntryResult(entry)));
}

bool ResultInbox::mayStoreByItself(const IncomingResult& entry) const
{
    const TournamentState* state = m_state();
    // A completed group asks what becomes of the groups it fed: that is for the desk.
    return m_automatic && state && !state->GroupCompleted[std::size_t(entry.Group)] && !conflicts(entry) &&
           (!m_mayStoreNow || m_mayStoreNow());
}

ResultInbox::Receipt ResultInbox::receive(int field, int group, int game, const RefereeScore& score,
                                          const QDateTime& received)
{
    Receipt receipt;
    IncomingResult entry{0,          field,       group,    game,
                         score.Sets, score.Goals, received, IncomingResult::Status::Waiting};
    receipt.Stored = storedResult(group, game);
    if (!receipt.Stored.isEmpty() && !conflicts(entry)) {
        receipt.Outcome = Verdict::AlreadyStored;
        emit logged(describe(entry) + QStringLiteral(" – ist schon eingetragen"));
        return receipt;
    }
    const bool conflict = !receipt.Stored.isEmpty();
    if (conflict && !m_conflictsWait) {
        receipt.Outcome = Verdict::Conflict;
        emit logged(describe(entry) + QStringLiteral(" – abgelehnt, eingetragen ist ") + receipt.Stored);
        return receipt;
    }
    if (IncomingResult* earlier = m_results.waitingFor(group, game)) {
        earlier->State = IncomingResult::Status::Replaced;
        receipt.Replaced = true;
    }
    receipt.Number = m_results.add(entry);
    IncomingResult& added = *m_results.find(receipt.Number);
    if (conflict) {
        receipt.Outcome = Verdict::Conflict;
        emit logged(describe(added) + QStringLiteral(" – Konflikt, eingetragen ist ") + receipt.Stored);
    } else if (mayStoreByItself(added) && store(added)) {
        receipt.Outcome = Verdict::Applied;
    } else {
        emit logged(describe(added) + QStringLiteral(" – wartet auf den Turniertisch"));
    }
    emit changed();
    return receipt;
}

bool ResultInbox::store(IncomingResult& entry)
{
    TournamentState* state = m_state();
    if (!state)
        return false;
    const IncomingResult copy = entry; // storing may let the desk's list change under it
    if (!StoreGameResult(*state, EntryResult(copy), m_prompter).Stored)
        return false;
    if (IncomingResult* stored = m_results.find(copy.Number))
        stored->State = IncomingResult::Status::Accepted;
    emit logged(describe(copy) + QStringLiteral(" – übernommen"));
    emit resultStored(copy.Group);
    return true;
}

bool ResultInbox::accept(int number)
{
    IncomingResult* entry = m_results.find(number);
    TournamentState* state = m_state();
    if (!entry || entry->State != IncomingResult::Status::Waiting || !state)
        return false;
    const QString before = storedResult(entry->Group, entry->Game);
    if (!before.isEmpty() && !conflicts(*entry)) {
        entry->State = IncomingResult::Status::Accepted; // the desk entered the same already
        emit changed();
        return true;
    }
    const QString text = ResultText(EntryResult(*entry));
    if (!before.isEmpty() &&
        m_prompter.askYesNo(InfoCaption, QStringLiteral("Für Gruppe %1, Spiel %2 ist schon %3 eingetragen. "
                                                        "Durch %4 vom Platz %5 ersetzen?")
                                             .arg(entry->Group)
                                             .arg(entry->Game)
                                             .arg(before, text)
                                             .arg(entry->Field)) != Prompter::Answer::Yes)
        return false;
    if (state->GroupCompleted[std::size_t(entry->Group)]) {
        const Prompter::Answer answer = m_prompter.askYesNoCancel(InfoCaption, CompletedGroupQuestion());
        if (answer == Prompter::Answer::Cancel)
            return false;
        if (answer == Prompter::Answer::Yes)
            ClearFedGroupResults(*state, entry->Group);
    }
    const bool taken = store(*entry);
    emit changed();
    return taken;
}

void ResultInbox::reject(int number)
{
    IncomingResult* entry = m_results.find(number);
    if (!entry || entry->State != IncomingResult::Status::Waiting)
        return;
    entry->State = IncomingResult::Status::Rejected;
    emit logged(describe(*entry) + QStringLiteral(" – abgelehnt"));
    emit changed();
}

void ResultInbox::acceptWaitingWithoutConflict()
{
    std::vector<int> numbers;
    for (const IncomingResult& entry : m_results.Entries)
        if (entry.State == IncomingResult::Status::Waiting && mayStoreByItself(entry))
            numbers.push_back(entry.Number);
    bool any = false;
    for (const int number : numbers)
        if (IncomingResult* entry = m_results.find(number); entry && mayStoreByItself(*entry))
            any = store(*entry) || any;
    if (any)
        emit changed();
}

void ResultInbox::setAutomatic(bool automatic)
{
    m_automatic = automatic;
    if (automatic)
        acceptWaitingWithoutConflict();
}

void ResultInbox::restore(const IncomingResults& results)
{
    m_results = results;
    emit changed();
}
