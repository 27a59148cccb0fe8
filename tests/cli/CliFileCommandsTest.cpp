// korvane-cli info and save, run as a separate process.
#include "support/CliProcess.h"
#include "support/GTestQt.h"

#include "BuildInfo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
CliRun RunCli(const QStringList& arguments)
{
    return RunCliCommand(arguments.first(), arguments.mid(1));
}

} // namespace

TEST(CliFileCommands, SaveOfTheExampleGivesAByteIdenticalFile)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.auf"));
    const CliRun run = RunCli({QStringLiteral("save"), DataFile(QStringLiteral("beispiel.auf")), out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FileContents(out), FileContents(DataFile(QStringLiteral("beispiel.auf"))));

    // An existing output is replaced: the command line names it.
    const CliRun again = RunCli({QStringLiteral("save"), DataFile(QStringLiteral("normal.auf")), out});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(FileContents(out), FileContents(DataFile(QStringLiteral("normal.auf"))));
}

TEST(CliFileCommands, VersionAndHelpNameTheProgramAndTheCommand)
{
    const CliRun version = RunCliCommand(QStringLiteral("--version"), {});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(version.out),
              QStringLiteral("korvane-cli %1\n").arg(QLatin1String(KorvaneVersion)));
    EXPECT_EQ(RunCliCommand(QStringLiteral("--help"), {}).exitCode, 0);

    for (const char* command : {"plan", "result"}) {
        const CliRun help = RunCli({QLatin1String(command), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: korvane-cli " + QByteArray(command) + " [options] FILE"))
            << help.out.toStdString();
    }
}

TEST(CliFileCommands, InfoSummarisesTheExample)
{
    const CliRun run = RunCli({QStringLiteral("info"), DataFile(QStringLiteral("beispiel.auf"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), QStringLiteral("Name: Pfingstturnier SV Grün-Weiß Lindenau\n"
                                                         "Runden: 2\n"
                                                         "Gruppen je Runde: 4 2\n"
                                                         "Mannschaften je Runde: 18 8\n"
                                                         "Spiele: 44\n"
                                                         "Ergebnisse: 12\n"
                                                         "Namenspool: 18\n"));
}

TEST(CliFileCommands, FailuresGoToStandardErrorWithAnErrorStatus)
{
    QTemporaryDir folder;
    const QString damaged = folder.filePath(QStringLiteral("kaputt.auf"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Turnier\r\n5.08\r\n");
    file.close();

    const CliRun missing = RunCli({QStringLiteral("info"), folder.filePath(QStringLiteral("fehlt.auf"))});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Einladen klappt nich !")));
    EXPECT_TRUE(missing.out.isEmpty());

    const CliRun truncated =
        RunCli({QStringLiteral("save"), damaged, folder.filePath(QStringLiteral("o.auf"))});
    EXPECT_NE(truncated.exitCode, 0);
    EXPECT_TRUE(truncated.err.contains(QStringLiteral("Zeile 3:"))) << truncated.err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("o.auf"))));

    const CliRun unwritable = RunCli(
        {QStringLiteral("save"), DataFile(QStringLiteral("normal.auf")), damaged + QStringLiteral("/o.auf")});
    EXPECT_NE(unwritable.exitCode, 0);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("Fehler")));

    EXPECT_EQ(RunCli({QStringLiteral("save"), damaged}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("info")}).exitCode, 2);
}
