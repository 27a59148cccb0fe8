#pragma once

#include <QString>

class Prompter;
class SlotTable;
struct AllocationOutput;
struct SlotEntry;
struct RoundTeams;
struct TournamentState;

// Writes the time plan round by round: a header row per round, two rows per slot (the games with
// clock and result, then the referees), and "Pause" rows where a break falls due. The clock, the
// next break and the next output row run on from one round into the next.
class TimePlanWriter {
public:
    static constexpr int FirstOutputRow = 4;
    static constexpr int InitialRowCount = 10;

    TimePlanWriter(const TournamentState& state, AllocationOutput& output, Prompter& prompter);

    // Clears and sizes the grid, writes the tournament name, starts the clock at the start time.
    void BeginTimePlan();
    // The round's slots from the packed slot table.
    void WriteRoundTimePlan(int round, const SlotTable& table, const RoundTeams& teams);
    // One game length on; then the next break of the list when its start has been reached.
    void AdvanceClock(int round);
    // Moves the output row on, growing the grid when the row lies beyond it.
    void AddOutputRows(int count);
    // Gives the grid its final row count; call once after the last round.
    void finish();

    const QString& clock() const { return m_clock; }
    int breakIndex() const { return m_breakIndex; }
    int outputRow() const { return m_row; }
    int rowCount() const { return m_rowCount; }

private:
    void writeGame(int round, int field, int slotRow, const SlotEntry& game, const RoundTeams& teams);
    QString resultText(int group, int game) const;
    QString teamName(const RoundTeams& teams, int team) const;

    const TournamentState& m_state;
    AllocationOutput& m_output;
    Prompter& m_prompter;
    QString m_clock;
    int m_breakIndex = 1;
    int m_row = FirstOutputRow;
    int m_rowCount = InitialRowCount; // the plan's rows; the grid may hold spare rows while writing
};

// 3 columns per field of the round with the most fields (at most 50), and two in front.
int TimePlanColumnCount(const TournamentState& state);
