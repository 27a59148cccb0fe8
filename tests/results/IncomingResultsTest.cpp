// The list of incoming results as text: what a recovery copy writes and reads back.
#include "results/IncomingResults.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {
IncomingResults TwoEntries()
{
    IncomingResults results;
    const QDateTime at(QDate(2026, 6, 7), QTime(10, 42, 13, 250));
    results.add({0, 3, 12, 5, QString(), QStringLiteral("3:1"), at, IncomingResult::Status::Waiting});
    results.add({0, 1, 2, 6, QStringLiteral("25:20\t22:25\n15:10 ü%"), QString(), at.addSecs(30),
                 IncomingResult::Status::Rejected});
    return results;
}
} // namespace

TEST(IncomingResults, TheTextReadsBackAsTheSameList)
{
    const IncomingResults results = TwoEntries();
    const QString text = IncomingResultsText(results);
    EXPECT_EQ(text.count(u'\n'), 4) << "typed tabs and line breaks stay inside their line";
    EXPECT_EQ(ReadIncomingResultsText(text), results);
    EXPECT_EQ(ReadIncomingResultsText(IncomingResultsText(IncomingResults{})), IncomingResults{});
}

TEST(IncomingResults, TextThatIsNoSuchListIsNotRead)
{
    const QString good = IncomingResultsText(TwoEntries());
    QString unknownState = good;
    unknownState.replace(QStringLiteral("\twartet\t"), QStringLiteral("\tvielleicht\t"));
    QString numberAhead = good;
    numberAhead.replace(QStringLiteral("naechste 3"), QStringLiteral("naechste 2"));
    for (const QString& text : {QString(), QStringLiteral("Eingegangene Ergebnisse 2\nnaechste 1\n"),
                                good + QStringLiteral("4\t1\t2\n"), unknownState, numberAhead}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(ReadIncomingResultsText(text));
    }
}

TEST(IncomingResults, DecidedEntriesMakeRoomButWaitingOnesStay)
{
    IncomingResults results;
    const QDateTime now = QDateTime::currentDateTime();
    results.add({0, 1, 1, 1, {}, QStringLiteral("1:0"), now, IncomingResult::Status::Waiting});
    for (std::size_t count = 0; count < IncomingResults::DecidedKept + 5; ++count)
        results.add({0, 1, 1, 2, {}, QStringLiteral("1:0"), {}, IncomingResult::Status::Accepted});
    EXPECT_EQ(results.Entries.size(), IncomingResults::DecidedKept + 1);
    EXPECT_EQ(results.Entries.front().Number, 1);
    EXPECT_EQ(results.Entries[1].Number, 7);
    EXPECT_EQ(results.waitingFor(1, 1), &results.Entries.front());
}
