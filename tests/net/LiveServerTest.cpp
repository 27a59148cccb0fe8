// The live server in-process on a free loopback port, asked as a phone asks: every route, the
// safety headers, entity tags, refusals, and a result entered through the core in the next JSON.
#include "live/WebPage.h"
#include "net/HttpLimits.h"
#include "net/LiveServerFixture.h"

using namespace live_test;

namespace {
class LiveServerTest : public LiveServerFixture {};

QString FirstTeamPath(const TournamentState& state)
{
    return LiveTeamPath(state.NameTable[1][1]);
}
} // namespace

TEST_F(LiveServerTest, EveryRouteAnswersWithItsStatusTypeAndTheSafetyHeaders)
{
    const QString team = FirstTeamPath(*state);
    struct Case {
        QString path;
        QByteArray method;
        int status;
        QByteArray type;
    };
    const std::vector<Case> cases{
        {"/", "GET", 200, "text/html; charset=utf-8"},
        {"/runde/1", "GET", 200, "text/html; charset=utf-8"},
        {"/platz/1", "GET", 200, "text/html; charset=utf-8"},
        {team, "GET", 200, "text/html; charset=utf-8"},
        {"/daten", "GET", 200, "application/json; charset=utf-8"},
        {"/daten/runde/1", "GET", 200, "application/json; charset=utf-8"},
        {"/daten/platz/2", "GET", 200, "application/json; charset=utf-8"},
        {"/daten" + team, "GET", 200, "application/json; charset=utf-8"},
        {"/korvane.css", "GET", 200, "text/css; charset=utf-8"},
        {"/korvane.js", "GET", 200, "text/javascript; charset=utf-8"},
        {"/korvane.svg", "GET", 200, "image/svg+xml"},
        {"/runde/1", "HEAD", 200, "text/html; charset=utf-8"},
        {"/runde/0", "GET", 404, "text/html; charset=utf-8"},
        {"/runde/3", "GET", 404, "text/html; charset=utf-8"},
        {"/runde/01", "GET", 404, "text/html; charset=utf-8"},
        {"/platz/99", "GET", 404, "text/html; charset=utf-8"},
        {"/mannschaft/Unbekannt", "GET", 404, "text/html; charset=utf-8"},
        {"/daten/korvane.css", "GET", 404, "text/html; charset=utf-8"},
        {"/..%2f..%2fetc%2fpasswd", "GET", 404, "text/html; charset=utf-8"},
        {"/korvane.css/..%2F..%2FCMakeLists.txt", "GET", 404, "text/html; charset=utf-8"},
        {"/mannschaft/%ff%fe", "GET", 400, "text/plain; charset=utf-8"},
        {"/", "POST", 405, "text/plain; charset=utf-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.method + ' ' + c.path.toUtf8()).toStdString());
        const Reply reply = fetch(c.path, c.method);
        EXPECT_EQ(reply.Status, c.status);
        EXPECT_EQ(reply.Headers.value("content-type"), c.type);
        EXPECT_TRUE(reply.Headers.value("content-security-policy").startsWith("default-src 'none'"));
        EXPECT_EQ(reply.Headers.value("x-content-type-options"), "nosniff");
        EXPECT_EQ(reply.Headers.value("referrer-policy"), "no-referrer");
        if (c.status == 405) {
            EXPECT_EQ(reply.Headers.value("allow"), "GET, HEAD");
        }
        if (c.method == "HEAD") {
            EXPECT_TRUE(reply.Body.isEmpty());
            EXPECT_EQ(reply.Headers.value("content-length").toLongLong(), fetch(c.path).Body.size());
        }
    }
    EXPECT_EQ(server.phonesSeen(), 1); // every request came from 127.0.0.1
}

TEST_F(LiveServerTest, AnUnchangedStateCostsA304AndANewResultShowsInTheNextJsonOfItsPagesOnly)
{
    const Reply page = fetch("/runde/1");
    const Reply data = fetch("/daten/runde/1");
    const QByteArray otherRound = fetch("/daten/runde/2").Headers.value("etag");
    const QByteArray overview = fetch("/daten").Headers.value("etag");
    ASSERT_EQ(data.Status, 200);
    const QByteArray tag = data.Headers.value("etag");
    ASSERT_FALSE(tag.isEmpty());
    // The page names the state it shows, so the first poll is a 304 already.
    EXPECT_TRUE(
        page.Body.contains("data-stand=\"" + QString::fromLatin1(tag).toHtmlEscaped().toLatin1() + '"'));
    const Reply unchanged = fetch("/daten/runde/1", "GET", tag);
    EXPECT_EQ(unchanged.Status, 304);
    EXPECT_TRUE(unchanged.Body.isEmpty());
    EXPECT_EQ(fetch("/runde/1", "GET", page.Headers.value("etag")).Status, 304);

    // An open game of group 1 gets its result the way the result dialog stores it.
    ASSERT_FALSE(openGames(1).empty());
    EnterThroughDialog(*state, 1, openGames(1).front(), QStringLiteral("7:6"));
    server.tournamentChanged(); // what the schedule window's signal does

    const Reply changed = fetch("/daten/runde/1", "GET", tag);
    EXPECT_EQ(changed.Status, 200);
    EXPECT_NE(changed.Headers.value("etag"), tag);
    EXPECT_FALSE(data.Body.contains("\"7 : 6\""));
    EXPECT_TRUE(changed.Body.contains("\"7 : 6\""));
    EXPECT_EQ(fetch("/daten", "GET", overview).Status, 200) << "the overview counts the results";
    EXPECT_EQ(fetch("/daten/runde/2", "GET", otherRound).Status, 304) << "round 2 shows nothing of it";
}

TEST_F(LiveServerTest, OversizedRequestsAreRefusedAndTheServerGoesOn)
{
    const QByteArray hugeHead =
        "GET / HTTP/1.1\r\nHost: x\r\nX-Fill: " + QByteArray(HttpLimits::MaxHeadBytes + 100, 'a') +
        "\r\n\r\n";
    EXPECT_TRUE(exchange(hugeHead).startsWith("HTTP/1.1 431 "));
    const QByteArray hugeBody =
        "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: " + QByteArray::number(HttpLimits::MaxBodyBytes + 1) +
        "\r\n\r\n";
    EXPECT_TRUE(exchange(hugeBody).startsWith("HTTP/1.1 413 "));
    EXPECT_TRUE(exchange("PUT / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n")
                    .startsWith("HTTP/1.1 501 "));
    const QByteArray refusal = exchange(hugeHead);
    EXPECT_TRUE(refusal.contains("X-Content-Type-Options: nosniff"));
    EXPECT_TRUE(refusal.contains("Connection: close"));
    // The server still answers afterwards, and two requests on one connection both get theirs.
    const QByteArray twice = exchange("GET /korvane.css HTTP/1.1\r\nHost: x\r\n\r\n"
                                      "HEAD / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(twice.count("HTTP/1.1 200 OK"), 2);
}

TEST_F(LiveServerTest, ATakenPortMovesOnToTheNextFreeOne)
{
    LiveServer second([this] { return LiveSource{state.get(), &state->FieldPlan}; });
    ASSERT_TRUE(second.start(QHostAddress::LocalHost, server.port(), true));
    EXPECT_GT(second.port(), server.port());
    LiveServer third([this] { return LiveSource{state.get(), &state->FieldPlan}; });
    EXPECT_FALSE(third.start(QHostAddress::LocalHost, server.port(), false));
    EXPECT_FALSE(third.error().isEmpty());
}
