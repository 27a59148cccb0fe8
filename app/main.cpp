#include "model/TournamentState.h"
#include "ui/FileChooser.h"
#include "ui/QtPrompter.h"
#include "ui/Tform1.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));

    QtPrompter prompter;
    QtFileChooser files;
    auto state = std::make_unique<TournamentState>();
    Tform1 window(*state, prompter, files, QCoreApplication::applicationDirPath(),
                  QCoreApplication::arguments());
    window.resize(1100, 680);
    window.show();
    return app.exec();
}
