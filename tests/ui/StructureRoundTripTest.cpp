#include "UiTestSupport.h"
#include "ui/NewGroupDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {
// Fills the new-group dialog and presses "&hinzufügen".
void AddGroupsInDialog(const QString& count, const QString& name, const QString& teams, bool returnLeg)
{
    WhenDialogShows<NewGroupDialog>([=](NewGroupDialog* dialog) {
        ChildNamed<QLineEdit>(dialog, "groupCountEdit")->setText(count);
        ChildNamed<QLineEdit>(dialog, "groupNameEdit")->setText(name);
        ChildNamed<QLineEdit>(dialog, "teamCountEdit")->setText(teams);
        ChildNamed<QRadioButton>(dialog, returnLeg ? "withReturnLegButton" : "withoutReturnLegButton")
            ->setChecked(true);
        PressButton(dialog, "addButton");
    });
}

const QStringList FirstRoundGroups{QStringLiteral("1) 1 Gr1 (4) einf"), QStringLiteral("2) 2 Gr2 (4) einf"),
                                   QStringLiteral("3) 3 Gr3 (4) einf")};
const QStringList SecondRoundGroups{QStringLiteral("1) 4 Finale (4) rück")};
} // namespace

TEST_F(MainWindowTest, TwoRoundStructureSurvivesSaveNewAndLoad)
{
    launch();
    auto* groups = find<QListWidget>("groupList");
    trigger("actionNew");
    click("moreFieldsButton");
    click("moreFieldsButton");
    TypeAndEnter(find<QLineEdit>("gameLengthEdit"), QStringLiteral("012"));
    TypeInto(find<QLineEdit>("pauseBeginEdit"), QStringLiteral("12.00"));
    TypeAndEnter(find<QLineEdit>("pauseDurationEdit"), QStringLiteral("30"));

    AddGroupsInDialog(QStringLiteral("3"), QStringLiteral("Gr"), QStringLiteral("4"), false);
    click("newGroupButton");
    EXPECT_EQ(ListLines(groups), FirstRoundGroups);

    // ">" past the last round opens the dialog.
    AddGroupsInDialog(QStringLiteral("1"), QStringLiteral("Finale"), QStringLiteral("4"), true);
    click("nextRoundButton");
    EXPECT_EQ(text("roundDisplay"), QStringLiteral("2"));
    EXPECT_EQ(ListLines(groups), SecondRoundGroups);
    EXPECT_EQ(text("gameCountDisplay"), QStringLiteral("30"));

    const QString path = workFile(QStringLiteral("turnier.auf"));
    files.answer(path);
    trigger("actionSave");
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].directory, workDir.path());

    trigger("actionNew");
    EXPECT_TRUE(ListLines(groups).isEmpty());

    files.answer(path);
    trigger("actionLoad");
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
    EXPECT_EQ(ListLines(groups), FirstRoundGroups); // what else the file holds is the storage's own test
    click("nextRoundButton");
    EXPECT_EQ(ListLines(groups), SecondRoundGroups);
    EXPECT_TRUE(prompter.shown().empty());

    // Saving again under the same name does not ask; the proposal is the remembered file. (Another
    // existing file is replaced only after a question: the storage's own test.)
    click("moreFieldsButton");
    files.answer(path);
    trigger("actionSave");
    EXPECT_EQ(files.requests()[2].proposedName, path);
    EXPECT_TRUE(prompter.shown().empty());
}
