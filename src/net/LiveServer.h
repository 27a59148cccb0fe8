#pragma once

#include "net/LiveSite.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>

#include <memory>

class LiveHttpServer;

// "Live im Netz": the live plan served to the phones of the hall from the program that holds
// the tournament, in its event loop. Listens on one chosen address only.
class LiveServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 8080;
    // Ports tried after a taken one when the next free port is wanted.
    static constexpr int PortsTried = 20;

    explicit LiveServer(LiveSite::SourceReader source, QObject* parent = nullptr);
    ~LiveServer() override;

    // Listens on address:port (port 0: any free port); with `orNextFree` a taken port makes it try
    // the following ones. False with error() when it cannot listen.
    bool start(const QHostAddress& address, quint16 port, bool orNextFree);
    void stop();

    bool isRunning() const { return m_http != nullptr; }
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    // "http://192.168.1.20:8080/"; empty while stopped.
    QString url() const;
    QString error() const { return m_error; }
    // Distinct addresses that asked for something within the last `withinMs`.
    int phonesSeen(qint64 withinMs = 60'000) const;
    int connectionCount() const;

    // The tournament or its time plan changed: the phones get the new state on their next poll.
    void tournamentChanged() { m_site.tournamentChanged(); }

private:
    void seen(const QHostAddress& peer);

    LiveSite m_site;
    LiveHttpServer* m_http = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_error;
    QElapsedTimer m_clock;
    QHash<QHostAddress, qint64> m_lastSeen; // ms on m_clock
};
