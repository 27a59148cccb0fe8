#include "names/NamePool.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"
#include "names/NamePlacement.h"
#include "names/NameTransfer.h"
#include "results/RowTags.h"
#include "results/ScheduleFixture.h"
#include "results/ScheduleGrid.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TaggedCell.h"

#include <gtest/gtest.h>

namespace {
class NamePoolTest : public ::testing::Test {
protected:
    void add(const QString& name, const QString& email = QString(), bool sorted = false)
    {
        AddPoolName(*state, name, email, sorted, prompter);
    }
    QStringList poolNames() const
    {
        QStringList names;
        for (int entry = 1; entry <= state->NamePoolCount; ++entry)
            names << state->NamePool[entry].Name;
        return names;
    }
    QString emailOf(const QString& name) const
    {
        for (int entry = 1; entry <= state->NamePoolCount; ++entry)
            if (state->NamePool[entry].Name == name)
                return state->NamePool[entry].Email;
        return QStringLiteral("<none>");
    }
    // The list and the table must never part.
    void expectInStep() const
    {
        EXPECT_EQ(poolNames(), state->NameList);
        for (int entry = state->NamePoolCount + 1; entry <= Limits::MaxPoolEntries; ++entry)
            EXPECT_EQ(state->NamePool[entry], NamePoolEntry{}) << entry;
    }

    // The positions take names without a question.
    void dropResults() const
    {
        state->ResultCount = 0;
        state->GroupCompleted.fill(false);
        state->GroupHasResults.fill(false);
    }

    std::unique_ptr<TournamentState> state = TwoRoundTournament();
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(NamePoolTest, AddingRefusesExactDuplicatesAndNamesKeepTheirAddressesThroughEveryReorder)
{
    add(QStringLiteral("Zander"), QStringLiteral("z@club.de"));
    add(QStringLiteral("A"), QStringLiteral("a@club.de"));
    add(QStringLiteral("A "));
    add(QStringLiteral("zander"), QStringLiteral("kleines-z@club.de"));
    EXPECT_EQ(state->NameList, (QStringList{"Zander", "A ", "zander"}));
    EXPECT_EQ(prompter.texts(), QStringList{PoolText::Duplicate});

    // Sorted as an organiser reads names: small initials stand among the capitals.
    add(QStringLiteral("mars"), QStringLiteral("m@club.de"));
    SortPoolNames(*state);
    EXPECT_EQ(state->NameList, (QStringList{"A ", "mars", "Zander", "zander"}));
    add(QStringLiteral("bären"), QString(), true);
    EXPECT_EQ(state->NameList.indexOf(QStringLiteral("bären")), 1);
    DeleteMarkedNames(*state, {1});
    expectInStep();

    state->NamePool[3].Marker = QStringLiteral("1"); // ticked for e-mail
    EXPECT_EQ(MovePoolName(*state, 2, 99), 3);
    EXPECT_EQ(MovePoolName(*state, 3, 0), 0);
    EXPECT_EQ(state->NameList, (QStringList{"Zander", "A ", "mars", "zander"}));
    EXPECT_EQ(state->NamePool[1].Marker, QStringLiteral("1"));
    expectInStep();

    const RemovedPoolName removed = DeleteMarkedNames(*state, {2, 1, 42});
    EXPECT_EQ(removed.Name, QStringLiteral("mars"));
    EXPECT_EQ(removed.Email, QStringLiteral("m@club.de"));
    EXPECT_EQ(state->NameList, (QStringList{"Zander", "zander"}));
    EXPECT_EQ(emailOf(QStringLiteral("Zander")), QStringLiteral("z@club.de"));
    EXPECT_EQ(emailOf(QStringLiteral("zander")), QStringLiteral("kleines-z@club.de"));
    expectInStep();
}

TEST_F(NamePoolTest, TextsAreCutToFortyCharactersAndAFullPoolRefusesMore)
{
    const QString longName = QString(45, u'N');
    add(longName, QString(50, u'e'));
    EXPECT_EQ(prompter.texts(), QStringList{PoolText::Cut(QString(40, u'N'))});
    EXPECT_EQ(state->NameList, QStringList{QString(40, u'N')});
    EXPECT_EQ(state->NamePool[1].Email, QString(40, u'e'));
    add(longName); // the same name once cut
    EXPECT_EQ(state->NamePoolCount, 1);

    for (int n = 2; n <= Limits::MaxPoolEntries; ++n)
        add(QStringLiteral("Team %1").arg(n));
    prompter.clear();
    add(QStringLiteral("Einer zu viel"));
    EXPECT_EQ(state->NamePoolCount, Limits::MaxPoolEntries);
    EXPECT_EQ(prompter.texts(), QStringList{PoolText::Full});
    expectInStep();
}

TEST_F(NamePoolTest, UsedNamesAreThoseStandingInAPositionOfThePlan)
{
    for (const QString name : {"Dachse", "Zander", "Cobras", "Finale"})
        add(name);
    EXPECT_EQ(MarkUsedNames(*state), (QList<bool>{true, false, true, false}));
}

TEST_F(NamePoolTest, ADroppedNameTakesThePositionAndCutsItsIncomingReferral)
{
    dropResults();
    state->Settings.KeepPlanUpdated = false;
    RenderScheduleGrid(*state);
    state->ReferralTable[1][1] = {0, 0, 3, 1};
    state->ReferralTable[3][1] = {1, 1, 0, 0};
    state->IsSaved = true;
    const TaggedCell finalFirst = FindTaggedCell(state->ScheduleGrid, 3, TagKind::KopfMannschaft, 1);
    const NameDropOutcome outcome =
        DropNameOnPosition(*state, finalFirst.col, finalFirst.row, QStringLiteral("Zander"), prompter);
    EXPECT_TRUE(outcome.Placed);
    EXPECT_EQ(state->ScheduleGrid.cell(finalFirst.col, finalFirst.row), QStringLiteral("1) Zander"));
    EXPECT_EQ(state->ReferralTable[1][1], Referral{});
    EXPECT_EQ(state->ReferralTable[3][1], Referral{});
    EXPECT_FALSE(state->IsSaved);
    EXPECT_EQ(state->SelectedGroup, 3);

    // A goals cell takes no name and asks nothing, even in a group with results.
    state->GroupHasResults[1] = true;
    state->IsSaved = true;
    const TaggedCell goals = FindTaggedCell(state->ScheduleGrid, 1, TagKind::Tore, 1);
    EXPECT_FALSE(DropNameOnPosition(*state, goals.col, goals.row, QStringLiteral("Zander"), prompter).Placed);
    EXPECT_TRUE(state->IsSaved);

    // A completed group asks first; No changes nothing.
    state->GroupCompleted[1] = true;
    prompter.answer({Prompter::Answer::No});
    const TaggedCell first = FindTaggedCell(state->ScheduleGrid, 1, TagKind::KopfMannschaft, 1);
    EXPECT_FALSE(DropNameOnPosition(*state, first.col, first.row, QStringLiteral("Zander"), prompter).Placed);
    EXPECT_EQ(state->NameTable[1][1], QStringLiteral("Adler"));
    EXPECT_TRUE(state->IsSaved);
    EXPECT_TRUE(
        prompter.texts().last().startsWith(QStringLiteral("Diese Gruppe wurde bereits abgeschlossen")));

    // Kept up to date, the drop renders the plan anew.
    state->Settings.KeepPlanUpdated = true;
    const TaggedCell second = FindTaggedCell(state->ScheduleGrid, 2, TagKind::KopfMannschaft, 2);
    EXPECT_TRUE(DropNameOnPosition(*state, second.col, second.row, QStringLiteral("Z"), prompter).Rendered);
    EXPECT_EQ(state->ScheduleGrid.cell(second.col, second.row), QStringLiteral("2) _______________"));
}

TEST_F(NamePoolTest, RenamingKeepsTheReferralUnlessAskedToCutIt)
{
    dropResults();
    state->ReferralTable[1][1] = {0, 0, 3, 1};
    state->ReferralTable[3][1] = {1, 1, 0, 0};
    state->Settings.PlanChanged = false;
    ASSERT_TRUE(RenamePosition(*state, 3, 1, QStringLiteral("Sieger A"), false, prompter));
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("Sieger A"));
    EXPECT_EQ(state->ReferralTable[3][1].FromGroup, 1);
    EXPECT_TRUE(state->Settings.PlanChanged);
    const TaggedCell renamed = FindTaggedCell(state->ScheduleGrid, 3, TagKind::KopfMannschaft, 1);
    EXPECT_EQ(state->ScheduleGrid.cell(renamed.col, renamed.row), QStringLiteral("1) Sieger A"));
    ASSERT_TRUE(RenamePosition(*state, 3, 1, QStringLiteral("Zander"), true, prompter));
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("Zander"));
    EXPECT_EQ(state->ReferralTable[1][1], Referral{});

    EXPECT_FALSE(RenamePosition(*state, 3, 23, QStringLiteral("x"), true, prompter));
    EXPECT_FALSE(RenamePosition(*state, 0, 1, QStringLiteral("x"), true, prompter));

    add(QStringLiteral("Zander"));
    EXPECT_TRUE(PoolNameHintFor(*state, QStringLiteral("Zander")).InPool);
    EXPECT_FALSE(PoolNameHintFor(*state, QStringLiteral("zander")).InPool);
}

TEST_F(NamePoolTest, ImportCountsWhatItAddedAndReportsLeftOutAndCutNamesInOneMessage)
{
    state->RememberedFileName = QStringLiteral("turnier.auf");
    const QByteArray file =
        "Adler\tadler@club.de\r\nB\xe4ren,baeren@club.de\nM\x81hle\r\n\r\nOst, West\tow@club.de\n"
        "Adler\n" +
        QByteArray(45, 'N') + "\nB\xe4ren\n";
    EXPECT_EQ(ImportNames(*state, file, false, prompter), 5);
    EXPECT_EQ(state->NameList, (QStringList{"Adler", "Bären", "Mühle", "Ost, West", QString(40, u'N')}));
    EXPECT_TRUE(state->RememberedFileName.isEmpty());
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.texts()[0],
              QStringLiteral("Es wurden 5 Namen eingeladen.\n\n"
                             "Schon vorhanden und nicht eingeladen (2): \"Adler\", \"Bären\"\n\n"
                             "Auf 40 Zeichen gekürzt (1): \"") +
                  QString(40, u'N') + u'"');
    EXPECT_EQ(NamePoolExportText(*state), QStringLiteral("Adler\tadler@club.de\r\nBären\tbaeren@club.de\r\n"
                                                         "Mühle\t\r\nOst, West\tow@club.de\r\n") +
                                              QString(40, u'N') + QStringLiteral("\t\r\n"));
}

TEST_F(NamePoolTest, ImportReadsUtf8FilesAsUtf8)
{
    // 0x84 and 0x9F inside the UTF-8 sequences are no DOS umlauts here.
    EXPECT_EQ(NameImportLines("FC M\xc3\xbcllheim\tfc@x.de\r\nTSV \xc3\x84\xc3\x9f\n"),
              (QStringList{QStringLiteral("FC Müllheim\tfc@x.de"), QStringLiteral("TSV Äß")}));
    EXPECT_EQ(NameImportLines("\xef\xbb\xbf"
                              "Adler\n"),
              QStringList{QStringLiteral("Adler")});
    EXPECT_EQ(NameImportLines("M\xfchle \xc3\n"), QStringList{QStringLiteral("Mühle Ã")})
        << "no UTF-8: Windows-1252";
}

TEST_F(NamePoolTest, ImportStopsAtAFullPoolAndReportsAnUnreadableFile)
{
    QByteArray file;
    for (int n = 1; n <= Limits::MaxPoolEntries + 5; ++n)
        file += "Team " + QByteArray::number(n) + "\r\n";
    EXPECT_EQ(ImportNames(*state, file, true, prompter), Limits::MaxPoolEntries);
    EXPECT_EQ(state->NamePoolCount, Limits::MaxPoolEntries);
    EXPECT_EQ(prompter.texts(),
              QStringList{PoolText::Imported(Limits::MaxPoolEntries) + QStringLiteral("\n\n") +
                          PoolText::Full + QStringLiteral(" 5 Zeilen wurden nicht mehr eingelesen.")});
    expectInStep();

    prompter.clear();
    EXPECT_EQ(ImportNamesFromFile(*state, QStringLiteral("/nonexistent/names.txt"), false, prompter), 0);
    EXPECT_EQ(prompter.shown().size(), 1u);
}
