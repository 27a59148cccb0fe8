#include "CliCommands.h"
#include "CliSupport.h"

#include "league/LeaguePlan.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"

#include <QCommandLineParser>

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>
#include <optional>

#include <memory>

namespace {
// One name a line; UTF-8, or the code page of the program's text files when it is not UTF-8.
bool ReadNameFile(const QString& path, QStringList& names)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        cli::PrintError(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = DecodeWindows1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    names = text.split(QLatin1Char('\n'));
    if (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    return true;
}
} // namespace

namespace cli {
int RunLeague(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Gibt den Liga-Spielplan für N Mannschaften (4 bis 20) aus."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("Anzahl Mannschaften"));
    const QCommandLineOption namesOption(QStringLiteral("names"),
                                         QStringLiteral("Datei mit einem Mannschaftsnamen je Zeile"),
                                         QStringLiteral("FILE"));
    const QCommandLineOption titleOption(QStringLiteral("title"), QStringLiteral("Name des Turniers"),
                                         QStringLiteral("TEXT"), QStringLiteral("Korvane"));
    const QCommandLineOption appendOption(QStringLiteral("append"),
                                          QStringLiteral("Text hinter jedem Spiel (\"anfügen:\")"),
                                          QStringLiteral("TEXT"), League::DefaultResultColumn);
    parser.addOptions({namesOption, titleOption, appendOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const QStringList positional = parser.positionalArguments();
    bool isNumber = false;
    const int teamCount = positional.size() == 1 ? positional.at(0).toInt(&isNumber) : 0;
    if (!isNumber || teamCount != ClampLeagueTeamCount(teamCount)) {
        PrintError(QStringLiteral("usage: korvane-cli league N [--names FILE] [--title TEXT] [--append TEXT]"
                                  " (N = 4..20)"));
        return 2;
    }
    QStringList listedNames;
    if (parser.isSet(namesOption) && !ReadNameFile(parser.value(namesOption), listedNames))
        return 1;

    auto state = std::make_unique<TournamentState>();
    if (!LoadPairingData(*state))
        return 1;
    const QStringList lines =
        BuildLeaguePlan(state->Pairings, parser.value(titleOption), LeagueTeamNames(listedNames, teamCount),
                        parser.value(appendOption));
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << '\n';
    return 0;
}
} // namespace cli
