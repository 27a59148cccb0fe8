#pragma once

#include "model/TournamentState.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TaggedCell.h"
#include "ui/FileChooser.h"
#include "ui/Tform1.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class GridView;
class TForm2;

// Answers the file dialogs from a script and records what they were asked.
class ScriptedFileChooser : public FileChooser {
public:
    void answer(const QString& path) { m_answers.push_back(path); }
    QString chooseFileToOpen(QWidget*, const Request& request) override { return next(request); }
    QString chooseFileToSave(QWidget*, const Request& request) override { return next(request); }
    const std::vector<Request>& requests() const { return m_requests; }

private:
    QString next(const Request& request);

    std::deque<QString> m_answers;
    std::vector<Request> m_requests;
};

// Runs `inside` on the modal (or active) dialog of type Dialog as soon as it shows. Call it right
// before the action that opens the dialog; `inside` must close it.
void WhenModalShows(const char* className, std::function<void(QWidget*)> inside);

template <typename Dialog> void WhenDialogShows(std::function<void(Dialog*)> inside)
{
    WhenModalShows(Dialog::staticMetaObject.className(),
                   [inside](QWidget* dialog) { inside(static_cast<Dialog*>(dialog)); });
}

// The child `name` of a dialog or window; a failed expectation when there is none.
template <typename Widget> Widget* ChildNamed(QWidget* parent, const char* name)
{
    auto* widget = parent->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Clicks the button `name` of a dialog, `times` times.
void PressButton(QWidget* dialog, const char* name, int times = 1);

QStringList ListLines(const QListWidget* list);
// Types `text` into the field as a user would, replacing what it held.
void TypeInto(QLineEdit* edit, const QString& text);
// The same, then Enter.
void TypeAndEnter(QLineEdit* edit, const QString& text);
QByteArray ReadFileBytes(const QString& path);
// Writes `bytes` as the whole file; false when it cannot.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
// A change becomes an undo step when the program waits for input, as it does between two keys.
void WaitUntilIdle();

// A main window started on an empty working directory of its own.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window (start-up runs) and activates it (the start file is loaded).
    void launch(const QStringList& arguments = {});

    template <typename Widget> Widget* find(const char* name) const
    {
        return ChildNamed<Widget>(window.get(), name);
    }
    void click(const char* buttonName) const;
    void trigger(const char* actionName) const;
    QString text(const char* lineEditName) const { return find<QLineEdit>(lineEditName)->text(); }
    QString savedText() const;
    QString workFile(const QString& name) const;

    QTemporaryDir workDir;
    ScriptedPrompter prompter;
    Prompter* windowPrompter = &prompter; // what the window shows its questions and notices with
    ScriptedFileChooser files;
    std::unique_ptr<TournamentState> state = std::make_unique<TournamentState>();
    std::unique_ptr<Tform1> window;
};

// The example tournament loaded through the main window: the schedule window shows it at once.
class ExampleScheduleTest : public MainWindowTest {
protected:
    void openExample(const QString& file = QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"));

    // The cell of the schedule tagged (group, kind, number) and the text the view shows in it.
    TaggedCell cellOf(int group, const QString& kind, int number) const;
    QString shownText(TaggedCell cell) const;
    // Scrolls the cell into view and clicks it, or double-clicks it.
    void clickCell(GridView* view, TaggedCell cell, bool twice = false) const;
    template <typename Widget> Widget* part(const char* name) const
    {
        return ChildNamed<Widget>(schedule, name);
    }

    TForm2* schedule = nullptr;
    GridView* scheduleView = nullptr;
};
