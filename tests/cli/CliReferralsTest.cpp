// korvane-cli referrals, run as a separate process.
#include "model/ReferralDump.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {
struct CliRun {
    int exitCode = -1;
    QString err;
};

CliRun RunReferralsCommand(const QStringList& files)
{
    QProcess process;
    process.start(QStringLiteral(KORVANE_CLI_PATH), QStringList{QStringLiteral("referrals")} + files);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QString ExampleFile()
{
    return QDir(QStringLiteral(KORVANE_DATA_DIR)).filePath(QStringLiteral("beispiel.auf"));
}
} // namespace

TEST(CliReferrals, WritesTheDumpOfTheLoadedExample)
{
    auto state = std::make_unique<TournamentState>();
    ScriptedPrompter prompter;
    ASSERT_TRUE(LoadTournament(*state, ExampleFile(), prompter));
    const QByteArray expected = ReferralDumpText(*state);
    ASSERT_TRUE(expected.contains("\r\n")) << "the example has referrals";

    QTemporaryDir folder;
    const QString out = folder.filePath(ReferralDumpFileName);
    const CliRun run = RunReferralsCommand({ExampleFile(), out});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), expected);
}

TEST(CliReferrals, UnreadableInputOrUnwritableOutputFails)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("dump.txt"));

    const CliRun missing = RunReferralsCommand({folder.filePath(QStringLiteral("fehlt.auf")), out});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Einladen klappt nich !")));
    EXPECT_FALSE(QFile::exists(out));

    const QString unwritable = folder.filePath(QStringLiteral("fehlt/dump.txt"));
    const CliRun blocked = RunReferralsCommand({ExampleFile(), unwritable});
    EXPECT_NE(blocked.exitCode, 0);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("Speichern der Datei ") + unwritable))
        << blocked.err.toStdString();

    EXPECT_EQ(RunReferralsCommand({ExampleFile()}).exitCode, 2);
}
