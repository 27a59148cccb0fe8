#include "model/StartArguments.h"
#include "model/TournamentState.h"
#include "ui/FileChooser.h"
#include "ui/ProgramIdentity.h"
#include "ui/QtPrompter.h"
#include "ui/QtTranslations.h"
#include "ui/Tform1.h"

#include <QApplication>
#include <QDir>

#include <memory>

namespace {
// Ends the program at the first painting after the start file was loaded.
class EndAtFirstPaint : public QObject {
public:
    explicit EndAtFirstPaint(const TournamentState& state) : m_state(state) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_state.AutoLoadPending)
            QCoreApplication::exit(0);
        return false;
    }

private:
    const TournamentState& m_state;
};
} // namespace

// The program's start as main() of korvane does it, up to the main window shown with the start
// file: the measure of start-up (KORVANE_WORKDIR names the working folder).
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpProgramIdentity();
    InstallGermanQtTranslations(app);

    QtPrompter prompter;
    QtFileChooser files;
    auto state = std::make_unique<TournamentState>();
    EndAtFirstPaint ending(*state);
    app.installEventFilter(&ending);
    Tform1 window(*state, prompter, files, QStringLiteral(KORVANE_DATA_DIR),
                  WithAbsoluteStartFile(QCoreApplication::arguments(), QDir::currentPath()));
    window.show();
    const int code = app.exec();
    state->IsSaved = true;
    return code;
}
