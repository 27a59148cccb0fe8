#include "UiTestSupport.h"
#include "allocation/AllocationOutput.h"
#include "results/GridInteraction.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "ui/GridView.h"
#include "ui/TForm2.h"
#include "ui/TFormErgebniseingabe.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QItemSelection>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

namespace {
// Every name cell's text (team lists, game lines, tables, the time plan) fits its column, by the
// grid's own font and the delegate's margins.
void ExpectNamesWhole(GridView* view, const TextGrid& grid)
{
    static const QStringList nameKinds{TagKind::KopfName,          TagKind::KopfMannschaft, TagKind::Spiel,
                                       TagKind::TabelleMannschaft, TagKind::ManschA,        TagKind::ManschB};
    const QFontMetrics metrics(view->font());
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    int names = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            if (!nameKinds.contains(ReadRowTag(grid, col, row).Kind) || grid.cell(col, row).isEmpty())
                continue;
            ++names;
            EXPECT_LE(metrics.horizontalAdvance(grid.cell(col, row)) + margins, view->columnWidth(col))
                << grid.cell(col, row).toStdString();
        }
    }
    EXPECT_GT(names, 20);
}
} // namespace

class ScheduleWindowTest : public ExampleScheduleTest {
protected:
    // Keyboard only: the score, Enter to see it normalised, Enter to store it. The dialog opens on a
    // double-click on the schedule's goals cell and on a click on the time plan's.
    void enterGoalsAt(GridView* view, TaggedCell cell, const QString& score)
    {
        WhenDialogShows<TFormErgebniseingabe>([score](TFormErgebniseingabe* dialog) {
            auto* goals = dialog->findChild<QLineEdit*>(QStringLiteral("Edit5"));
            TypeAndEnter(goals, score);
            QTest::keyClick(goals, Qt::Key_Return);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the second Enter did not store the result";
                dialog->reject();
            }
        });
        clickCell(view, cell, view == scheduleView);
    }
    void enterGoals(int group, int game, const QString& score)
    {
        enterGoalsAt(scheduleView, cellOf(group, TagKind::Tore, game), score);
    }

    // enterGoals, and the view is told of every cell that changed without being reset; its
    // columns are as wide as a reload makes them.
    void enterGoalsWatchingTheView(int group, int game, const QString& score)
    {
        const TextGrid before = state->ScheduleGrid;
        QSignalSpy resets(scheduleView->model(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(scheduleView->model(), &QAbstractItemModel::dataChanged);
        enterGoals(group, game, score);
        EXPECT_EQ(resets.count(), 0);
        QItemSelection told;
        for (const QList<QVariant>& change : changes)
            told.select(change.at(0).value<QModelIndex>(), change.at(1).value<QModelIndex>());
        const TextGrid& after = state->ScheduleGrid;
        std::vector<int> widths;
        for (int col = 0; col < after.columnCount(); ++col) {
            widths.push_back(scheduleView->columnWidth(col));
            for (int row = 0; row < after.rowCount(); ++row)
                if (after.cell(col, row) != before.cell(col, row) ||
                    after.colour(col, row) != before.colour(col, row)) {
                    EXPECT_TRUE(told.contains(scheduleView->model()->index(row, col))) << col << "," << row;
                }
        }
        scheduleView->reload();
        for (int col = 0; col < after.columnCount(); ++col)
            EXPECT_EQ(scheduleView->columnWidth(col), widths[std::size_t(col)]) << col;
    }
};

TEST_F(ScheduleWindowTest, ResultsTypedIntoTheGridFillTheFinalAndACorrectionAsksOnceOnTheConfirmingEnter)
{
    openExample();
    QAbstractItemModelTester tester(scheduleView->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    enterGoalsWatchingTheView(2, 4, QStringLiteral("2:1"));
    EXPECT_EQ(shownText(cellOf(2, TagKind::Tore, 4)), QStringLiteral("  2 : 1"));
    EXPECT_FALSE(state->IsSaved);

    enterGoals(2, 5, QStringLiteral("1:0"));
    enterGoalsWatchingTheView(2, 6, QStringLiteral("0:3")); // the winners go on into the final
    ASSERT_TRUE(state->GroupCompleted[2]);
    const QString winner = state->NameTable[2][state->RankedPosition[2][1]];
    EXPECT_EQ(shownText(cellOf(5, TagKind::KopfMannschaft, 2)), QStringLiteral("2) ") + winner);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();

    // A correction of the completed group asks once, on the confirming Enter, whether the results
    // of the round it feeds go (each answer's effect is the result entry's own test).
    enterGoals(5, 1, QStringLiteral("2:2"));
    ASSERT_EQ(CountGroupResults(*state, 5), 1);
    prompter.answer({Prompter::Answer::Yes});
    enterGoals(2, 4, QStringLiteral("3:1"));
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 4)].GoalsFirst, 3);
    EXPECT_EQ(CountGroupResults(*state, 5), 0);
}

TEST_F(ScheduleWindowTest, CtrlZTakesBackAResultAndCtrlYOrCtrlShiftZBringsItBack)
{
    openExample();
    WaitUntilIdle();
    const TaggedCell goals = cellOf(2, TagKind::Tore, 4);
    enterGoals(2, 4, QStringLiteral("2:1"));
    WaitUntilIdle();

    schedule->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(schedule));
    QTest::keyClick(scheduleView, Qt::Key_Z, Qt::ControlModifier); // byte for byte: the history's own test
    EXPECT_EQ(FindResult(*state, 2, 4), 0);
    EXPECT_EQ(shownText(goals), QString());
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
    for (const QKeyCombination redoKey : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
        QTest::keyClick(scheduleView, redoKey.key(), redoKey.keyboardModifiers());
        EXPECT_NE(FindResult(*state, 2, 4), 0);
        EXPECT_EQ(shownText(goals), QStringLiteral("  2 : 1"));
        QTest::keyClick(scheduleView, Qt::Key_Z, Qt::ControlModifier);
    }
}

TEST_F(ScheduleWindowTest, ReferralsAreSetByTwoDoubleClicksAndAClickedTeamShowsItsOwn)
{
    openExample();
    // A click on a team marks it (and its games) and shows where it is referred to.
    const TaggedCell team = cellOf(1, TagKind::KopfMannschaft, 1);
    clickCell(scheduleView, team);
    EXPECT_EQ(
        scheduleView->model()->index(team.row, team.col).data(Qt::BackgroundRole).value<QBrush>().color(),
        QColor::fromRgb(HighlightColour::SameTeam));
    EXPECT_FALSE(part<QLineEdit>("EDverweistAuf")->text().isEmpty());

    part<QRadioButton>("RBVerweise")->click();
    auto* selection = part<QLineEdit>("EDverweise");
    const auto chosen = [selection] { return selection->palette().color(QPalette::Base) == QColor(Qt::red); };

    // Group A has results: its change is confirmed.
    prompter.answer({Prompter::Answer::Yes});
    clickCell(scheduleView, cellOf(1, TagKind::TabelleMannschaft, 3), true);
    EXPECT_TRUE(chosen());
    const TaggedCell target = cellOf(5, TagKind::KopfMannschaft, 1);
    clickCell(scheduleView, target, true);
    EXPECT_EQ(shownText(target), QStringLiteral("1) 3. Gruppe A"));
    EXPECT_FALSE(chosen());
    EXPECT_EQ(state->ReferralTable[1][3].ToGroup, 5);
}

TEST_F(ScheduleWindowTest, TheTimePlanShowsTheCorePlanTakesResultsAndKeepsItWhenALongRunIsCancelled)
{
    openExample();
    auto* tabs = part<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(1);
    auto* planView = part<GridView>("StringGrid3");
    // The window shows the plan the allocation made for the loaded file.
    ASSERT_GT(schedule->allocationOutput().TimePlan.rowCount(), 1);
    EXPECT_EQ(planView->model()->index(1, 1).data().toString(),
              schedule->allocationOutput().TimePlan.cell(1, 1));

    // A single click on a time-plan result cell opens result entry for that game.
    enterGoalsAt(planView, FindTaggedCell(schedule->allocationOutput().TimePlan, 2, TagKind::ManschC, 4),
                 QStringLiteral("4:2"));
    ASSERT_GT(FindResult(*state, 2, 4), 0);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 4)].GoalsFirst, 4);
    // The plan stays current; the schedule behind it, which the hall display reads, is already
    // what leaving the time plan renders.
    EXPECT_TRUE(state->TimePlanCurrent);
    const TextGrid behindThePlan = state->ScheduleGrid;
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(state->ScheduleGrid == behindThePlan);
    EXPECT_EQ(shownText(cellOf(2, TagKind::Tore, 4)), QStringLiteral("  4 : 2"));

    // More fields than groups and the deepest search the settings allow: seconds of work, shown
    // with its progress; cancelled, the plan before stays.
    const TextGrid previousPlan = schedule->allocationOutput().TimePlan;
    state->FieldsInRound[1] = 5;
    state->Settings.SearchDepth = QStringLiteral("99999");
    bool shown = false;
    WhenModalShows("QProgressDialog", [&shown](QWidget* progress) {
        shown = true;
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(schedule->allocationOutput().TimePlan, previousPlan);
    EXPECT_FALSE(state->TimePlanCurrent);
    auto* messages = part<QListWidget>("MessageList");
    ASSERT_EQ(ListLines(messages).size(), 1);
    EXPECT_TRUE(ListLines(messages)[0].contains(QStringLiteral("abgebrochen")));
}

TEST_F(ScheduleWindowTest, NamesShowWholeInBothGridsAlsoWithThirtyCharacters)
{
    openExample();
    auto* tabs = part<QTabWidget>("PageControl1");
    const auto expectBothGrids = [&] {
        tabs->setCurrentIndex(1);
        ExpectNamesWhole(part<GridView>("StringGrid3"), schedule->allocationOutput().TimePlan);
        tabs->setCurrentIndex(0);
        ExpectNamesWhole(scheduleView, state->ScheduleGrid);
    };
    expectBothGrids();
    // A name as long as a club's full name shows whole as well.
    for (int group = 1; group <= TotalGroups(*state); ++group) {
        for (int slot = 1; slot <= state->TeamsInGroup[std::size_t(group)]; ++slot)
            state->NameTable[std::size_t(group)][std::size_t(slot)] =
                QStringLiteral("SG Grün-Weiß Oberlindenau %1 eV").arg(group * 10 + slot);
    }
    expectBothGrids();
}

TEST_F(ScheduleWindowTest, TheWindowOpensOnTheScreenChecksLeadsBackToTheMainWindowAndKeepsItsPlace)
{
    openExample();
    const QRect free = schedule->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(schedule->frameGeometry()));
    auto* refresh = part<QPushButton>("BtSpielplanAktualisieren");
    EXPECT_FALSE(refresh->isVisible());
    schedule->findChild<QAction*>(QStringLiteral("actionCheckSchedule"))->trigger();
    const QStringList lines = ListLines(part<QListWidget>("MessageList"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(" Uhr: keine Fehler gefunden")))
        << lines.last().toStdString();

    auto* splitter = part<QSplitter>("SplitterFehlermeldungen");
    ASSERT_NE(splitter, nullptr);
    splitter->setSizes({200, 200});
    schedule->move(free.topLeft() + QPoint(7, 9));
    const QRect placed = schedule->geometry();
    schedule->findChild<QAction*>(QStringLiteral("actionMainWindow"))->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(schedule->isVisible());
    state->Settings.KeepPlanUpdated = false;
    trigger("actionSchedule");
    EXPECT_TRUE(refresh->isVisible());
    // Closing the schedule leads back to the main window rather than ending the program.
    schedule->close();
    EXPECT_TRUE(window->isVisible());

    // A schedule window made anew opens where this one was left, with the same split.
    auto again =
        std::make_unique<TForm2>(*state, prompter, window->changeGroupDialog(), window.get(), window.get());
    again->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again.get()));
    EXPECT_EQ(again->size(), placed.size());
    EXPECT_LE((again->pos() - placed.topLeft()).manhattanLength(), 20); // window frames differ a little
    EXPECT_EQ(again->findChild<QSplitter*>(QStringLiteral("SplitterFehlermeldungen"))->sizes(),
              splitter->sizes());
}

TEST_F(ScheduleWindowTest, AGameChosenInTheGridWhileTheDialogIsOpenTakesItOver)
{
    openExample();
    const TaggedCell nextGame = cellOf(2, TagKind::Tore, 5);
    WhenDialogShows<TFormErgebniseingabe>([&](TFormErgebniseingabe* dialog) {
        auto* goals = dialog->findChild<QLineEdit*>(QStringLiteral("Edit5"));
        TypeAndEnter(goals, QStringLiteral("2:2")); // normalised and armed for game 4
        // Instead of the confirming Enter the next game is taken from the grid.
        QTest::mouseClick(scheduleView->viewport(), Qt::LeftButton, {},
                          scheduleView->cellRect(nextGame.col, nextGame.row).center());
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), QStringLiteral("5"));
        EXPECT_TRUE(goals->text().isEmpty()) << goals->text().toStdString();
        QTest::keyClicks(goals, QStringLiteral("0:3"));
        QTest::keyClick(goals, Qt::Key_Return);
        QTest::keyClick(goals, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the result of the chosen game was not stored";
            dialog->reject();
        }
    });
    clickCell(scheduleView, cellOf(2, TagKind::Tore, 4));
    EXPECT_EQ(FindResult(*state, 2, 4), 0);
    ASSERT_NE(FindResult(*state, 2, 5), 0);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 5)], (GameResult{2, 5, QString(), 0, 0, 0, 3}));
    // Text without a digit is refused with the dialog open: the result entry's own test.
}
