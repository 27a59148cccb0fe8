#include "UiTestSupport.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentFile.h"
#include "model/TournamentStorage.h"
#include "results/GridInteraction.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "structure/PairingTable.h"
#include "structure/Referrals.h"
#include "support/TaggedCell.h"
#include "ui/GridView.h"
#include "ui/TForm2.h"
#include "ui/TFormErgebniseingabe.h"
#include "ui/TextGridModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
const QString ExampleFile = QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf");

QStringList TableTexts(const TextGrid& grid, int group)
{
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.columnCount(); ++col)
            if (ReadRowTag(grid, col, row).Group == group &&
                ReadRowTag(grid, col, row).Kind == TagKind::Tabelle)
                texts << grid.cell(col, row);
    return texts;
}
} // namespace

class ScheduleWindowTest : public MainWindowTest {
protected:
    // Loads the example through the main window: the schedule window shows it at once.
    void openExample()
    {
        schedule = openExampleSchedule();
        ASSERT_NE(schedule, nullptr);
        scheduleView = schedule->findChild<GridView*>(QStringLiteral("StringGrid1"));
        ASSERT_NE(scheduleView, nullptr);
        ASSERT_TRUE(schedule->isVisible());
        ASSERT_FALSE(window->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(schedule));
    }

    void doubleClick(GridView* view, TaggedCell cell, bool twice = true)
    {
        QCoreApplication::processEvents();
        view->scrollTo(view->model()->index(cell.row, cell.col));
        QCoreApplication::processEvents();
        ASSERT_TRUE(view->viewport()->rect().contains(view->cellRect(cell.col, cell.row).center()));
        if (twice)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                               view->cellRect(cell.col, cell.row).center());
        else
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->cellRect(cell.col, cell.row).center());
    }

    // Keyboard only: the score, Enter to see it normalised, Enter to store it.
    void enterGoals(int group, int game, const QString& score)
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
        doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, group, TagKind::Tore, game));
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
        const auto told = [&changes](int col, int row) {
            for (const QList<QVariant>& change : changes) {
                const auto topLeft = change.at(0).value<QModelIndex>();
                const auto bottomRight = change.at(1).value<QModelIndex>();
                if (col >= topLeft.column() && col <= bottomRight.column() && row >= topLeft.row() &&
                    row <= bottomRight.row())
                    return true;
            }
            return false;
        };
        const TextGrid& after = state->ScheduleGrid;
        for (int row = 0; row < after.rowCount(); ++row)
            for (int col = 0; col < after.columnCount(); ++col)
                if (after.cell(col, row) != before.cell(col, row) ||
                    after.colour(col, row) != before.colour(col, row)) {
                    EXPECT_TRUE(told(col, row)) << col << "," << row;
                }
        std::vector<int> widths;
        for (int col = 0; col < after.columnCount(); ++col)
            widths.push_back(scheduleView->columnWidth(col));
        scheduleView->reload();
        for (int col = 0; col < after.columnCount(); ++col)
            EXPECT_EQ(scheduleView->columnWidth(col), widths[std::size_t(col)]) << col;
    }

    QString scheduleText(TaggedCell cell) const
    {
        return scheduleView->model()->index(cell.row, cell.col).data().toString();
    }

    TForm2* schedule = nullptr;
    GridView* scheduleView = nullptr;
};

TEST_F(ScheduleWindowTest, ResultsTypedIntoTheGridCompleteTheGroupAndFillTheFinal)
{
    openExample();
    QAbstractItemModelTester tester(scheduleView->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QStringList tableBefore = TableTexts(state->ScheduleGrid, 2);
    EXPECT_EQ(scheduleText(FindTaggedCell(state->ScheduleGrid, 5, TagKind::KopfMannschaft, 2)),
              QStringLiteral("2) 1. Gruppe B"));

    enterGoalsWatchingTheView(2, 4, QStringLiteral("2:1"));
    EXPECT_EQ(scheduleText(FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 4)),
              QStringLiteral("  2 : 1"));
    EXPECT_NE(TableTexts(state->ScheduleGrid, 2), tableBefore);
    EXPECT_FALSE(state->IsSaved);
    EXPECT_FALSE(state->GroupCompleted[2]);

    enterGoals(2, 5, QStringLiteral("1:0"));
    enterGoalsWatchingTheView(2, 6, QStringLiteral("0:3")); // the winners go on into the final
    ASSERT_TRUE(state->GroupCompleted[2]);
    const QString winner = state->NameTable[2][state->RankedPosition[2][1]];
    const QString runnerUp = state->NameTable[2][state->RankedPosition[2][2]];
    EXPECT_EQ(state->NameTable[5][2], winner);
    EXPECT_EQ(state->NameTable[6][2], runnerUp);
    EXPECT_EQ(scheduleText(FindTaggedCell(state->ScheduleGrid, 5, TagKind::KopfMannschaft, 2)),
              QStringLiteral("2) ") + winner);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
}

TEST_F(ScheduleWindowTest, CtrlZTakesBackAResultAndCtrlYBringsItBackInBothWindows)
{
    openExample();
    WaitUntilIdle();
    const QByteArray loaded = WriteTournamentFile(*state);
    const TaggedCell goals = FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 4);
    enterGoals(2, 4, QStringLiteral("2:1"));
    WaitUntilIdle();
    const QByteArray entered = WriteTournamentFile(*state);
    ASSERT_NE(entered, loaded);
    auto* undo = window->findChild<QAction*>(QStringLiteral("actionUndo"));
    auto* redo = window->findChild<QAction*>(QStringLiteral("actionRedo"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: Ergebnis 2:1 ") + GroupLabel(*state, 2));
    EXPECT_FALSE(redo->isEnabled());
    for (QMainWindow* shown :
         {static_cast<QMainWindow*>(schedule), static_cast<QMainWindow*>(window.get())}) {
        auto* editMenu = shown->menuBar()->findChild<QMenu*>(QStringLiteral("menuBearbeiten"));
        ASSERT_NE(editMenu, nullptr);
        EXPECT_EQ(editMenu->actions().mid(0, 2), QList<QAction*>({undo, redo}));
    }

    schedule->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(schedule));
    QTest::keyClick(scheduleView, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WriteTournamentFile(*state), loaded);
    EXPECT_EQ(scheduleText(goals), QString());
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
    EXPECT_EQ(redo->text(), QStringLiteral("&Wiederherstellen: Ergebnis 2:1 ") + GroupLabel(*state, 2));
    for (const QKeyCombination redoKey : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
        QTest::keyClick(scheduleView, redoKey.key(), redoKey.keyboardModifiers());
        EXPECT_EQ(WriteTournamentFile(*state), entered);
        EXPECT_EQ(scheduleText(goals), QStringLiteral("  2 : 1"));
        EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
        QTest::keyClick(scheduleView, Qt::Key_Z, Qt::ControlModifier);
    }

    // In the main window a field added is taken back the same way.
    trigger("sbHauptfenster");
    const QString fields = text("fieldDisplay");
    click("moreFieldsButton");
    WaitUntilIdle();
    EXPECT_NE(text("fieldDisplay"), fields);
    trigger("actionUndo");
    EXPECT_EQ(text("fieldDisplay"), fields);
    EXPECT_EQ(WriteTournamentFile(*state), loaded);
}

TEST_F(ScheduleWindowTest, ReferralsAreSetByTwoDoubleClicksIntoALaterRoundOnly)
{
    openExample();
    schedule->findChild<QRadioButton*>(QStringLiteral("RBVerweise"))->click();
    auto* selection = schedule->findChild<QLineEdit*>(QStringLiteral("EDverweise"));
    ASSERT_TRUE(selection->isVisible());

    // Group A has results: its change is confirmed.
    prompter.answer({Prompter::Answer::Yes});
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 1, TagKind::TabelleMannschaft, 3));
    EXPECT_FALSE(selection->text().isEmpty());
    EXPECT_EQ(selection->palette().color(QPalette::Base), QColor(Qt::red));

    const TaggedCell target = FindTaggedCell(state->ScheduleGrid, 5, TagKind::KopfMannschaft, 1);
    doubleClick(scheduleView, target);
    EXPECT_EQ(state->NameTable[5][1], QStringLiteral("3. Gruppe A"));
    EXPECT_EQ(scheduleText(target), QStringLiteral("1) 3. Gruppe A"));
    EXPECT_NE(selection->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(state->ReferralTable[1][3].ToGroup, 5);

    // Into the same round: refused with a notice, nothing changes.
    prompter.answer({Prompter::Answer::Yes});
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 1, TagKind::TabelleMannschaft, 4));
    prompter.answer({Prompter::Answer::Yes});
    const TaggedCell sameRound = FindTaggedCell(state->ScheduleGrid, 2, TagKind::KopfMannschaft, 1);
    const QString sameRoundText = scheduleText(sameRound);
    const Referral fourthOfA = state->ReferralTable[1][4];
    doubleClick(scheduleView, sameRound);
    ASSERT_FALSE(prompter.texts().isEmpty());
    EXPECT_EQ(prompter.texts().last(),
              QStringLiteral("Sie können eine Mannschaft nur in eine SPÄTERE Runde verweisen !"));
    EXPECT_EQ(scheduleText(sameRound), sameRoundText);
    EXPECT_EQ(state->ReferralTable[1][4], fourthOfA);
    EXPECT_EQ(state->ReferralTable[2][1].FromGroup, 0);

    // The same without double-clicks: a click on the place, "Verweis setzen", a click on the
    // position, "Verweis setzen" again.
    auto* setReferral = schedule->findChild<QPushButton*>(QStringLiteral("BTVerweisSetzen"));
    prompter.answer({Prompter::Answer::Yes});
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 1, TagKind::TabelleMannschaft, 4), false);
    setReferral->click();
    EXPECT_EQ(selection->palette().color(QPalette::Base), QColor(Qt::red));
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 5, TagKind::KopfMannschaft, 3), false);
    setReferral->click();
    EXPECT_EQ(state->ReferralTable[1][4].ToGroup, 5);
    EXPECT_EQ(state->NameTable[5][3], QStringLiteral("4. Gruppe A"));
}

TEST_F(ScheduleWindowTest, TheTimePlanTabShowsTheCorePlan)
{
    openExample();
    auto* tabs = schedule->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(1);
    auto* planView = schedule->findChild<GridView*>(QStringLiteral("StringGrid3"));
    QAbstractItemModelTester tester(planView->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    auto expected = std::make_unique<TournamentState>();
    expected->Pairings = BuildPairingTable();
    ScriptedPrompter quiet;
    ASSERT_TRUE(LoadTournament(*expected, ExampleFile, quiet));
    AllocationOutput output;
    ASSERT_TRUE(RunAllocation(*expected, output, quiet));

    ASSERT_EQ(planView->model()->rowCount(), output.TimePlan.rowCount());
    ASSERT_EQ(planView->model()->columnCount(), output.TimePlan.columnCount());
    for (int row = 0; row < output.TimePlan.rowCount(); ++row)
        for (int col = 0; col < output.TimePlan.columnCount(); ++col)
            EXPECT_EQ(planView->model()->index(row, col).data().toString(), output.TimePlan.cell(col, row))
                << col << "," << row;
    EXPECT_EQ(ListLines(schedule->findChild<QListWidget*>(QStringLiteral("MessageList"))),
              output.Messages.lines());

    // Another file shows its own plan first, not the time plan of the one before.
    state->IsSaved = true;
    files.answer(ExampleFile);
    trigger("actionLoad");
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(ScheduleWindowTest, ALongAllocationShowsItsProgressAndCancelsKeepingThePreviousPlan)
{
    openExample();
    auto* tabs = schedule->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(1);
    const TextGrid previousPlan = schedule->allocationOutput().TimePlan;
    tabs->setCurrentIndex(0);
    // More fields than groups and the deepest search the settings allow: seconds of work.
    state->FieldsInRound[1] = 5;
    state->Settings.SearchDepth = QStringLiteral("99999");
    bool shown = false;
    WhenModalShows("QProgressDialog", [&shown](QWidget* progress) {
        shown = true;
        EXPECT_EQ(progress->objectName(), QStringLiteral("dlgPlatzverteilungFortschritt"));
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    tabs->setCurrentIndex(1);

    EXPECT_TRUE(shown);
    EXPECT_EQ(schedule->allocationOutput().TimePlan, previousPlan);
    EXPECT_FALSE(state->TimePlanCurrent);
    EXPECT_EQ(
        ListLines(schedule->findChild<QListWidget*>(QStringLiteral("MessageList"))),
        QStringList{QStringLiteral("Die Berechnung der Platzverteilung wurde abgebrochen; der Zeitplan wurde "
                                   "nicht neu berechnet.")});
}

TEST_F(ScheduleWindowTest, AClickOnATeamHighlightsItsGamesAndShowsItsReferral)
{
    openExample();
    const TaggedCell team = FindTaggedCell(state->ScheduleGrid, 1, TagKind::KopfMannschaft, 1);
    const QString name = state->NameTable[1][1];
    QCoreApplication::processEvents();
    QTest::mouseClick(scheduleView->viewport(), Qt::LeftButton, {},
                      scheduleView->cellRect(team.col, team.row).center());

    const QColor silver = QColor::fromRgb(HighlightColour::SameTeam);
    int silverGames = 0;
    for (int row = 0; row < state->ScheduleGrid.rowCount(); ++row)
        for (int col = 0; col < state->ScheduleGrid.columnCount(); ++col) {
            const RowTag tag = ReadRowTag(state->ScheduleGrid, col, row);
            if (tag.Kind != TagKind::Spiel || tag.Group != 1)
                continue;
            const QVariant background = scheduleView->model()->index(row, col).data(Qt::BackgroundRole);
            const bool playing = state->ScheduleGrid.cell(col, row).contains(name) ||
                                 state->ScheduleGrid.cell(col == 0 ? col : col - 1, row).contains(name) ||
                                 state->ScheduleGrid.cell(col + 1, row).contains(name);
            if (playing && background.value<QBrush>().color() == silver)
                ++silverGames;
            if (!playing) {
                EXPECT_NE(background.value<QBrush>().color(), silver) << col << "," << row;
            }
        }
    EXPECT_EQ(silverGames, 2 * 4); // four games, both cells of each line
    EXPECT_EQ(schedule->findChild<QLineEdit*>(QStringLiteral("EDverweistAuf"))->text(),
              RefersToText(*state, 1, 1));
    EXPECT_FALSE(RefersToText(*state, 1, 1).isEmpty());
}

TEST_F(ScheduleWindowTest, TheCheckWritesTheMessageListAndTheManualRefreshShowsWhenNeeded)
{
    openExample();
    auto* refresh = schedule->findChild<QPushButton*>(QStringLiteral("BtSpielplanAktualisieren"));
    EXPECT_FALSE(refresh->isVisible());
    schedule->findChild<QAction*>(QStringLiteral("actionCheckSchedule"))->trigger();
    const QStringList lines = ListLines(schedule->findChild<QListWidget*>(QStringLiteral("MessageList")));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(" Uhr: keine Fehler gefunden")))
        << lines.last().toStdString();

    schedule->findChild<QAction*>(QStringLiteral("actionMainWindow"))->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(schedule->isVisible());
    state->Settings.KeepPlanUpdated = false;
    trigger("actionSchedule");
    EXPECT_TRUE(refresh->isVisible());

    // Closing the schedule leads back to the main window rather than ending the program.
    schedule->close();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ScheduleWindowTest, TheHandCursorShowsOverCellsThatOpenSomething)
{
    openExample();
    const auto cursorOver = [this](int group, const QString& kind, int number) {
        const TaggedCell cell = FindTaggedCell(state->ScheduleGrid, group, kind, number);
        scheduleView->scrollTo(scheduleView->model()->index(cell.row, cell.col));
        // A move to where the mouse already is brings no event: come from the corner cell.
        QTest::mouseMove(scheduleView->viewport(), QPoint(2, 2));
        QTest::mouseMove(scheduleView->viewport(), scheduleView->cellRect(cell.col, cell.row).center());
        return scheduleView->viewport()->cursor().shape();
    };
    for (const QString& kind : {TagKind::KopfName, TagKind::KopfGruppe})
        EXPECT_EQ(cursorOver(1, kind, 0), Qt::PointingHandCursor) << kind.toStdString();
    EXPECT_EQ(cursorOver(1, TagKind::KopfMannschaft, 2), Qt::PointingHandCursor);
    EXPECT_EQ(cursorOver(1, TagKind::Tore, 1), Qt::PointingHandCursor);
    EXPECT_EQ(cursorOver(1, TagKind::Spiel, 1), Qt::ArrowCursor);
    EXPECT_EQ(cursorOver(1, TagKind::Tabelle, 1), Qt::ArrowCursor);
    // Sets cells open result entry only while games are played in sets.
    EXPECT_EQ(cursorOver(1, TagKind::Satz, 1),
              state->Settings.WithSets ? Qt::PointingHandCursor : Qt::ArrowCursor);
    state->Settings.WithSets = !state->Settings.WithSets;
    EXPECT_EQ(cursorOver(1, TagKind::Satz, 1),
              state->Settings.WithSets ? Qt::PointingHandCursor : Qt::ArrowCursor);
    EXPECT_EQ(cursorOver(1, TagKind::KopfName, 0), Qt::PointingHandCursor);
}

TEST_F(ScheduleWindowTest, AResultEnteredInTheTimePlanShowsInTheSchedule)
{
    openExample();
    auto* tabs = schedule->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(1);
    auto* planView = schedule->findChild<GridView*>(QStringLiteral("StringGrid3"));
    const TextGrid& plan = schedule->allocationOutput().TimePlan;
    const TaggedCell result = FindTaggedCell(plan, 2, TagKind::ManschC, 4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(planView));
    planView->scrollTo(planView->model()->index(result.row, result.col));
    QCoreApplication::processEvents();

    WhenDialogShows<TFormErgebniseingabe>([](TFormErgebniseingabe* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("2"));
        auto* goals = dialog->findChild<QLineEdit*>(QStringLiteral("Edit5"));
        TypeAndEnter(goals, QStringLiteral("4:2"));
        QTest::keyClick(goals, Qt::Key_Return);
    });
    // A single click on a time-plan result cell opens result entry.
    QTest::mouseClick(planView->viewport(), Qt::LeftButton, {},
                      planView->cellRect(result.col, result.row).center());
    EXPECT_TRUE(
        planView->model()->index(result.row, result.col).data().toString().contains(QStringLiteral("4")));
    const int stored = FindResult(*state, 2, 4);
    ASSERT_GT(stored, 0);
    EXPECT_EQ(state->ResultTable[stored].GoalsFirst, 4);

    tabs->setCurrentIndex(0); // leaving the time plan renders the schedule
    EXPECT_EQ(scheduleText(FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 4)),
              QStringLiteral("  4 : 2"));
    EXPECT_FALSE(state->IsSaved);
}

namespace {
// Cells that show a team name, by their tags: team lists, game lines, tables, the time plan.
bool ShowsName(const TextGrid& grid, int col, int row)
{
    static const QStringList kinds{TagKind::KopfName,          TagKind::KopfMannschaft, TagKind::Spiel,
                                   TagKind::TabelleMannschaft, TagKind::ManschA,        TagKind::ManschB};
    return kinds.contains(ReadRowTag(grid, col, row).Kind) && !grid.cell(col, row).isEmpty();
}

// Every name cell's text fits its column, by the grid's own font and the delegate's margins.
void ExpectNamesWhole(GridView* view, const TextGrid& grid)
{
    const QFontMetrics metrics(view->font());
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    int names = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            if (!ShowsName(grid, col, row))
                continue;
            ++names;
            EXPECT_LE(metrics.horizontalAdvance(grid.cell(col, row)) + margins, view->columnWidth(col))
                << grid.cell(col, row).toStdString();
        }
    }
    EXPECT_GT(names, 20);
}
} // namespace

TEST_F(ScheduleWindowTest, NamesShowWholeInBothGridsAlsoWithThirtyCharacters)
{
    openExample();
    auto* tabs = schedule->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* planView = schedule->findChild<GridView*>(QStringLiteral("StringGrid3"));
    const auto expectBothGrids = [&] {
        tabs->setCurrentIndex(1);
        ExpectNamesWhole(planView, schedule->allocationOutput().TimePlan);
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

TEST_F(ScheduleWindowTest, TheWindowOpensOnTheScreenAndKeepsItsPlaceAndItsSplitter)
{
    openExample();
    const QRect free = schedule->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(schedule->frameGeometry()))
        << schedule->frameGeometry().x() << "," << schedule->frameGeometry().y() << " "
        << schedule->frameGeometry().width() << "x" << schedule->frameGeometry().height();
    auto* splitter = schedule->findChild<QSplitter*>(QStringLiteral("SplitterFehlermeldungen"));
    ASSERT_NE(splitter, nullptr);
    EXPECT_GT(splitter->sizes()[0], 3 * splitter->sizes()[1]); // the grid has the room
    splitter->setSizes({200, 200});
    schedule->move(free.topLeft() + QPoint(7, 9));
    const QRect placed = schedule->geometry();
    schedule->backToMainWindow();

    // A schedule window made anew opens where this one was left, with the same split.
    auto* again = new TForm2(*state, prompter, window->changeGroupDialog(), window.get(), window.get());
    again->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again));
    EXPECT_EQ(again->size(), placed.size());
    EXPECT_LE((again->pos() - placed.topLeft()).manhattanLength(), 20); // window frames differ a little
    EXPECT_EQ(again->findChild<QSplitter*>(QStringLiteral("SplitterFehlermeldungen"))->sizes(),
              splitter->sizes());
    delete again;
}

TEST_F(ScheduleWindowTest, CorrectingACompletedGroupAsksOnceOnTheConfirmingEnter)
{
    openExample();
    for (const auto& [game, score] : {std::pair{4, "2:1"}, {5, "1:0"}, {6, "0:3"}})
        enterGoals(2, game, QLatin1String(score));
    ASSERT_TRUE(state->GroupCompleted[2]);
    enterGoals(5, 1, QStringLiteral("2:2")); // a result of the round that group 2 feeds
    ASSERT_EQ(CountGroupResults(*state, 5), 1);

    struct Correction {
        Prompter::Answer answer;
        const char* score;
        int goalsStored;
        int laterResults;
    };
    for (const Correction& correction :
         {Correction{Prompter::Answer::Cancel, "7:7", 2, 1}, Correction{Prompter::Answer::No, "1:1", 1, 1},
          Correction{Prompter::Answer::Yes, "3:1", 3, 0}}) {
        SCOPED_TRACE(correction.score);
        prompter.clear();
        prompter.answer({correction.answer});
        enterGoals(2, 4, QLatin1String(correction.score));
        ASSERT_EQ(prompter.shown().size(), 1u) << "one question, on the confirming Enter";
        EXPECT_EQ(prompter.shown()[0].defaultAnswer, Prompter::Answer::Cancel);
        EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 4)].GoalsFirst, correction.goalsStored);
        EXPECT_EQ(CountGroupResults(*state, 5), correction.laterResults);
    }
}

TEST_F(ScheduleWindowTest, AGameChosenInTheGridWhileTheDialogIsOpenTakesItOver)
{
    openExample();
    const TaggedCell nextGame = FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 5);
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
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 4), false);
    EXPECT_EQ(FindResult(*state, 2, 4), 0);
    ASSERT_NE(FindResult(*state, 2, 5), 0);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 5)], (GameResult{2, 5, QString(), 0, 0, 0, 3}));

    // Text without a digit is refused; the stored result stays.
    const GameResult first = state->ResultTable[FindResult(*state, 2, 1)];
    WhenDialogShows<TFormErgebniseingabe>([](TFormErgebniseingabe* dialog) {
        TypeAndEnter(dialog->findChild<QLineEdit*>(QStringLiteral("Edit5")), QStringLiteral("abc"));
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    doubleClick(scheduleView, FindTaggedCell(state->ScheduleGrid, 2, TagKind::Tore, 1), false);
    EXPECT_EQ(state->ResultTable[FindResult(*state, 2, 1)], first);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")});
}
