// Every korvane-cli command refuses wrong arguments (status 2) and reports files it cannot read
// or write (status 1) on standard error, writing nothing. The commands load through one helper, so
// a missing file is tried on two of them.
#include "support/CliProcess.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(CliRefusals, WrongArgumentsAndUnreadableOrUnwritableFilesEndWithAStatusAndAReason)
{
    QTemporaryDir folder;
    const auto inFolder = [&folder](const char* name) { return folder.filePath(QLatin1String(name)); };
    const QString damaged = inFolder("kaputt.auf");
    ASSERT_TRUE(WriteFileContents(damaged, "Turnier\r\n5.08\r\n"));
    const QString example = ExampleTournamentFile();
    const QString missing = inFolder("fehlt.auf");
    const QString notLoaded = QStringLiteral("Einladen klappt nich !");
    struct Case {
        QStringList arguments;
        int exitCode;
        QString inErrors;
        QString notWritten;
    };
    const Case cases[] = {
        {{"info", missing}, 1, notLoaded, {}},
        {{"info"}, 2, {}, {}},
        {{"save", damaged, inFolder("o.auf")}, 1, QStringLiteral("Zeile 3:"), inFolder("o.auf")},
        {{"save", DataFile(QStringLiteral("normal.auf")), damaged + QStringLiteral("/o.auf")},
         1,
         QStringLiteral("Fehler"),
         {}},
        {{"plan", example, "--depth", "viel"}, 2, {}, {}},
        {{"plan", example, "--depth", "100000"}, 2, {}, {}},
        {{"plan", example, "--depth", "-10000"}, 2, {}, {}},
        {{"export", example, "--grid", "nix", "--format", "xls", "-o", inFolder("x.txt")}, 2, {}, {}},
        {{"plan", example, "--round", "1"}, 2, {}, {}},
        {{"plan", example, "--round", "9", "--gamelists"}, 2, {}, {}},
        {{"plan", example, "--format", "pdf"}, 2, {}, {}},
        {{"tables", example, "-o", inFolder("fehlt/plan.csv")}, 1, QStringLiteral("nicht möglich"), {}},
        {{"referrals", missing, inFolder("dump.txt")}, 1, notLoaded, inFolder("dump.txt")},
        {{"referrals", example, inFolder("fehlt/dump.txt")},
         1,
         QStringLiteral("Speichern der Datei ") + inFolder("fehlt/dump.txt"),
         {}},
        {{"check", example, "--fix"}, 2, {}, {}},
        {{"check", example, "-o", inFolder("x.auf")}, 2, {}, inFolder("x.auf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.err.contains(c.inErrors)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        if (!c.notWritten.isEmpty()) {
            EXPECT_FALSE(QFile::exists(c.notWritten));
        }
    }
}
