// korvane-cli export and gamelists, run as separate processes on the example tournament.
#include "output/RtfReader.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
int RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KORVANE_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return process.exitCode();
}

QString Example()
{
    return QDir(QStringLiteral(KORVANE_DATA_DIR)).filePath(QStringLiteral("beispiel.auf"));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}
} // namespace

TEST(CliExport, WritesTheTimePlanAsHtmlAndTheScheduleAsTabText)
{
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("plan.html"));
    ASSERT_EQ(
        RunCli({"export", Example(), "--grid", "timeplan", "--format", "html", "--border", "2", "-o", html}),
        0);
    const QString page = QString::fromUtf8(ReadAll(html));
    EXPECT_TRUE(page.startsWith(QStringLiteral("<html>\r\n")));
    EXPECT_TRUE(page.contains(QStringLiteral(" <table border=\"2\"width=\"")));
    EXPECT_TRUE(page.endsWith(QStringLiteral("  </table>\r\n</body>\r\n</html>\r\n")));

    const QString xls = dir.filePath(QStringLiteral("spielplan.txt"));
    ASSERT_EQ(RunCli({"export", Example(), "--grid", "schedule", "--format", "xls", "-o", xls}), 0);
    EXPECT_TRUE(ReadAll(xls).contains("\t\r\n"));
    EXPECT_EQ(RunCli({"export", Example(), "--grid", "nix", "--format", "xls", "-o", xls}), 2);
}

TEST(CliGameLists, WritesOneFilePerTeamAndKeepsFilesWithoutOverwrite)
{
    QTemporaryDir dir;
    ASSERT_EQ(RunCli({"gamelists", Example(), "--round", "1", "--target", "per-team", "--dir", dir.path()}),
              0);
    const QDir folder(dir.filePath(QStringLiteral("Spiellisten")));
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        EXPECT_TRUE(name.endsWith(QStringLiteral(" Rd1 Spielliste.rtf"))) << name.toStdString();
        const RtfDocument page = ReadRtf(ReadAll(folder.filePath(name)));
        ASSERT_GE(page.paragraphs.size(), 7);
        EXPECT_EQ(page.paragraphs[4].Text(), QStringLiteral("Runde: 1"));
    }
    QFile first(folder.filePath(files[0]));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.write("alt");
    first.close();
    // Without --overwrite every question is declined: nothing is replaced.
    EXPECT_EQ(RunCli({"gamelists", Example(), "--round", "1", "--target", "per-team", "--dir", dir.path()}),
              1);
    EXPECT_EQ(ReadAll(folder.filePath(files[0])), QByteArray("alt"));
    EXPECT_EQ(RunCli({"gamelists", Example(), "--round", "1", "--target", "per-team", "--dir", dir.path(),
                      "--overwrite"}),
              0);
    EXPECT_NE(ReadAll(folder.filePath(files[0])), QByteArray("alt"));
}
