#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "live/LiveData.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "net/LiveServer.h"
#include "net/QrCode.h"
#include "net/RefereeDesk.h"
#include "net/ResultInbox.h"
#include "net/ServingAddresses.h"
#include "results/ScheduleGrid.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <optional>

namespace {
// A save is often a few writes and a rename; the file is read once they are done.
constexpr int SettleMs = 250;
// Some file systems (network shares) report no changes; the file is looked at this often too.
constexpr int PollMs = 1000;

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

// The tournament of the file as the pages read it: the schedule rendered with every table, after
// a load twice (the first render carries completed groups on), and a time plan: the saved one,
// else one planned now.
std::unique_ptr<TournamentState> LoadForServing(const PairingTable& pairings, const QString& path)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = pairings;
    ConsolePrompter prompter;
    if (!LoadTournament(*state, path, prompter))
        return nullptr;
    RenderLoadedScheduleGrid(*state);
    if (!HoldsTimePlan(state->FieldPlan)) {
        auto output = std::make_unique<AllocationOutput>();
        if (!RunAllocation(*state, *output, prompter))
            return nullptr;
    }
    return state;
}

// The served file: read again whenever it changes on disk; a file that cannot be read (half
// written, damaged) leaves the last good state on the phones.
class ServedFile {
public:
    ServedFile(QString path, std::unique_ptr<TournamentState> state)
        : m_path(std::move(path)), m_state(std::move(state)), m_hash(FileHash(m_path)), m_stamp(Stamp())
    {
    }

    LiveSource source() const { return {m_state.get(), &m_state->FieldPlan}; }
    TournamentState* state() const { return m_state.get(); }

    // Writes the tournament back to the file (through a temporary file, replaced at once); the
    // watch does not read its own write again.
    bool save(Prompter& prompter)
    {
        if (!SaveTournament(*m_state, m_path, prompter))
            return false;
        m_hash = FileHash(m_path);
        m_stamp = Stamp();
        return true;
    }

    // Calls `reloaded` after each new state was read.
    void watch(std::function<void()> reloaded)
    {
        m_reloaded = std::move(reloaded);
        m_settle.setSingleShot(true);
        m_settle.setInterval(SettleMs);
        QObject::connect(&m_settle, &QTimer::timeout, &m_context, [this] { reload(); });
        const auto changed = [this] { m_settle.start(); };
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_context, changed);
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_context, changed);
        m_watcher.addPath(m_path);
        m_watcher.addPath(QFileInfo(m_path).absolutePath());
        m_poll.setInterval(PollMs);
        QObject::connect(&m_poll, &QTimer::timeout, &m_context, [this, changed] {
            if (Stamp() != m_stamp)
                changed();
        });
        m_poll.start();
    }

private:
    QString Stamp() const
    {
        const QFileInfo info(m_path);
        return QString::number(info.lastModified().toMSecsSinceEpoch()) + u'/' + QString::number(info.size());
    }

    void reload()
    {
        // A save that replaced the file took it out of the watch.
        if (!m_watcher.files().contains(m_path) && QFile::exists(m_path))
            m_watcher.addPath(m_path);
        m_stamp = Stamp();
        const QByteArray hash = FileHash(m_path);
        if (hash.isEmpty() || hash == m_hash)
            return;
        std::unique_ptr<TournamentState> state = LoadForServing(m_state->Pairings, m_path);
        QTextStream err(stderr);
        if (!state) {
            err << "Die Datei ließ sich nicht lesen; es bleibt der vorige Stand." << Qt::endl;
            return;
        }
        m_state = std::move(state);
        m_hash = hash;
        err << QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")) << " neu eingelesen ("
            << m_state->ResultCount << " Ergebnisse)" << Qt::endl;
        if (m_reloaded)
            m_reloaded();
    }

    QString m_path;
    std::unique_ptr<TournamentState> m_state;
    QByteArray m_hash;
    QString m_stamp;
    std::function<void()> m_reloaded;
    QObject m_context;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_poll;
};

std::optional<quint16> PortNumber(const QString& text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    return ok && port <= 65535 ? std::optional<quint16>(quint16(port)) : std::nullopt;
}

void PrintNetworkHint()
{
    QTextStream err(stderr);
    QStringList others;
    for (const ServingAddress& address : ServingAddresses())
        if (!address.Loopback)
            others << address.label();
    if (others.isEmpty())
        err << "Nur auf diesem Rechner erreichbar; ein Netzwerk ist nicht verbunden." << Qt::endl;
    else
        err << "Nur auf diesem Rechner erreichbar. Für die Handys in der Halle mit --bind ADRESSE "
               "starten, zB: "
            << others.join(QStringLiteral(", ")) << Qt::endl;
}

QString Now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"));
}

// The codes of the fields on standard output and, when asked for, in a file only its owner reads.
bool ShowFieldCodes(const LiveServer& server, const QString& codesPath)
{
    const FieldCodes& codes = server.refereeDesk()->codes();
    QTextStream out(stdout);
    for (int field = 1; field <= codes.fieldCount(); ++field)
        out << QStringLiteral("Platz %1: %2  %3").arg(field).arg(codes.code(field), server.entryUrl(field))
            << Qt::endl;
    if (codesPath.isEmpty())
        return true;
    QSaveFile file(codesPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(codes.listText().toUtf8()) < 0 ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || !file.commit()) {
        cli::PrintError(QStringLiteral("%1: %2").arg(codesPath, file.errorString()));
        return false;
    }
    return true;
}
} // namespace

namespace cli {
int RunServe(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Zeigt Spielplan, Tabellen und Ergebnisse einer Turnierdatei live im Netz: jedes Handy im "
        "selben Netz öffnet die Adresse und sieht neue Ergebnisse von selbst. Die Datei wird neu "
        "eingelesen, sobald sie sich ändert (etwa wenn am Turniertisch gespeichert wird). Ohne "
        "--results nur lesen, nichts wird verändert. Strg+C beendet."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Port (Vorgabe %1 oder der nächste freie; 0: irgendein freier)")
            .arg(LiveServer::DefaultPort),
        QStringLiteral("N"));
    const QCommandLineOption bindOption(
        QStringLiteral("bind"),
        QStringLiteral(
            "Adresse dieses Rechners, auf der gelauscht wird (Vorgabe 127.0.0.1: nur dieser Rechner)"),
        QStringLiteral("ADDR"));
    const QCommandLineOption qrOption(
        QStringLiteral("qr"),
        QStringLiteral("zeigt die Adresse auch als QR-Code (für ein dunkles Terminal)"));
    const QCommandLineOption resultsOption(
        QStringLiteral("results"),
        QStringLiteral("nimmt auch Ergebnisse von den Plätzen an: jeder Platz bekommt einen Code, "
                       "ein Ergebnis ohne Konflikt wird sofort übernommen und die Datei gespeichert"));
    const QCommandLineOption codesOption(
        QStringLiteral("codes"),
        QStringLiteral("schreibt die Codes der Plätze in diese Datei (mit --results)"),
        QStringLiteral("FILE"));
    parser.addOptions({portOption, bindOption, qrOption, resultsOption, codesOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const std::optional<quint16> port =
        parser.isSet(portOption) ? PortNumber(parser.value(portOption)) : LiveServer::DefaultPort;
    const QHostAddress address(parser.isSet(bindOption) ? parser.value(bindOption)
                                                        : QStringLiteral("127.0.0.1"));
    const bool takeResults = parser.isSet(resultsOption);
    if (parser.positionalArguments().size() != 1 || !port || address.isNull() ||
        (parser.isSet(codesOption) && !takeResults)) {
        PrintError(QStringLiteral(
            "usage: korvane-cli serve FILE [--port N] [--bind ADDR] [--qr] [--results [--codes FILE]]"));
        return 2;
    }

    const QString path = parser.positionalArguments().at(0);
    auto pairings = std::make_unique<TournamentState>();
    if (!LoadPairingData(*pairings))
        return 1;
    std::unique_ptr<TournamentState> state = LoadForServing(pairings->Pairings, path);
    if (!state)
        return 1;
    pairings.reset();
    ServedFile served(path, std::move(state));
    LiveServer server([&served] { return served.source(); });
    // Without a desk nobody could decide: a result without a conflict is stored at once and the
    // file written, one with a conflict is refused.
    ConsolePrompter prompter;
    ResultInbox inbox([&served] { return served.state(); }, prompter);
    if (takeResults) {
        inbox.setConflictsWait(false);
        inbox.setAutomatic(true);
        server.takeResults(inbox);
        const auto log = [](const QString& line) {
            QTextStream(stderr) << Now() << u' ' << line << Qt::endl;
        };
        QObject::connect(&inbox, &ResultInbox::logged, log);
        QObject::connect(&server, &LiveServer::entryLogged, log);
        QObject::connect(&inbox, &ResultInbox::resultStored, [&served, &server, &prompter](int) {
            if (!served.save(prompter))
                PrintError(
                    QStringLiteral("Das Ergebnis ist übernommen, aber die Datei ließ sich nicht speichern."));
            server.tournamentChanged();
        });
    }
    if (!server.start(address, *port, !parser.isSet(portOption))) {
        PrintError(server.error());
        return 1;
    }
    served.watch([&server] { server.tournamentChanged(); });

    QTextStream out(stdout);
    out << server.url() << Qt::endl;
    if (parser.isSet(qrOption))
        out << QrTerminalText(EncodeQr(server.url().toUtf8())) << Qt::flush;
    if (takeResults && !ShowFieldCodes(server, parser.value(codesOption)))
        return 1;
    if (address.isLoopback())
        PrintNetworkHint();
    else if (address == QHostAddress::Any || address == QHostAddress::AnyIPv6)
        PrintError(QStringLiteral("Achtung: auf allen Netzwerken dieses Rechners erreichbar."));
    PrintError(QStringLiteral("Live im Netz: %1 – Strg+C beendet.").arg(server.url()));
    return QCoreApplication::exec();
}
} // namespace cli
