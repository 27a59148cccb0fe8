#include "model/WorkingDir.h"
#include "model/DataFiles.h"
#include "model/StartArguments.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include "BuildInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {
const QString CreateFailure =
    QStringLiteral("Directory kann nicht erzeugt werden. Sie haben nicht die nötigen Rechte.");

// Every test runs with KORVANE_WORKDIR pointing below a temporary folder and a program folder
// holding the four default files; the current directory and the variable are restored after.
class WorkDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(m_program.isValid());
        m_savedCurrent = QDir::currentPath();
        m_hadOverride = qEnvironmentVariableIsSet("KORVANE_WORKDIR");
        m_savedOverride = qgetenv("KORVANE_WORKDIR");
        for (const QString& name : DefaultWorkFiles)
            ASSERT_TRUE(WriteFileContents(programFile(name), "delivered " + name.toUtf8()));
        useWorkDir(m_root.filePath(QStringLiteral("Dokumente/valdorn/korvane")));
    }

    void TearDown() override
    {
        QDir::setCurrent(m_savedCurrent);
        if (m_hadOverride)
            qputenv("KORVANE_WORKDIR", m_savedOverride);
        else
            qunsetenv("KORVANE_WORKDIR");
    }

    void useWorkDir(const QString& path)
    {
        m_workDir = path;
        qputenv("KORVANE_WORKDIR", path.toUtf8());
    }
    QString programFile(const QString& name) const { return m_program.filePath(name); }
    QString workFile(const QString& name) const { return QDir(m_workDir).filePath(name); }
    bool prepare() { return PrepareWorkDir(*m_state, m_program.path(), m_prompter); }

    QTemporaryDir m_root;
    QTemporaryDir m_program;
    QString m_workDir;
    std::unique_ptr<TournamentState> m_state = std::make_unique<TournamentState>();
    ScriptedPrompter m_prompter;

private:
    QString m_savedCurrent;
    bool m_hadOverride = false;
    QByteArray m_savedOverride;
};

class FixedDocumentsPlatform : public SystemWorkDirPlatform {
public:
    explicit FixedDocumentsPlatform(QString documents) : m_documents(std::move(documents)) {}
    QString documentsFolder() const override { return m_documents; }

private:
    QString m_documents;
};
} // namespace

TEST_F(WorkDirTest, FirstLaunchCopiesTheDefaultFilesAndLaterOnesRestoreOnlyMissingOnes)
{
    // A missing delivered file stays missing without a message; a read-only one is copied writable.
    ASSERT_TRUE(QFile::remove(programFile(QStringLiteral("beispiel.auf"))));
    ASSERT_TRUE(QFile(programFile(QStringLiteral("normal.auf"))).setPermissions(QFile::ReadOwner));

    EXPECT_TRUE(prepare());

    EXPECT_EQ(m_state->WorkDir, m_workDir);
    EXPECT_EQ(QDir::currentPath(), QDir(m_workDir).canonicalPath());
    EXPECT_EQ(FileContents(workFile(QStringLiteral("urkunde.rtf"))), "delivered urkunde.rtf");
    EXPECT_FALSE(QFile::exists(workFile(QStringLiteral("beispiel.auf"))));
    EXPECT_TRUE(QFile(workFile(QStringLiteral("normal.auf"))).permissions() & QFile::WriteOwner);
    // The pairing data stays in the program's folder.
    EXPECT_FALSE(QFile::exists(workFile(QStringLiteral("Daten1.dat"))));

    ASSERT_TRUE(WriteFileContents(workFile(QStringLiteral("normal.auf")), "my own start tournament"));
    ASSERT_TRUE(QFile::remove(workFile(QStringLiteral("urkunde.rtf"))));
    // A later launch keeps the user's files, restores missing ones and deletes a left-over installer.
    ASSERT_TRUE(WriteFileContents(workFile(QStringLiteral("setup.exe")), "left-over installer"));
    EXPECT_TRUE(prepare());
    EXPECT_FALSE(QFile::exists(workFile(QStringLiteral("setup.exe"))));
    EXPECT_EQ(FileContents(workFile(QStringLiteral("normal.auf"))), "my own start tournament");
    EXPECT_EQ(FileContents(workFile(QStringLiteral("urkunde.rtf"))), "delivered urkunde.rtf");
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(WorkDirTest, InstalledProgramTakesItsFilesFromTheDataFolderUnlessOneLiesBesideIt)
{
    QTemporaryDir prefix;
    const QDir bin(prefix.filePath(QStringLiteral("bin")));
    const QDir installed(bin.filePath(QString::fromLatin1(KorvaneDataFromProgram)));
    ASSERT_TRUE(QDir().mkpath(bin.path()) && QDir().mkpath(installed.path()));
    for (const QString& name : DefaultWorkFiles)
        ASSERT_TRUE(WriteFileContents(installed.filePath(name), "installed " + name.toUtf8()));
    ASSERT_TRUE(QFile::copy(DataFile(QStringLiteral("Daten1.dat")),
                            installed.filePath(QStringLiteral("Daten1.dat"))));
    ASSERT_TRUE(WriteFileContents(bin.filePath(QStringLiteral("urkunde.rtf")), "own template"));

    EXPECT_TRUE(PrepareWorkDir(*m_state, bin.path(), m_prompter));
    EXPECT_EQ(FileContents(workFile(QStringLiteral("normal.auf"))), "installed normal.auf");
    EXPECT_EQ(FileContents(workFile(QStringLiteral("urkunde.rtf"))), "own template");
    EXPECT_EQ(FindDataFile(bin.path(), QStringLiteral("fehlt.dat")),
              bin.filePath(QStringLiteral("fehlt.dat")));

    StartUpTournament(*m_state, bin.path(), m_prompter);
    EXPECT_EQ(m_state->Pairings, BuildPairingTable());

    // The pairing file of an older program, put beside the executable, is the one read.
    PairingTable older = BuildPairingTable();
    older.setEntry(1, {2, 1});
    ASSERT_TRUE(WriteFileContents(bin.filePath(QStringLiteral("Daten1.dat")), older.toRecords()));
    StartUpTournament(*m_state, bin.path(), m_prompter);
    EXPECT_EQ(m_state->Pairings, older);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST(StartArguments, FileNamedRelativeToTheLaunchFolderIsMadeAbsoluteThere)
{
    // Start-up makes the working folder current before it loads the file.
    QTemporaryDir launchDir;
    const QString program = QStringLiteral("/usr/bin/korvane");
    const QString name = QStringLiteral("Pfingsten Grün.auf");
    ASSERT_TRUE(WriteFileContents(launchDir.filePath(name), "tournament"));
    EXPECT_EQ(WithAbsoluteStartFile({program, name}, launchDir.path()),
              (QStringList{program, launchDir.filePath(name)}));
    // A name only the working folder holds is left to it; absolute paths and no file stay.
    for (const QStringList& unchanged :
         {QStringList{program, QStringLiteral("normal.auf")},
          QStringList{program, QStringLiteral("/tmp/x.auf")}, QStringList{program}})
        EXPECT_EQ(WithAbsoluteStartFile(unchanged, launchDir.path()), unchanged);
}

TEST_F(WorkDirTest, UncreatableFolderIsReportedAndStartUpGoesOnInTheOldCurrentDir)
{
    const QString blocker = m_root.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(WriteFileContents(blocker, "not a folder"));
    useWorkDir(blocker + QStringLiteral("/valdorn/korvane"));
    // A "setup.exe" in whatever folder stays current belongs to someone else.
    ASSERT_TRUE(QDir::setCurrent(m_root.path()));
    ASSERT_TRUE(WriteFileContents(m_root.filePath(QStringLiteral("setup.exe")), "foreign installer"));

    EXPECT_FALSE(prepare());

    EXPECT_EQ(m_prompter.texts(),
              (QStringList{CreateFailure, QStringLiteral("aktuelles Verzeichnis ") +
                                              QDir::toNativeSeparators(m_workDir) +
                                              QStringLiteral(" konnte nicht gesetzt werden")}));
    EXPECT_EQ(QDir::currentPath(), QDir(m_root.path()).canonicalPath());
    EXPECT_TRUE(QFile::exists(m_root.filePath(QStringLiteral("setup.exe"))));
    EXPECT_EQ(m_state->WorkDir, m_workDir);
}

TEST_F(WorkDirTest, WorkDirPathComesFromTheDocumentsFolderUnlessOverridden)
{
    const FixedDocumentsPlatform documents(QStringLiteral("/home/trainer/Dokumente"));
    EXPECT_EQ(WorkDirPath(documents), m_workDir);

    qputenv("KORVANE_WORKDIR", "");
    EXPECT_EQ(WorkDirPath(documents), QStringLiteral("/home/trainer/Dokumente/valdorn/korvane"));
    EXPECT_EQ(WorkDirPath(FixedDocumentsPlatform(QString())), QStringLiteral("/valdorn/korvane"));

    // A relative override is fixed against the directory current at start-up.
    ASSERT_TRUE(QDir::setCurrent(m_root.path()));
    qputenv("KORVANE_WORKDIR", "portable/daten");
    EXPECT_EQ(WorkDirPath(documents), QDir(m_root.path()).absoluteFilePath(QStringLiteral("portable/daten")));
}

TEST(StartUpTournament, BuildsTheOneGroupTournamentAndLoadsThePairingTable)
{
    auto state = std::make_unique<TournamentState>();
    state->StartTime = QStringLiteral("9:30");
    state->TimeAnchorIsStart = false;
    state->Settings.WithSets = true;
    state->IsSaved = false;
    state->FieldPlan.resize(2, 2);
    ScriptedPrompter prompter;

    StartUpTournament(*state, QStringLiteral(KORVANE_DATA_DIR), prompter);

    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(state->TeamsInGroup[1], 4);
    EXPECT_TRUE(state->TimeAnchorIsStart);
    EXPECT_EQ(state->StartTime, QStringLiteral("00:00"));
    EXPECT_EQ(state->SetsWord, QStringLiteral("Sätze"));
    EXPECT_TRUE(state->IsSaved);
    // The reset ran while starting up, so it left the grids to the windows.
    EXPECT_EQ(state->FieldPlan.rowCount(), 2);
}

TEST(StartUpTournament, MissingPairingDataIsReportedAndStartUpStillFinishes)
{
    auto state = std::make_unique<TournamentState>();
    QTemporaryDir emptyProgramDir;
    ScriptedPrompter prompter;

    StartUpTournament(*state, emptyProgramDir.path(), prompter);

    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(state->SetsWord.isEmpty());
    EXPECT_TRUE(state->AutoLoadPending);
    EXPECT_FALSE(state->StartingUp);
}
