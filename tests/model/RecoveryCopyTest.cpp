#include "model/RecoveryCopy.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "support/FullTournament.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {
class RecoveryCopyTest : public ::testing::Test {
protected:
    QString folder() const { return QDir(m_dir.path()).filePath(RecoveryFolderName); }
    QString copyPath(const QString& name) const { return QDir(folder()).filePath(name + RecoveryCopySuffix); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }

    // A copy left behind by a program that no longer runs.
    void leaveCopy(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder());
        ASSERT_TRUE(WriteFileContents(copyPath(name), bytes));
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};
} // namespace

TEST(RecoveryCopyBytes, CarryTheOwnFileAndTheTournamentAndRejectEveryDamage)
{
    const QByteArray tournament = WriteTournamentFile(*MakeFullTournament());
    for (const QString& ownFile : {QString(), QStringLiteral("C:\\Turniere\\Größe 1.auf")}) {
        const RecoveryCopyContent content = ParseRecoveryCopy(RecoveryCopyBytes(ownFile, tournament));
        EXPECT_TRUE(content.ok);
        EXPECT_EQ(content.ownFile, ownFile);
        EXPECT_EQ(content.tournamentBytes, tournament);
    }
    const QByteArray whole = RecoveryCopyBytes(QStringLiteral("/a/b.auf"), tournament);
    QByteArray otherHeader = whole;
    otherHeader[0] = 'X';
    for (const QByteArray& damaged : {whole.left(whole.size() - 1), whole + "x", otherHeader, tournament,
                                      QByteArray(), QByteArray("Korvane-Wiederherstellungskopie 1\r\n")})
        EXPECT_FALSE(ParseRecoveryCopy(damaged).ok) << damaged.left(60).toStdString();
}

TEST_F(RecoveryCopyTest, ACopyIsNamedAfterItsFileAndNeverTakesANameInUse)
{
    leaveCopy(QStringLiteral("pokal"), "für später");
    QLockFile otherProgram(copyPath(QStringLiteral("unbenannt")) + QStringLiteral(".lock"));
    ASSERT_TRUE(otherProgram.tryLock(0));

    RecoveryCopyWriter writer(folder());
    ASSERT_TRUE(writer.write(QString(), "eins"));
    EXPECT_EQ(writer.currentPath(), copyPath(QStringLiteral("unbenannt-2")));
    ASSERT_TRUE(writer.write(QString(), "zwei"));
    EXPECT_EQ(ParseRecoveryCopy(FileContents(writer.currentPath())).tournamentBytes, QByteArray("zwei"));

    // Saved as another file and changed again: the copy moves to the new name, the old one goes.
    ASSERT_TRUE(writer.write(QStringLiteral("/turniere/pokal.auf"), "drei"));
    EXPECT_EQ(writer.currentPath(), copyPath(QStringLiteral("pokal-2")));
    EXPECT_EQ(FileContents(copyPath(QStringLiteral("pokal"))), QByteArray("für später"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("pokal-2.wiederherstellung"),
                                    QStringLiteral("pokal-2.wiederherstellung.lock"),
                                    QStringLiteral("pokal.wiederherstellung"),
                                    QStringLiteral("unbenannt.wiederherstellung.lock")}));
    writer.remove();
    EXPECT_EQ(files(), QStringList({QStringLiteral("pokal.wiederherstellung"),
                                    QStringLiteral("unbenannt.wiederherstellung.lock")}));
}

TEST_F(RecoveryCopyTest, AFolderThatCannotBeWrittenFailsTheWriteWithAReason)
{
    ASSERT_TRUE(WriteFileContents(folder(), {})); // a file where the folder should be
    RecoveryCopyWriter writer(folder());
    QString reason;
    EXPECT_FALSE(writer.write(QString(), "eins", &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST_F(RecoveryCopyTest, StartUpOffersEachLeftCopyAndRestoresOneAsUnsavedUnderItsOwnName)
{
    auto edited = MakeFullTournament();
    edited->TournamentName = QStringLiteral("nach dem Absturz");
    const QByteArray tournament = WriteTournamentFile(*edited);
    leaveCopy(QStringLiteral("pokal"), RecoveryCopyBytes(QStringLiteral("/turniere/pokal.auf"), tournament));
    leaveCopy(QStringLiteral("kaputt"), RecoveryCopyBytes(QString(), tournament.left(200)));
    leaveCopy(QStringLiteral("verworfen"), RecoveryCopyBytes(QString(), tournament));
    leaveCopy(QStringLiteral("belegt"), RecoveryCopyBytes(QString(), tournament));
    QLockFile otherProgram(copyPath(QStringLiteral("belegt")) + QStringLiteral(".lock"));
    ASSERT_TRUE(otherProgram.tryLock(0));
    // Temporaries of writes killed halfway: the one of a running program stays.
    for (const char* temporary : {"belegt.wiederherstellung.Xy34Zw", "verworfen.wiederherstellung.Ab12Cd"})
        ASSERT_TRUE(
            WriteFileContents(QDir(folder()).filePath(QLatin1String(temporary)), tournament.left(10)));
    // The newest first: "verworfen" is discarded, "kaputt" set aside, "pokal" kept for later.
    const int ageInSeconds[] = {10, 20, 60};
    const char* names[] = {"verworfen", "kaputt", "pokal"};
    for (int i = 0; i < 3; ++i) {
        QFile file(copyPath(QLatin1String(names[i])));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageInSeconds[i]),
                         QFileDevice::FileModificationTime);
    }

    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    m_prompter.answer({Prompter::Answer::No, Prompter::Answer::Cancel});
    RecoveryOffer offer = OfferRecoveryCopies(*state, folder(), m_prompter);
    EXPECT_FALSE(offer.restored);
    EXPECT_TRUE(state->IsSaved);
    ASSERT_EQ(m_prompter.shown().size(), 3u);
    EXPECT_EQ(m_prompter.shown()[0].kind, ScriptedPrompter::Kind::YesNoCancel);
    EXPECT_TRUE(m_prompter.shown()[0].text.contains(QStringLiteral("einer noch nie gespeicherten Korvane")));
    EXPECT_EQ(m_prompter.shown()[1].text,
              QStringLiteral("Die Wiederherstellungskopie kaputt.wiederherstellung ist "
                             "beschädigt und wurde als "
                             "kaputt.wiederherstellung.defekt beiseitegelegt."));
    EXPECT_TRUE(
        m_prompter.shown()[2].text.contains(QStringLiteral("„/turniere/pokal.auf“, zuletzt geändert am ")));
    EXPECT_EQ(files(), QStringList({QStringLiteral("belegt.wiederherstellung"),
                                    QStringLiteral("belegt.wiederherstellung.Xy34Zw"),
                                    QStringLiteral("belegt.wiederherstellung.lock"),
                                    QStringLiteral("kaputt.wiederherstellung.defekt"),
                                    QStringLiteral("pokal.wiederherstellung")}));

    m_prompter.clear();
    m_prompter.answer({Prompter::Answer::Yes});
    offer = OfferRecoveryCopies(*state, folder(), m_prompter);
    EXPECT_TRUE(offer.restored);
    EXPECT_EQ(offer.path, copyPath(QStringLiteral("pokal")));
    EXPECT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(WriteTournamentFile(*state), tournament);
    EXPECT_FALSE(state->IsSaved);
    EXPECT_EQ(state->RememberedFileName, QStringLiteral("/turniere/pokal.auf"));

    // The restored copy goes on under the program that restored it.
    RecoveryCopyWriter writer(folder());
    writer.adopt(offer.path, std::move(offer.lock));
    ASSERT_TRUE(writer.write(state->RememberedFileName, tournament));
    EXPECT_EQ(writer.currentPath(), copyPath(QStringLiteral("pokal")));
}

// A program killed at any moment leaves a copy that loads and holds the last state it wrote (or,
// killed between writing and telling, the one after).
TEST_F(RecoveryCopyTest, AKilledProgramAlwaysLeavesACompleteCopyOfItsLastState)
{
    const QString path = copyPath(QStringLiteral("pokal"));
    for (int attempt = 0; attempt < 50; ++attempt) {
        QProcess helper;
        helper.start(QStringLiteral(KORVANE_RECOVERY_CRASH_HELPER), {folder(), ExampleTournamentFile()});
        ASSERT_TRUE(helper.waitForStarted());
        ASSERT_TRUE(helper.waitForReadyRead(30000)); // its first copy is written
        QThread::msleep(QRandomGenerator::global()->bounded(150));
        helper.kill(); // SIGKILL: no chance to clean up
        ASSERT_TRUE(helper.waitForFinished());
        const QList<QByteArray> told = helper.readAllStandardOutput().split('\n');
        const int lastTold = told.size() >= 2 ? told[told.size() - 2].toInt() : 0;

        auto state = std::make_unique<TournamentState>();
        ResetTournament(*state);
        const RecoveryCopyContent content = ParseRecoveryCopy(FileContents(path));
        QDir(folder()).removeRecursively();
        ASSERT_TRUE(content.ok) << attempt;
        ASSERT_TRUE(ReadTournamentFile(*state, content.tournamentBytes).ok);
        const int written = state->TournamentName.mid(6).toInt();
        EXPECT_TRUE(written == lastTold || written == lastTold + 1) << written << " " << lastTold;
        EXPECT_EQ(WriteTournamentFile(*state), content.tournamentBytes);
    }
}
