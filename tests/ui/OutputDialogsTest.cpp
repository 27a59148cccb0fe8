#include "UiTestSupport.h"
#include "model/TextGrid.h"
#include "output/Certificate.h"
#include "output/GameListFiles.h"
#include "output/GridExport.h"
#include "results/RowTags.h"
#include "ui/GameListDialog.h"
#include "ui/TForm2.h"
#include "ui/TFormHTMLCode.h"
#include "ui/TFormUrkunde.h"

#include "support/PdfWords.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

using OutputDialogsTest = ExampleScheduleTest;

TEST_F(OutputDialogsTest, GameListsGoIntoAFilePerTeamOrWithoutAPrinterIntoOnePdfAsTheTimePlan)
{
    openExample();
    WhenDialogShows<GameListDialog>([this](GameListDialog* dialog) {
        auto* round = ChildNamed<QLineEdit>(dialog, "edRunde");
        TypeInto(round, QStringLiteral("0"));
        EXPECT_EQ(round->text(), QStringLiteral("1"));
        TypeInto(round, QStringLiteral("9"));
        EXPECT_EQ(round->text(), QString::number(state->RoundCount));
        TypeInto(round, QStringLiteral("1"));
        ChildNamed<QRadioButton>(dialog, "RBjedeMannschaft")->click();
        ChildNamed<QPushButton>(dialog, "btOK")->click();
    });
    trigger("sbSpiellisten");
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Spiellisten im Ordner SPIELLISTEN gespeichert")});
    EXPECT_TRUE(QFileInfo::exists(
        QDir(workFile(QStringLiteral("Spiellisten")))
            .filePath(TeamGameListFileName(1, state->NameTable[1][1], state->TournamentName, 1))));
    if (!QPrinterInfo::defaultPrinter().isNull())
        return;

    const QString gameLists = workFile(QStringLiteral("Spiellisten.pdf"));
    prompter.answer({Prompter::Answer::Yes});
    files.answer(gameLists);
    WhenDialogShows<GameListDialog>([](GameListDialog* dialog) {
        ChildNamed<QRadioButton>(dialog, "RBdrucken")->click();
        ChildNamed<QPushButton>(dialog, "btOK")->click();
    });
    trigger("sbSpiellisten");
    EXPECT_TRUE(ReadFileBytes(gameLists).startsWith("%PDF"));

    part<QTabWidget>("PageControl1")->setCurrentIndex(1);
    const QString timePlan = workFile(QStringLiteral("Zeitplan.pdf"));
    prompter.answer({Prompter::Answer::Yes});
    files.answer(timePlan);
    trigger("sbDrucken");
    EXPECT_TRUE(ReadFileBytes(timePlan).startsWith("%PDF"));
}

TEST_F(OutputDialogsTest, ExportsCopyAndWriteTheActiveGridAndTheHtmlPageGoesToClipboardAndFile)
{
    openExample();
    trigger("actionAllesKopieren");
    EXPECT_EQ(QApplication::clipboard()->text(), GridClipboardText(state->ScheduleGrid));

    const QString csv = workFile(QStringLiteral("plan.csv"));
    files.answer(csv);
    trigger("sbCSV");
    const QByteArray written = ReadFileBytes(csv);
    EXPECT_EQ(written, ExportGridText(state->ScheduleGrid, GridTextFormat::Csv));
    files.answer(csv);
    prompter.answer({Prompter::Answer::No});
    part<QTabWidget>("PageControl1")->setCurrentIndex(1);
    trigger("sbCSV");
    EXPECT_EQ(ReadFileBytes(csv), written); // "No" at the question whether to replace it

    // The HTML page goes onto the clipboard, and the same into a file.
    trigger("sbHTML");
    auto* dialog = part<TFormHTMLCode>("TFormHTMLCode");
    ASSERT_NE(dialog, nullptr);
    TypeInto(ChildNamed<QLineEdit>(dialog, "edRahmendicke"), QStringLiteral("3"));
    ChildNamed<QPushButton>(dialog, "btHTMLClipboard")->click();
    EXPECT_FALSE(dialog->isVisible());
    const QString page = QApplication::clipboard()->text();
    EXPECT_TRUE(page.contains(QStringLiteral("<table border=\"3\" width=")));

    trigger("sbHTML");
    files.answer(workFile(QStringLiteral("plan.html")));
    ChildNamed<QPushButton>(dialog, "btHTMLspeichern")->click();
    EXPECT_EQ(QString::fromUtf8(ReadFileBytes(workFile(QStringLiteral("plan.html")))), page);
}

TEST_F(OutputDialogsTest, CertificateFillsTheDeliveredTemplateAndSavesAnotherOne)
{
    openExample();
    const TaggedCell team = cellOf(1, TagKind::KopfMannschaft, 1);
    state->SelectedCol = team.col;
    state->SelectedRow = team.row;
    const QString name = state->NameTable[1][1];

    trigger("actionUrkunde");
    auto* certificate = part<TFormUrkunde>("TFormUrkunde");
    ASSERT_NE(certificate, nullptr);
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join(QLatin1Char('\n')).toStdString();
    const QString text = certificate->editor().toPlainText();
    EXPECT_TRUE(text.contains(name)) << text.toStdString();

    // The first two of the selected team's group, one certificate a page, into one PDF.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QList<PlacedTeam> placed = PlacedTeams(*state, 1, 2);
        ASSERT_EQ(placed.size(), 2);
        certificate->findChild<QSpinBox*>(QStringLiteral("sePlaetze"))->setValue(2);
        const QString pdf = workFile(QStringLiteral("Urkunden.pdf"));
        prompter.answer({Prompter::Answer::Yes});
        files.answer(pdf);
        certificate->findChild<QPushButton*>(QStringLiteral("btPlaetze"))->click();
        const PdfWords words = ReadPdfWords(pdf);
        ASSERT_EQ(words.pages.size(), 2u);
        for (int page = 0; page < 2; ++page)
            EXPECT_TRUE(words.pageText(page).contains(placed[page].name))
                << words.pageText(page).toStdString();
        prompter.clear();
    }

    const QString saved = workFile(QStringLiteral("eigene.rtf"));
    files.answer(saved);
    certificate->findChild<QAction*>(QStringLiteral("actionVorlageSpeichern"))->trigger();
    EXPECT_EQ(state->Settings.CertificateTemplate, saved);
    EXPECT_EQ(prompter.texts().size(), 1); // to save the tournament, which holds the template
}
