#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>

#include <functional>

class GuardedTcpServer;
class LiveSite;

// Qt's HTTP server reading the requests of the guarded sockets and answering them from the
// live site. It only translates: the request into a LiveRequest, the LiveResponse into bytes.
class LiveHttpServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    using RequestSeen = std::function<void(const QHostAddress& peer)>;

    LiveHttpServer(LiveSite& site, RequestSeen seen, QObject* parent = nullptr);

    // Listens on address:port through a guarded socket; false when the port is taken.
    bool listenGuarded(const QHostAddress& address, quint16 port);
    quint16 port() const;
    int connectionCount() const;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    LiveSite& m_site;
    RequestSeen m_seen;
    GuardedTcpServer* m_listener = nullptr;
};
