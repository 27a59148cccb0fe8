#include "UiTestSupport.h"

#include <QFile>
#include <QMenu>

namespace {
QList<QAction*> RecentEntries(QWidget* window)
{
    auto* menu = window->findChild<QMenu*>(QStringLiteral("menuZuletzt"));
    EXPECT_NE(menu, nullptr);
    if (!menu)
        return {};
    emit menu->aboutToShow();
    return menu->actions();
}
} // namespace

TEST_F(MainWindowTest, RecentFilesListWhatWasOpenedAndSavedAndGreyWhatHasGone)
{
    launch();
    ASSERT_EQ(RecentEntries(window.get()).size(), 1); // "(leer)", not the start file
    EXPECT_FALSE(RecentEntries(window.get()).front()->isEnabled());

    files.answer(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"));
    trigger("actionLoad");
    const QString exampleName = state->TournamentName;
    files.answer(workFile(QStringLiteral("P&S.auf")));
    trigger("actionSave");
    QList<QAction*> entries = RecentEntries(window.get());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0]->text().startsWith(QStringLiteral("&1 P&&S.auf  (")));
    EXPECT_TRUE(entries[1]->text().startsWith(QStringLiteral("&2 beispiel.auf  (")));

    QFile::remove(workFile(QStringLiteral("P&S.auf")));
    state->TournamentName = QStringLiteral("geändert");
    entries = RecentEntries(window.get());
    EXPECT_FALSE(entries[0]->isEnabled());
    ASSERT_TRUE(entries[1]->isEnabled());
    entries[1]->trigger();
    EXPECT_EQ(state->TournamentName, exampleName);
    EXPECT_TRUE(state->IsSaved);
}
