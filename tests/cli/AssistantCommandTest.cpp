// korvane-cli assistent: the proposals one a line, argument faults, and a chosen structure
// written with the teams of a Windows-1252 file.
#include "structure/ScheduleCheck.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {
const QStringList Frame{QStringLiteral("--teams"), QStringLiteral("16"),       QStringLiteral("--fields"),
                        QStringLiteral("2"),       QStringLiteral("--length"), QStringLiteral("10"),
                        QStringLiteral("--start"), QStringLiteral("9:00"),     QStringLiteral("--end"),
                        QStringLiteral("13:00")};
}

TEST(AssistantCommand, RefusesFaultyArguments)
{
    struct Case {
        QStringList arguments;
        QString message;
    };
    const QList<Case> cases{
        {{QStringLiteral("--teams"), QStringLiteral("16")}, QStringLiteral("usage:")},
        {QStringList(Frame).replaceInStrings(QStringLiteral("16"), QStringLiteral("1")),
         QStringLiteral("zwischen 2 und 200")},
        {QStringList(Frame).replaceInStrings(QStringLiteral("9:00"), QStringLiteral("neun")),
         QStringLiteral("keine Uhrzeit")},
        {Frame + QStringList{QStringLiteral("--structure"), QStringLiteral("99"), QStringLiteral("-o"),
                             QStringLiteral("x.auf")},
         QStringLiteral("--structure needs a number from 1 to")},
    };
    for (const Case& faulty : cases) {
        const CliRun run = RunCliCommand(QStringLiteral("assistent"), faulty.arguments);
        EXPECT_EQ(run.exitCode, 2) << faulty.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(faulty.message)) << run.err.toStdString();
    }
}

TEST(AssistantCommand, ListsOneProposalALineAndWritesTheChosenOneWithTheTeamsOfAWindows1252File)
{
    const CliRun listing = RunCliCommand(QStringLiteral("assistent"), Frame);
    ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    const QStringList lines = QString::fromUtf8(listing.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.at(0),
              QStringLiteral("1: eine Gruppe, jeder gegen jeden; 120 Spiele, 1 Runde, Ende 19:00, "
                             "15 Spiele je Mannschaft, endet zu spät"));

    QTemporaryDir folder;
    const QString names = folder.filePath(QStringLiteral("teams.csv"));
    QByteArray bytes;
    for (int team = 1; team <= 16; ++team)
        bytes +=
            "B\xe4ren " + QByteArray::number(team) + "; baer" + QByteArray::number(team) + "@example.org\r\n";
    ASSERT_TRUE(WriteFileContents(names, bytes));
    const QString out = folder.filePath(QStringLiteral("turnier.auf"));
    const CliRun run =
        RunCliCommand(QStringLiteral("assistent"),
                      Frame + QStringList{QStringLiteral("--structure"), QStringLiteral("4"),
                                          QStringLiteral("--names"), names, QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const auto state = LoadedTournament(out);
    EXPECT_EQ(state->RoundCount, 4);
    EXPECT_EQ(state->NameTable[1][1], QStringLiteral("Bären 1"));
    EXPECT_EQ(state->NamePool[16].Email, QStringLiteral("baer16@example.org"));
    EXPECT_TRUE(ScheduleCheckPassed(CheckSchedule(*state, false, QStringLiteral("9:00:00"))));
}
