#include "structure/PairingTable.h"

#include "model/Prompter.h"

#include <QFile>

namespace {
const QString LoadFailedText = QStringLiteral("die Datei DATEN1.DAT fehlt oder ist fehlerhaft");

// Reads one 3-byte record as a decimal number; -1 when it is not one.
int recordValue(const char* record)
{
    const int length = static_cast<unsigned char>(record[0]);
    if (length < 1 || length > PairingTable::MaxRecordDigits)
        return -1;
    bool ok = false;
    const int value = QByteArray(record + 1, length).toInt(&ok);
    return ok ? value : -1;
}

void appendRecord(QByteArray& out, int value)
{
    const QByteArray digits = QByteArray::number(value);
    out.append(char(digits.size()));
    out.append(digits);
    out.append(PairingTable::RecordSize - 1 - digits.size(), '\0');
}
} // namespace

int PairingTable::PairingBlockStart(int groupSize)
{
    if (groupSize < 2 || groupSize > 20)
        return 0;
    return (groupSize - 2) * (groupSize - 1) * groupSize / 3;
}

int PairingTable::FirstLegGameCount(int groupSize)
{
    if (groupSize < 2 || groupSize > 20)
        return 0;
    return groupSize * (groupSize - 1) / 2;
}

int PairingTable::LeagueBlockStart(int leagueTeamCount)
{
    if (leagueTeamCount < 4 || leagueTeamCount > 20)
        return 0;
    int start = GroupSectionEntries;
    const int blockTeams = leagueTeamCount % 2 == 0 ? leagueTeamCount : leagueTeamCount + 1;
    for (int m = 4; m < blockTeams; m += 2)
        start += m * (m - 1) / 2;
    return start;
}

PairingEntry PairingTable::PairingOf(int groupSize, int game) const
{
    return entry(PairingBlockStart(groupSize) + game);
}

PairingEntry PairingTable::entry(int index) const
{
    if (index < 1 || index > EntryCount)
        return {};
    return m_entries[std::size_t(index)];
}

void PairingTable::setEntry(int index, PairingEntry value)
{
    if (index >= 1 && index <= EntryCount)
        m_entries[std::size_t(index)] = value;
}

int PairingTable::readRecords(const QByteArray& bytes)
{
    for (int index = 1; index <= EntryCount; ++index) {
        const qsizetype offset = qsizetype(index - 1) * 2 * RecordSize;
        if (offset + 2 * RecordSize > bytes.size())
            return index - 1;
        const int first = recordValue(bytes.constData() + offset);
        if (first < 0)
            return index - 1;
        m_entries[std::size_t(index)].first = std::uint8_t(first);
        const int second = recordValue(bytes.constData() + offset + RecordSize);
        if (second < 0)
            return index - 1;
        m_entries[std::size_t(index)].second = std::uint8_t(second);
    }
    return EntryCount;
}

bool PairingTable::LoadPairingTable(const QString& path, Prompter& prompter)
{
    QFile file(path);
    const bool complete = file.open(QIODevice::ReadOnly) && readRecords(file.readAll()) == EntryCount;
    if (!complete)
        prompter.inform(QStringLiteral("Info"), LoadFailedText);
    return complete;
}

QByteArray PairingTable::toRecords() const
{
    QByteArray out;
    out.reserve(RecordCount * RecordSize);
    for (int index = 1; index <= EntryCount; ++index) {
        appendRecord(out, m_entries[std::size_t(index)].first);
        appendRecord(out, m_entries[std::size_t(index)].second);
    }
    return out;
}
