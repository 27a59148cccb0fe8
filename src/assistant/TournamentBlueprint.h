#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The kinds of tournament the assistant proposes.
enum class StructureKind {
    OneGroup,                    // everybody plays everybody once
    OneGroupReturnLeg,           // ... and a second time
    GroupsThenFinal,             // groups, the winners play a final round
    GroupsThenKnockout,          // groups, a knockout tree of single games with a third-place game
    GroupsThenKnockoutAllPlaces, // ... and placement games for every place
    GroupsThenPlacementGroups,   // groups, then all firsts, all seconds, ... play for their places
};

// One group as it will be created; groups stand in round order, so the n-th of the list gets
// the group number n.
struct PlannedGroup {
    int Round = 1;
    QString Name;
    int Teams = 0;
    bool ReturnLeg = false;
};

// Whoever finishes FromPlace in group FromGroup plays in position ToSlot of group ToGroup.
struct PlannedReferral {
    int FromGroup = 0;
    int FromPlace = 0;
    int ToGroup = 0;
    int ToSlot = 0;
};

// A place of a group that is a final place of the tournament.
struct DecidedPlace {
    int Group = 0;
    int Place = 0;
    int OverallPlace = 0;
};

// A tournament described before it exists: its rounds, groups, referrals and which group places
// are the final places.
struct TournamentBlueprint {
    StructureKind Kind = StructureKind::OneGroup;
    QString Title;
    int Teams = 0;
    QStringList RoundNames; // one per round
    QList<PlannedGroup> Groups;
    QList<PlannedReferral> Referrals;
    QList<DecidedPlace> Places;

    int RoundCount() const { return int(RoundNames.size()); }
    int GameCount() const;
    // True when every place 1..Teams is decided by some group place.
    bool DecidesAllPlaces() const { return Places.size() == Teams; }
    // The fewest and the most games one team can play on its way through the tournament.
    int MinGamesPerTeam() const;
    int MaxGamesPerTeam() const;
    // Renames round `round` (1-based) and every group whose name starts with its old name.
    void RenameRound(int round, const QString& name);
};

// Every structure that can be built for this many teams (2..200), within the limits of a
// tournament (rounds, groups, positions). Only the kinds the numbers allow are there.
std::vector<TournamentBlueprint> BuildBlueprints(int teams);

// The sizes of `groups` groups that share `teams` teams as evenly as possible, larger first.
QList<int> EvenGroupSizes(int teams, int groups);
