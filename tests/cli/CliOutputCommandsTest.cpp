// korvane-cli export and gamelists, run as separate processes on the example tournament.
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"
#include "support/PdfWords.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {
// One round of 100 groups of 20: its schedule makes an HTML file of many megabytes.
QString WriteLargeTournament(const QString& path)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->GroupsInRound[1] = 100;
    state->FieldsInRound[1] = 1;
    state->GameLengthInRound[1] = 10;
    for (int group = 1; group <= 100; ++group) {
        state->TeamsInGroup[group] = 20;
        state->NameTable[group][0] = QStringLiteral("Gruppe %1").arg(group);
        for (int position = 1; position <= 20; ++position)
            state->NameTable[group][position] =
                QStringLiteral("Sportverein %1-%2 von 1920").arg(group).arg(position);
    }
    return SavedTournamentFile(*state, path);
}

} // namespace

// Both grids as HTML pages that a strict HTML5 parser (html5lib, Debian python3-html5lib) takes.
TEST(CliExport, WritesBothGridsAsValidHtml)
{
    QTemporaryDir dir;
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import html5lib")});
    const bool haveHtml5lib = probe.waitForFinished(30000) && probe.exitCode() == 0;
    for (const char* grid : {"timeplan", "schedule"}) {
        const QString html = dir.filePath(QStringLiteral("%1.html").arg(QLatin1String(grid)));
        ASSERT_EQ(RunCli({"export", ExampleTournamentFile(), "--grid", grid, "--format", "html", "--border",
                          "2", "-o", html})
                      .exitCode,
                  0);
        const QString page = QString::fromUtf8(FileContents(html));
        EXPECT_TRUE(page.contains(QStringLiteral(" <table border=\"2\" width=\"")));
        if (!haveHtml5lib)
            continue;
        QProcess parse;
        parse.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-c"),
                     QStringLiteral("import html5lib, sys\n"
                                    "html5lib.HTMLParser(strict=True).parse(open(sys.argv[1], 'rb'))"),
                     html});
        ASSERT_TRUE(parse.waitForFinished(60000));
        EXPECT_EQ(parse.exitCode(), 0) << grid << ": " << parse.readAllStandardError().toStdString();
    }
    if (!haveHtml5lib)
        GTEST_SKIP() << "the strict parse needs /usr/bin/python3 with html5lib (Debian: python3-html5lib)";
}

// kill -9 while the export writes: the file beside it is the old one or the whole new one.
TEST(CliExport, AKilledExportLeavesTheOldFileOrTheWholeNewOne)
{
    QTemporaryDir dir;
    const QStringList arguments{
        QStringLiteral("export"),   WriteLargeTournament(dir.filePath(QStringLiteral("gross.auf"))),
        QStringLiteral("--grid"),   QStringLiteral("schedule"),
        QStringLiteral("--format"), QStringLiteral("html"),
        QStringLiteral("-o"),       dir.filePath(QStringLiteral("plan.html"))};
    ASSERT_EQ(RunCli(arguments).exitCode, 0);
    const QByteArray whole = FileContents(arguments.last());
    ASSERT_GT(whole.size(), 10'000'000);
    const QByteArray old("alt");
    for (int attempt = 0; attempt < 5; ++attempt) {
        ASSERT_TRUE(WriteFileContents(arguments.last(), old));
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        QProcess exporting;
        exporting.start(QStringLiteral(KORVANE_CLI_PATH), arguments);
        ASSERT_TRUE(exporting.waitForStarted());
        // Killed as soon as writing shows: a new file in the folder, or the old one changing.
        while (exporting.state() != QProcess::NotRunning &&
               QDir(dir.path()).entryList(QDir::Files) == filesBefore &&
               QFileInfo(arguments.last()).size() == old.size())
            QThread::usleep(100);
        exporting.kill();
        exporting.waitForFinished();
        const QByteArray left = FileContents(arguments.last());
        EXPECT_TRUE(left == old || left == whole) << "attempt " << attempt << ": " << left.size() << " bytes";
    }
}

TEST(CliGameLists, NumbersTheFilesSoTeamsOfOneNameKeepTheirOwnAndReplacesOrReportsFilesOnlyAsTold)
{
    QTemporaryDir dir;
    const QStringList arguments{
        QStringLiteral("gamelists"), FixtureFile(QStringLiteral("damaged/namen-doppelt-und-lang.auf")),
        QStringLiteral("--round"),   QStringLiteral("1"),
        QStringLiteral("--target"),  QStringLiteral("per-team"),
        QStringLiteral("--dir"),     dir.path()};
    const QStringList overwriting = arguments + QStringList{QStringLiteral("--overwrite")};
    ASSERT_EQ(RunCli(arguments).exitCode, 0);
    QDir folder(dir.filePath(QStringLiteral("Spiellisten")));
    const QStringList names{
        QStringLiteral("01 Adler Hallencup Rd1 Spielliste.rtf"),
        QStringLiteral("02 Dup FC Hallencup Rd1 Spielliste.rtf"),
        QStringLiteral("03 Dup FC Hallencup Rd1 Spielliste.rtf"),
        QStringLiteral("04 Sportfreunde Dachsbau-Oberwiesental 1919 Hallencup Rd1 Spielliste.rtf")};
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), names);

    // Without --overwrite every question is declined: nothing is replaced.
    const QString first = folder.filePath(names[0]);
    ASSERT_TRUE(WriteFileContents(first, "alt"));
    EXPECT_EQ(RunCli(arguments).exitCode, 1);
    EXPECT_EQ(FileContents(first), QByteArray("alt"));
    EXPECT_EQ(RunCli(overwriting).exitCode, 0);
    EXPECT_NE(FileContents(first), QByteArray("alt"));

    // A folder in the place of the second file: that file fails, the others are still written.
    ASSERT_TRUE(folder.remove(names[1]));
    ASSERT_TRUE(folder.mkdir(names[1]));
    const CliRun run = RunCli(overwriting);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Speichern oder Druckausgabe nicht möglich\n") +
                                 QDir::toNativeSeparators(folder.filePath(names[1]))))
        << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("Spiellisten nur zum Teil gespeichert: 1 von 4 Dateien ließen sich "
                                        "nicht schreiben.")));
}

TEST(CliPrint, RendersTheExampleTimePlanIntoALandscapePdfThatAReaderReads)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("zeitplan.pdf"));
    const int status = RunCli({"print", ExampleTournamentFile(), "--grid", "timeplan", "-o", pdf}).exitCode;
    if (status == 2)
        GTEST_SKIP() << "korvane-cli was built without the GUI";
    ASSERT_EQ(status, 0);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const PdfWords words = ReadPdfWords(pdf);
    ASSERT_TRUE(words.read && !words.pages.empty());
    EXPECT_GT(words.pages[0].width(), words.pages[0].height());
    EXPECT_TRUE(words.pageText(0).contains(QStringLiteral("Runde 1"))) << words.pageText(0).toStdString();
}
