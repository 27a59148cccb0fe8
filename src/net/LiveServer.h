#pragma once

#include "net/LiveSite.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>

#include <memory>

class LiveHttpServer;
class RefereeDesk;
class ResultInbox;

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
    void tournamentChanged();

    // Takes results from the fields' referees into `inbox`: each field gets a new code whenever the
    // server starts. Before the first start.
    void takeResults(ResultInbox& inbox);
    // Null when the server takes no results.
    RefereeDesk* refereeDesk() const { return m_desk.get(); }
    // The entry page of field f with its code, "http://192.168.1.20:8080/platz/3/eingabe?code=123456".
    QString entryUrl(int field) const;
    // "12 falsche Codes, 1 Gerät wartet"; empty while no code was wrong.
    QString wrongCodeText() const;

signals:
    // A wrong code, an address made to wait: one line for the status line or the log.
    void entryLogged(const QString& line);

private:
    void seen(const QHostAddress& peer);

    LiveSite::SourceReader m_source;
    LiveSite m_site;
    std::unique_ptr<RefereeDesk> m_desk;
    LiveHttpServer* m_http = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_error;
    QElapsedTimer m_clock;
    QHash<QHostAddress, qint64> m_lastSeen; // ms on m_clock
};
