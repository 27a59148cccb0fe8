#include "net/LiveServer.h"

#include "live/RefereePage.h"
#include "live/WebPages.h"
#include "net/LiveHttpServer.h"
#include "net/RefereeDesk.h"
#include "net/ServingAddresses.h"

namespace {
// Addresses are forgotten a while after their last request, so the table stays small.
constexpr qint64 ForgetAfterMs = 120'000;
constexpr int PruneAbove = 4096;
} // namespace

LiveServer::LiveServer(LiveSite::SourceReader source, QObject* parent)
    : QObject(parent), m_source(source), m_site(std::move(source))
{
    m_clock.start();
}

void LiveServer::tournamentChanged()
{
    m_site.tournamentChanged();
    if (m_desk)
        m_desk->tournamentChanged();
}

void LiveServer::takeResults(ResultInbox& inbox)
{
    m_desk = std::make_unique<RefereeDesk>(m_source, inbox);
    m_desk->setLog([this](const QString& line) { emit entryLogged(line); });
    m_site.setRefereeDesk(m_desk.get());
}

QString LiveServer::entryUrl(int field) const
{
    if (!isRunning() || !m_desk || m_desk->codes().code(field).isEmpty())
        return {};
    return url().chopped(1) + RefereePageLink(field, m_desk->codes().code(field));
}

QString LiveServer::wrongCodeText() const
{
    if (!m_desk || m_desk->wrongCodes().wrongCodes() == 0)
        return {};
    const int wrong = m_desk->wrongCodes().wrongCodes();
    const int waiting = m_desk->waitingAddresses();
    QString text =
        wrong == 1 ? QStringLiteral("1 falscher Code") : QStringLiteral("%1 falsche Codes").arg(wrong);
    if (waiting > 0)
        text += waiting == 1 ? QStringLiteral(", 1 Gerät wartet")
                             : QStringLiteral(", %1 Geräte warten").arg(waiting);
    return text;
}

LiveServer::~LiveServer()
{
    stop();
}

bool LiveServer::start(const QHostAddress& address, quint16 port, bool orNextFree)
{
    stop();
    m_error.clear();
    auto* http = new LiveHttpServer(
        m_site, [this](const QHostAddress& peer) { seen(peer); }, this);
    const int attempts = orNextFree && port != 0 ? PortsTried : 1;
    for (int attempt = 0; attempt < attempts && quint32(port) + attempt <= 65535; ++attempt) {
        if (http->listenGuarded(address, quint16(port + attempt))) {
            m_http = http;
            m_address = address;
            m_port = http->port();
            m_lastSeen.clear();
            m_site.tournamentChanged();
            if (m_desk)
                m_desk->tournamentChanged();
            if (const LiveSource source = m_source(); m_desk && source.State)
                m_desk->codes().assign(LiveFieldCount(*source.State));
            return true;
        }
    }
    delete http;
    m_error = attempts > 1
                  ? QStringLiteral("Die Ports %1 bis %2 auf %3 sind belegt.")
                        .arg(port)
                        .arg(port + attempts - 1)
                        .arg(address.toString())
                  : QStringLiteral("Port %1 auf %2 ist nicht verfügbar.").arg(port).arg(address.toString());
    return false;
}

void LiveServer::stop()
{
    if (!m_http)
        return;
    // Deleting the server closes the listening socket and every connection at once, so the port
    // is free for a new start right away.
    delete m_http;
    m_http = nullptr;
    m_port = 0;
}

QString LiveServer::url() const
{
    return isRunning() ? ServingUrl(m_address, m_port) : QString();
}

int LiveServer::connectionCount() const
{
    return m_http ? m_http->connectionCount() : 0;
}

int LiveServer::phonesSeen(qint64 withinMs) const
{
    const qint64 now = m_clock.elapsed();
    int phones = 0;
    for (const qint64 last : m_lastSeen)
        phones += now - last <= withinMs ? 1 : 0;
    return phones;
}

void LiveServer::seen(const QHostAddress& peer)
{
    const qint64 now = m_clock.elapsed();
    if (m_lastSeen.size() > PruneAbove)
        m_lastSeen.removeIf([now](const auto& entry) { return now - entry.value() > ForgetAfterMs; });
    m_lastSeen.insert(peer, now);
}
