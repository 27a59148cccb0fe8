#include "UiTestSupport.h"
#include "results/GridInteraction.h"
#include "ui/ChangeGroupDialog.h"
#include "ui/NewGroupDialog.h"
#include "ui/RenameDialog.h"
#include "ui/TForm2.h"
#include "ui/TFormEigenschaften.h"

#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>

// Not a test: saves pictures of the windows for a look at their layout. Run it with
// --gtest_also_run_disabled_tests --gtest_filter=*Screenshots*; the pictures go to the folder
// named by KORVANE_SCREENSHOT_DIR (default: the system's temporary folder).
namespace {
void Save(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("KORVANE_SCREENSHOT_DIR", QDir::tempPath());
    EXPECT_TRUE(widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}
} // namespace

TEST_F(MainWindowTest, DISABLED_Screenshots)
{
    launch({QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf")});
    Save(window.get(), QStringLiteral("main-window"));
    WhenDialogShows<NewGroupDialog>([](NewGroupDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("groupCountEdit"))->setText(QStringLiteral("3"));
        dialog->findChild<QLineEdit*>(QStringLiteral("groupNameEdit"))->setText(QStringLiteral("Gruppe "));
        Save(dialog, QStringLiteral("new-group-dialog"));
        dialog->reject();
    });
    window->newGroupDialog().exec();
    WhenDialogShows<ChangeGroupDialog>([](ChangeGroupDialog* dialog) {
        Save(dialog, QStringLiteral("change-group-dialog"));
        dialog->reject();
    });
    window->changeGroupDialog().openForGroup(2);
    WhenDialogShows<TFormEigenschaften>([](TFormEigenschaften* dialog) {
        Save(dialog, QStringLiteral("settings-dialog"));
        dialog->reject();
    });
    window->showSettings();
    window->resize(900, 560);
    Save(window.get(), QStringLiteral("main-window-small"));
}

TEST_F(MainWindowTest, DISABLED_ScheduleScreenshots)
{
    launch();
    files.answer(QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"));
    trigger("actionLoad");
    auto* schedule = window->findChild<TForm2*>(QStringLiteral("TForm2"));
    schedule->resize(1200, 760);
    QCoreApplication::processEvents();
    Save(schedule, QStringLiteral("schedule-tab"));
    schedule->findChild<QRadioButton*>(QStringLiteral("RBNamen"))->click();
    QCoreApplication::processEvents();
    Save(schedule, QStringLiteral("names-panel"));
    WhenDialogShows<RenameDialog>([](RenameDialog* dialog) {
        Save(dialog, QStringLiteral("rename-dialog"));
        dialog->reject();
    });
    schedule->findChild<RenameDialog*>()->openFor(
        {QStringLiteral("Finale"), 5, 1, QStringLiteral("1. Gruppe A")});
    schedule->findChild<QRadioButton*>(QStringLiteral("RBVerweise"))->click();
    schedule->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    QCoreApplication::processEvents();
    Save(schedule, QStringLiteral("time-plan-tab"));
}
