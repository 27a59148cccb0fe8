#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

// The listening socket of the live server, with the limits Qt's HTTP server (6.4) does not keep:
// it reads a request whole into memory however long its line, head or body is, and waits for
// it without end. This server sees every byte a connection sends before the HTTP server reads
// it and cuts the stream into requests the way HTTP/1.1 frames them (head up to its blank line,
// then Content-Length bytes). It answers 431 for a head and 413 for a body over the limits, 501
// for a chunked body, 408 for a request not complete in time and 503 beyond the number of
// connections, and closes idle connections. Each accepted socket goes to the HTTP server bound
// to it, which no longer reads a connection once it is refused.
class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    explicit GuardedTcpServer(QObject* parent = nullptr);

    // The HTTP server that reads the sockets.
    void setReader(QObject* reader) { m_reader = reader; }
    // A refused connection: its requests are not answered any more.
    bool isRefused(QTcpSocket* socket) const;
    int connectionCount() const { return int(m_connections.size()); }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Connection {
        QByteArray Head;          // the head of the request being read, until its blank line
        qint64 BodyLeft = -1;     // bytes of the body still to come; -1 while the head is read
        qint64 RequestStart = -1; // ms on m_clock of the request's first byte; -1 between requests
        qint64 LastActivity = 0;
        qint64 ClosingSince = -1; // refused or closed by the guard
    };

    void countIncoming(QTcpSocket* socket);
    // Follows the requests through the bytes; the status to refuse with, 0 while all is well.
    int follow(Connection& connection, QByteArrayView bytes);
    // The head is complete: the length of its body, or the status to refuse it with (as -status).
    static qint64 BodyLength(const QByteArray& head);
    void refuse(QTcpSocket* socket, int status);
    void close(QTcpSocket* socket);
    void sweep();

    QObject* m_reader = nullptr;
    QHash<QTcpSocket*, Connection> m_connections;
    QElapsedTimer m_clock;
    QTimer m_sweep;
};
