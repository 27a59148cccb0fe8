#include "allocation/RoundCheck.h"

#include "allocation/AllocationLimits.h"
#include "allocation/RoundTeams.h"
#include "model/TournamentState.h"

namespace {
QString NotPlanned(int round)
{
    return QStringLiteral("Runde %1 wurde nicht eingeteilt: ").arg(round);
}

// The pairings of every game of a group must name two different positions of the group.
bool PairingsComplete(const PairingTable& pairings, int groupSize, int gameCount)
{
    for (int game = 1; game <= gameCount; ++game) {
        const PairingEntry pairing = pairings.PairingOf(groupSize, game);
        if (pairing.first < 1 || pairing.second < 1 || pairing.first > groupSize ||
            pairing.second > groupSize || pairing.first == pairing.second)
            return false;
    }
    return true;
}
} // namespace

std::optional<QString> RoundProblem(const TournamentState& state, const RoundTeams& teams)
{
    const int round = teams.Round;
    const int groups = state.GroupsInRound[std::size_t(round)];
    if (groups < 0 || LastGroupOfRound(state, round) > Limits::MaxGroups)
        return NotPlanned(round) +
               QStringLiteral("ihre Gruppen reichen über die Gruppe %1 hinaus.").arg(Limits::MaxGroups);
    for (int k = 1; k <= teams.GroupCount; ++k) {
        const int size = teams.Size[std::size_t(k)];
        if (size < 0 || size > Limits::MaxPairedGroupSize)
            return NotPlanned(round) +
                   QStringLiteral("Gruppe %1 hat %2 Mannschaften, Spielpläne gibt es nur für "
                                  "Gruppen mit 2 bis %3 Mannschaften.")
                       .arg(teams.FirstGroup + k - 1)
                       .arg(size)
                       .arg(Limits::MaxPairedGroupSize);
    }
    if (teams.TeamCount > AllocationLimits::MaxRoundTeams)
        return NotPlanned(round) + QStringLiteral("sie hat %1 Mannschaften, höchstens %2 sind möglich.")
                                       .arg(teams.TeamCount)
                                       .arg(AllocationLimits::MaxRoundTeams);
    const int fields = state.FieldsInRound[std::size_t(round)];
    if (fields > AllocationLimits::MaxFields)
        return NotPlanned(round) + QStringLiteral("sie hat %1 Spielplätze, höchstens %2 sind möglich.")
                                       .arg(fields)
                                       .arg(AllocationLimits::MaxFields);
    if (state.OneFieldPerGroup[std::size_t(round)] && fields < teams.GroupCount)
        return NotPlanned(round) +
               QStringLiteral("jede Gruppe soll auf einem eigenen Platz spielen, aber es gibt "
                              "nur %1 Spielplätze für %2 Gruppen.")
                   .arg(fields)
                   .arg(teams.GroupCount);
    int games = 0;
    for (int k = 1; k <= teams.GroupCount; ++k)
        games += teams.GameCount[std::size_t(k)];
    if (games > 0 && fields < 1)
        return NotPlanned(round) + QStringLiteral("sie hat keinen Spielplatz.");
    for (int k = 1; k <= teams.GroupCount; ++k) {
        const int size = teams.Size[std::size_t(k)];
        if (!PairingsComplete(state.Pairings, size, teams.GameCount[std::size_t(k)]))
            return NotPlanned(round) +
                   QStringLiteral("die Spielpaarungen für Gruppen mit %1 Mannschaften fehlen "
                                  "in der Datei DATEN1.DAT.")
                       .arg(size);
    }
    return std::nullopt;
}

QString TooManySlotsMessage(int round)
{
    return NotPlanned(round) +
           QStringLiteral("ihre Spiele brauchen mehr als %1 Anspielzeiten. Bitte mehr "
                          "Spielplätze vorsehen oder weniger Spiele in diese Runde legen.")
               .arg(AllocationLimits::MaxSlots);
}
