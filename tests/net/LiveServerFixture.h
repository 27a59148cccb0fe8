#pragma once

// The live server in-process on a free loopback port, asked as a phone asks.
#include "live/LiveFixture.h"
#include "net/LiveServer.h"
#include "results/ResultTable.h"
#include "support/GTestQt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

using namespace live_test;

struct Reply {
    int Status = 0;
    QByteArray Body;
    QHash<QByteArray, QByteArray> Headers; // names in lower case
};

class LiveServerFixture : public ::testing::Test {
protected:
    // The network classes need an application object; the core tests run without one.
    static void SetUpTestSuite() { s_app = new QCoreApplication(s_argc, s_argv); }
    static void TearDownTestSuite()
    {
        delete s_app;
        s_app = nullptr;
    }

    void SetUp() override
    {
        state = ServedExample();
        beforeStart();
        ASSERT_TRUE(server.start(QHostAddress::LocalHost, 0, false)) << server.error().toStdString();
    }
    virtual void beforeStart() {}

    // `path` may carry a query; a POST sends `body` as form data.
    Reply fetch(const QString& path, const QByteArray& method = "GET", const QByteArray& ifNoneMatch = {},
                const QByteArray& body = {},
                const QByteArray& contentType = "application/x-www-form-urlencoded")
    {
        QNetworkRequest request(QUrl(server.url() + path.mid(1)));
        if (!ifNoneMatch.isEmpty())
            request.setRawHeader("If-None-Match", ifNoneMatch);
        if (method == "POST")
            request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        QNetworkReply* reply = method == "GET"    ? network.get(request)
                               : method == "HEAD" ? network.head(request)
                               : method == "POST" ? network.post(request, body)
                                                  : network.sendCustomRequest(request, method);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
        Reply answer{
            reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(), {}};
        for (const auto& [name, value] : reply->rawHeaderPairs())
            answer.Headers.insert(name.toLower(), value);
        reply->deleteLater();
        return answer;
    }

    // Sends raw bytes and reads the answer until the server closes the connection.
    QByteArray exchange(const QByteArray& bytes)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QByteArray answer;
        QEventLoop loop;
        QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] { socket.write(bytes); });
        QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] { answer += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
        QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
        return answer + socket.readAll();
    }

    // The games of the group without a result, in order.
    std::vector<int> openGames(int group) const
    {
        std::vector<int> games;
        for (int game = 1; game <= GroupGameCount(*state, group); ++game)
            if (FindResult(*state, group, game) == 0)
                games.push_back(game);
        return games;
    }

    inline static int s_argc = 1;
    inline static char s_name[] = "korvane_core_tests";
    inline static char* s_argv[] = {s_name, nullptr};
    inline static QCoreApplication* s_app = nullptr;

    std::unique_ptr<TournamentState> state;
    LiveServer server{[this] { return LiveSource{state.get(), &state->FieldPlan}; }};
    QNetworkAccessManager network;
};
