// korvane-cli export and gamelists, run as separate processes on the example tournament.
#include "output/RtfReader.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
int RunCli(const QStringList& arguments)
{
    return RunCliCommand(arguments.first(), arguments.mid(1)).exitCode;
}

} // namespace

// Both grids as HTML pages that a strict HTML5 parser (html5lib, Debian python3-html5lib) takes.
TEST(CliExport, WritesBothGridsAsValidHtmlAndTheScheduleAsTabText)
{
    QTemporaryDir dir;
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import html5lib")});
    const bool haveHtml5lib = probe.waitForFinished(30000) && probe.exitCode() == 0;
    for (const char* grid : {"timeplan", "schedule"}) {
        const QString html = dir.filePath(QStringLiteral("%1.html").arg(QLatin1String(grid)));
        ASSERT_EQ(RunCli({"export", ExampleTournamentFile(), "--grid", grid, "--format", "html", "--border",
                          "2", "-o", html}),
                  0);
        const QString page = QString::fromUtf8(FileContents(html));
        EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"de\">\r\n")));
        EXPECT_TRUE(page.contains(QStringLiteral(" <table border=\"2\" width=\"")));
        EXPECT_TRUE(page.endsWith(QStringLiteral("  </table>\r\n</body>\r\n</html>\r\n")));
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

    const QString xls = dir.filePath(QStringLiteral("spielplan.txt"));
    ASSERT_EQ(RunCli({"export", ExampleTournamentFile(), "--grid", "schedule", "--format", "xls", "-o", xls}),
              0);
    EXPECT_TRUE(FileContents(xls).contains("\t"));
    EXPECT_EQ(RunCli({"export", ExampleTournamentFile(), "--grid", "nix", "--format", "xls", "-o", xls}), 2);
}

TEST(CliGameLists, WritesOneFilePerTeamAndKeepsFilesWithoutOverwrite)
{
    QTemporaryDir dir;
    ASSERT_EQ(RunCli({"gamelists", ExampleTournamentFile(), "--round", "1", "--target", "per-team", "--dir",
                      dir.path()}),
              0);
    const QDir folder(dir.filePath(QStringLiteral("Spiellisten")));
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        EXPECT_TRUE(name.endsWith(QStringLiteral(" Rd1 Spielliste.rtf"))) << name.toStdString();
        const RtfDocument page = ReadRtf(FileContents(folder.filePath(name)));
        ASSERT_GE(page.paragraphs.size(), 7);
        EXPECT_EQ(page.paragraphs[4].Text(), QStringLiteral("Runde: 1"));
    }
    QFile first(folder.filePath(files[0]));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.write("alt");
    first.close();
    // Without --overwrite every question is declined: nothing is replaced.
    EXPECT_EQ(RunCli({"gamelists", ExampleTournamentFile(), "--round", "1", "--target", "per-team", "--dir",
                      dir.path()}),
              1);
    EXPECT_EQ(FileContents(folder.filePath(files[0])), QByteArray("alt"));
    EXPECT_EQ(RunCli({"gamelists", ExampleTournamentFile(), "--round", "1", "--target", "per-team", "--dir",
                      dir.path(), "--overwrite"}),
              0);
    EXPECT_NE(FileContents(folder.filePath(files[0])), QByteArray("alt"));
}

TEST(CliPrint, RendersTheExampleTimePlanIntoAPdfThatARendererReads)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("zeitplan.pdf"));
    const int status = RunCli({"print", ExampleTournamentFile(), "--grid", "timeplan", "-o", pdf});
    if (status == 2)
        GTEST_SKIP() << "korvane-cli was built without the GUI";
    ASSERT_EQ(status, 0);
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {"-r", "20", "-png", pdf, dir.filePath(QStringLiteral("seite"))});
    if (!render.waitForStarted())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("seite*.png")}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    // A landscape sheet: the rendered page is wider than high.
    const QByteArray png = FileContents(dir.filePath(pages.first()));
    ASSERT_GE(png.size(), 24);
    const auto bigEndian = [&png](int at) {
        return (uchar(png[at]) << 24) | (uchar(png[at + 1]) << 16) | (uchar(png[at + 2]) << 8) |
               uchar(png[at + 3]);
    };
    EXPECT_GT(bigEndian(16), bigEndian(20));
}
