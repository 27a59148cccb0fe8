#include "UiTestSupport.h"
#include "ui/HelpWindow.h"
#include "ui/TFormEigenschaften.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>

// The rules of the dialog are its own test; here the window takes and restores what they decide.
TEST_F(MainWindowTest, SettingsAreTakenOnOkAndCancelRestoresThemButNotThePlanUpdating)
{
    launch();
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* dialog) {
        ChildNamed<QLineEdit>(dialog, "edRechentiefe")->setText(QStringLiteral("080"));
        PressButton(dialog, "cbPlatzverteilungOptimieren");
        PressButton(dialog, "btOK");
    });
    trigger("actionSettings");
    const TournamentSettings& settings = state->Settings;
    EXPECT_EQ(settings.SearchDepth, QStringLiteral("80"));
    EXPECT_TRUE(settings.OptimiseAllocation);
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));

    QSignalSpy planUpdating(&window->settingsDialog(), &TFormEigenschaften::keepPlanUpdatedChanged);
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        for (const char* name : {"rbSchiedsrichterNein", "rbGleicheRunde", "cbTordifferenz",
                                 "cbSpielplanAktualisieren", "cbPlatzverteilungOptimieren"})
            PressButton(shown, name);
        ChildNamed<QLineEdit>(shown, "edRechentiefe")->setText(QStringLiteral("7"));
        PressButton(shown, "btAbbrechen");
    });
    trigger("actionSettings");
    EXPECT_TRUE(settings.RefereesEnabled);
    EXPECT_EQ(settings.SearchDepth, QStringLiteral("80"));
    EXPECT_TRUE(settings.OptimiseAllocation);
    EXPECT_FALSE(settings.KeepPlanUpdated); // taken at once, as the schedule window follows it
    EXPECT_EQ(planUpdating.count(), 1);
}

TEST_F(MainWindowTest, OriginalHelpTextReplacesTheWorkingCopy)
{
    launch();
    ASSERT_TRUE(WriteFileBytes(workFile(QStringLiteral("hb508.rtr")), "##20 meine Notizen"));
    QSignalSpy restored(&window->settingsDialog(), &TFormEigenschaften::helpTextRestored);
    prompter.answer({Prompter::Answer::Yes});
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        PressButton(shown, "btOriginalDirekthilfe");
        PressButton(shown, "btOK");
    });
    trigger("actionSettings");
    EXPECT_EQ(restored.count(), 1);
    // The help window shows the backup (which file holds what afterwards is the restore's own test).
    EXPECT_TRUE(window->helpWindow()
                    .findChild<QTextEdit*>(QStringLiteral("RichEdit1"))
                    ->toPlainText()
                    .contains(QStringLiteral("\nLigaplan\n")));
}
