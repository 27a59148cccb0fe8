// The desk program under the load of the hall's phones: the tournament and the live server in one
// event loop, as in the schedule window, with a result entered through the core every few
// seconds while scripts/live-load.py plays the phones. It measures what the organiser feels:
// how late the event loop answers a timer (the window's responsiveness) and how long entering a
// result takes until the pages have the new state.
//
// With --referees the server also takes the fields' results as `korvane-cli serve --results` does
// (a result without a conflict stored at once); --result-every 0 leaves the desk idle.
//
// usage: korvane_live_load_host (--example | --largest) [--result-every SECONDS] [--referees]
// Prints one JSON line with the port and the routes, runs until its standard input closes, then
// prints one JSON line of figures.
#include "../LargestTournament.h"
#include "../SilentPrompter.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "live/LiveData.h"
#include "live/WebPage.h"
#include "live/WebPages.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "net/FieldCodes.h"
#include "net/LiveServer.h"
#include "net/RefereeDesk.h"
#include "net/ResultInbox.h"
#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
constexpr int LagProbeMs = 10;
constexpr int PlannableFirstRoundGames = 20 * 90; // 20 groups of 10 with return leg

std::unique_ptr<TournamentState> Example()
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    SilentPrompter prompter;
    if (!LoadTournament(*state,
                        QDir(QStringLiteral(KORVANE_DATA_DIR)).filePath(QStringLiteral("beispiel.auf")),
                        prompter))
        return nullptr;
    return state;
}

// Enters `goals` for the first open game as the result dialog does; false when none is open.
bool EnterNextResult(TournamentState& state, const QString& goals)
{
    for (int group = 1; group <= TotalGroups(state); ++group) {
        const int games = GroupGameCount(state, group);
        if (CountGroupResults(state, group) >= games)
            continue;
        std::vector<bool> played(std::size_t(games) + 1);
        for (int index = 1; index <= state.ResultCount; ++index)
            if (state.ResultTable[index].Group == group && state.ResultTable[index].Game <= games)
                played[std::size_t(state.ResultTable[index].Game)] = true;
        const int game = int(std::find(played.begin() + 1, played.end(), false) - played.begin());
        const GroupBlock block = LocateGroupBlock(state, group);
        const int col = block.Column + 3;
        const int row = block.gameRow(game);
        ParseRowTag(state, state.ScheduleGrid, col, row);
        state.SelectedCol = col;
        state.SelectedRow = row;
        SilentPrompter prompter;
        ResultEntry entry;
        entry.activate(state);
        const ResultEntryOutcome first = entry.press(state, {QString(), goals}, prompter);
        return entry.press(state, first.Fields, prompter).CloseDialog;
    }
    return false;
}

// The processor time this thread used so far.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

QJsonObject Figures(const std::vector<double>& values)
{
    return {{QStringLiteral("count"), int(values.size())},
            {QStringLiteral("p50"), Percentile(values, 0.5)},
            {QStringLiteral("p99"), Percentile(values, 0.99)},
            {QStringLiteral("max"), values.empty() ? 0.0 : *std::max_element(values.begin(), values.end())}};
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool largest = arguments.contains(QStringLiteral("--largest"));
    const int every = arguments.indexOf(QStringLiteral("--result-every"));
    const int resultEveryMs = every > 0 ? arguments.value(every + 1).toInt() * 1000 : 10'000;
    const bool referees = arguments.contains(QStringLiteral("--referees"));

    QElapsedTimer setup;
    setup.start();
    // The referees need the fields' games in a time plan: the largest tournament that has one,
    // in its second round.
    std::unique_ptr<TournamentState> state = !largest   ? Example()
                                             : referees ? LargestTournament(PlannableFirstRoundGames, 10)
                                                        : LargestTournament();
    if (!state)
        return 1;
    RenderLoadedScheduleGrid(*state);
    auto output = std::make_unique<AllocationOutput>();
    SilentPrompter prompter;
    if (!HoldsTimePlan(state->FieldPlan))
        RunAllocation(*state, *output, prompter, AllocationOptions{QStringLiteral("0"), {}, {}, {}});
    const qint64 setupMs = setup.elapsed();

    LiveServer server([&state] { return LiveSource{state.get(), &state->FieldPlan}; });
    ResultInbox inbox([&state] { return state.get(); }, prompter);
    int refereeResults = 0;
    if (referees) {
        inbox.setConflictsWait(false);
        inbox.setAutomatic(true);
        server.takeResults(inbox);
        QObject::connect(&inbox, &ResultInbox::resultStored, [&](int) {
            ++refereeResults;
            server.tournamentChanged();
        });
    }
    if (!server.start(QHostAddress::LocalHost, 0, false))
        return 1;
    QJsonObject codes;
    if (const RefereeDesk* desk = server.refereeDesk())
        for (int field = 1; field <= desk->codes().fieldCount(); ++field)
            codes.insert(QString::number(field), desk->codes().code(field));
    QJsonArray teams;
    for (const QString& team : TeamNames(*state))
        if (teams.size() < 200)
            teams.append(LiveTeamPath(team));
    const QJsonObject routes{{QStringLiteral("port"), server.port()},
                             {QStringLiteral("rounds"), state->RoundCount},
                             {QStringLiteral("round_in_play"), RoundInPlay(*state)},
                             {QStringLiteral("fields"), LiveFieldCount(*state)},
                             {QStringLiteral("teams"), teams},
                             {QStringLiteral("results"), state->ResultCount},
                             {QStringLiteral("setup_ms"), setupMs},
                             {QStringLiteral("codes"), codes}};
    std::printf("%s\n", QJsonDocument(routes).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);

    // The window's responsiveness: how late a 10 ms timer fires while the phones are served, and
    // how much of that the program itself worked (the rest is other programs on the machine).
    std::vector<double> lagMs;
    std::vector<double> busyMs;
    QElapsedTimer sinceProbe;
    sinceProbe.start();
    double cpuAtProbe = ThreadCpuMs();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        lagMs.push_back(std::max(0.0, double(sinceProbe.nsecsElapsed()) / 1e6 - LagProbeMs));
        const double cpu = ThreadCpuMs();
        busyMs.push_back(cpu - cpuAtProbe);
        cpuAtProbe = cpu;
        sinceProbe.restart();
    });
    probe.start(LagProbeMs);

    // A result at the desk: the core's entry, then what the window's signal does for the pages.
    std::vector<double> entryMs;
    int goals = 0;
    int deskResults = 0;
    QTimer desk;
    QObject::connect(&desk, &QTimer::timeout, [&] {
        QElapsedTimer took;
        took.start();
        if (EnterNextResult(*state, QStringLiteral("%1:%2").arg(goals % 5).arg(goals % 3))) {
            server.tournamentChanged();
            ++deskResults;
        }
        ++goals;
        entryMs.push_back(double(took.nsecsElapsed()) / 1e6);
    });
    if (resultEveryMs > 0)
        desk.start(resultEveryMs);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    QCoreApplication::exec();

    const QJsonObject figures{{QStringLiteral("loop_lag_ms"), Figures(lagMs)},
                              {QStringLiteral("loop_busy_ms"), Figures(busyMs)},
                              {QStringLiteral("result_entry_ms"), Figures(entryMs)},
                              {QStringLiteral("phones_seen"), server.phonesSeen()},
                              {QStringLiteral("results"), state->ResultCount},
                              {QStringLiteral("desk_results"), deskResults},
                              {QStringLiteral("referee_results_stored"), refereeResults}};
    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    return 0;
}
