#include "assistant/TournamentAssistant.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "names/NamePool.h"
#include "names/NameTransfer.h"
#include "structure/Groups.h"
#include "structure/Referrals.h"
#include "structure/RoundNavigation.h"
#include "structure/TimeFrameEdits.h"
#include "structure/TimeText.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {
// Planning a proposal asks nobody: its input was checked before.
class SilentPrompter : public Prompter {
public:
    Answer askYesNo(const QString&, const QString&, Answer defaultAnswer) override { return defaultAnswer; }
    Answer askYesNoCancel(const QString&, const QString&, Answer defaultAnswer) override
    {
        return defaultAnswer;
    }
    void inform(const QString&, const QString&) override {}
};

void CreateRounds(TournamentState& state, const TournamentBlueprint& blueprint, const AssistantInput& input)
{
    const int slotLength = input.GameLength + input.BreakLength;
    for (int round = 1; round <= blueprint.RoundCount(); ++round) {
        if (round > 1) {
            state.CurrentRound = round;
            PrepareNewRound(state);
        }
        state.RoundCount = round;
        state.FieldsInRound[std::size_t(round)] = input.Fields;
        state.GameLengthInRound[std::size_t(round)] = slotLength;
        for (const PlannedGroup& group : blueprint.Groups)
            if (group.Round == round)
                InsertGroup(state, round, group.Teams, group.Name, group.ReturnLeg);
    }
    state.DefaultGameLength = slotLength;
    state.CurrentRound = 1;
}

void CreateReferrals(TournamentState& state, const TournamentBlueprint& blueprint, Prompter& prompter)
{
    for (const PlannedReferral& referral : blueprint.Referrals) {
        StartReferral(state, referral.FromGroup, referral.FromPlace);
        CompleteReferral(state, referral.ToGroup, referral.ToSlot, prompter);
    }
}

void PlaceTeams(TournamentState& state, const TournamentBlueprint& blueprint, const QList<TeamEntry>& teams,
                NameOrder order, quint32 seed)
{
    QList<int> sizes;
    for (const PlannedGroup& group : blueprint.Groups)
        if (group.Round == 1)
            sizes.append(group.Teams);
    const QList<int> picks = DistributionOrder(sizes, order, seed);
    int position = 0;
    for (int group = 1; group <= sizes.size(); ++group)
        for (int slot = 1; slot <= sizes.at(group - 1); ++slot, ++position) {
            const int pick = picks.at(position);
            if (pick < teams.size())
                state.NameTable[std::size_t(group)][std::size_t(slot)] =
                    teams.at(pick).Name.left(Limits::InputTextLength);
        }
    for (const TeamEntry& team : teams)
        AddPoolNameSilently(state, team.Name, team.Email, false);
}

std::optional<int> ClockMinutes(const QString& text)
{
    return text.trimmed().isEmpty() ? std::nullopt : TryParseTimeText(text.trimmed());
}
} // namespace

QString AssistantInputFault(const AssistantInput& input)
{
    if (input.Teams < 2 || input.Teams > Limits::MaxPoolEntries)
        return QStringLiteral("Die Zahl der Mannschaften muss zwischen 2 und %1 liegen.")
            .arg(Limits::MaxPoolEntries);
    if (input.Fields < Limits::MinFields || input.Fields > Limits::MaxFields)
        return QStringLiteral("Die Zahl der Spielplätze muss zwischen %1 und %2 liegen.")
            .arg(Limits::MinFields)
            .arg(Limits::MaxFields);
    if (input.GameLength < 1 || input.BreakLength < 0 ||
        input.GameLength + input.BreakLength > Limits::MinutesPerDay)
        return QStringLiteral("Spiellänge und Pause müssen zusammen zwischen 1 und %1 Minuten liegen.")
            .arg(Limits::MinutesPerDay);
    if (!ClockMinutes(input.StartTime))
        return QStringLiteral("Der Beginn ist keine Uhrzeit: ") + input.StartTime;
    if (!input.LatestEnd.trimmed().isEmpty() && !ClockMinutes(input.LatestEnd))
        return QStringLiteral("Das späteste Ende ist keine Uhrzeit: ") + input.LatestEnd;
    return {};
}

std::vector<StructureProposal> ProposeStructures(const AssistantInput& input, const TournamentState& current)
{
    std::vector<StructureProposal> proposals;
    if (!AssistantInputFault(input).isEmpty())
        return proposals;
    const int start = *ClockMinutes(input.StartTime);
    const std::optional<int> latestEnd = ClockMinutes(input.LatestEnd);
    SilentPrompter prompter;
    auto scratch = std::make_unique<TournamentState>();
    auto output = std::make_unique<AllocationOutput>();
    for (TournamentBlueprint& blueprint : BuildBlueprints(input.Teams)) {
        ResetTournament(*scratch);
        scratch->Pairings = current.Pairings;
        scratch->Settings = current.Settings;
        ApplyBlueprint(*scratch, blueprint, input, {}, NameOrder::InOrder, 0, prompter);
        if (!RunAllocation(*scratch, *output, prompter))
            continue;
        const bool planned = std::all_of(output->RoundPenalty.begin() + 1,
                                         output->RoundPenalty.begin() + 1 + blueprint.RoundCount(),
                                         [](int penalty) { return penalty >= 0; });
        if (!planned)
            continue;
        StructureProposal proposal;
        proposal.Games = blueprint.GameCount();
        proposal.Rounds = blueprint.RoundCount();
        proposal.EndTime = output->EndClock;
        // The clock text wraps at midnight; the day cannot end before every field has played
        // its share of the games one after the other.
        const int slotLength = input.GameLength + input.BreakLength;
        const int shortest = start + (proposal.Games + input.Fields - 1) / input.Fields * slotLength;
        proposal.EndMinutes = ClockMinutes(output->EndClock).value_or(start);
        while (proposal.EndMinutes < shortest)
            proposal.EndMinutes += Limits::MinutesPerDay;
        proposal.EndsInTime = !latestEnd || proposal.EndMinutes <= *latestEnd;
        proposal.MinGamesPerTeam = blueprint.MinGamesPerTeam();
        proposal.MaxGamesPerTeam = blueprint.MaxGamesPerTeam();
        proposal.Blueprint = std::move(blueprint);
        proposals.push_back(std::move(proposal));
    }
    return proposals;
}

void ApplyBlueprint(TournamentState& state, const TournamentBlueprint& blueprint, const AssistantInput& input,
                    const QList<TeamEntry>& teams, NameOrder order, quint32 seed, Prompter& prompter)
{
    ResetTournament(state);
    // A new day from its start: an end fixed by an earlier tournament no longer holds.
    state.EndTime.clear();
    SetStartTime(state, input.StartTime, prompter);
    CreateRounds(state, blueprint, input);
    CreateReferrals(state, blueprint, prompter);
    PlaceTeams(state, blueprint, teams, order, seed);
    state.Settings.PlanChanged = true;
    // The whole build is one change to undo, named after the assistant.
    state.ChangeLabel.clear();
    MarkChanged(state, QStringLiteral("Turnier-Assistent"));
}

QList<int> DistributionOrder(const QList<int>& groupSizes, NameOrder order, quint32 seed)
{
    const int positions = std::accumulate(groupSizes.begin(), groupSizes.end(), 0);
    QList<int> picks(positions);
    std::iota(picks.begin(), picks.end(), 0);
    if (order == NameOrder::Random) {
        QRandomGenerator generator(seed);
        for (int index = positions - 1; index > 0; --index)
            std::swap(picks[index], picks[int(generator.bounded(index + 1))]);
    } else if (order == NameOrder::Seeded) {
        // Position p of group g takes the next name of pot p.
        QList<int> firstOfGroup;
        int first = 0;
        for (int size : groupSizes) {
            firstOfGroup.append(first);
            first += size;
        }
        const int largest =
            groupSizes.isEmpty() ? 0 : *std::max_element(groupSizes.begin(), groupSizes.end());
        int next = 0;
        for (int slot = 0; slot < largest; ++slot)
            for (int group = 0; group < groupSizes.size(); ++group)
                if (slot < groupSizes.at(group))
                    picks[firstOfGroup.at(group) + slot] = next++;
    }
    return picks;
}

QList<TeamEntry> TeamEntriesFromText(const QString& text)
{
    QList<TeamEntry> teams;
    for (const QString& rawLine : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype semicolon = line.indexOf(u';');
        if (semicolon >= 0) {
            teams.append({line.left(semicolon).trimmed(), line.mid(semicolon + 1).trimmed()});
            continue;
        }
        const ImportedName split = SplitImportLine(line);
        teams.append({split.Name.trimmed(), split.Email.trimmed()});
    }
    teams.removeIf([](const TeamEntry& team) { return team.Name.isEmpty(); });
    return teams;
}

QList<TeamEntry> TeamEntriesFromBytes(const QByteArray& bytes)
{
    return TeamEntriesFromText(NameImportLines(bytes).join(u'\n'));
}

QList<TeamEntry> TeamEntriesFromPool(const TournamentState& state)
{
    QList<TeamEntry> teams;
    for (int index = 1; index <= state.NamePoolCount; ++index) {
        const NamePoolEntry& entry = state.NamePool[std::size_t(index)];
        if (!entry.Name.trimmed().isEmpty())
            teams.append({entry.Name, entry.Email});
    }
    return teams;
}

QString ProposalFigures(const StructureProposal& proposal)
{
    const QString perTeam =
        proposal.MinGamesPerTeam == proposal.MaxGamesPerTeam
            ? QString::number(proposal.MinGamesPerTeam)
            : QStringLiteral("%1–%2").arg(proposal.MinGamesPerTeam).arg(proposal.MaxGamesPerTeam);
    QString text = QStringLiteral("%1 Spiele, %2 %3, Ende %4, %5 Spiele je Mannschaft")
                       .arg(proposal.Games)
                       .arg(proposal.Rounds)
                       .arg(proposal.Rounds == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"))
                       .arg(proposal.EndTime, perTeam);
    if (const int days = proposal.EndMinutes / Limits::MinutesPerDay; days >= 1)
        text.replace(proposal.EndTime,
                     proposal.EndTime + QStringLiteral(" (+%1 %2)")
                                            .arg(days)
                                            .arg(days == 1 ? QStringLiteral("Tag") : QStringLiteral("Tage")));
    if (!proposal.Blueprint.DecidesAllPlaces())
        text += QStringLiteral(", Plätze ab %1 offen").arg(proposal.Blueprint.Places.size() + 1);
    if (!proposal.EndsInTime)
        text += QStringLiteral(", endet zu spät");
    return text;
}
