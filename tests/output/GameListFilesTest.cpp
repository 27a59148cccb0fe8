#include "output/GameListFiles.h"
#include "allocation/AllocationTestSupport.h"
#include "allocation/GameListPages.h"
#include "output/RtfReader.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QStringList ParagraphTexts(const QString& path)
{
    QStringList texts;
    for (const RtfParagraph& paragraph : ReadRtf(FileContents(path)).paragraphs)
        texts << paragraph.Text();
    return texts;
}
} // namespace

TEST(WriteGameListFiles, WritesOneSafelyNamedFilePerTeamAndAsksBeforeReplacing)
{
    auto state = MakeTournament({{{4}, 1}});
    state->TournamentName = QStringLiteral("Cup");
    state->NameTable[1][2] = QStringLiteral("../evil");
    state->NameTable[1][3] = QString();
    const auto output = Allocate(*state, {}, 1);
    const QStringList pages = GameListPages(*state, output->GameLists, 1);

    QTemporaryDir workDir;
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteGameListFiles(*state, output->GameLists, 1, true, workDir.path(), prompter));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Spiellisten im Ordner SPIELLISTEN gespeichert")});
    EXPECT_EQ(QDir(workDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Spiellisten")});
    const QDir folder(workDir.filePath(QStringLiteral("Spiellisten")));
    const QStringList names{QStringLiteral("01 1.1 Cup Rd1 Spielliste.rtf"),
                            QStringLiteral("02 ___evil Cup Rd1 Spielliste.rtf"),
                            QStringLiteral("03 ohne Namen Cup Rd1 Spielliste.rtf"),
                            QStringLiteral("04 1.4 Cup Rd1 Spielliste.rtf")};
    QStringList sortedNames = names;
    sortedNames.sort();
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), sortedNames);

    qsizetype start = 0;
    for (int team = 1; team <= 4; ++team) {
        const QStringList page = pages.mid(start, 7 + output->GameLists.count(team));
        start += page.size();
        EXPECT_EQ(ParagraphTexts(folder.filePath(names[team - 1])), page) << "team " << team;
    }

    // The old first file stays when the question is declined; the others are replaced.
    ASSERT_TRUE(WriteFileContents(folder.filePath(names[0]), "old"));
    ScriptedPrompter again;
    again.answer({Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::Yes});
    ASSERT_TRUE(WriteGameListFiles(*state, output->GameLists, 1, true, workDir.path(), again));
    ASSERT_EQ(again.shown().size(), 5u);
    EXPECT_EQ(again.texts()[0],
              QStringLiteral("Die Datei 01 1.1 Cup Rd1 Spielliste.rtf existiert schon. Überschreiben ? "));
    EXPECT_EQ(FileContents(folder.filePath(names[0])), QByteArray("old"));
    EXPECT_EQ(ParagraphTexts(folder.filePath(names[1]))[5], QStringLiteral("Mannschaft: ../evil"));
    EXPECT_EQ(ParagraphTexts(folder.filePath(names[1])).size(), 7 + output->GameLists.count(2));
}

TEST(WriteGameListFiles, WritesAllPagesIntoOneFileOrReportsNothingSaved)
{
    auto state = MakeTournament({{{4}, 1}});
    const auto output = Allocate(*state, {}, 1);

    QTemporaryDir workDir;
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteGameListFiles(*state, output->GameLists, 1, false, workDir.path(), prompter));
    const QString path = workDir.filePath(QStringLiteral("Spiellisten/Korvane Rd1 Spiellisten.rtf"));
    EXPECT_EQ(ParagraphTexts(path), GameListPages(*state, output->GameLists, 1));
    // On A4, every team's list on a new sheet and kept together.
    const RtfDocument document = ReadRtf(FileContents(path));
    EXPECT_EQ(document.page, RtfPage::A4(1134));
    qsizetype first = 0;
    for (int team = 1; team <= 4; ++team) {
        const qsizetype length = 7 + output->GameLists.count(team);
        EXPECT_EQ(document.paragraphs[first].pageBreakBefore, team > 1) << team;
        EXPECT_TRUE(document.paragraphs[first + length - 2].keepWithNext) << team;
        EXPECT_FALSE(document.paragraphs[first + length - 1].keepWithNext) << team;
        first += length;
    }

    ScriptedPrompter empty;
    EXPECT_FALSE(WriteGameListFiles(*state, output->GameLists, 2, false, workDir.path(), empty));
    EXPECT_EQ(empty.texts(), QStringList{QStringLiteral("Spiellisten nicht gespeichert")});
}

TEST(SafeFileNamePart, KeepsNamesInsideTheFolder)
{
    EXPECT_EQ(SafeFileNamePart(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j")),
              QStringLiteral("a_b_c_d_e_f_g_h_i_j"));
    EXPECT_EQ(SafeFileNamePart(QStringLiteral("..")), QStringLiteral("__"));
    EXPECT_EQ(SafeFileNamePart(QStringLiteral(" FC Köln")), QStringLiteral(" FC Köln"));
    EXPECT_EQ(SafeFileNamePart(QString()), QStringLiteral("ohne Namen"));
    EXPECT_EQ(SafeFileNamePart(QStringLiteral("a\x7f\x1b") + QString(60, u'x')),
              QStringLiteral("a__") + QString(37, u'x'));
}
