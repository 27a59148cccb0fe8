#include "UiTestSupport.h"

#include "ui/GridView.h"
#include "ui/TForm2.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

QString ScriptedFileChooser::next(const Request& request)
{
    m_requests.push_back(request);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.caption.toStdString();
        return {};
    }
    const QString path = m_answers.front();
    m_answers.pop_front();
    return path;
}

void WhenModalShows(const char* className, std::function<void(QWidget*)> inside)
{
    // Polls until the dialog runs its own event loop; gives up after two seconds.
    auto* timer = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, attempts, className, inside] {
        // The result dialog runs an event loop of its own without being modal.
        QWidget* modal = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                           : QApplication::activeWindow();
        const bool shown = modal && modal->inherits(className) && modal->isVisible();
        if (!shown && ++*attempts <= 200)
            return;
        timer->stop();
        timer->deleteLater();
        if (shown)
            inside(modal);
        else
            ADD_FAILURE() << "no modal " << className << " showed";
    });
    timer->start(10);
}

void PressButton(QWidget* dialog, const char* name, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(ChildNamed<QAbstractButton>(dialog, name), Qt::LeftButton);
}

QStringList ListLines(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void TypeAndEnter(QLineEdit* edit, const QString& text)
{
    TypeInto(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void WaitUntilIdle()
{
    QEventLoop idle;
    QTimer::singleShot(20, &idle, &QEventLoop::quit);
    idle.exec();
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(workDir.isValid());
    qputenv("KORVANE_WORKDIR", workDir.path().toLocal8Bit());
}

void MainWindowTest::TearDown()
{
    if (window) {
        // Leaving must not ask: the tests decide about unsaved work themselves.
        state->IsSaved = true;
        window->close();
        window.reset();
    }
    EXPECT_FALSE(prompter.pendingAnswers()) << "answers left over";
    qunsetenv("KORVANE_WORKDIR");
}

void MainWindowTest::launch(const QStringList& arguments)
{
    window = std::make_unique<Tform1>(*state, *windowPrompter, files, QStringLiteral(KORVANE_DATA_DIR),
                                      QStringList{QStringLiteral("korvane")} + arguments);
    window->resize(1100, 680);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::click(const char* buttonName) const
{
    auto* button = find<QAbstractButton>(buttonName);
    ASSERT_NE(button, nullptr);
    button->click();
}

void MainWindowTest::trigger(const char* actionName) const
{
    auto* action = window->findChild<QAction*>(QLatin1String(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
}

QString MainWindowTest::savedText() const
{
    return find<QLabel>("savedLabel")->text();
}

QString MainWindowTest::workFile(const QString& name) const
{
    return QDir(workDir.path()).filePath(name);
}

void ExampleScheduleTest::openExample(const QString& file)
{
    launch();
    files.answer(file);
    trigger("actionLoad");
    schedule = window->findChild<TForm2*>(QStringLiteral("TForm2"));
    ASSERT_NE(schedule, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(schedule));
    scheduleView = part<GridView>("StringGrid1");
}

TaggedCell ExampleScheduleTest::cellOf(int group, const QString& kind, int number) const
{
    return FindTaggedCell(state->ScheduleGrid, group, kind, number);
}

QString ExampleScheduleTest::shownText(TaggedCell cell) const
{
    return scheduleView->model()->index(cell.row, cell.col).data().toString();
}

void ExampleScheduleTest::clickCell(GridView* view, TaggedCell cell, bool twice) const
{
    QCoreApplication::processEvents();
    view->scrollTo(view->model()->index(cell.row, cell.col));
    QCoreApplication::processEvents();
    const QPoint centre = view->cellRect(cell.col, cell.row).center();
    ASSERT_TRUE(view->viewport()->rect().contains(centre));
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    else
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
}
