#include "LargestTournament.h"
#include "SilentPrompter.h"
#include "model/TournamentState.h"
#include "results/GridInteraction.h"
#include "results/ResultEntry.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "ui/FileChooser.h"
#include "ui/GridView.h"
#include "ui/TForm2.h"
#include "ui/Tform1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>
#include <string>

namespace {
class NoFileChooser : public FileChooser {
public:
    QString chooseFileToOpen(QWidget*, const Request&) override { return {}; }
    QString chooseFileToSave(QWidget*, const Request&) override { return {}; }
};

// What a widget paints: how often, and how many pixels.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    void reset() { paints = pixels = 0; }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                pixels += double(rect.width()) * rect.height();
        }
        return false;
    }
    double paints = 0;
    double pixels = 0;
};

double peakResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Posted updates are painted now, as the event loop does when it next runs.
void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The program's windows on a working directory of their own, with the widest plan loaded.
struct Desk {
    QTemporaryDir workDir;
    std::unique_ptr<TournamentState> state = std::make_unique<TournamentState>();
    SilentPrompter prompter;
    NoFileChooser files;
    std::unique_ptr<Tform1> window;
    TForm2* schedule = nullptr;
    GridView* view = nullptr;
    std::unique_ptr<PaintCount> viewportPaints;

    Desk()
    {
        qputenv("KORVANE_WORKDIR", workDir.path().toLocal8Bit());
        window = std::make_unique<Tform1>(*state, prompter, files, QStringLiteral(KORVANE_DATA_DIR),
                                          QStringList{QStringLiteral("korvane")});
        window->resize(1100, 680);
        window->show();
        while (state->AutoLoadPending)
            QCoreApplication::processEvents();
        const QString dir = state->WorkDir;
        *state = *WidestTournament();
        state->WorkDir = dir;
        state->IsSaved = true;
        schedule = window->findChild<TForm2*>(QStringLiteral("TForm2"));
        view = schedule->findChild<GridView*>(QStringLiteral("StringGrid1"));
        viewportPaints = std::make_unique<PaintCount>(view->viewport());
    }

    // The schedule in front, scrolled to the cell.
    void showAt(int col, int row)
    {
        if (!schedule->isVisible()) {
            window->showSchedule();
            paintPending();
        }
        view->scrollTo(view->model()->index(row, col));
        paintPending();
        viewportPaints->reset();
    }

    // A click on the name of the team on `position` of the group: its games are highlighted.
    void clickTeam(const GroupBlock& block, int position)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->cellRect(block.Column, block.teamRow(position)).center());
        paintPending();
    }

    void countPaints(benchmark::State& bench) const
    {
        bench.counters["paints"] =
            benchmark::Counter(viewportPaints->paints, benchmark::Counter::kAvgIterations);
        bench.counters["painted_px"] =
            benchmark::Counter(viewportPaints->pixels, benchmark::Counter::kAvgIterations);
        bench.counters["peak_MiB"] = peakResidentMiB();
    }
};

// Made on first use, ended before the application.
std::unique_ptr<Desk> theDesk;

Desk& desk()
{
    if (!theDesk)
        theDesk = std::make_unique<Desk>();
    return *theDesk;
}
} // namespace

// From the main window's "Spielplan" to the painted schedule window, the grid new to the view.
static void BM_ShowWidestSchedule(benchmark::State& bench)
{
    Desk& d = desk();
    double paints = 0;
    double pixels = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        d.schedule->hide();
        d.state->ScheduleGrid.resize(0, 0);
        d.view->reload();
        paintPending();
        d.viewportPaints->reset();
        bench.ResumeTiming();
        d.window->showSchedule();
        paintPending();
        paints += d.viewportPaints->paints;
        pixels += d.viewportPaints->pixels;
    }
    d.viewportPaints->paints = paints;
    d.viewportPaints->pixels = pixels;
    d.countPaints(bench);
    bench.counters["rows"] = d.state->ScheduleGrid.rowCount();
    bench.counters["columns"] = d.state->ScheduleGrid.columnCount();
}
BENCHMARK(BM_ShowWidestSchedule)->Unit(benchmark::kMillisecond);

// The confirming press of a result for a game of group 99 until the window has painted it.
static void BM_ConfirmResultPainted(benchmark::State& bench)
{
    Desk& d = desk();
    const GroupBlock block = LocateGroupBlock(*d.state, 99);
    d.showAt(block.Column + 3, block.gameRow(1));
    ResultEntry entry;
    int game = 0;
    for (auto _ : bench) {
        game = game % 20 + 1;
        SelectCell(*d.state, block.Column + 3, block.gameRow(game));
        ParseRowTag(*d.state, d.state->ScheduleGrid, d.state->SelectedCol, d.state->SelectedRow);
        entry.EntryConfirmArmed = true;
        entry.press(*d.state, {QString(), QString::number(game % 7) + QStringLiteral(":1")}, d.prompter);
        d.schedule->scheduleRendered();
        paintPending();
    }
    d.countPaints(bench);
}
BENCHMARK(BM_ConfirmResultPainted)->Unit(benchmark::kMillisecond);

// A click on a team name: its games highlighted and painted. Two teams in turn.
static void BM_ClickHighlightPainted(benchmark::State& bench)
{
    Desk& d = desk();
    const GroupBlock block = LocateGroupBlock(*d.state, 50);
    d.showAt(block.Column, block.teamRow(7));
    int click = 0;
    for (auto _ : bench)
        d.clickTeam(block, ++click % 2 == 0 ? 7 : 8);
    d.countPaints(bench);
}
BENCHMARK(BM_ClickHighlightPainted)->Unit(benchmark::kMillisecond);

// Forty pixels down or up with a team chosen: the highlight follows and is painted.
static void BM_ScrollRehighlightPainted(benchmark::State& bench)
{
    Desk& d = desk();
    const GroupBlock block = LocateGroupBlock(*d.state, 50);
    d.showAt(block.Column, block.teamRow(7));
    d.clickTeam(block, 7);
    d.viewportPaints->reset();
    QScrollBar* bar = d.view->verticalScrollBar();
    int step = 0;
    for (auto _ : bench) {
        bar->setValue(bar->value() + (++step % 2 == 0 ? -40 : 40));
        paintPending();
    }
    d.countPaints(bench);
}
BENCHMARK(BM_ScrollRehighlightPainted)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (theDesk)
        theDesk->state->IsSaved = true; // leaving asks nothing
    theDesk.reset();
    return 0;
}
