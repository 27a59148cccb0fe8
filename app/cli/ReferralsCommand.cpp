#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "model/ReferralDump.h"
#include "model/TournamentState.h"

#include <QCommandLineParser>

#include <QTextStream>
#include <optional>

#include <memory>

namespace cli {
int RunReferrals(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lädt eine Turnierdatei und schreibt ihre Verweistabelle wie \"Speichern Feld\" nach OUT."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei, die geladen wird"));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("Datei, die geschrieben wird"));
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        PrintError(QStringLiteral("usage: korvane-cli referrals FILE OUT"));
        return 2;
    }
    auto state = std::make_unique<TournamentState>();
    if (!LoadTournamentFile(*state, files.at(0)))
        return 1;
    ConsolePrompter prompter;
    return WriteReferralDump(*state, files.at(1), prompter) ? 0 : 1;
}
} // namespace cli
