#include "UiTestSupport.h"
#include "ui/NewGroupDialog.h"
#include "ui/PauseListWidget.h"
#include "ui/TForm2.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

TEST_F(MainWindowTest, TheRoundsControlsTakeOnlyWhatFitsAndScoringAndNameAsTheyChange)
{
    launch();
    click("fewerFieldsButton");
    EXPECT_EQ(text("fieldDisplay"), QStringLiteral("1"));
    // One field per group is refused with a notice while the fields are too few.
    state->GroupsInRound[1] = 3;
    state->TeamsInGroup[2] = 4;
    state->TeamsInGroup[3] = 4;
    click("oneFieldPerGroupBox");
    EXPECT_FALSE(find<QCheckBox>("oneFieldPerGroupBox")->isChecked());
    EXPECT_EQ(prompter.shown().size(), 1u);
    prompter.clear();
    for (int press = 0; press < 55; ++press)
        click("moreFieldsButton");
    EXPECT_EQ(text("fieldDisplay"), QStringLiteral("50"));
    EXPECT_TRUE(prompter.shown().empty()) << "the limits stop the buttons without a message";

    auto* gameLength = find<QLineEdit>("gameLengthEdit");
    TypeAndEnter(gameLength, QStringLiteral("a2b5"));
    EXPECT_EQ(gameLength->text(), QStringLiteral("25"));
    EXPECT_EQ(state->GameLengthInRound[1], 25);

    auto* start = find<QLineEdit>("startTimeEdit");
    TypeAndEnter(start, QStringLiteral(":30"));
    find<QLineEdit>("pauseBeginEdit")->setFocus();
    EXPECT_EQ(start->text(), QStringLiteral("0:00"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")}) << "reported once";

    click("threePointsButton");
    EXPECT_EQ(state->Settings.PointsSystem, 3);
    TypeInto(find<QLineEdit>("tournamentNameEdit"), QStringLiteral("Hallencup"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Hallencup"));
}

TEST_F(MainWindowTest, BreaksAreAddedOnceDeletedAndAMoveEndsTheSortedOrder)
{
    launch();
    auto* list = find<PauseListWidget>("pauseList");
    auto* begin = find<QLineEdit>("pauseBeginEdit");
    auto* duration = find<QLineEdit>("pauseDurationEdit");
    for (const auto& [start, length] : {std::pair{"14:00", "15"}, std::pair{"9.30", "90"}}) {
        TypeInto(begin, QLatin1String(start));
        TypeAndEnter(duration, QLatin1String(length));
    }
    const QStringList added{QStringLiteral("14:00   00:15"), QStringLiteral("09:30   1:30")};
    EXPECT_EQ(ListLines(list), added);
    EXPECT_TRUE(begin->hasFocus()); // ready for the next break
    // A quick double-click on "hinzufüg." adds one break, not two.
    TypeInto(begin, QStringLiteral("12:00"));
    TypeInto(duration, QStringLiteral("30"));
    auto* add = find<QPushButton>("addPauseButton");
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::mouseDClick(add, Qt::LeftButton); // the second press of the double-click
    QTest::mouseRelease(add, Qt::LeftButton);
    EXPECT_EQ(state->PauseList.count(QStringLiteral("12:00   00:30")), 1);
    list->setCurrentRow(2);
    click("deletePauseButton");
    EXPECT_EQ(state->PauseList, added);

    // Sorting, and a line dragged onto the first one ending the sorted order, are the breaks' own
    // tests; here the box follows.
    click("pausesSortedBox");
    emit list->lineMoved(1, 0);
    EXPECT_EQ(ListLines(list), added);
    EXPECT_FALSE(find<QCheckBox>("pausesSortedBox")->isChecked());
}

TEST_F(MainWindowTest, TeamListTurnsGreenWhenEveryPositionHasANameAndANewRoundStartsEmpty)
{
    launch();
    auto* groups = find<QListWidget>("groupList");
    auto* teams = find<QListWidget>("teamList");
    const QColor normal = teams->palette().color(QPalette::Base);
    const auto showGroup = [groups] {
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {},
                          groups->visualItemRect(groups->item(0)).center());
    };
    for (int slot = 1; slot <= 3; ++slot)
        state->NameTable[1][slot] = QStringLiteral("Team %1").arg(slot);
    showGroup();
    EXPECT_EQ(ListLines(teams).size(), 3);
    EXPECT_EQ(teams->palette().color(QPalette::Base), normal);
    state->NameTable[1][4] = QStringLiteral("Team 4");
    showGroup();
    EXPECT_NE(teams->palette().color(QPalette::Base), normal);

    // Another round empties the list and its colour goes back.
    WhenDialogShows<NewGroupDialog>([](NewGroupDialog* dialog) { dialog->reject(); });
    click("nextRoundButton");
    EXPECT_TRUE(ListLines(teams).isEmpty());
    EXPECT_EQ(teams->palette().color(QPalette::Base), normal);
}
