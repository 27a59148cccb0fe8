#include "UiTestSupport.h"

#include "ui/ProgramIdentity.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

TEST_F(MainWindowTest, FirstLaunchCopiesTheDefaultFilesAndShowsTheStartTournament)
{
    launch();
    // Which files the working folder gets, and that a start file of the organiser's own stays, is
    // the working folder's own test.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datei: normal.auf           Korvane 5.08"));
    EXPECT_EQ(ListLines(find<QListWidget>("groupList")),
              QStringList{QStringLiteral("1) 1 Gruppe 1 (4) einf")});
    EXPECT_TRUE(prompter.shown().empty());

    // Later activations of the window do not load the start file again.
    click("moreFieldsButton");
    window->handleActivation();
    EXPECT_EQ(text("fieldDisplay"), QStringLiteral("2"));
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
}

TEST_F(MainWindowTest, FileOnTheCommandLineIsLoadedInsteadOfTheStartFile)
{
    // As the file manager passes a double-clicked file: a path with blanks and umlauts.
    QTemporaryDir documents;
    const QString folder = documents.filePath(QStringLiteral("Turniere 2026"));
    const QString file = folder + QStringLiteral("/Pfingsten Grün-Weiß.auf");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"), file));

    launch({file});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datei: Pfingsten Grün-Weiß.auf           Korvane 5.08"));
    EXPECT_EQ(text("tournamentNameEdit"), QStringLiteral("Pfingstturnier SV Grün-Weiß Lindenau"));
    EXPECT_EQ(state->RememberedFileName, file);
}

TEST_F(MainWindowTest, EveryWindowShowsTheProgramIcon)
{
    SetUpProgramIdentity();
    launch();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(top->windowIcon().cacheKey(), icon.cacheKey()) << top->objectName().toStdString();
}

TEST_F(MainWindowTest, MissingStartFileIsReportedAndTheDefaultTournamentStays)
{
    launch({workFile(QStringLiteral("fehlt.auf"))});
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(QStringLiteral("Einladen klappt nich !")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvane 5.08"));
    EXPECT_EQ(text("gameCountDisplay"), QStringLiteral("6")); // the default tournament
}
