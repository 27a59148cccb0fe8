#include "net/GuardedTcpServer.h"

#include "net/HttpLimits.h"
#include "net/LiveSite.h"

#include <QTcpSocket>

#include <algorithm>

namespace {
constexpr int SweepIntervalMs = 500;

// What a server skips between two requests of a connection.
bool IsBlankBetweenRequests(char c)
{
    return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\v';
}

// The end of the head (after its blank line) in `head`, searching from `from`; -1 before it came.
qsizetype HeadEnd(const QByteArray& head, qsizetype from)
{
    for (qsizetype at = head.indexOf('\n', from); at >= 0; at = head.indexOf('\n', at + 1)) {
        if (at + 1 < head.size() && head.at(at + 1) == '\n')
            return at + 2;
        if (at + 2 < head.size() && head.at(at + 1) == '\r' && head.at(at + 2) == '\n')
            return at + 3;
    }
    return -1;
}
} // namespace

GuardedTcpServer::GuardedTcpServer(QObject* parent) : QTcpServer(parent)
{
    m_clock.start();
    m_sweep.setInterval(SweepIntervalMs);
    connect(&m_sweep, &QTimer::timeout, this, &GuardedTcpServer::sweep);
    m_sweep.start();
}

bool GuardedTcpServer::isRefused(QTcpSocket* socket) const
{
    const auto connection = m_connections.constFind(socket);
    return connection == m_connections.constEnd() || connection->ClosingSince >= 0;
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (m_connections.size() >= HttpLimits::MaxConnections) {
        socket->write(
            RawResponse(503, QByteArrayLiteral("Zu viele Verbindungen, bitte gleich noch einmal.\n")));
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(HttpLimits::ClosingGraceMs, socket, &QObject::deleteLater);
        return;
    }
    socket->setReadBufferSize(HttpLimits::ReadBufferBytes);
    m_connections.insert(socket, Connection{{}, -1, -1, m_clock.elapsed(), -1});
    // Connected before the HTTP server connects its own reader, so the bytes are counted first.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { countIncoming(socket); });
    connect(socket, &QObject::destroyed, this, [this, socket] { m_connections.remove(socket); });
    addPendingConnection(socket);
}

void GuardedTcpServer::countIncoming(QTcpSocket* socket)
{
    const auto connection = m_connections.find(socket);
    if (connection == m_connections.end() || connection->ClosingSince >= 0)
        return;
    connection->LastActivity = m_clock.elapsed();
    // The HTTP server reads everything it is given before the next bytes come, so what is
    // waiting now is new.
    const QByteArray fresh = socket->peek(socket->bytesAvailable());
    if (const int status = follow(*connection, fresh); status != 0)
        refuse(socket, status);
}

int GuardedTcpServer::follow(Connection& connection, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        if (connection.BodyLeft > 0) {
            const qint64 taken = std::min<qint64>(connection.BodyLeft, bytes.size());
            connection.BodyLeft -= taken;
            bytes = bytes.sliced(taken);
            if (connection.BodyLeft == 0)
                connection = Connection{{}, -1, -1, connection.LastActivity, -1};
            continue;
        }
        if (connection.Head.isEmpty()) {
            while (!bytes.isEmpty() && IsBlankBetweenRequests(bytes.front()))
                bytes = bytes.sliced(1);
            if (bytes.isEmpty())
                break;
            connection.RequestStart = m_clock.elapsed();
        }
        const qsizetype before = connection.Head.size();
        const qsizetype room = HttpLimits::MaxHeadBytes + 1 - before;
        connection.Head.append(bytes.first(std::min<qsizetype>(room, bytes.size())));
        const qsizetype end = HeadEnd(connection.Head, std::max<qsizetype>(0, before - 2));
        if (end < 0) {
            if (connection.Head.size() > HttpLimits::MaxHeadBytes)
                return 431;
            break;
        }
        bytes = bytes.sliced(end - before);
        const qint64 body = BodyLength(connection.Head.left(end));
        if (body < 0)
            return int(-body);
        connection.Head.clear();
        connection.BodyLeft = body;
        if (body == 0)
            connection = Connection{{}, -1, -1, connection.LastActivity, -1};
    }
    return 0;
}

qint64 GuardedTcpServer::BodyLength(const QByteArray& head)
{
    qint64 length = 0;
    bool lengthSeen = false;
    const QList<QByteArray> lines = head.split('\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QByteArray& line = lines.at(index);
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        if (name == "transfer-encoding")
            return -501;
        if (name == "content-length" && !lengthSeen) {
            // As the HTTP server reads it: the first field counts, a value that is no number is none.
            lengthSeen = true;
            bool ok = false;
            const qulonglong value = line.mid(colon + 1).trimmed().toULongLong(&ok);
            if (ok && value > qulonglong(HttpLimits::MaxBodyBytes))
                return -413;
            length = ok ? qint64(value) : 0;
        }
    }
    return length;
}

void GuardedTcpServer::refuse(QTcpSocket* socket, int status)
{
    // The HTTP server reads no more of this connection; whatever it holds stays unanswered.
    if (m_reader)
        QObject::disconnect(socket, nullptr, m_reader, nullptr);
    socket->write(RawResponse(status, ReasonPhrase(status) + '\n'));
    close(socket);
}

void GuardedTcpServer::close(QTcpSocket* socket)
{
    const auto connection = m_connections.find(socket);
    if (connection != m_connections.end())
        connection->ClosingSince = m_clock.elapsed();
    socket->disconnectFromHost();
}

void GuardedTcpServer::sweep()
{
    const qint64 now = m_clock.elapsed();
    QList<QTcpSocket*> late;
    QList<QTcpSocket*> idle;
    QList<QTcpSocket*> stuck;
    for (auto connection = m_connections.cbegin(); connection != m_connections.cend(); ++connection) {
        if (connection->ClosingSince >= 0) {
            if (now - connection->ClosingSince > HttpLimits::ClosingGraceMs)
                stuck << connection.key();
        } else if (connection->RequestStart >= 0) {
            if (now - connection->RequestStart > HttpLimits::RequestTimeoutMs)
                late << connection.key();
        } else if (now - connection->LastActivity > HttpLimits::IdleTimeoutMs) {
            idle << connection.key();
        }
    }
    for (QTcpSocket* socket : late)
        refuse(socket, 408);
    for (QTcpSocket* socket : idle)
        close(socket);
    for (QTcpSocket* socket : stuck)
        socket->abort();
}
