#include "assistant/TournamentBlueprint.h"

#include "model/Limits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace {
constexpr int SmallestGroup = 3;
constexpr int LargestGroup = 6;
constexpr int PreferredGroupSize = 4;
// Placement groups of more teams than this take too long to be offered.
constexpr int LargestPlacementGroup = 8;
// Up to this many play their places in a group; more, when a power of two, in a tree.
constexpr int SmallPlacementGroup = 4;

QString GroupLetterName(int index, int count)
{
    if (count <= 26)
        return QStringLiteral("Gruppe ") + QChar(u'A' + index);
    return QStringLiteral("Gruppe %1").arg(index + 1);
}

QString PlacesName(int first, int count)
{
    return QStringLiteral("Platz %1–%2").arg(first).arg(first + count - 1);
}

// The name of a knockout stage of the main tree by its number of games.
QString StageName(int games)
{
    switch (games) {
    case 1:
        return QStringLiteral("Finale");
    case 2:
        return QStringLiteral("Halbfinale");
    case 4:
        return QStringLiteral("Viertelfinale");
    case 8:
        return QStringLiteral("Achtelfinale");
    case 16:
        return QStringLiteral("Sechzehntelfinale");
    default:
        return QStringLiteral("Runde der %1").arg(2 * games);
    }
}

bool IsPowerOfTwo(int value)
{
    return value > 0 && (value & (value - 1)) == 0;
}

// The numbers of groups of 3..`largestGroup` teams that `allowed` accepts, those whose size lies
// nearest to 4 first (fewer groups first on a tie).
QList<int> GroupCountsNearFour(int teams, const std::function<bool(int)>& allowed,
                               int largestGroup = LargestGroup)
{
    QList<int> counts;
    for (int groups = 2; groups <= teams / SmallestGroup; ++groups) {
        const int largest = (teams + groups - 1) / groups;
        if (largest <= largestGroup && teams / groups >= SmallestGroup && allowed(groups))
            counts.append(groups);
    }
    const auto distance = [teams](int groups) {
        return std::abs(double(teams) / groups - PreferredGroupSize);
    };
    std::stable_sort(counts.begin(), counts.end(), [&](int a, int b) { return distance(a) < distance(b); });
    return counts;
}

class BlueprintBuilder {
public:
    BlueprintBuilder(StructureKind kind, const QString& title, int teams)
    {
        m_plan.Kind = kind;
        m_plan.Title = title;
        m_plan.Teams = teams;
    }

    int addRound(const QString& name)
    {
        m_plan.RoundNames.append(name);
        return m_plan.RoundCount();
    }
    int addGroup(const QString& name, int teams, bool returnLeg = false)
    {
        m_plan.Groups.append({m_plan.RoundCount(), name, teams, returnLeg});
        return int(m_plan.Groups.size());
    }
    void refer(int fromGroup, int fromPlace, int toGroup, int toSlot)
    {
        m_plan.Referrals.append({fromGroup, fromPlace, toGroup, toSlot});
    }
    void decide(int group, int place, int overall) { m_plan.Places.append({group, place, overall}); }

    // The first round: `count` groups sharing the teams evenly. Returns the group numbers.
    QList<int> addGroupStage(int count)
    {
        addRound(QStringLiteral("Vorrunde"));
        QList<int> numbers;
        const QList<int> sizes = EvenGroupSizes(m_plan.Teams, count);
        for (int index = 0; index < count; ++index)
            numbers.append(addGroup(GroupLetterName(index, count), sizes.at(index)));
        return numbers;
    }
    int teamsOf(int group) const { return m_plan.Groups.at(group - 1).Teams; }

    // Those who finished on `place` in the `sources` groups play for the places from `overall`
    // on, in a group of the last round; a place that only one group has is final as it is.
    void addPlacementGroup(int place, const QList<int>& sources, int overall)
    {
        if (sources.size() == 1) {
            decide(sources.first(), place, overall);
            return;
        }
        const QString name = sources.size() == 2 ? QStringLiteral("Spiel um Platz %1").arg(overall)
                                                 : PlacesName(overall, int(sources.size()));
        const int target = addGroup(name, int(sources.size()));
        for (int slot = 1; slot <= sources.size(); ++slot) {
            refer(sources.at(slot - 1), place, target, slot);
            decide(target, slot, overall + slot - 1);
        }
    }

    TournamentBlueprint take() { return std::move(m_plan); }

private:
    TournamentBlueprint m_plan;
};

// Whoever a knockout game needs: a group place of the round before.
struct Entrant {
    int Group = 0;
    int Place = 0;
};

// A part of the knockout tree: the teams playing for places First..First+Size-1.
struct Segment {
    int First = 1;
    int Size = 0;
    QList<Entrant> Entrants; // two per game, in the order of the games
};

QString SegmentGameName(const Segment& segment, int game)
{
    const int games = segment.Size / 2;
    QString name;
    if (segment.First == 1)
        name = StageName(games);
    else if (segment.Size == 2)
        return QStringLiteral("Spiel um Platz %1").arg(segment.First);
    else
        name = PlacesName(segment.First, segment.Size);
    return games > 1 ? name + QStringLiteral(" %1").arg(game) : name;
}

// The knockout tree of every segment, round by round, until each segment's last game. With
// allPlaces the losers of every game play on for the lower places, otherwise only those of the
// semi-finals, for third place. `firstRoundExtras` adds groups to the first knockout round.
void AddKnockoutTree(BlueprintBuilder& builder, QList<Segment> segments, bool allPlaces,
                     const std::function<void()>& firstRoundExtras)
{
    bool first = true;
    while (!segments.isEmpty()) {
        builder.addRound(StageName(segments.first().Size / 2));
        QList<Segment> next;
        for (const Segment& segment : segments) {
            const int games = segment.Size / 2;
            Segment winners{segment.First, games, {}};
            Segment losers{segment.First + games, games, {}};
            for (int game = 1; game <= games; ++game) {
                const int group = builder.addGroup(SegmentGameName(segment, game), 2);
                for (int slot = 1; slot <= 2; ++slot) {
                    const Entrant& from = segment.Entrants.at(2 * (game - 1) + slot - 1);
                    builder.refer(from.Group, from.Place, group, slot);
                }
                if (games == 1) {
                    builder.decide(group, 1, segment.First);
                    builder.decide(group, 2, segment.First + 1);
                    continue;
                }
                winners.Entrants.append({group, 1});
                losers.Entrants.append({group, 2});
            }
            if (games == 1)
                continue;
            next.append(winners);
            // The semi-finals' losers always play for third place.
            if (allPlaces || (segment.First == 1 && games == 2))
                next.append(losers);
        }
        if (first && firstRoundExtras)
            firstRoundExtras();
        first = false;
        segments = next;
    }
}

// For every place 1, 2, ... of the stage the groups that have it, in group order.
QList<QList<int>> GroupsByPlace(const BlueprintBuilder& builder, const QList<int>& stage)
{
    QList<QList<int>> places;
    for (int place = 1;; ++place) {
        QList<int> sources;
        for (int group : stage)
            if (builder.teamsOf(group) >= place)
                sources.append(group);
        if (sources.isEmpty())
            return places;
        places.append(sources);
    }
}

TournamentBlueprint OneGroupPlan(int teams, bool returnLeg)
{
    BlueprintBuilder builder(returnLeg ? StructureKind::OneGroupReturnLeg : StructureKind::OneGroup,
                             returnLeg ? QStringLiteral("eine Gruppe mit Rückrunde")
                                       : QStringLiteral("eine Gruppe, jeder gegen jeden"),
                             teams);
    builder.addRound(QStringLiteral("Runde 1"));
    const int group = builder.addGroup(QStringLiteral("Gruppe A"), teams, returnLeg);
    for (int place = 1; place <= teams; ++place)
        builder.decide(group, place, place);
    return builder.take();
}

TournamentBlueprint GroupsThenFinalPlan(int teams, int groups)
{
    BlueprintBuilder builder(StructureKind::GroupsThenFinal,
                             QStringLiteral("%1 Gruppen, dann Finalrunde der Gruppensieger").arg(groups),
                             teams);
    const QList<int> stage = builder.addGroupStage(groups);
    builder.addRound(QStringLiteral("Finalrunde"));
    const int final = builder.addGroup(QStringLiteral("Finalrunde"), groups);
    for (int slot = 1; slot <= groups; ++slot) {
        builder.refer(stage.at(slot - 1), 1, final, slot);
        builder.decide(final, slot, slot);
    }
    return builder.take();
}

TournamentBlueprint GroupsThenPlacementPlan(int teams, int groups)
{
    BlueprintBuilder builder(StructureKind::GroupsThenPlacementGroups,
                             QStringLiteral("%1 Gruppen, dann Platzierungsgruppen").arg(groups), teams);
    const QList<int> stage = builder.addGroupStage(groups);
    builder.addRound(QStringLiteral("Platzierungsrunde"));
    const QList<QList<int>> places = GroupsByPlace(builder, stage);
    int overall = 1;
    for (int place = 1; place <= places.size(); ++place) {
        builder.addPlacementGroup(place, places.at(place - 1), overall);
        overall += int(places.at(place - 1).size());
    }
    return builder.take();
}

// The first knockout games: with the two best of each group, the winner of one group meets the
// second of its neighbour, so teams of one group can meet again only in the final.
QList<Entrant> KnockoutEntrants(const QList<int>& stage, int placesPerGroup)
{
    QList<Entrant> entrants;
    if (placesPerGroup == 1) {
        for (int group : stage)
            entrants.append({group, 1});
        return entrants;
    }
    QList<Entrant> secondHalf;
    for (int index = 0; index + 1 < stage.size(); index += 2) {
        entrants += {{stage.at(index), 1}, {stage.at(index + 1), 2}};
        secondHalf += {{stage.at(index + 1), 1}, {stage.at(index), 2}};
    }
    return entrants + secondHalf;
}

TournamentBlueprint GroupsThenKnockoutPlan(int teams, int groups, bool allPlaces)
{
    // The tree takes one or two a group, at most half the field.
    const int placesPerGroup = 2 * groups <= teams / 2 ? 2 : 1;
    const int knockoutTeams = groups * placesPerGroup;
    const QString title =
        QStringLiteral("%1 Gruppen, dann %2 mit %3")
            .arg(groups)
            .arg(StageName(knockoutTeams / 2))
            .arg(allPlaces ? QStringLiteral("Platzierungsspielen") : QStringLiteral("Spiel um Platz 3"));
    BlueprintBuilder builder(allPlaces ? StructureKind::GroupsThenKnockoutAllPlaces
                                       : StructureKind::GroupsThenKnockout,
                             title, teams);
    const QList<int> stage = builder.addGroupStage(groups);
    QList<Segment> segments{{1, knockoutTeams, KnockoutEntrants(stage, placesPerGroup)}};
    // With placement games the lower places of the groups play on too: a few teams in a
    // placement group, a power of two of more in a tree of their own. Where neither fits, the
    // places from there on stay open.
    QList<std::pair<int, int>> placementGroups; // place of the stage, first overall place
    const QList<QList<int>> places = GroupsByPlace(builder, stage);
    for (int place = placesPerGroup + 1, overall = knockoutTeams + 1; allPlaces && place <= places.size();
         ++place) {
        const QList<int>& sources = places.at(place - 1);
        const int count = int(sources.size());
        if (count <= SmallPlacementGroup || (count <= LargestPlacementGroup && !IsPowerOfTwo(count))) {
            placementGroups.append({place, overall});
        } else if (IsPowerOfTwo(count)) {
            Segment lower{overall, count, {}};
            for (int group : sources)
                lower.Entrants.append({group, place});
            segments.append(lower);
        } else {
            break;
        }
        overall += count;
    }
    AddKnockoutTree(builder, segments, allPlaces, [&] {
        for (const auto& [place, overall] : placementGroups)
            builder.addPlacementGroup(place, places.at(place - 1), overall);
    });
    return builder.take();
}

bool FitsTheTables(const TournamentBlueprint& plan)
{
    if (plan.RoundCount() > Limits::MaxRounds || plan.Groups.size() > Limits::MaxGroups)
        return false;
    return std::all_of(plan.Groups.begin(), plan.Groups.end(), [](const PlannedGroup& group) {
        return group.Teams >= Limits::MinPairedGroupSize && group.Teams <= Limits::MaxPairedGroupSize;
    });
}
} // namespace

QList<int> EvenGroupSizes(int teams, int groups)
{
    QList<int> sizes;
    for (int index = 0; index < groups; ++index)
        sizes.append(teams / groups + (index < teams % groups ? 1 : 0));
    return sizes;
}

int TournamentBlueprint::GameCount() const
{
    int games = 0;
    for (const PlannedGroup& group : Groups)
        games += group.Teams * (group.Teams - 1) / 2 * (group.ReturnLeg ? 2 : 1);
    return games;
}

namespace {
// The fewest and most games from entering `group` to the end, over every place it may finish on.
std::pair<int, int> GamesFrom(const TournamentBlueprint& plan, int group)
{
    const PlannedGroup& planned = plan.Groups.at(group - 1);
    const int here = (planned.Teams - 1) * (planned.ReturnLeg ? 2 : 1);
    std::pair<int, int> span{std::numeric_limits<int>::max(), 0};
    for (int place = 1; place <= planned.Teams; ++place) {
        std::pair<int, int> after{0, 0};
        for (const PlannedReferral& referral : plan.Referrals)
            if (referral.FromGroup == group && referral.FromPlace == place)
                after = GamesFrom(plan, referral.ToGroup);
        span.first = std::min(span.first, here + after.first);
        span.second = std::max(span.second, here + after.second);
    }
    return span;
}

std::pair<int, int> GamesPerTeam(const TournamentBlueprint& plan)
{
    std::pair<int, int> span{std::numeric_limits<int>::max(), 0};
    for (int group = 1; group <= plan.Groups.size(); ++group) {
        if (plan.Groups.at(group - 1).Round != 1)
            break;
        const std::pair<int, int> from = GamesFrom(plan, group);
        span = {std::min(span.first, from.first), std::max(span.second, from.second)};
    }
    return span;
}
} // namespace

int TournamentBlueprint::MinGamesPerTeam() const
{
    return Groups.isEmpty() ? 0 : GamesPerTeam(*this).first;
}

int TournamentBlueprint::MaxGamesPerTeam() const
{
    return Groups.isEmpty() ? 0 : GamesPerTeam(*this).second;
}

void TournamentBlueprint::RenameRound(int round, const QString& name)
{
    if (round < 1 || round > RoundCount())
        return;
    const QString old = RoundNames.at(round - 1);
    RoundNames[round - 1] = name;
    for (PlannedGroup& group : Groups)
        if (group.Round == round && group.Name.startsWith(old))
            group.Name = name + group.Name.mid(old.size());
}

namespace {
// The first of the plans that fits the tables, preferring one that decides every place; none
// when no plan fits.
std::optional<TournamentBlueprint> BestFitting(const QList<int>& groupCounts,
                                               const std::function<TournamentBlueprint(int)>& plan)
{
    std::optional<TournamentBlueprint> fitting;
    for (int groups : groupCounts) {
        TournamentBlueprint candidate = plan(groups);
        if (!FitsTheTables(candidate))
            continue;
        if (candidate.DecidesAllPlaces())
            return candidate;
        if (!fitting)
            fitting = std::move(candidate);
    }
    return fitting;
}
} // namespace

std::vector<TournamentBlueprint> BuildBlueprints(int teams)
{
    std::vector<TournamentBlueprint> plans;
    if (teams < 2 || teams > Limits::MaxPoolEntries)
        return plans;
    if (teams <= Limits::MaxPairedGroupSize) {
        plans.push_back(OneGroupPlan(teams, false));
        plans.push_back(OneGroupPlan(teams, true));
    }
    const auto fewGroups = [](int groups) { return groups <= LargestPlacementGroup; };
    const QList<int> fewGroupCounts = GroupCountsNearFour(teams, fewGroups);
    if (!fewGroupCounts.isEmpty())
        plans.push_back(GroupsThenFinalPlan(teams, fewGroupCounts.first()));
    // A knockout tree needs a power of two of teams, at least the four of the semi-finals; very
    // many teams play in groups of up to 8 so that the tree fits the tables.
    const auto treeGroups = [teams](int groups) {
        return IsPowerOfTwo(groups) && (groups >= 4 || 2 * groups <= teams / 2);
    };
    QList<int> treeGroupCounts = GroupCountsNearFour(teams, treeGroups);
    treeGroupCounts += GroupCountsNearFour(
        teams, [&](int groups) { return treeGroups(groups) && !treeGroupCounts.contains(groups); },
        LargestPlacementGroup);
    for (const bool allPlaces : {false, true})
        if (auto plan = BestFitting(treeGroupCounts, [&](int groups) {
                return GroupsThenKnockoutPlan(teams, groups, allPlaces);
            }))
            plans.push_back(std::move(*plan));
    if (!fewGroupCounts.isEmpty())
        plans.push_back(GroupsThenPlacementPlan(teams, fewGroupCounts.first()));
    std::erase_if(plans, [](const TournamentBlueprint& plan) { return !FitsTheTables(plan); });
    return plans;
}
