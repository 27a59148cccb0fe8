#include "ui/LeaguePlanDialog.h"
#include "UiTestSupport.h"

#include <QClipboard>

namespace {
QString teamCount(QWidget* dialog)
{
    return ChildNamed<QLineEdit>(dialog, "edAnzahl")->text();
}
} // namespace

TEST_F(MainWindowTest, LeaguePlanStartsFromTheFieldsShowsPoolNamesAndCopiesTheSelection)
{
    launch();
    state->TournamentName = QStringLiteral("Stadtliga");
    state->NamePool[1].Name = QStringLiteral("Blau-Weiß Süd");
    state->NamePoolCount = 1;
    state->FieldsInRound[std::size_t(state->CurrentRound)] = 6;
    const bool wasSaved = state->IsSaved;
    WhenDialogShows<LeaguePlanDialog>([](LeaguePlanDialog* dialog) {
        // As many teams as fields to start with, four to twenty.
        EXPECT_EQ(teamCount(dialog), QStringLiteral("6"));
        PressButton(dialog, "btPlus", 20);
        EXPECT_EQ(teamCount(dialog), QStringLiteral("20"));
        PressButton(dialog, "btMinus", 20);
        EXPECT_EQ(teamCount(dialog), QStringLiteral("4"));
        PressButton(dialog, "btZeigen");
        auto* plan = ChildNamed<QListWidget>(dialog, "lbLigaplan");
        const QStringList lines = ListLines(plan);
        EXPECT_EQ(lines.first(), QStringLiteral("Liga-Spielplan Stadtliga"));
        EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("Blau-Weiß Süd")));

        plan->item(3)->setSelected(true);
        plan->item(0)->setSelected(true);
        dialog->findChild<QAction*>(QStringLiteral("actionClipboard"))->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(),
                  lines[0] + QStringLiteral("\r\n") + lines[3] + QStringLiteral("\r\n"));
        dialog->findChild<QAction*>(QStringLiteral("actionBack"))->trigger();
    });
    trigger("actionLeaguePlan");
    EXPECT_EQ(state->IsSaved, wasSaved); // the plan leaves the tournament alone
}
