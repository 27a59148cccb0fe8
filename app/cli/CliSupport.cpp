#include "CliSupport.h"

#include <QCommandLineParser>
#include <QTextStream>

#include "ConsolePrompter.h"

#include "model/DataFiles.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace cli {
bool LoadPairingData(TournamentState& state)
{
    ConsolePrompter prompter;
    const QString path =
        FindDataFile(QCoreApplication::applicationDirPath(), QString::fromLatin1(PairingTable::FileName));
    return state.Pairings.LoadPairingTable(path, prompter);
}

bool LoadTournamentFile(TournamentState& state, const QString& path)
{
    ConsolePrompter prompter;
    return LoadTournament(state, path, prompter);
}

std::unique_ptr<TournamentState> LoadTournamentWithPairings(const QString& path)
{
    auto state = std::make_unique<TournamentState>();
    if (!LoadPairingData(*state) || !LoadTournamentFile(*state, path))
        return nullptr;
    return state;
}

bool SaveTournamentFile(TournamentState& state, const QString& path)
{
    ConsolePrompter prompter;
    // Saving to the remembered file asks no question.
    state.RememberedFileName = path;
    return SaveTournament(state, path, prompter);
}

void PrintError(const QString& text)
{
    QTextStream err(stderr);
    err << text << Qt::endl;
}

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.parse(arguments)) {
        PrintError(parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        PrintHelp(parser, arguments);
        return 0;
    }
    return std::nullopt;
}

void PrintHelp(const QCommandLineParser& parser, const QStringList& arguments)
{
    QString text = parser.helpText();
    const QString programUsage = QStringLiteral("Usage: ") + QCoreApplication::arguments().constFirst();
    if (!arguments.isEmpty() && text.startsWith(programUsage))
        text.replace(0, programUsage.size(), QStringLiteral("Usage: ") + arguments.first());
    QTextStream(stdout) << text;
}
} // namespace cli
