#pragma once

#include "assistant/TournamentBlueprint.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

class Prompter;
struct TournamentState;

// What the organiser answers first: the frame of the day.
struct AssistantInput {
    int Teams = 16;
    int Fields = 2;
    int GameLength = 10; // minutes of play
    int BreakLength = 2; // minutes between two games on a field
    QString StartTime = QStringLiteral("9:00");
    QString LatestEnd; // empty: no limit
};

// The input's fault as a message for the organiser, or empty when it can be planned.
QString AssistantInputFault(const AssistantInput& input);

// A structure with what it costs, computed by planning it as the time plan would.
struct StructureProposal {
    TournamentBlueprint Blueprint;
    int Games = 0;
    int Rounds = 0;
    QString EndTime;        // the end of the last game
    int EndMinutes = 0;     // the same, in minutes from midnight of the first day
    bool EndsInTime = true; // not after the latest end
    int MinGamesPerTeam = 0;
    int MaxGamesPerTeam = 0;
};

// Every structure that fits the teams and the tables of the allocation, in the order of
// BuildBlueprints. `current` gives the pairing table and the settings the plan is made with.
std::vector<StructureProposal> ProposeStructures(const AssistantInput& input, const TournamentState& current);

// One team as the assistant places it.
struct TeamEntry {
    QString Name;
    QString Email;
};

enum class NameOrder {
    InOrder, // group A takes the first names, then group B, ...
    Seeded,  // the first names one per group, then the next ones, ... ("Topf")
    Random,  // shuffled with a seed that is shown, so a draw can be repeated
};

// Replaces the tournament by the blueprint: rounds, fields, game length (play and break),
// start time, groups with their names and all referrals, made by the operations the dialogs
// use; the teams go into the first round's positions in the chosen order and become the name
// pool. The tournament name and the settings stay. One call, so it can be taken back as one.
void ApplyBlueprint(TournamentState& state, const TournamentBlueprint& blueprint, const AssistantInput& input,
                    const QList<TeamEntry>& teams, NameOrder order, quint32 seed, Prompter& prompter);

// The order in which the first round's positions take the teams: index i of the result is the
// index into `teams` for the i-th position (group by group, position by position).
QList<int> DistributionOrder(const QList<int>& groupSizes, NameOrder order, quint32 seed);

// Team names from text: one a line, optionally "; e-mail" (a tab or a comma works too); empty
// lines are left out. The bytes may be UTF-8 or Windows-1252, as with the pool's import.
QList<TeamEntry> TeamEntriesFromText(const QString& text);
QList<TeamEntry> TeamEntriesFromBytes(const QByteArray& bytes);
// The names of the pool, in its order.
QList<TeamEntry> TeamEntriesFromPool(const TournamentState& state);

// One line for a proposal: "120 Spiele, 3 Runden, Ende 16:40, 4–6 Spiele je Mannschaft", with
// a note when it ends after the latest end or leaves places undecided.
QString ProposalFigures(const StructureProposal& proposal);
