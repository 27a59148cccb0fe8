#include "ui/LeaguePlanDialog.h"
#include "UiTestSupport.h"

#include <QClipboard>
#include <QFontDialog>
#include <QTest>

namespace {
QString teamCount(QWidget* dialog)
{
    return ChildNamed<QLineEdit>(dialog, "edAnzahl")->text();
}

void close(QWidget* dialog)
{
    dialog->findChild<QAction*>(QStringLiteral("actionBack"))->trigger();
}
} // namespace

TEST_F(MainWindowTest, LeaguePlanCountStartsFromTheFieldsAndStaysWithinFourToTwenty)
{
    launch();
    for (const auto& [fields, shown] : {std::pair{1, "4"}, std::pair{6, "6"}, std::pair{50, "20"}}) {
        state->FieldsInRound[std::size_t(state->CurrentRound)] = fields;
        WhenDialogShows<LeaguePlanDialog>([shown](LeaguePlanDialog* dialog) {
            EXPECT_EQ(teamCount(dialog), QString::fromLatin1(shown));
            PressButton(dialog, "btPlus", 20);
            EXPECT_EQ(teamCount(dialog), QStringLiteral("20"));
            PressButton(dialog, "btMinus", 20);
            EXPECT_EQ(teamCount(dialog), QStringLiteral("4"));
            close(dialog);
        });
        trigger("actionLeaguePlan");
    }
}

TEST_F(MainWindowTest, LeaguePlanShowsPoolNamesCopiesTheSelectionAndTakesAChosenFont)
{
    launch();
    state->TournamentName = QStringLiteral("Stadtliga");
    state->NamePool[1].Name = QStringLiteral("Blau-Weiß Süd");
    state->NamePoolCount = 1;
    state->FieldsInRound[std::size_t(state->CurrentRound)] = 1;
    const bool wasSaved = state->IsSaved;
    WhenDialogShows<LeaguePlanDialog>([](LeaguePlanDialog* dialog) {
        ChildNamed<QLineEdit>(dialog, "edAnfuegen")->setText(QStringLiteral(" -"));
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

        // The font changes only when the font dialog is accepted.
        auto* chooseFont = dialog->findChild<QAction*>(QStringLiteral("actionFont"));
        const QFont before = plan->font();
        WhenDialogShows<QFontDialog>([](QFontDialog* fonts) { fonts->reject(); });
        chooseFont->trigger();
        EXPECT_EQ(plan->font(), before);
        WhenDialogShows<QFontDialog>([](QFontDialog* fonts) {
            QFont larger = fonts->currentFont();
            larger.setPointSize(17);
            fonts->setCurrentFont(larger);
            fonts->accept();
        });
        chooseFont->trigger();
        EXPECT_EQ(plan->font().pointSize(), 17);
        close(dialog);
    });
    trigger("actionLeaguePlan");
    EXPECT_EQ(state->IsSaved, wasSaved); // the plan leaves the tournament alone
}
