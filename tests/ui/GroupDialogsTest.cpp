#include "UiTestSupport.h"
#include "ui/ChangeGroupDialog.h"
#include "ui/NewGroupDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

TEST_F(MainWindowTest, NewGroupDialogRefusesWhatIsNoNumberAndClampsTheTeamCount)
{
    launch();
    WhenDialogShows<NewGroupDialog>([](NewGroupDialog* dialog) {
        ChildNamed<QLineEdit>(dialog, "groupCountEdit")->setText(QStringLiteral("x"));
        PressButton(dialog, "addButton");
        EXPECT_TRUE(dialog->isVisible());
        ChildNamed<QLineEdit>(dialog, "groupCountEdit")->setText(QStringLiteral("01"));
        ChildNamed<QLineEdit>(dialog, "groupNameEdit")->setText(QStringLiteral("Riesen"));
        ChildNamed<QLineEdit>(dialog, "teamCountEdit")->setText(QStringLiteral("25"));
        PressButton(dialog, "addButton");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(ChildNamed<QLineEdit>(dialog, "teamCountEdit")->text(), QStringLiteral("22"));
    });
    click("newGroupButton");
    EXPECT_EQ(
        ListLines(find<QListWidget>("groupList")),
        (QStringList{QStringLiteral("1) 1 Gruppe 1 (4) einf"), QStringLiteral("2) 2 Riesen (22) einf")}));
    EXPECT_EQ(
        prompter.texts(),
        (QStringList{QStringLiteral("Die Mannschaftszahl oder die Anzahl der Gruppen ist nicht korrekt ! "
                                    "Hier darf nur eine Zahl stehen !"),
                     QStringLiteral("Die Zahl der Mannschaften pro Gruppe darf 22 nicht übersteigen. "
                                    "Der Wert wurde geändert.")}));
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
}

TEST_F(MainWindowTest, ChangeGroupDialogAsksBeforeTouchingAGroupWithResultsAndChangesItsShape)
{
    launch();
    state->ResultCount = 1;
    state->ResultTable[1] = GameResult{1, 1, QStringLiteral("2:1"), 0, 0, 2, 1};
    state->GroupHasResults[1] = true;
    auto& dialog = window->changeGroupDialog();
    prompter.answer({Prompter::Answer::No, Prompter::Answer::No});
    WhenDialogShows<ChangeGroupDialog>([](ChangeGroupDialog* shown) {
        PressButton(shown, "clearResultsButton");
        EXPECT_TRUE(shown->isVisible());
        PressButton(shown, "deleteGroupButton");
        EXPECT_FALSE(shown->isVisible());
    });
    dialog.openForGroup(1);
    EXPECT_EQ(state->ResultCount, 1);
    EXPECT_EQ(TotalGroups(*state), 1);
    EXPECT_EQ(prompter.texts().last(),
              QStringLiteral("Für dieser Gruppe wurden bereits Ergebnisse eingegeben ! "
                             "Wollen Sie trotzdem fortsetzen ? "));

    prompter.answer({Prompter::Answer::Yes});
    WhenDialogShows<ChangeGroupDialog>(
        [](ChangeGroupDialog* shown) { PressButton(shown, "clearResultsButton"); });
    dialog.openForGroup(1);
    EXPECT_EQ(state->ResultCount, 0);
    EXPECT_FALSE(state->GroupHasResults[1]);

    WhenDialogShows<ChangeGroupDialog>([](ChangeGroupDialog* shown) {
        EXPECT_EQ(ChildNamed<QLineEdit>(shown, "groupNameEdit")->text(), QStringLiteral("Gruppe 1"));
        ChildNamed<QLineEdit>(shown, "groupNameEdit")->setText(QStringLiteral("Vorrunde"));
        ChildNamed<QLineEdit>(shown, "teamCountEdit")->setText(QStringLiteral("05"));
        ChildNamed<QRadioButton>(shown, "withReturnLegButton")->setChecked(true);
        PressButton(shown, "changeButton");
    });
    dialog.openForGroup(1);
    window->RefreshMainWindow();
    EXPECT_EQ(ListLines(find<QListWidget>("groupList")),
              QStringList{QStringLiteral("1) 1 Vorrunde (5) rück")});
    EXPECT_EQ(text("gameCountDisplay"), QStringLiteral("20"));
}
