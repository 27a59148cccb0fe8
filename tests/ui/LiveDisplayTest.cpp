// The hall display and the live server from the schedule window.
#include "UiTestSupport.h"
#include "live/LiveData.h"
#include "net/LiveServer.h"
#include "net/RefereeDesk.h"
#include "net/ResultInbox.h"
#include "results/IncomingResultsCopy.h"
#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "ui/FieldCodesPanel.h"
#include "ui/IncomingResultsDock.h"
#include "ui/LiveCommands.h"
#include "ui/LiveDisplayWindow.h"
#include "ui/LiveNetDialog.h"
#include "ui/TForm2.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

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

QByteArray Fetch(const QString& url)
{
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(QNetworkRequest(QUrl(url)));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    EXPECT_TRUE(finished.wait(10'000)) << url.toStdString();
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

// Sends the first game's form of the field's entry page with `goals`; the answer's status.
int SendFirstForm(const QString& entryUrl, const QString& goals)
{
    const QString page = QString::fromUtf8(Fetch(entryUrl));
    const auto value = [&page](const char* name) {
        return QRegularExpression(QStringLiteral("name=\"%1\" value=\"([^\"]*)\"").arg(QLatin1String(name)))
            .match(page)
            .captured(1);
    };
    QUrlQuery form;
    for (const char* name : {"gruppe", "spiel", "code", "token"})
        form.addQueryItem(QLatin1String(name), value(name));
    form.addQueryItem(QStringLiteral("tore"), goals);
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(entryUrl.section(u'?', 0, 0)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply* reply = network.post(request, form.query(QUrl::FullyEncoded).toUtf8());
    QSignalSpy finished(reply, &QNetworkReply::finished);
    EXPECT_TRUE(finished.wait(10'000));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}
} // namespace

using LiveDisplayTest = ExampleScheduleTest;

// The hall display and the server show the schedule's state at once; the server takes the
// referees' results, which wait in the desk's list until the desk decides.
TEST_F(LiveDisplayTest, TheHallDisplayAndLiveImNetzShowAResultAtOnceAndRefereesResultsWaitForTheDesk)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("turnier.auf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"), path));
    openExample(path);
    auto* commands = schedule->findChild<LiveCommands*>();
    ASSERT_NE(commands, nullptr);
    state->TournamentName = QStringLiteral("<script>alert(1)</script> Cup");
    trigger("actionLiveImNetz");
    LiveNetDialog* dialog = commands->liveNet();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    auto* addresses = ChildNamed<QComboBox>(dialog, "cbAdresse");
    // Never all interfaces: each entry is one address, loopback the last one, for trying out.
    for (int index = 0; index < addresses->count(); ++index)
        EXPECT_FALSE(QHostAddress(addresses->itemData(index).toString()).isEqual(QHostAddress::Any));
    addresses->setCurrentIndex(addresses->count() - 1);
    EXPECT_EQ(addresses->currentData().toString(), QStringLiteral("127.0.0.1"));
    ChildNamed<QSpinBox>(dialog, "sePort")->setValue(0); // any free port
    PressButton(dialog, "btStarten");
    LiveServer* server = commands->liveServer();
    ASSERT_TRUE(server->isRunning());
    EXPECT_EQ(ChildNamed<QLabel>(dialog, "lbTurnier")->textFormat(), Qt::PlainText);
    EXPECT_EQ(ChildNamed<QLabel>(dialog, "lbTurnier")->text(), state->TournamentName);
    EXPECT_FALSE(ChildNamed<QLabel>(dialog, "lbQrCode")->pixmap().isNull());

    schedule->findChild<QAction*>(QStringLiteral("sbHallenanzeige"))->trigger();
    LiveDisplayWindow* display = commands->display();
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(display));
    const QString roundData = server->url() + QStringLiteral("daten/runde/1");
    int open = 1;
    while (FindResult(*state, 2, open) != 0)
        ++open;
    // The result dialog's two presses on the game's goals cell, then what the window does after it.
    const TaggedCell cell = cellOf(2, TagKind::Tore, open);
    ParseRowTag(*state, state->ScheduleGrid, cell.col, cell.row);
    state->SelectedCol = cell.col;
    state->SelectedRow = cell.row;
    ResultEntry entry;
    entry.activate(*state);
    const ResultEntryOutcome first = entry.press(*state, {QString(), QStringLiteral("9:8")}, prompter);
    ASSERT_TRUE(entry.press(*state, first.Fields, prompter).CloseDialog);
    schedule->scheduleRendered();
    EXPECT_TRUE(Fetch(roundData).contains("\"9 : 8\""));
    const LiveGame* shown = FindShownGame(display->model(), 2, open);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Result, QStringLiteral("9 : 8"));

    dialog->hide(); // the server goes on; the schedule window's status line tells where
    QTest::qWait(2100);
    EXPECT_TRUE(schedule->statusBar()->isVisible());
    EXPECT_EQ(part<QLabel>("lbLiveImNetz")->text(), QStringLiteral("Live im Netz: ") + server->url() +
                                                        QStringLiteral(" – 1 Handy in der letzten Minute"));
    dialog->show();

    // The codes: one per field, shown as digits and as the QR code of the entry page; renewed at once.
    FieldCodesPanel* codes = dialog->fieldCodes();
    ChildNamed<QComboBox>(codes, "cbPlatz")->setCurrentIndex(1);
    PressButton(codes, "btCodeErneuern"); // a new code each time: the codes' own test
    EXPECT_EQ(ChildNamed<QLabel>(codes, "lbCode")->text(),
              QStringLiteral("Code: ") + server->refereeDesk()->codes().code(2));

    // One sheet per field to hang up; without a printer as a PDF file.
    const QString sheets = folder.filePath(QStringLiteral("Codeblaetter.pdf"));
    if (QPrinterInfo::defaultPrinter().isNull()) {
        prompter.answer({Prompter::Answer::Yes});
        files.answer(sheets);
        codes->setFileChooser(files);
        EXPECT_TRUE(codes->printSheets());
        EXPECT_GT(QFileInfo(sheets).size(), 0);
    }

    // Sent from field 1: waits in the dock until "Übernehmen" stores it as the dialog does.
    IncomingResultsDock* dock = commands->incomingResults();
    auto* table = ChildNamed<QTableWidget>(dock, "tbEingegangen");
    ASSERT_EQ(SendFirstForm(server->entryUrl(1), QStringLiteral("3:1")), 200);
    EXPECT_TRUE(dock->isVisible());
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 6)->text(), QStringLiteral("wartet"));
    const IncomingResult sent = commands->inbox()->results().Entries.at(0);
    EXPECT_EQ(FindResult(*state, sent.Group, sent.Game), 0) << "nothing stored before the desk accepts";
    PressButton(dock, "btUebernehmen");
    ASSERT_NE(FindResult(*state, sent.Group, sent.Game), 0);
    EXPECT_EQ(table->item(0, 6)->text(), QStringLiteral("übernommen"));
    // The copy beside the file keeps the list (rejecting and automatic acceptance are the desk's
    // own tests).
    const auto copy = ReadIncomingResultsCopy(folder.filePath(QStringLiteral("turnier.eingang.txt")));
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, commands->inbox()->results());

    PressButton(dialog, "btBeenden");
    EXPECT_FALSE(server->isRunning());
    EXPECT_FALSE(schedule->statusBar()->isVisible());
}
