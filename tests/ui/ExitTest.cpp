#include "UiTestSupport.h"

TEST_F(MainWindowTest, ExitWithUnsavedChangesAndNoKeepsRunning)
{
    launch();
    click("moreFieldsButton");
    prompter.answer({Prompter::Answer::No});
    trigger("actionExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state->IsSaved);
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Korvane ist nicht gespeichert. Trotzdem Ende ?"));

    prompter.answer({Prompter::Answer::Yes});
    trigger("actionExit");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingByTheFrameAsksTheSameQuestion)
{
    launch();
    click("moreFieldsButton");
    prompter.answer({Prompter::Answer::No});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state->IsSaved);

    prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, SavedTournamentEndsWithoutAQuestion)
{
    launch();
    trigger("actionExit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(MainWindowTest, NewDiscardsChangesWithoutAQuestion)
{
    launch();
    click("moreFieldsButton");
    trigger("actionNew");
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
    EXPECT_TRUE(ListLines(find<QListWidget>("groupList")).isEmpty());
    EXPECT_EQ(text("fieldDisplay"), QStringLiteral("0"));
    EXPECT_EQ(text("roundCountDisplay"), QStringLiteral("1"));
    EXPECT_EQ(text("gameCountDisplay"), QStringLiteral("0"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvane 5.08"));
}
