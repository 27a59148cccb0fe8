#include "UiTestSupport.h"
#include "ui/ChangeGroupDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

// What the dialogs decide is the group dialogs' own test; here the windows follow it. (The new-group
// dialog is the structure round trip's.)
TEST_F(MainWindowTest, ChangeGroupDialogAsksBeforeTouchingAGroupWithResultsAndChangesItsShape)
{
    launch();
    state->ResultCount = 1;
    state->ResultTable[1] = GameResult{1, 1, QStringLiteral("2:1"), 0, 0, 2, 1};
    state->GroupHasResults[1] = true;
    auto& dialog = window->changeGroupDialog();
    prompter.answer({Prompter::Answer::Yes});
    WhenDialogShows<ChangeGroupDialog>(
        [](ChangeGroupDialog* shown) { PressButton(shown, "clearResultsButton"); });
    dialog.openForGroup(1);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(state->ResultCount, 0);

    WhenDialogShows<ChangeGroupDialog>([](ChangeGroupDialog* shown) {
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
