#include "UiTestSupport.h"
#include "output/RtfReader.h"
#include "ui/HelpWindow.h"
#include "ui/TFormEigenschaften.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

TEST_F(MainWindowTest, SearchDepthThatIsNoNumberGivesTheMessageAndFifty)
{
    launch();
    WhenDialogShows<TFormEigenschaften>([this](TFormEigenschaften* dialog) {
        ChildNamed<QLineEdit>(dialog, "edRechentiefe")->setText(QStringLiteral("abc"));
        PressButton(dialog, "btOK");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(ChildNamed<QLineEdit>(dialog, "edRechentiefe")->text(), QStringLiteral("50"));
        EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Wert bei Rechntiefe nicht erlaubt. Hier muss "
                                                               "eine Zahl stehen. Änderung in Standardwert "
                                                               "wurde durchgeführt.")});
        ChildNamed<QLineEdit>(dialog, "edRechentiefe")->setText(QStringLiteral("080"));
        PressButton(dialog, "btOK");
        EXPECT_FALSE(dialog->isVisible());
    });
    trigger("actionSettings");
    EXPECT_EQ(state->Settings.SearchDepth, QStringLiteral("80"));
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
}

TEST_F(MainWindowTest, CancelRestoresTheSnapshotButNotThePlanUpdating)
{
    launch();
    auto& dialog = window->settingsDialog();
    QSignalSpy planUpdating(&dialog, &TFormEigenschaften::keepPlanUpdatedChanged);
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        PressButton(shown, "rbSchiedsrichterNein");
        PressButton(shown, "rbGleicheRunde");
        PressButton(shown, "cbTordifferenz");
        ChildNamed<QLineEdit>(shown, "edRechentiefe")->setText(QStringLiteral("7"));
        PressButton(shown, "cbSpielplanAktualisieren");
        PressButton(shown, "btAbbrechen");
    });
    trigger("actionSettings");
    const TournamentSettings& settings = state->Settings;
    EXPECT_TRUE(settings.RefereesEnabled);
    EXPECT_EQ(settings.DirectCompareScope, CompareScope::WholeTournament);
    EXPECT_TRUE(settings.DirectCompareNeedsGoalDiff);
    EXPECT_EQ(settings.SearchDepth, QStringLiteral("50"));
    EXPECT_FALSE(settings.KeepPlanUpdated);
    EXPECT_EQ(planUpdating.count(), 1);
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));

    // The next opening shows the restored values.
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        EXPECT_TRUE(ChildNamed<QRadioButton>(shown, "rbSchiedsrichterJa")->isChecked());
        EXPECT_TRUE(ChildNamed<QRadioButton>(shown, "rbGanzesKorvane")->isChecked());
        EXPECT_FALSE(ChildNamed<QRadioButton>(shown, "rbGleicheRunde")->isChecked());
        EXPECT_FALSE(ChildNamed<QCheckBox>(shown, "cbSpielplanAktualisieren")->isChecked());
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    trigger("actionSettings");
}

TEST_F(MainWindowTest, SettingsDialogKeepsItsHiddenGroupsHidden)
{
    launch();
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        for (const char* hidden :
             {"gbPlatzverteilung", "gbSpielplan", "gbFormatiert", "gbLeerzeile", "gbBerechnung"})
            EXPECT_FALSE(ChildNamed<QWidget>(shown, hidden)->isVisible()) << hidden;
        for (const char* visible : {"gbSchiedsrichter", "gbRechentiefe", "gbDirekterVergleich",
                                    "gbVergleichsbereich", "gbAllgemein"})
            EXPECT_TRUE(ChildNamed<QWidget>(shown, visible)->isVisible()) << visible;
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Einstellungen"));
        PressButton(shown, "btOK");
    });
    trigger("actionSettings");
}

TEST_F(MainWindowTest, OriginalHelpTextReplacesTheWorkingCopy)
{
    launch();
    {
        QFile notes(workFile(QStringLiteral("hb508.rtr")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("##20 meine Notizen");
    }
    auto& dialog = window->settingsDialog();
    QSignalSpy restored(&dialog, &TFormEigenschaften::helpTextRestored);
    prompter.answer({Prompter::Answer::Yes});
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        PressButton(shown, "btOriginalDirekthilfe");
        PressButton(shown, "btOK");
    });
    trigger("actionSettings");
    EXPECT_EQ(restored.count(), 1);
    // The backup went through the help window: it shows it, and the working copy holds its text.
    const QString restoredText = ReadRtf(ReadFileBytes(workFile(QStringLiteral("hb508.rtr")))).PlainText();
    EXPECT_EQ(restoredText,
              ReadRtf(ReadFileBytes(QStringLiteral(KORVANE_DATA_DIR "/hb508.bak"))).PlainText());
    EXPECT_FALSE(restoredText.contains(QStringLiteral("meine Notizen")));
    EXPECT_TRUE(window->helpWindow()
                    .findChild<QTextEdit*>(QStringLiteral("RichEdit1"))
                    ->toPlainText()
                    .contains(QStringLiteral("\nLigaplan\n")));
}

TEST_F(MainWindowTest, OptimiseBoxSitsWithTheSearchDepthAndCancelTakesItBack)
{
    launch();
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        auto* box = ChildNamed<QCheckBox>(shown, "cbPlatzverteilungOptimieren");
        EXPECT_EQ(box->text(), QStringLiteral("Platzverteilung optimieren"));
        EXPECT_EQ(box->toolTip(),
                  QStringLiteral("findet bessere Platzverteilungen, rechnet länger; ohne Haken "
                                 "wird genau wie bisher verteilt"));
        EXPECT_EQ(box->parentWidget()->objectName(), QStringLiteral("gbRechentiefe"));
        EXPECT_FALSE(box->isChecked());
        PressButton(shown, "cbPlatzverteilungOptimieren");
        PressButton(shown, "btOK");
    });
    trigger("actionSettings");
    EXPECT_TRUE(state->Settings.OptimiseAllocation);

    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* shown) {
        EXPECT_TRUE(ChildNamed<QCheckBox>(shown, "cbPlatzverteilungOptimieren")->isChecked());
        PressButton(shown, "cbPlatzverteilungOptimieren");
        PressButton(shown, "btAbbrechen");
    });
    trigger("actionSettings");
    EXPECT_TRUE(state->Settings.OptimiseAllocation);
}
