#pragma once

#include <QList>
#include <QString>

class Prompter;
struct TournamentState;

// The pool of team names: the schedule window's list (state.NameList) and the table behind it
// (state.NamePool, NamePoolCount) hold the same names in the same order. Every operation here
// leaves them so; the list's marks (its selection) stay with the window, which asks
// MarkUsedNames for them after each change.

inline constexpr int NoPoolIndex = -1;

struct AddPoolNameResult {
    bool Added = false;
    // 0-based list item to scroll to: the new name, or the equal name that refused it; -1 when
    // the pool was full.
    int Item = NoPoolIndex;
    bool Cut = false; // the name was longer than 40 characters
};

// Adds a name with its e-mail address, both cut to 40 characters; a one-character name gets a
// blank appended. An exactly equal name (case counts) is refused with the duplicate message, a
// full pool with a notice, and a name that had to be cut is added with a notice saying so.
// `sorted`: the list is kept in alphabetical order.
AddPoolNameResult AddPoolName(TournamentState& state, const QString& name, const QString& email, bool sorted,
                              Prompter& prompter);
// The same without any notice, for callers that report many names at once.
AddPoolNameResult AddPoolNameSilently(TournamentState& state, const QString& name, const QString& email,
                                      bool sorted);

// The name and e-mail address the input fields get after a removal: the last removed name, so
// it can be corrected and added again.
struct RemovedPoolName {
    QString Name;
    QString Email;
};

// Removes the marked items (0-based, any order; invalid ones are passed over).
RemovedPoolName DeleteMarkedNames(TournamentState& state, const QList<int>& markedItems);

// Moves list item `from` to the place of item `to`; a `to` outside the list moves it to the end.
// Returns the item that becomes current, or -1 when `from` names no item.
int MovePoolName(TournamentState& state, int from, int to);

// Sorts the list alphabetically, not case-sensitively; names keep their e-mail address and marker.
void SortPoolNames(TournamentState& state);

// Brings the table into the list's order: each list item takes the first table entry of its name
// (name, e-mail address and marker); entries whose name left the list are dropped.
void SyncPoolToList(TournamentState& state);

// One flag per list item: true when the name stands in some position of the plan.
QList<bool> MarkUsedNames(const TournamentState& state);

// The notices of the pool.
namespace PoolText {
inline const QString DuplicateCaption = QStringLiteral("Fehler");
inline const QString Duplicate =
    QStringLiteral("dieser Name ist schon vorhanden ! Einsetzen nicht möglich. ");
inline const QString Full = QStringLiteral("Die Namensliste ist voll: sie fasst höchstens 200 Namen.");
inline const QString CutCaption = QStringLiteral("Benutzer-Info");
inline QString Cut(const QString& cutName)
{
    return QStringLiteral("Der Name ist länger als 40 Zeichen und wurde gekürzt: \"%1\"").arg(cutName);
}
} // namespace PoolText
