#include "model/TournamentStorage.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "support/FullTournament.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {
const QString ProtectedNameText = QStringLiteral(
    "Dieser Dateiname ist geschützt und sollte nicht verwendet werden. Bitte benennen Sie die Datei um und "
    "laden Sie diese erneut ein.");

class TournamentStorageTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(m_folder.path()).filePath(name); }

    // An unsaved tournament in memory, as after some edits.
    std::unique_ptr<TournamentState> EditedTournament()
    {
        auto state = std::make_unique<TournamentState>();
        ResetTournament(*state);
        SetUpDefaultTournament(*state);
        state->TournamentName = QStringLiteral("in Arbeit");
        state->IsSaved = false;
        state->AutoLoadPending = true;
        state->RememberedFileName = QStringLiteral("alt.auf");
        return state;
    }

    QTemporaryDir m_folder;
    ScriptedPrompter m_prompter;
};
} // namespace

TEST_F(TournamentStorageTest, LoadReadsTheFileAndMarksTheTournamentSavedAndJustLoaded)
{
    ASSERT_TRUE(
        WriteFileContents(path(QStringLiteral("cup.auf")), WriteTournamentFile(*MakeFullTournament())));
    auto state = EditedTournament();
    EXPECT_TRUE(LoadTournament(*state, path(QStringLiteral("cup.auf")), m_prompter));
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(state->TournamentName, QStringLiteral("Hallencup Größe & Süß"));
    EXPECT_TRUE(state->IsSaved);
    EXPECT_FALSE(state->AutoLoadPending);
    EXPECT_TRUE(state->JustLoaded);
    EXPECT_EQ(state->RememberedFileName, path(QStringLiteral("cup.auf")));
}

TEST_F(TournamentStorageTest, AFileThatCannotBeReadWhollyLeavesTheOpenTournamentExactlyAsItWas)
{
    QStringList lines = FileLines(WriteTournamentFile(*MakeFullTournament(false)));
    lines[21] = QStringLiteral("abc"); // the round count
    ASSERT_TRUE(WriteFileContents(path(QStringLiteral("kaputt.auf")), FileBytes(lines)));
    // A picture renamed: its first line would become the name, its fifth the points system.
    static const char Picture[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\n3333333\nx\n";
    ASSERT_TRUE(WriteFileContents(path(QStringLiteral("bild.auf")), QByteArray(Picture, sizeof Picture - 1)));
    const struct {
        const char* file;
        QString cause;
    } cases[] = {
        {"fehlt.auf", QStringLiteral("Die Datei ")},
        {"kaputt.auf", QStringLiteral("Zeile 22: \"abc\" ist keine Zahl (Anzahl der Runden).")},
        {"bild.auf", QStringLiteral("Zeile ")},
    };
    for (const auto& loadCase : cases) {
        SCOPED_TRACE(loadCase.file);
        auto state = EditedTournament();
        const auto before = std::make_unique<TournamentState>(*state);
        m_prompter.clear();
        EXPECT_FALSE(LoadTournament(*state, path(QString::fromLatin1(loadCase.file)), m_prompter));
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("Korvane"));
        EXPECT_TRUE(m_prompter.shown()[0].text.startsWith(QStringLiteral("Einladen klappt nich !\n") +
                                                          loadCase.cause))
            << m_prompter.shown()[0].text.toStdString();
        before->AutoLoadPending = false; // the only change: no start file is pending any more
        EXPECT_TRUE(*state == *before);
        EXPECT_FALSE(state->IsSaved); // still unsaved: the exit question must still come
    }
}

TEST_F(TournamentStorageTest, ProtectedNamesAreRenamedWithAWarning)
{
    for (const QString& name : {QStringLiteral("hlpdatc.tmp"), QStringLiteral("hlpdata.tmp")}) {
        auto state = EditedTournament();
        state->RememberedFileName = name;
        m_prompter.clear();
        LoadTournament(*state, path(QStringLiteral("fehlt.auf")), m_prompter);
        ASSERT_EQ(m_prompter.shown().size(), 2u);
        EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("Obacht !"));
        EXPECT_EQ(m_prompter.shown()[0].text, ProtectedNameText);
        EXPECT_EQ(state->RememberedFileName, name.left(7) + QStringLiteral(".auf"));
    }
    auto state = EditedTournament();
    state->RememberedFileName = QStringLiteral("/tmp/hlpdatc.tmp"); // only the exact names
    GuardProtectedFileName(*state, m_prompter);
    EXPECT_EQ(state->RememberedFileName, QStringLiteral("/tmp/hlpdatc.tmp"));
}

TEST_F(TournamentStorageTest, SaveWritesAndRemembersTheFileAndOverwritesAnotherOnlyOnYes)
{
    const QString other = path(QStringLiteral("fremd.auf"));
    ASSERT_TRUE(WriteFileContents(other, "bleibt"));
    auto state = MakeFullTournament();
    state->IsSaved = false;
    m_prompter.answer({Prompter::Answer::No});
    EXPECT_FALSE(SaveTournament(*state, other, m_prompter));
    EXPECT_EQ(m_prompter.texts(),
              QStringList{QStringLiteral("existierende Datei \"fremd.auf\" überschreiben ?")});
    EXPECT_EQ(FileContents(other), QByteArray("bleibt"));
    EXPECT_FALSE(state->IsSaved);
    EXPECT_TRUE(state->RememberedFileName.isEmpty());

    m_prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(SaveTournament(*state, other, m_prompter));
    EXPECT_EQ(FileContents(other), WriteTournamentFile(*state));
    EXPECT_TRUE(state->IsSaved);
    EXPECT_EQ(ProposedSaveName(*state), other);
    // Saving again to the remembered file asks nothing.
    m_prompter.clear();
    state->IsSaved = false;
    EXPECT_TRUE(SaveTournament(*state, other, m_prompter));
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(TournamentStorageTest, SavingOverAFileKeepsTheVersionItReplaces)
{
    const QString target = path(QStringLiteral("cup.auf"));
    const QString previous = path(QStringLiteral("cup.auf.bak"));
    EXPECT_EQ(PreviousVersionPath(target), previous);
    auto state = MakeFullTournament();
    ASSERT_TRUE(SaveTournament(*state, target, m_prompter));
    EXPECT_FALSE(QFileInfo::exists(previous)); // nothing was replaced
    const QByteArray first = FileContents(target);

    state->TournamentName = QStringLiteral("zweiter Stand");
    ASSERT_TRUE(SaveTournament(*state, target, m_prompter));
    EXPECT_EQ(FileContents(previous), first);
    const QByteArray second = FileContents(target);

    // The same bytes again leave the previous version as it was; the next change moves it on.
    ASSERT_TRUE(SaveTournament(*state, target, m_prompter));
    EXPECT_EQ(FileContents(previous), first);
    state->TournamentName = QStringLiteral("dritter Stand");
    ASSERT_TRUE(SaveTournament(*state, target, m_prompter));
    EXPECT_EQ(FileContents(previous), second);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

TEST_F(TournamentStorageTest, AFailedWriteReportsTheErrorAndKeepsTheUnsavedState)
{
    const QString blocker = path(QStringLiteral("datei"));
    ASSERT_TRUE(WriteFileContents(blocker, "kein Ordner"));
    auto state = EditedTournament();
    for (const QString& target : {blocker + QStringLiteral("/x.auf"), m_folder.path()}) {
        m_prompter.clear();
        if (QFileInfo::exists(target))
            m_prompter.answer({Prompter::Answer::Yes}); // the folder exists: overwrite it?
        EXPECT_FALSE(SaveTournament(*state, target, m_prompter));
        ASSERT_FALSE(m_prompter.shown().empty());
        EXPECT_EQ(m_prompter.shown().back().caption, QStringLiteral("Fehler"));
        EXPECT_FALSE(state->IsSaved);
        EXPECT_EQ(state->RememberedFileName, QStringLiteral("alt.auf"));
    }
    EXPECT_EQ(FileContents(blocker), QByteArray("kein Ordner"));
}

TEST(TournamentStorage, NamesAndCaptions)
{
    auto state = std::make_unique<TournamentState>();
    EXPECT_EQ(StartFilePath({QStringLiteral("korvane")}), QStringLiteral("normal.auf"));
    EXPECT_EQ(
        StartFilePath({QStringLiteral("korvane"), QStringLiteral("/data/cup.auf"), QStringLiteral("x")}),
        QStringLiteral("/data/cup.auf"));
    EXPECT_EQ(ShowFileCaption(QStringLiteral("/home/orga/cup.auf")),
              QStringLiteral("Datei: cup.auf           Korvane 5.08"));
    EXPECT_EQ(ShowFileCaption(QStringLiteral("C:\\Turniere\\Pfingsten.auf")),
              QStringLiteral("Datei: Pfingsten.auf           Korvane 5.08"));
}
