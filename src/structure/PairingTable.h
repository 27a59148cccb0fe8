#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class Prompter;

// Which positions meet in a game: `first` is named first (left, its score written first).
struct PairingEntry {
    std::uint8_t first = 0;
    std::uint8_t second = 0;

    bool operator==(const PairingEntry&) const = default;
};

// The read-only round-robin table: one block per group size 2..20 (first leg, then return leg),
// followed by one league block per even team count 4..20 ordered by match day. Entries are
// numbered from 1; game k of a block is entry blockStart + k.
class PairingTable {
public:
    static constexpr int EntryCount = 3374;
    static constexpr int GroupSectionEntries = 2660;
    static constexpr int RecordCount = 2 * EntryCount;
    static constexpr int RecordSize = 3;
    static constexpr int MaxRecordDigits = 2;
    static constexpr const char* FileName = "Daten1.dat";

    static int PairingBlockStart(int groupSize);
    static int FirstLegGameCount(int groupSize);
    static int LeagueBlockStart(int leagueTeamCount);

    // Entry PairingBlockStart(n) + k; an entry outside the table reads as no game.
    PairingEntry PairingOf(int groupSize, int game) const;
    PairingEntry entry(int index) const;
    void setEntry(int index, PairingEntry value);

    // Reads the records of "Daten1.dat" from `path`. On any failure it stops at that record,
    // keeps what was read, shows the one message through `prompter` and returns false.
    bool LoadPairingTable(const QString& path, Prompter& prompter);
    // The same from bytes in the file format; returns the number of entries read completely,
    // EntryCount when everything was read.
    int readRecords(const QByteArray& bytes);
    // The file format of the whole table: two 3-byte records per entry.
    QByteArray toRecords() const;

    bool operator==(const PairingTable&) const = default;

private:
    std::array<PairingEntry, EntryCount + 1> m_entries{};
};

// The content of "Daten1.dat": every group block lists its first leg match day by match day
// (each run of n/2 games is one match day), the return leg repeats the match days with the sides
// exchanged, and every team is first-named in half of its games (within one game).
PairingTable BuildPairingTable();
