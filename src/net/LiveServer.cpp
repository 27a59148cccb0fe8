#include "net/LiveServer.h"

#include "net/LiveHttpServer.h"
#include "net/ServingAddresses.h"

namespace {
// Addresses are forgotten a while after their last request, so the table stays small.
constexpr qint64 ForgetAfterMs = 120'000;
constexpr int PruneAbove = 4096;
} // namespace

LiveServer::LiveServer(LiveSite::SourceReader source, QObject* parent)
    : QObject(parent), m_site(std::move(source))
{
    m_clock.start();
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
