// The hall display and the published plan from the schedule window.
#include "UiTestSupport.h"
#include "live/LiveData.h"
#include "live/PublishedPlan.h"
#include "results/ResultEntry.h"
#include "results/RowTags.h"
#include "ui/LiveCommands.h"
#include "ui/LiveDisplayView.h"
#include "ui/LiveDisplayWindow.h"
#include "ui/TForm2.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTest>

namespace {

const LiveGame* FindShownGame(const DisplayModel& model, int group, int game)
{
    for (const DisplayPage& page : model.Pages)
        for (const auto& column : page.Columns)
            for (const DisplayBlock& block : column)
                if (const auto* field = std::get_if<LiveField>(&block))
                    for (const LiveGame& shown : field->Games)
                        if (shown.Group == group && shown.Game == game)
                            return &shown;
    return nullptr;
}
} // namespace

class LiveDisplayTest : public MainWindowTest {
protected:
    void openExample()
    {
        schedule = openExampleSchedule();
        ASSERT_NE(schedule, nullptr);
        commands = schedule->findChild<LiveCommands*>();
        ASSERT_NE(commands, nullptr);
    }

    // The result dialog's two presses on the game's goals cell, then what the window does after it.
    void enterResult(int group, int game, const QString& goals)
    {
        const TextGrid& grid = state->ScheduleGrid;
        const QString tag = MakeRowTag(group, TagKind::Tore, game);
        for (int row = 0; row < grid.rowCount(); ++row)
            for (int col = 0; col < grid.columnCount(); ++col)
                if (grid.tag(col, row) == tag) {
                    ParseRowTag(*state, grid, col, row);
                    state->SelectedCol = col;
                    state->SelectedRow = row;
                    ResultEntry entry;
                    entry.activate(*state);
                    const ResultEntryOutcome first = entry.press(*state, {QString(), goals}, prompter);
                    ASSERT_TRUE(entry.press(*state, first.Fields, prompter).CloseDialog);
                    schedule->scheduleRendered();
                    return;
                }
        FAIL() << "no goals cell";
    }

    TForm2* schedule = nullptr;
    LiveCommands* commands = nullptr;
};

TEST_F(LiveDisplayTest, TheDisplayShowsAConfirmedResultAtOnce)
{
    openExample();
    schedule->findChild<QAction*>(QStringLiteral("sbHallenanzeige"))->trigger();
    LiveDisplayWindow* display = commands->display();
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(display));
    EXPECT_EQ(display->model().Round, 1);
    EXPECT_TRUE(display->model().HasTimePlan);
    EXPECT_EQ(display->findChild<QSpinBox*>(QStringLiteral("seSekunden"))->value(), 15);

    LiveGame open;
    for (const LiveGame& game : GroupGames(*state, 1))
        if (!game.finished()) {
            open = game;
            break;
        }
    ASSERT_NE(open.Game, 0);
    enterResult(1, open.Game, QStringLiteral("5:4"));
    const LiveGame* shown = FindShownGame(display->model(), 1, open.Game);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Result, QStringLiteral("5 : 4"));

    const int before = display->currentPage();
    QTest::keyClick(display, Qt::Key_Right);
    EXPECT_EQ(display->currentPage(), (before + 1) % int(display->model().Pages.size()));
    QTest::keyClick(display, Qt::Key_Left);
    EXPECT_EQ(display->currentPage(), before);
}

TEST_F(LiveDisplayTest, PublishingAsksForTheFolderAndWritesThePlan)
{
    openExample();
    QTemporaryDir web;
    QString proposed;
    commands->setFolderChooser([&](QWidget*, const QString& start) {
        proposed = start;
        return web.path();
    });
    trigger("actionPlanVeroeffentlichen");
    EXPECT_FALSE(proposed.isEmpty());
    EXPECT_TRUE(QFile::exists(QDir(web.path()).filePath(PublishedRoundName(2))));
    ASSERT_FALSE(prompter.shown().empty());
    EXPECT_EQ(prompter.shown().back().caption, QStringLiteral("Info"));
    EXPECT_TRUE(prompter.shown().back().text.startsWith(QStringLiteral("Plan veröffentlicht: ")));
}

// Not a test: pictures of every display page at 1920 × 1080 for a look at their legibility. Run
// it with --gtest_also_run_disabled_tests; the pictures go to KORVANE_SCREENSHOT_DIR.
TEST_F(LiveDisplayTest, DISABLED_DisplayScreenshots)
{
    openExample();
    schedule->findChild<QAction*>(QStringLiteral("actionHallenanzeige"))->trigger();
    const QString folder = qEnvironmentVariable("KORVANE_SCREENSHOT_DIR", QDir::tempPath());
    LiveDisplayWindow* display = commands->display();
    EXPECT_TRUE(display->grab().save(QDir(folder).filePath(QStringLiteral("hallenanzeige-fenster.png"))));
    const DisplayModel model = display->model();
    LiveDisplayView view;
    view.resize(1920, 1080);
    for (int page = 0; page < int(model.Pages.size()); ++page) {
        view.showPage(model, page);
        EXPECT_TRUE(
            view.grab().save(QDir(folder).filePath(QStringLiteral("hallenanzeige-%1.png").arg(page + 1))));
    }
}
