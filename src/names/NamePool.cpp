#include "names/NamePool.h"

#include "model/Prompter.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"

#include <algorithm>

namespace {
bool alphabeticallyBefore(const QString& left, const QString& right)
{
    return QString::compare(left, right, Qt::CaseInsensitive) < 0;
}

// The place a name takes in a sorted list: after every name that sorts before or equal to it.
int sortedPlace(const QStringList& list, const QString& name)
{
    const auto place = std::upper_bound(list.begin(), list.end(), name, alphabeticallyBefore);
    return int(place - list.begin());
}

void finishListChange(TournamentState& state)
{
    MarkChanged(state, QStringLiteral("Namenspool geändert"));
    state.NamePoolCount = int(state.NameList.size());
    SyncPoolToList(state);
}
} // namespace

AddPoolNameResult AddPoolNameSilently(TournamentState& state, const QString& name, const QString& email,
                                      bool sorted)
{
    QString newName = CutText(name, Limits::PoolTextLength);
    // A name of one character would show as missing in the plan.
    if (newName.size() == 1)
        newName += u' ';
    AddPoolNameResult result;
    result.Cut = newName.size() < name.size();
    const qsizetype equal = state.NameList.lastIndexOf(newName);
    if (equal >= 0) {
        result.Item = int(equal);
        return result;
    }
    if (state.NameList.size() >= Limits::MaxPoolEntries)
        return result;
    result.Item = sorted ? sortedPlace(state.NameList, newName) : int(state.NameList.size());
    state.NameList.insert(result.Item, newName);
    // The table takes it at its end; the sync below brings it to its list place.
    const int entry = int(state.NameList.size());
    state.NamePool[entry] =
        NamePoolEntry{newName, CutText(email, Limits::PoolTextLength), QStringLiteral("0")};
    result.Added = true;
    MarkChanged(state, QStringLiteral("%1 in den Namenspool").arg(newName));
    finishListChange(state);
    return result;
}

AddPoolNameResult AddPoolName(TournamentState& state, const QString& name, const QString& email, bool sorted,
                              Prompter& prompter)
{
    const AddPoolNameResult result = AddPoolNameSilently(state, name, email, sorted);
    if (result.Added && result.Cut)
        prompter.inform(PoolText::CutCaption, PoolText::Cut(CutText(name, Limits::PoolTextLength)));
    else if (!result.Added)
        prompter.inform(PoolText::DuplicateCaption,
                        result.Item == NoPoolIndex ? PoolText::Full : PoolText::Duplicate);
    return result;
}

RemovedPoolName DeleteMarkedNames(TournamentState& state, const QList<int>& markedItems)
{
    QList<int> items = markedItems;
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    RemovedPoolName removed;
    bool removedAny = false;
    // From the last item up, so the indexes of the items still to go stay valid; the input
    // fields get the name that stood lowest in the list, the last one removed walking down.
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        if (*item < 0 || *item >= state.NameList.size())
            continue;
        if (!removedAny)
            removed.Name = state.NameList[*item];
        removedAny = true;
        state.NameList.removeAt(*item);
    }
    for (int entry = 1; entry <= Limits::MaxPoolEntries && removedAny; ++entry) {
        if (state.NamePool[entry].Name == removed.Name) {
            removed.Email = state.NamePool[entry].Email;
            break;
        }
    }
    MarkChanged(state, QStringLiteral("%1 aus dem Namenspool gelöscht").arg(removed.Name));
    finishListChange(state);
    return removed;
}

int MovePoolName(TournamentState& state, int from, int to)
{
    const int count = int(state.NameList.size());
    if (from < 0 || from >= count)
        return NoPoolIndex;
    if (to < 0 || to >= count)
        to = count - 1;
    state.NameList.move(from, to);
    finishListChange(state);
    return to;
}

void SortPoolNames(TournamentState& state)
{
    std::stable_sort(state.NameList.begin(), state.NameList.end(), alphabeticallyBefore);
    finishListChange(state);
}

void SyncPoolToList(TournamentState& state)
{
    TournamentState::Table<NamePoolEntry, Limits::MaxPoolEntries> ordered;
    const int count = std::min(int(state.NameList.size()), Limits::MaxPoolEntries);
    for (int item = 0; item < count; ++item) {
        const QString& name = state.NameList[item];
        const auto first = std::find_if(state.NamePool.begin() + 1, state.NamePool.end(),
                                        [&name](const NamePoolEntry& entry) { return entry.Name == name; });
        // A name that came into the list without an entry (an old file) keeps its name.
        ordered[item + 1] =
            first != state.NamePool.end() ? *first : NamePoolEntry{name, QString(), QStringLiteral("0")};
    }
    state.NamePool = ordered;
    state.NamePoolCount = count;
}

QList<bool> MarkUsedNames(const TournamentState& state)
{
    QList<bool> marks(state.NameList.size(), false);
    const int rounds = std::clamp(state.RoundCount, 0, Limits::MaxRounds);
    for (int round = 1; round <= rounds; ++round) {
        const int last = std::min(LastGroupOfRound(state, round), Limits::MaxGroups);
        for (int group = std::max(FirstGroupOfRound(state, round), 1); group <= last; ++group) {
            const int positions = std::clamp(state.TeamsInGroup[group], 0, Limits::NameSlots - 1);
            for (int position = 1; position <= positions; ++position) {
                const QString& name = state.NameTable[group][position];
                for (int item = 0; item < marks.size(); ++item)
                    if (state.NameList[item] == name)
                        marks[item] = true;
            }
        }
    }
    return marks;
}
