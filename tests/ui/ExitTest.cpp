#include "UiTestSupport.h"
#include "live/PublishedPlan.h"
#include "model/TournamentFile.h"
#include "ui/LiveCommands.h"
#include "ui/QtPrompter.h"
#include "ui/TForm2.h"

#include <QDir>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QString UnsavedQuestion =
    QStringLiteral("Korvane ist nicht gespeichert. Sollen die Änderungen vorher gespeichert werden ?");

// Counts, and swallows, every request to end the program while it lives.
class EndRequests : public QObject {
public:
    EndRequests()
    {
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { ++count; });
    }
    ~EndRequests() override { qApp->removeEventFilter(this); }

    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        ++count;
        return true;
    }
};

// Runs `steps` in the application's own event loop, as the running program does: only there does
// the closing of a last window end a program.
int EndRequestsWhile(const std::function<void()>& steps)
{
    EndRequests requests;
    QTimer::singleShot(0, qApp, [&steps] {
        steps();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    return requests.count;
}
} // namespace

using ExitTest = ExampleScheduleTest;

TEST_F(ExitTest, NoMessageOfTheScheduleWindowEndsTheProgram)
{
    QtPrompter boxes; // real message boxes
    windowPrompter = &boxes;
    openExample();
    ASSERT_NE(schedule, nullptr);
    const QString names = workFile(QStringLiteral("namen.txt"));
    ASSERT_TRUE(WriteFileBytes(names, "Adler\nBiber\n"));
    schedule->findChild<LiveCommands*>()->setFolderChooser(
        [this](QWidget*, const QString&) { return workFile(QStringLiteral("web")); });

    QStringList shown;
    int boxesStandingAlone = 0;
    // Each command's notice is closed another way; a file dialog has just given the focus back.
    const auto runAndClose = [&](const std::function<void()>& command, int key) {
        WhenModalShows("QMessageBox", [&](QWidget* box) {
            shown << static_cast<QMessageBox*>(box)->text();
            boxesStandingAlone += box->parentWidget() == nullptr ? 1 : 0;
            if (key == 0)
                static_cast<QMessageBox*>(box)->buttons().constFirst()->click();
            else
                QTest::keyClick(box, Qt::Key(key));
        });
        QApplication::setActiveWindow(nullptr);
        command();
    };
    const int endRequests = EndRequestsWhile([&] {
        runAndClose([&] { ChildNamed<QAbstractButton>(schedule, "BTExport")->click(); }, Qt::Key_Return);
        files.answer(names);
        runAndClose([&] { ChildNamed<QAbstractButton>(schedule, "BTImport")->click(); }, Qt::Key_Escape);
        runAndClose(
            [&] { schedule->findChild<QAction*>(QStringLiteral("actionPlanVeroeffentlichen"))->trigger(); },
            0);
    });
    EXPECT_EQ(endRequests, 0);
    EXPECT_EQ(boxesStandingAlone, 0);
    EXPECT_EQ(shown.size(), 3);
    EXPECT_TRUE(state->NameList.contains(QStringLiteral("Biber"))); // the commands did their work
    EXPECT_TRUE(QFile::exists(QDir(workFile(QStringLiteral("web"))).filePath(PublishedRoundName(2))));
    EXPECT_TRUE(schedule->isVisible());
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
}

TEST_F(MainWindowTest, LeavingLoadingOrStartingAnewAskToSaveDiscardOrCancelUnsavedWork)
{
    launch();
    trigger("actionNew"); // no file is remembered
    click("moreFieldsButton");
    const QString caption = window->windowTitle();
    const QString fields = text("fieldDisplay");
    QSignalSpy ends(window.get(), &Tform1::programEnds);
    prompter.answer({Prompter::Answer::Cancel, Prompter::Answer::Cancel, Prompter::Answer::Cancel,
                     Prompter::Answer::Cancel});
    trigger("actionLoad");
    trigger("actionNew");
    trigger("actionExit");
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(files.requests().empty()) << "cancelled before the file dialog";
    EXPECT_EQ(prompter.texts(), QStringList(4, UnsavedQuestion));
    EXPECT_EQ(prompter.shown()[0].kind, ScriptedPrompter::Kind::SaveDiscardCancel);

    // A cancelled file dialog changes nothing (a file that cannot be read is the storage's own test).
    prompter.answer({Prompter::Answer::No}); // on to the file dialog without saving
    files.answer(QString());
    trigger("actionLoad");
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(savedText(), QStringLiteral("nicht gespeichert"));
    EXPECT_EQ(text("fieldDisplay"), fields);

    // "Speichern" without a file asks for one; cancelling that dialog keeps the program.
    prompter.answer({Prompter::Answer::Yes});
    files.answer(QString());
    EXPECT_FALSE(window->close());
    prompter.answer({Prompter::Answer::Yes});
    files.answer(workFile(QStringLiteral("ende.auf")));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadFileBytes(workFile(QStringLiteral("ende.auf"))), WriteTournamentFile(*state));
    EXPECT_EQ(ends.count(), 1);

    // Discarding ends without saving; a saved tournament ends without a question.
    window->show();
    click("moreFieldsButton");
    prompter.answer({Prompter::Answer::No});
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(state->IsSaved);
    state->IsSaved = true;
    window->show();
    prompter.clear();
    trigger("actionExit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(ends.count(), 3);
}

TEST_F(MainWindowTest, SpeichernWritesTheRememberedFileWithoutADialog)
{
    launch();
    auto* quickSave = find<QAction>("actionSaveToFile");
    EXPECT_TRUE(window->scheduleWindow().actions().contains(quickSave)) << "Ctrl+S in the schedule window";
    trigger("actionNew");
    const QString cup = workFile(QStringLiteral("cup.auf"));
    files.answer(cup); // no file yet: the dialog asks for one
    trigger("actionSaveToFile");
    click("moreFieldsButton");
    trigger("actionSaveToFile");
    EXPECT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(ReadFileBytes(cup), WriteTournamentFile(*state));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datei: cup.auf           Korvane 5.08"));
    EXPECT_TRUE(prompter.shown().empty()) << "the own file is replaced without asking";
}

TEST_F(MainWindowTest, ALoadedTournamentStaysSavedWhileItsFieldsAreOnlyPassedThrough)
{
    launch();
    find<QLineEdit>("startTimeEdit")->setFocus();
    files.answer(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"));
    trigger("actionLoad");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* field : {"gameLengthEdit", "pauseBeginEdit", "tournamentNameEdit"})
        find<QLineEdit>(field)->setFocus();
    EXPECT_TRUE(state->IsSaved);
    EXPECT_EQ(savedText(), QStringLiteral("gespeichert"));
}
