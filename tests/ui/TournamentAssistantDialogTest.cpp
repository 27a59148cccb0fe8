#include "ui/TournamentAssistantDialog.h"
#include "UiTestSupport.h"
#include "model/TournamentFile.h"
#include "ui/TForm2.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

// 24 teams on 4 fields: groups, then a knockout tree with the third-place game, the teams pasted
// with their addresses and seeded one per group. The open tournament is unsaved: the first
// "Übernehmen" is cancelled at the question, the second discards it.
TEST_F(MainWindowTest, AssistantBuildsGroupsAndKnockoutWithThirdPlaceFor24Teams)
{
    launch();
    state->IsSaved = false;
    QStringList teamLines;
    for (int team = 1; team <= 24; ++team)
        teamLines.append(QStringLiteral("Team %1; team%1@example.org").arg(team));
    prompter.answer({Prompter::Answer::Cancel, Prompter::Answer::No});
    WaitUntilIdle();
    const QByteArray before = WriteTournamentFile(*state);

    WhenDialogShows<TournamentAssistantDialog>([&](TournamentAssistantDialog* dialog) {
        ChildNamed<QSpinBox>(dialog, "spTeams")->setValue(24);
        ChildNamed<QSpinBox>(dialog, "spFields")->setValue(4);
        PressButton(dialog, "btnPropose");
        auto* proposals = ChildNamed<QListWidget>(dialog, "lbProposals");
        const QStringList lines = ListLines(proposals);
        const auto knockout = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return line.contains(QStringLiteral("Viertelfinale mit Spiel um Platz 3"));
        });
        ASSERT_NE(knockout, lines.end()) << lines.join(u'|').toStdString();
        proposals->setCurrentRow(int(knockout - lines.begin()));

        auto* structure = ChildNamed<QTreeWidget>(dialog, "tvStructure");
        ASSERT_EQ(structure->topLevelItemCount(), 4);
        structure->topLevelItem(3)->setText(0, QStringLiteral("Endspiele")); // as the editor would
        ChildNamed<QPlainTextEdit>(dialog, "edTeams")->setPlainText(teamLines.join(u'\n'));
        ChildNamed<QComboBox>(dialog, "cbOrder")->setCurrentIndex(int(NameOrder::Seeded));

        PressButton(dialog, "btnApply");
        EXPECT_TRUE(dialog->isVisible());
        PressButton(dialog, "btnApply");
        EXPECT_FALSE(dialog->isVisible());
    });
    trigger("actionAssistant");

    // What the assistant builds is its own test; here the dialog's choices arrive.
    EXPECT_EQ(TotalGroups(*state), 8 + 4 + 2 + 2);
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("Team 2")); // seeded: one per group
    EXPECT_EQ(state->NameTable[15][0], QStringLiteral("Endspiele"));
    EXPECT_EQ(state->NamePool[24].Email, QStringLiteral("team24@example.org"));
    EXPECT_TRUE(window->scheduleWindow().isVisible());

    // The whole build is one step to take back.
    WaitUntilIdle();
    trigger("actionUndo");
    EXPECT_EQ(WriteTournamentFile(*state), before);
}
