#include "UiTestSupport.h"
#include "model/RecoveryCopy.h"
#include "model/TournamentFile.h"
#include "model/TournamentStorage.h"
#include "ui/RecoveryKeeper.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

namespace {
class RecoveryTest : public MainWindowTest {
protected:
    QString folder() const { return workFile(RecoveryFolderName); }
    QString copyPath(const QString& name) const { return QDir(folder()).filePath(name + RecoveryCopySuffix); }
    QStringList copies() const { return QDir(folder()).entryList({QStringLiteral("*.wiederherstellung*")}); }

    void leaveCopy(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder());
        ASSERT_TRUE(WriteFileBytes(copyPath(name), bytes));
    }

    // The keeper looks at the tournament now instead of within its next seconds.
    void copyNow()
    {
        window->recovery().check();
        window->recovery().waitForWrites();
        QCoreApplication::processEvents();
    }
};
} // namespace

TEST_F(RecoveryTest, ALeftCopyIsRestoredAsUnsavedAndTheNextSaveGoesToItsOwnFile)
{
    auto crashed = std::make_unique<TournamentState>();
    ResetTournament(*crashed);
    ASSERT_TRUE(
        ReadTournamentFile(*crashed, ReadFileBytes(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"))).ok);
    crashed->TournamentName = QStringLiteral("nach dem Absturz");
    const QByteArray tournament = WriteTournamentFile(*crashed);
    const QString ownFile = workFile(QStringLiteral("pokal.auf"));
    leaveCopy(QStringLiteral("pokal"), RecoveryCopyBytes(ownFile, tournament));
    // Damaged copies and those of another running program are the recovery copies' own test.
    prompter.answer({Prompter::Answer::Yes});
    launch();
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(state->TournamentName, QStringLiteral("nach dem Absturz"));
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
    EXPECT_EQ(window->windowTitle(), ShowFileCaption(ownFile));

    trigger("actionSaveToFile");
    EXPECT_EQ(ReadFileBytes(ownFile), tournament);
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
    window->recovery().waitForWrites();
    EXPECT_TRUE(copies().isEmpty()) << copies().join(u' ').toStdString();
}

TEST_F(RecoveryTest, AnUnsavedChangeIsCopiedAndTheCopyGoesWithNewAndWithACleanExit)
{
    launch();
    TypeInto(find<QLineEdit>("tournamentNameEdit"), QStringLiteral("Pfingstturnier"));
    copyNow();
    // Named after the start file the window loaded.
    ASSERT_EQ(copies(), QStringList({QStringLiteral("normal.wiederherstellung"),
                                     QStringLiteral("normal.wiederherstellung.lock")}));
    const RecoveryCopyContent copy = ParseRecoveryCopy(ReadFileBytes(copyPath(QStringLiteral("normal"))));
    EXPECT_EQ(copy.tournamentBytes, WriteTournamentFile(*state));

    prompter.answer({Prompter::Answer::No}); // "Verwerfen"
    trigger("actionNew");
    window->recovery().waitForWrites();
    EXPECT_TRUE(copies().isEmpty());

    TypeInto(find<QLineEdit>("tournamentNameEdit"), QStringLiteral("Herbstturnier"));
    copyNow();
    EXPECT_EQ(copies().size(), 2);
    prompter.answer({Prompter::Answer::No});
    window->close();
    EXPECT_TRUE(copies().isEmpty());
    window.reset();
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsToldOnceInTheStatusLineAndWorkGoesOn)
{
    launch();
    ASSERT_TRUE(WriteFileBytes(folder(), {})); // a file where the folder should be
    for (const QString& name : {QStringLiteral("eins"), QStringLiteral("zwei")}) {
        TypeInto(find<QLineEdit>("tournamentNameEdit"), name);
        copyNow();
    }
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("Wiederherstellungskopie nicht geschrieben: ")));
    EXPECT_EQ(state->TournamentName, QStringLiteral("zwei"));

    QFile::remove(folder());
    TypeInto(find<QLineEdit>("tournamentNameEdit"), QStringLiteral("drei"));
    copyNow();
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(copies().size(), 2);
}
