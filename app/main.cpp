#include "model/StartArguments.h"
#include "model/TournamentState.h"
#include "ui/FileChooser.h"
#include "ui/ProgramIdentity.h"
#include "ui/QtPrompter.h"
#include "ui/Tform1.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const char* const HelpText =
    "Usage: korvane [FILE.auf]\n"
    "Der Turnierplaner Korvane. Startet mit der Turnierdatei FILE.auf, ohne sie mit normal.auf\n"
    "aus dem Arbeitsordner (Dokumente/valdorn/korvane, oder der Ordner in KORVANE_WORKDIR).\n"
    "\n"
    "Options:\n"
    "  -h, --help  Zeigt diese Hilfe.\n"
    "  --version   Zeigt die Version.\n";

// --help and --version are answered before the window system is asked for, so they work
// without a display.
bool isOnlyArgument(int argc, char** argv, const char* option)
{
    return argc == 2 && std::strcmp(argv[1], option) == 0;
}
} // namespace

int main(int argc, char* argv[])
{
    if (isOnlyArgument(argc, argv, "--version")) {
        std::printf("korvane %s\n", KorvaneVersion);
        return 0;
    }
    if (isOnlyArgument(argc, argv, "--help") || isOnlyArgument(argc, argv, "-h")) {
        std::fputs(HelpText, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    SetUpProgramIdentity();

    QtPrompter prompter;
    QtFileChooser files;
    auto state = std::make_unique<TournamentState>();
    Tform1 window(*state, prompter, files, QCoreApplication::applicationDirPath(),
                  WithAbsoluteStartFile(QCoreApplication::arguments(), QDir::currentPath()));
    // Only the main window ends the program; the queue lets its closing finish first.
    QObject::connect(
        &window, &Tform1::programEnds, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    window.resize(1100, 680);
    window.show();
    return app.exec();
}
