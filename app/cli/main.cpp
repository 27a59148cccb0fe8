// korvane-cli: the headless client of the tournament core.
#include "CliCommands.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#ifdef KORVANE_CLI_PDF
#include <QGuiApplication>
#endif
#include <QTextStream>

#include <functional>
#include <map>
#include <memory>

namespace {
using Command = std::function<int(const QStringList&)>;

const std::map<QString, Command>& commands()
{
    // One command per line.
    // clang-format off
    static const std::map<QString, Command> table{
        {QStringLiteral("info"), cli::RunInfo},
        {QStringLiteral("save"), cli::RunSave},
        {QStringLiteral("tables"), cli::RunTables},
        {QStringLiteral("referrals"), cli::RunReferrals},
        {QStringLiteral("check"), cli::RunCheck},
        {QStringLiteral("result"), cli::RunResult},
        {QStringLiteral("plan"), cli::RunPlan},
        {QStringLiteral("gamelists"), cli::RunGameLists},
        {QStringLiteral("urkunde"), cli::RunCertificates},
        {QStringLiteral("export"), cli::RunExport},
        {QStringLiteral("league"), cli::RunLeague},
        {QStringLiteral("publish"), cli::RunPublish},
        {QStringLiteral("serve"), cli::RunServe},
        {QStringLiteral("mail"), cli::RunMail},
        {QStringLiteral("assistent"), cli::RunAssistant},
#ifdef KORVANE_CLI_PDF
        {QStringLiteral("print"), cli::RunPrint},
#endif
    };
    // clang-format on
    return table;
}

const char* const CommandHelpHint = "korvane-cli COMMAND --help shows the arguments of a command.\n";

void writeCommandList(QTextStream& out)
{
    out << "commands:";
    for (const auto& [name, command] : commands())
        out << ' ' << name;
    out << '\n';
}

int printUsage()
{
    QTextStream err(stderr);
    err << "usage: korvane-cli COMMAND [ARGUMENTS]\n";
    writeCommandList(err);
    err << CommandHelpHint;
    return 2;
}

int printHelp()
{
    QTextStream out(stdout);
    out << "Usage: korvane-cli COMMAND [ARGUMENTS]\n"
        << "The tournament planner Korvane without a window: reads and writes tournament files (.auf),\n"
        << "plans fields and times, enters results, and prints and exports plans and tables.\n\n";
    writeCommandList(out);
    out << '\n' << CommandHelpHint;
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
#ifdef KORVANE_CLI_PDF
    // Drawing a PDF needs fonts, so "print" runs a GUI application without a screen.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    if (drawing && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("korvane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(KorvaneVersion));
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return printUsage();
    if (arguments.at(1) == QLatin1String("--version")) {
        QTextStream(stdout) << "korvane-cli " << KorvaneVersion << Qt::endl;
        return 0;
    }
    if (arguments.at(1) == QLatin1String("--help") || arguments.at(1) == QLatin1String("-h"))
        return printHelp();
    const auto command = commands().find(arguments.at(1));
    if (command == commands().end())
        return printUsage();
    // QCommandLineParser expects the program first; its help names "korvane-cli COMMAND".
    arguments.removeAt(1);
    arguments.first() = QStringLiteral("korvane-cli ") + command->first;
    return command->second(arguments);
}
