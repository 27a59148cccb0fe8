// Results sent from a field's entry page, through the real server in-process: the whole road to
// the tables and the next round, what the desk decides, and every request that must change nothing.
#include "live/RefereePage.h"
#include "live/WebPages.h"
#include "net/LiveServerFixture.h"
#include "net/RefereeDesk.h"
#include "net/ResultInbox.h"

#include <QRegularExpression>
#include <QUrl>

namespace {
class RefereeEntryTest : public LiveServerFixture {
protected:
    void beforeStart() override
    {
        server.takeResults(inbox);
        QObject::connect(&inbox, &ResultInbox::resultStored, &server, &LiveServer::tournamentChanged);
        server.refereeDesk()->setClock([this] { return now; });
    }

    int fieldOf(int group, int game) const
    {
        for (int field = 1; field <= LiveFieldCount(*state); ++field)
            if (FindFieldGame(*state, state->FieldPlan, field, group, game))
                return field;
        return 0;
    }
    QByteArray code(int field) const { return server.refereeDesk()->codes().code(field).toLatin1(); }
    Reply openEntry(int field) { return fetch(RefereePageLink(field, QString::fromLatin1(code(field)))); }
    static QByteArray TokenOf(const Reply& page)
    {
        static const QRegularExpression token(QStringLiteral("name=\"token\" value=\"([^\"]+)\""));
        return token.match(QString::fromUtf8(page.Body)).captured(1).toLatin1();
    }
    static QByteArray Form(int group, int game, const QByteArray& code, const QByteArray& token,
                           const QString& goals)
    {
        return "gruppe=" + QByteArray::number(group) + "&spiel=" + QByteArray::number(game) +
               "&code=" + code + "&token=" + token + "&tore=" + QUrl::toPercentEncoding(goals);
    }
    // What the entry page of the game's field sends for "goals".
    Reply send(int group, int game, const QString& goals)
    {
        const int field = fieldOf(group, game);
        const QByteArray token = TokenOf(openEntry(field));
        return fetch(RefereePagePath(field), "POST", {}, Form(group, game, code(field), token, goals));
    }
    QString entryState(int field, int number)
    {
        const QByteArray json =
            fetch("/daten" + RefereePageLink(field, QString::fromLatin1(code(field)))).Body;
        static const QRegularExpression state(QStringLiteral("\"nr\":(\\d+),\"stand\":\"([^\"]*)\""));
        for (const auto& match : state.globalMatch(QString::fromUtf8(json)))
            if (match.captured(1).toInt() == number)
                return match.captured(2);
        return {};
    }

    qint64 now = 0;
    ScriptedPrompter prompter;
    ResultInbox inbox{[this] { return state.get(); }, prompter};
};

constexpr int GroupB = 2; // three open games on three fields; complete, it feeds both groups of round 2
} // namespace

TEST_F(RefereeEntryTest, TheEntryPageOffersTheFieldsGamesAsFormsOnlyWithTheCode)
{
    const Reply asking = fetch(RefereePagePath(1));
    EXPECT_EQ(asking.Status, 200);
    EXPECT_TRUE(asking.Body.contains("name=\"code\"") && !asking.Body.contains("name=\"token\""));
    const Reply page = openEntry(1);
    EXPECT_EQ(page.Status, 200);
    EXPECT_EQ(page.Headers.value("cache-control"), "no-store");
    const std::vector<FieldGame> games = CurrentFieldGames(*state, state->FieldPlan, 1, 2);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(page.Body.count("<form method=\"post\""), 3);
    for (const char* field : {"gruppe", "spiel", "code", "token", "tore"})
        EXPECT_EQ(page.Body.count(QByteArray("name=\"") + field + '"'), 3) << field;
    const QString html = QString::fromUtf8(page.Body);
    EXPECT_LT(html.indexOf(games[0].Game.TeamA.toHtmlEscaped()),
              html.indexOf(games[1].Game.TeamA.toHtmlEscaped()))
        << "the current game first";
    EXPECT_EQ(fetch(RefereeScriptPath()).Headers.value("content-type"), "text/javascript; charset=utf-8");
    EXPECT_EQ(fetch(RefereePagePath(99)).Status, 404);
}

TEST_F(RefereeEntryTest, ASentResultTakesTheDialogsRoadOnceTheDeskAcceptsIt)
{
    auto viaDialog = std::make_unique<TournamentState>(*state);
    const std::vector<int> open = openGames(GroupB);
    ASSERT_EQ(open.size(), 3u);
    for (const int game : open) {
        const Reply sent = send(GroupB, game, QStringLiteral("2:1"));
        EXPECT_EQ(sent.Status, 200);
        EXPECT_TRUE(QString::fromUtf8(sent.Body).contains(QStringLiteral("Gesendet: ")));
        EnterThroughDialog(*viaDialog, GroupB, game, QStringLiteral("2:1"));
    }
    EXPECT_EQ(state->ResultCount, 12) << "nothing enters before the desk takes it";
    ASSERT_EQ(inbox.results().waitingCount(), 3);
    const QByteArray roundTwoBefore = fetch("/daten/runde/2").Body;

    for (const IncomingResult& entry : std::vector<IncomingResult>(inbox.results().Entries))
        EXPECT_TRUE(inbox.accept(entry.Number));
    EXPECT_EQ(state->ResultCount, viaDialog->ResultCount);
    EXPECT_EQ(state->ResultTable, viaDialog->ResultTable);
    EXPECT_EQ(state->NameTable, viaDialog->NameTable);
    EXPECT_EQ(state->RankedPosition, viaDialog->RankedPosition);
    EXPECT_EQ(state->ScheduleGrid, viaDialog->ScheduleGrid);
    EXPECT_TRUE(state->GroupCompleted[GroupB]);
    const QString winner = state->NameTable[GroupB][state->RankedPosition[GroupB][1]];
    const QByteArray roundTwo = fetch("/daten/runde/2").Body;
    EXPECT_FALSE(roundTwoBefore.contains(winner.toUtf8()));
    EXPECT_TRUE(roundTwo.contains(winner.toUtf8())) << "the winner is carried into round 2";
    EXPECT_EQ(entryState(fieldOf(GroupB, open[0]), 1), QStringLiteral("übernommen"));
}

TEST_F(RefereeEntryTest, TheDeskRejectsDecidesConflictsOrTakesResultsByItself)
{
    const std::vector<int> open = openGames(GroupB);
    const int field = fieldOf(GroupB, open[0]);
    ASSERT_EQ(send(GroupB, open[0], QStringLiteral("1:1")).Status, 200);
    inbox.reject(1);
    EXPECT_TRUE(entryState(field, 1).startsWith(QStringLiteral("abgelehnt")));
    EXPECT_EQ(FindResult(*state, GroupB, open[0]), 0);

    // Game 1 of group 1 has 2:1; the same again changes nothing, another score is a conflict.
    const GameResult stored = state->ResultTable[std::size_t(FindResult(*state, 1, 1))];
    const Reply same = send(1, 1, QStringLiteral("%1:%2").arg(stored.GoalsFirst).arg(stored.GoalsSecond));
    EXPECT_EQ(same.Status, 200);
    EXPECT_TRUE(QString::fromUtf8(same.Body).contains(QStringLiteral("schon eingetragen")));
    const Reply other = send(1, 1, QStringLiteral("0:5"));
    EXPECT_EQ(other.Status, 409);
    const int conflict = inbox.results().Entries.back().Number;
    EXPECT_TRUE(inbox.conflicts(inbox.results().Entries.back()));
    prompter.answer({Prompter::Answer::No});
    EXPECT_FALSE(inbox.accept(conflict)) << "never replaced without the desk saying so";
    EXPECT_EQ(state->ResultTable[std::size_t(FindResult(*state, 1, 1))], stored);
    prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(inbox.accept(conflict));
    EXPECT_EQ(state->ResultTable[std::size_t(FindResult(*state, 1, 1))].GoalsSecond, 5);

    inbox.setAutomatic(true);
    const Reply automatic = send(GroupB, open[1], QStringLiteral("4:0"));
    EXPECT_EQ(automatic.Status, 200);
    EXPECT_TRUE(QString::fromUtf8(automatic.Body).contains(QStringLiteral("Übernommen: ")));
    EXPECT_NE(FindResult(*state, GroupB, open[1]), 0);
    EXPECT_TRUE(fetch("/daten/runde/1").Body.contains("\"4 : 0\""));
    EXPECT_EQ(inbox.results().waitingCount(), 0);
    EXPECT_FALSE(prompter.pendingAnswers());
}

TEST_F(RefereeEntryTest, RequestsThatMustChangeNothingAreRefused)
{
    const int game = openGames(GroupB).front();
    const int field = fieldOf(GroupB, game);
    const int otherField = field % LiveFieldCount(*state) + 1;
    const QByteArray token = TokenOf(openEntry(field));
    const QByteArray path = RefereePagePath(field).toLatin1();
    const QByteArray wrongCode = code(field) == "000000" ? "000001" : "000000";
    struct Case {
        const char* what;
        QByteArray path;
        QByteArray body;
        int status;
        QByteArray type = "application/x-www-form-urlencoded";
    };
    const std::vector<Case> cases{
        {"wrong code", path, Form(GroupB, game, wrongCode, token, "3:1"), 403},
        {"another field's code", path, Form(GroupB, game, code(otherField), token, "3:1"), 403},
        {"another field's game", RefereePagePath(otherField).toLatin1(),
         Form(GroupB, game, code(otherField), TokenOf(openEntry(otherField)), "3:1"), 403},
        {"a form not from this page", path, Form(GroupB, game, code(field), "bm90IGEgdG9rZW4", "3:1"), 403},
        {"no digits", path, Form(GroupB, game, code(field), token, "drei zu eins"), 422},
        {"a deletion", path, Form(GroupB, game, code(field), token, "0"), 422},
        {"one team's goals", path, Form(GroupB, game, code(field), token, "3"), 422},
        {"sets in a goals tournament", path,
         "gruppe=2&spiel=" + QByteArray::number(game) + "&code=" + code(field) + "&token=" + token +
             "&saetze=25:20",
         422},
        {"no game", path, "code=" + code(field) + "&token=" + token + "&tore=3:1", 400},
        {"a field twice", path, Form(GroupB, game, code(field), token, "3:1") + "&tore=1:3", 400},
        {"both scores", path, Form(GroupB, game, code(field), token, "3:1") + "&saetze=1:3", 400},
        {"not a form", path, "{\"tore\":\"3:1\"}", 415, "application/json"},
        {"JSON is read-only", "/daten" + path, Form(GroupB, game, code(field), token, "3:1"), 405},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fetch(QString::fromLatin1(c.path), "POST", {}, c.body, c.type).Status, c.status);
    }
    // A GET never sends, whatever it carries.
    EXPECT_EQ(fetch(QString::fromLatin1(path + '?' + Form(GroupB, game, code(field), token, "3:1"))).Status,
              200);
    EXPECT_EQ(inbox.results().Entries.size(), 0u);

    const QByteArray form = Form(GroupB, game, code(field), token, "3:1");
    EXPECT_EQ(fetch(QString::fromLatin1(path), "POST", {}, form).Status, 200);
    EXPECT_EQ(fetch(QString::fromLatin1(path), "POST", {}, form).Status, 403) << "a form counts once";
    EXPECT_EQ(inbox.results().Entries.size(), 1u);
    EXPECT_EQ(state->ResultCount, 12);
}

TEST_F(RefereeEntryTest, FiveWrongCodesWithinAMinuteMakeTheAddressWaitAMinute)
{
    QStringList logged;
    QObject::connect(&server, &LiveServer::entryLogged, [&logged](const QString& line) { logged << line; });
    const QString wrong =
        QStringLiteral("/platz/1/eingabe?code=") + (code(1) == "999999" ? "999998" : "999999");
    for (int attempt = 1; attempt <= 4; ++attempt) {
        now += 10'000;
        EXPECT_EQ(fetch(wrong).Status, 403);
    }
    now += 10'000;
    const Reply fifth = fetch(wrong);
    EXPECT_EQ(fifth.Status, 429);
    EXPECT_EQ(fifth.Headers.value("retry-after"), "60");
    EXPECT_EQ(openEntry(1).Status, 429) << "the right code waits too";
    EXPECT_EQ(fetch("/runde/1").Status, 200) << "the plan stays open";
    EXPECT_EQ(server.wrongCodeText(), QStringLiteral("5 falsche Codes, 1 Gerät wartet"));
    EXPECT_TRUE(logged.last().contains(QStringLiteral("127.0.0.1 wartet eine Minute")));
    now += 60'000;
    EXPECT_EQ(openEntry(1).Status, 200);
    // Wrong codes spread over more than a minute never add up to five.
    for (int attempt = 1; attempt <= 8; ++attempt) {
        now += 20'000;
        EXPECT_EQ(fetch(wrong).Status, 403);
    }
}
