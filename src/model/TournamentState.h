#pragma once

#include "model/Limits.h"
#include "model/TextGrid.h"
#include "model/TournamentSettings.h"
#include "structure/PairingTable.h"

#include <QString>
#include <QStringList>

#include <array>

// One referral entry: ReferralTable[i][j] says who is sent into position j of group i
// (FromGroup, FromPlace) and where whoever finishes j-th in group i is sent (ToGroup, ToSlot).
struct Referral {
    int FromGroup = 0;
    int FromPlace = 0;
    int ToGroup = 0;
    int ToSlot = 0;

    bool isUsed() const { return FromGroup != 0 || FromPlace != 0 || ToGroup != 0 || ToSlot != 0; }
    bool operator==(const Referral&) const = default;
};

// One stored result; "x" as ScoreText marks a cancelled game.
struct GameResult {
    int Group = 0;
    int Game = 0;
    QString ScoreText;
    int SetsFirst = 0;
    int SetsSecond = 0;
    int GoalsFirst = 0;
    int GoalsSecond = 0;

    bool operator==(const GameResult&) const = default;
};

// One team name of the pool; each text keeps at most 40 characters.
struct NamePoolEntry {
    QString Name;
    QString Email;
    QString Marker; // "1" ticked for e-mail dispatch, "0" otherwise

    bool operator==(const NamePoolEntry&) const = default;
};

// The one tournament held in memory: fixed-capacity tables indexed from 1 (index 0 unused
// unless said otherwise). It is large, so create it on the heap (std::make_unique).
struct TournamentState {
    template <typename T, int Last> using Table = std::array<T, std::size_t(Last) + 1>;

    QString TournamentName = QStringLiteral("Korvane");

    // Rounds
    int RoundCount = 1;
    int CurrentRound = 1;
    Table<int, Limits::MaxRounds> GroupsInRound{};
    Table<int, Limits::MaxRounds> FieldsInRound{};
    Table<int, Limits::MaxRounds> GameLengthInRound{};
    Table<bool, Limits::MaxRounds> OneFieldPerGroup{};

    // Groups, numbered globally across the rounds in round order
    Table<int, Limits::MaxGroups> TeamsInGroup{};
    Table<bool, Limits::MaxGroups> ReturnLeg{};
    Table<std::array<QString, Limits::NameSlots>, Limits::MaxGroups> NameTable; // slot 0: group name
    Table<bool, Limits::MaxGroupFlags> GroupCompleted{};
    Table<bool, Limits::MaxGroupFlags> GroupHasResults{}; // index 0 exists too

    // Referrals, both indices 0..200
    Table<Table<Referral, Limits::MaxReferralIndex>, Limits::MaxReferralIndex> ReferralTable{};

    // Results, the first ResultCount in (group, game) order
    Table<GameResult, Limits::MaxResults> ResultTable;
    int ResultCount = 0;

    // Name pool; NameList is the pool list of the schedule window
    Table<NamePoolEntry, Limits::MaxPoolEntries> NamePool;
    int NamePoolCount = 0;
    QStringList NameList;

    // Time frame
    bool TimeAnchorIsStart = true;
    QString StartTime = QStringLiteral("00:00");
    QString EndTime;
    int DefaultGameLength = 10;
    QStringList PauseList;

    // Field plan: the primary grid holds the texts, its tag grid the secondary texts
    TextGrid FieldPlan;
    // The schedule grid with its row tags, and the main window's list of teams
    TextGrid ScheduleGrid;
    QStringList TeamList;

    TournamentSettings Settings;

    // Run-time state, never saved
    bool IsSaved = true;
    // Counts the changes (MarkChanged); ChangeLabel names the first one since the last undo step.
    quint64 Revision = 0;
    QString ChangeLabel;
    bool ChangeIsTyping = false; // typed letter by letter: the steps of one text join into one
    QString WorkDir;
    bool AutoLoadPending = false;
    bool HelpTextPending = false;
    bool StartingUp = false;
    bool JustLoaded = false;
    QString SetsWord;
    bool NewRoundPending = false;
    int SelectedGroupInRound = 0;
    QString RememberedFileName; // shared by the load and save dialogs

    // Schedule window: the cell of the last mouse-down and the parts of the last parsed row tag
    int SelectedCol = 0;
    int SelectedRow = 0;
    QString SelectedTagKind;
    int SelectedGroup = 0;
    int SelectedNumber = 0;
    // A referral chosen by its first double-click, waiting for its target
    bool ReferralPending = false;
    int ReferralSourceGroup = 0;
    int ReferralSourcePlace = 0;
    bool TablesToGrid = false;    // standings write their rows into the schedule grid
    bool TimePlanCurrent = false; // the time plan was computed after the last render
    // RankedPosition[g][p]: the position standing on place p of group g after the last standings
    Table<std::array<int, Limits::NameSlots>, Limits::MaxGroups> RankedPosition{};

    // The pairing table belongs to the program, not to a tournament: no reset or load touches it.
    PairingTable Pairings;

    bool operator==(const TournamentState&) const = default;
};

// Empties the tournament. Leaves the tournament name, the settings, the time frame texts,
// the default game length, the working directory and the pairing table as they are.
void ResetTournament(TournamentState& state);

// A change of the tournament: it is unsaved, counted, and named for undo ("Ergebnis 3:1 Gruppe A").
void MarkChanged(TournamentState& state, const QString& label);
// The group's name as a step names it; "Gruppe <n>" when it has none.
QString GroupLabel(const TournamentState& state, int group);

// The first tournament of a fresh start: one round, "Gruppe 1" of 4 teams, 1 field, 10 minutes.
void SetUpDefaultTournament(TournamentState& state);

int TotalGroups(const TournamentState& state);
int FirstGroupOfRound(const TournamentState& state, int round);
int LastGroupOfRound(const TournamentState& state, int round);
// The round that owns global group number g; 0 when no round does.
int RoundOfGroup(const TournamentState& state, int group);
// n(n-1)/2 games for n positions, doubled with a return leg.
int GroupGameCount(const TournamentState& state, int group);
// Sum of GroupGameCount over every group of rounds 1..RoundCount.
int TotalGameCount(const TournamentState& state);
// True when index g may be used with the per-group tables (1..100).
inline bool IsGroupIndex(int group)
{
    return group >= 1 && group <= Limits::MaxGroups;
}
inline bool IsRoundIndex(int round)
{
    return round >= 1 && round <= Limits::MaxRounds;
}
