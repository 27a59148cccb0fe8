#include "allocation/RoundReport.h"

#include "allocation/MessageList.h"
#include "allocation/SlotTable.h"

namespace {
constexpr int LineBreakLength = 100;
const QString ContinuationIndent = QStringLiteral("      ");
} // namespace

int CountBackToBackPairs(const SlotTable& table, int fieldCount)
{
    int count = 0;
    for (int slot = 1; slot <= table.slotCount() - 1; ++slot) {
        for (int field = 1; field <= fieldCount; ++field) {
            const SlotEntry& game = table.at(slot, field);
            for (const int team : {game.TeamA, game.TeamB}) {
                if (team < 1)
                    continue;
                for (int nextField = 1; nextField <= fieldCount; ++nextField) {
                    const SlotEntry& next = table.at(slot + 1, nextField);
                    count += (next.TeamA == team ? 1 : 0) + (next.TeamB == team ? 1 : 0);
                }
            }
        }
    }
    return count;
}

void ReportRound(MessageList& messages, int round, const SlotTable& table, int fieldCount, int teamCount,
                 const RefereeCounts& refereeCount, bool refereesEnabled)
{
    messages.append(
        QStringLiteral("Runde %1 Doppelspiele: %2").arg(round).arg(CountBackToBackPairs(table, fieldCount)));
    if (!refereesEnabled)
        return;
    QString line = QStringLiteral("  Schiedsr.: ");
    for (int team = 1; team <= teamCount; ++team) {
        line += QStringLiteral("%1-%2  ").arg(team).arg(refereeCount[std::size_t(team)]);
        if (line.size() > LineBreakLength) {
            messages.append(line);
            line = ContinuationIndent;
        }
    }
    if (line.size() > ContinuationIndent.size())
        messages.append(line);
}
