#include "net/LiveHttpServer.h"

#include "net/GuardedTcpServer.h"
#include "net/LiveSite.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

namespace {
QByteArray MethodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    case QHttpServerRequest::Method::Connect:
        return "CONNECT";
    case QHttpServerRequest::Method::Trace:
        return "TRACE";
    default:
        return "UNKNOWN";
    }
}
} // namespace

LiveHttpServer::LiveHttpServer(LiveSite& site, RequestSeen seen, QObject* parent)
    : QAbstractHttpServer(parent), m_site(site), m_seen(std::move(seen))
{
}

bool LiveHttpServer::listenGuarded(const QHostAddress& address, quint16 port)
{
    auto* listener = new GuardedTcpServer(this);
    if (!listener->listen(address, port)) {
        delete listener;
        return false;
    }
    listener->setReader(this);
    bind(listener);
    m_listener = listener;
    return true;
}

quint16 LiveHttpServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

int LiveHttpServer::connectionCount() const
{
    return m_listener ? m_listener->connectionCount() : 0;
}

bool LiveHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    if (!m_listener || m_listener->isRefused(socket))
        return true;
    if (m_seen)
        m_seen(request.remoteAddress());
    const LiveRequest live{MethodName(request.method()),
                           request.url().path(QUrl::FullyEncoded).toUtf8(),
                           request.value(QByteArrayLiteral("If-None-Match")),
                           request.url().query(QUrl::FullyEncoded).toUtf8(),
                           request.value(QByteArrayLiteral("Content-Type")),
                           request.body(),
                           request.remoteAddress()};
    const LiveResponse response = m_site.respond(live);

    QHttpServerResponder responder = makeResponder(request, socket);
    responder.writeStatusLine(QHttpServerResponder::StatusCode(response.Status));
    for (const auto& [name, value] : response.Headers)
        responder.writeHeader(name, value);
    if (response.ContentLength >= 0)
        responder.writeHeader(QByteArrayLiteral("Content-Length"),
                              QByteArray::number(response.ContentLength));
    responder.writeBody(response.Body);
    // Qt's server keeps every connection open; a client that asked for the end gets it.
    if (request.value(QByteArrayLiteral("Connection")).toLower().contains("close"))
        socket->disconnectFromHost();
    return true;
}

void LiveHttpServer::missingHandler(const QHttpServerRequest&, QTcpSocket*) {}
