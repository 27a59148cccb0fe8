// Changes a tournament without end and writes its recovery copy after every change, printing the
// number of each change once its copy is written. The crash test kills it at random moments.
#include "model/RecoveryCopy.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    QFile start(QString::fromLocal8Bit(argv[2]));
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    if (!start.open(QIODevice::ReadOnly) || !ReadTournamentFile(*state, start.readAll()).ok)
        return 3;
    RecoveryCopyWriter writer(QString::fromLocal8Bit(argv[1]));
    for (int change = 1;; ++change) {
        state->TournamentName = QStringLiteral("Stand %1").arg(change);
        if (!writer.write(QStringLiteral("/turniere/pokal.auf"), WriteTournamentFile(*state)))
            return 4;
        std::printf("%d\n", change);
        std::fflush(stdout);
    }
}
