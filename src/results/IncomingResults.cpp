#include "results/IncomingResults.h"

#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <array>

namespace {
const QString Header = QStringLiteral("Eingegangene Ergebnisse 1");
const QString NextPrefix = QStringLiteral("naechste ");

// The status words of the text; the index is the Status.
const std::array<QString, 4> StatusWords{QStringLiteral("wartet"), QStringLiteral("uebernommen"),
                                         QStringLiteral("abgelehnt"), QStringLiteral("ersetzt")};

// Typed texts are percent-encoded, so tabs and line breaks in them cannot break the lines.
QString Encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString Decoded(const QString& text)
{
    return QUrl::fromPercentEncoding(text.toLatin1());
}

std::optional<int> Number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

std::optional<IncomingResult> ReadEntry(const QString& line)
{
    const QStringList parts = line.split(u'\t');
    if (parts.size() != 8)
        return std::nullopt;
    IncomingResult entry;
    const auto status = std::find(StatusWords.begin(), StatusWords.end(), parts[5]);
    const std::optional<int> number = Number(parts[0]);
    const std::optional<int> field = Number(parts[1]);
    const std::optional<int> group = Number(parts[2]);
    const std::optional<int> game = Number(parts[3]);
    entry.Received = QDateTime::fromString(parts[4], Qt::ISODateWithMs);
    if (!number || !field || !group || !game || status == StatusWords.end() || !entry.Received.isValid())
        return std::nullopt;
    entry.Number = *number;
    entry.Field = *field;
    entry.Group = *group;
    entry.Game = *game;
    entry.State = IncomingResult::Status(status - StatusWords.begin());
    entry.Sets = Decoded(parts[6]);
    entry.Goals = Decoded(parts[7]);
    return entry;
}
} // namespace

IncomingResult* IncomingResults::find(int number)
{
    const auto found = std::find_if(Entries.begin(), Entries.end(),
                                    [number](const IncomingResult& entry) { return entry.Number == number; });
    return found == Entries.end() ? nullptr : &*found;
}

const IncomingResult* IncomingResults::find(int number) const
{
    return const_cast<IncomingResults*>(this)->find(number);
}

IncomingResult* IncomingResults::waitingFor(int group, int game)
{
    for (IncomingResult& entry : Entries)
        if (entry.State == IncomingResult::Status::Waiting && entry.Group == group && entry.Game == game)
            return &entry;
    return nullptr;
}

int IncomingResults::waitingCount() const
{
    return int(std::count_if(Entries.begin(), Entries.end(), [](const IncomingResult& entry) {
        return entry.State == IncomingResult::Status::Waiting;
    }));
}

int IncomingResults::add(IncomingResult entry)
{
    entry.Number = NextNumber++;
    Entries.push_back(std::move(entry));
    forgetOldDecided();
    return Entries.back().Number;
}

void IncomingResults::forgetOldDecided()
{
    std::size_t decided = Entries.size() - std::size_t(waitingCount());
    for (auto entry = Entries.begin(); entry != Entries.end() && decided > DecidedKept;) {
        if (entry->State == IncomingResult::Status::Waiting) {
            ++entry;
            continue;
        }
        entry = Entries.erase(entry);
        --decided;
    }
}

QString IncomingResultsText(const IncomingResults& results)
{
    QStringList lines{Header, NextPrefix + QString::number(results.NextNumber)};
    for (const IncomingResult& entry : results.Entries)
        lines << QStringList{QString::number(entry.Number),
                             QString::number(entry.Field),
                             QString::number(entry.Group),
                             QString::number(entry.Game),
                             entry.Received.toString(Qt::ISODateWithMs),
                             StatusWords[std::size_t(entry.State)],
                             Encoded(entry.Sets),
                             Encoded(entry.Goals)}
                     .join(u'\t');
    return lines.join(u'\n') + u'\n';
}

std::optional<IncomingResults> ReadIncomingResultsText(const QString& text)
{
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines[0] != Header || !lines[1].startsWith(NextPrefix))
        return std::nullopt;
    IncomingResults results;
    const std::optional<int> next = Number(lines[1].mid(NextPrefix.size()));
    if (!next)
        return std::nullopt;
    results.NextNumber = *next;
    for (qsizetype index = 2; index < lines.size(); ++index) {
        std::optional<IncomingResult> entry = ReadEntry(lines[index]);
        if (!entry || entry->Number >= results.NextNumber)
            return std::nullopt;
        results.Entries.push_back(std::move(*entry));
    }
    return results;
}
