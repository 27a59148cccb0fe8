#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// A result a referee sent in from a field, as it waits in the list "Eingegangene Ergebnisse" or
// after the desk decided on it.
struct IncomingResult {
    enum class Status { Waiting, Accepted, Rejected, Replaced };

    int Number = 0; // running number, shown to the referee and at the desk
    int Field = 0;
    int Group = 0; // global group number
    int Game = 0;
    QString Sets; // as the referee typed it, in the desk's syntax
    QString Goals;
    QDateTime Received;
    Status State = Status::Waiting;

    bool operator==(const IncomingResult&) const = default;
};

// The incoming results as plain data, so that a copy can be written and read back as text.
struct IncomingResults {
    // Decided entries are kept this long for the referees' pages, then the oldest go.
    static constexpr std::size_t DecidedKept = 500;

    int NextNumber = 1;
    std::vector<IncomingResult> Entries; // in the order they came in

    IncomingResult* find(int number);
    const IncomingResult* find(int number) const;
    // The entry waiting for (group, game), if any.
    IncomingResult* waitingFor(int group, int game);
    int waitingCount() const;
    // Appends the entry under the next number; returns that number.
    int add(IncomingResult entry);
    // Drops the oldest decided entries beyond DecidedKept.
    void forgetOldDecided();

    bool operator==(const IncomingResults&) const = default;
};

// The list as UTF-8 text, one line per entry, and read back; nullopt when the text is no such list.
QString IncomingResultsText(const IncomingResults& results);
std::optional<IncomingResults> ReadIncomingResultsText(const QString& text);
