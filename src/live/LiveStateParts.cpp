#include "live/LiveStateParts.h"

#include "live/LiveData.h"
#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "results/ScheduleGrid.h"

#include <QHash>

namespace {
// A running hash; the order of the values counts. A grid of the largest tournament has some
// hundred thousand cells, most of them empty, so an empty text costs only one step.
class Fingerprint {
public:
    Fingerprint& add(quint64 value)
    {
        m_value = (m_value ^ value) * Prime;
        m_value ^= m_value >> 29;
        return *this;
    }
    Fingerprint& add(QStringView text) { return add(text.isEmpty() ? quint64(0) : quint64(qHash(text)) + 1); }
    quint64 value() const { return m_value; }

private:
    static constexpr quint64 Prime = 0x100000001b3u;
    quint64 m_value = 0xcbf29ce484222325u;
};

quint64 WholeTournament(const TournamentState& state, const TextGrid& timePlan)
{
    Fingerprint print;
    print.add(state.TournamentName).add(quint64(state.RoundCount)).add(quint64(TotalGroups(state)));
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        print.add(quint64(state.GroupsInRound[round])).add(quint64(state.FieldsInRound[round]));
    print.add(quint64(state.Settings.WithSets)).add(quint64(RoundInPlay(state)));
    return print.add(quint64(timePlan.columnCount())).value();
}

quint64 RoundNames(const TournamentState& state, int round)
{
    Fingerprint print;
    for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group) {
        if (!IsGroupIndex(group))
            continue;
        print.add(quint64(state.TeamsInGroup[group])).add(quint64(state.ReturnLeg[group]));
        for (int position = 0; position < Limits::NameSlots; ++position) {
            print.add(state.NameTable[group][position]);
            if (position <= Limits::MaxReferralIndex)
                print.add(quint64(state.ReferralTable[group][position].FromGroup != 0));
        }
    }
    return print.value();
}

// The cells of the round's groups in the schedule grid that the pages read, texts and tags: the
// result cells of every game and the table rows; and how many results each group has.
quint64 RoundSchedule(const TournamentState& state, int round, const std::vector<int>& resultsPerGroup)
{
    Fingerprint print;
    const TextGrid& grid = state.ScheduleGrid;
    const auto addCell = [&](int col, int row) { print.add(grid.cell(col, row)).add(grid.tag(col, row)); };
    for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group) {
        if (!IsGroupIndex(group))
            continue;
        const GroupBlock block = LocateGroupBlock(state, group);
        print.add(quint64(resultsPerGroup[std::size_t(group)]))
            .add(quint64(block.Column))
            .add(quint64(block.TopRow));
        for (int row = block.headerRow() + 1; row <= block.lastGameRow(); ++row) {
            addCell(block.Column + 2, row);
            addCell(block.Column + 3, row);
        }
        for (int place = 1; place <= block.TeamCount; ++place)
            for (int col = block.Column; col < block.Column + 5; ++col)
                addCell(col, block.tableRow(place));
    }
    return print.value();
}
} // namespace

LiveStateParts ReadLiveStateParts(const TournamentState& state, const TextGrid& timePlan)
{
    LiveStateParts parts;
    parts.Whole = WholeTournament(state, timePlan);
    const std::vector<int> resultsPerGroup = ResultsPerGroup(state);
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round) {
        parts.Names[std::size_t(round)] = RoundNames(state, round);
        parts.Schedule[std::size_t(round)] = RoundSchedule(state, round, resultsPerGroup);
    }
    // The time plan's game and referee lines carry their round's number in column 0.
    std::array<Fingerprint, Limits::MaxRounds + 1> plans;
    for (int row = 0; row < timePlan.rowCount(); ++row) {
        const QString& roundText = timePlan.cell(0, row);
        if (roundText.isEmpty())
            continue;
        bool ok = false;
        const int round = roundText.toInt(&ok);
        if (!ok || !IsRoundIndex(round))
            continue;
        Fingerprint& print = plans[std::size_t(round)];
        print.add(quint64(row));
        for (int col = 1; col < timePlan.columnCount(); ++col)
            print.add(timePlan.cell(col, row)).add(timePlan.tag(col, row));
    }
    for (std::size_t round = 0; round < plans.size(); ++round)
        parts.TimePlan[round] = plans[round].value();
    return parts;
}

quint64 PageFingerprint(const LiveStateParts& parts, const std::vector<int>& rounds, bool everyRound)
{
    Fingerprint print;
    print.add(parts.Whole);
    for (const int round : rounds)
        if (IsRoundIndex(round))
            print.add(quint64(round))
                .add(parts.Schedule[std::size_t(round)])
                .add(parts.Names[std::size_t(round)])
                .add(parts.TimePlan[std::size_t(round)]);
    if (everyRound)
        for (std::size_t round = 1; round < parts.Names.size(); ++round)
            print.add(parts.Names[round]).add(parts.TimePlan[round]);
    return print.value();
}
