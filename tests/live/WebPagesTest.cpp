// The pages of the live server as data and as HTML and JSON: what each route shows and escaping.
#include "live/WebPages.h"
#include "live/LiveFixture.h"
#include "support/GTestQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace live_test;

namespace {
QStringList Column(const WebBlock& block, std::size_t column)
{
    QStringList texts;
    for (const WebRow& row : block.Rows)
        texts << (column < row.Cells.size() ? row.Cells[column].Text : QString());
    return texts;
}

QStringList Titles(const WebSection& section)
{
    QStringList titles;
    for (const WebBlock& block : section.Blocks)
        titles << block.Title;
    return titles;
}

// Every string of a JSON value, depth first.
void CollectStrings(const QJsonValue& value, QStringList& strings)
{
    if (value.isString())
        strings << value.toString();
    else if (value.isArray())
        for (const QJsonValue& item : value.toArray())
            CollectStrings(item, strings);
    else if (value.isObject())
        for (const QJsonValue& item : value.toObject())
            CollectStrings(item, strings);
}
} // namespace

TEST(WebPages, TheOverviewLeadsWithTheRoundInPlayItsNextGamesAndTheTeams)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    const WebPage page = LiveIndexPage(*state, output->TimePlan);

    EXPECT_EQ(page.Status, QStringLiteral("Runde 2 läuft."));
    ASSERT_EQ(page.Sections.size(), 3u);
    const WebBlock& rounds = page.Sections[0].Blocks.at(0);
    EXPECT_EQ(Column(rounds, 0), (QStringList{"Runde 2", "Runde 1", "Runde 3"}));
    EXPECT_EQ(rounds.Rows[0].Cells[0].Link, QStringLiteral("/runde/2"));
    EXPECT_EQ(rounds.Rows[0].Class, QStringLiteral("next"));
    // Round 3 has one game and no result: open, not closed one result early.
    EXPECT_EQ(Column(rounds, 1),
              (QStringList{"läuft (5 von 9 Ergebnissen)", "abgeschlossen (12 von 12 Ergebnissen)",
                           "noch offen (0 von 1 Ergebnissen)"}));

    const WebBlock& next = page.Sections[1].Blocks.at(0);
    EXPECT_EQ(Column(next, 0), (QStringList{"Platz 1", "Platz 2"}));
    EXPECT_EQ(next.Rows[1].Cells[0].Link, QStringLiteral("/platz/2"));

    const WebBlock& teams = page.Sections[2].Blocks.at(0);
    EXPECT_EQ(teams.Rows.size(), 17u);
    EXPECT_EQ(teams.Rows[0].Cells[0].Link, QStringLiteral("/mannschaft/T1.1"));
}

TEST(WebPages, TheRoundPageHasTablesTimePlanAndEveryGame)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    EXPECT_FALSE(LiveRoundPage(*state, output->TimePlan, 0));
    EXPECT_FALSE(LiveRoundPage(*state, output->TimePlan, 4));
    const std::optional<WebPage> page = LiveRoundPage(*state, output->TimePlan, 2);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Status, QStringLiteral("Runde 2: läuft (5 von 9 Ergebnissen)"));
    ASSERT_EQ(page->Sections.size(), 3u);

    const WebSection& tables = page->Sections[0];
    EXPECT_EQ(Titles(tables), (QStringList{"Gruppe 3", "Gruppe 4"}));
    const WebRow& leader = tables.Blocks[0].Rows.at(0);
    EXPECT_EQ(leader.Cells.at(1).Link, QStringLiteral("/mannschaft/T3.1"));
    EXPECT_EQ(leader.Cells.at(4).Text, QStringLiteral("3"));

    const WebSection& plan = page->Sections[1];
    EXPECT_EQ(Titles(plan), (QStringList{"Platz 1", "Platz 2"}));
    int results = 0;
    for (const WebBlock& field : plan.Blocks)
        for (const WebRow& row : field.Rows)
            results += row.Cells.at(2).Class == QStringLiteral("result") ? 1 : 0;
    EXPECT_EQ(results, 5);

    const WebSection& games = page->Sections[2];
    ASSERT_EQ(games.Blocks.size(), 2u);
    EXPECT_EQ(games.Blocks[0].Rows.size(), 6u);
    EXPECT_EQ(Column(games.Blocks[1], 1), (QStringList{"1 : 0", "1 : 0", "1 : 0"}));
}

TEST(WebPages, FieldAndTeamPagesShowWhatComesNext)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    EXPECT_FALSE(LiveFieldPage(*state, output->TimePlan, 3));
    const std::optional<WebPage> field = LiveFieldPage(*state, output->TimePlan, 1);
    ASSERT_TRUE(field);
    EXPECT_TRUE(field->Status.startsWith(QStringLiteral("Platz 1: als Nächstes ")))
        << field->Status.toStdString();
    ASSERT_EQ(field->Sections.size(), 2u); // round 2 in play, round 3 after it; round 1 is over
    EXPECT_EQ(field->Sections[0].Title, QStringLiteral("Runde 2"));
    EXPECT_EQ(field->Sections[1].Blocks.at(0).Rows.size(), 1u);

    EXPECT_FALSE(LiveTeamPage(*state, output->TimePlan, QStringLiteral("Unbekannt")));
    EXPECT_FALSE(LiveTeamPage(*state, output->TimePlan, QStringLiteral(" T3.3")));
    const std::optional<WebPage> team = LiveTeamPage(*state, output->TimePlan, QStringLiteral("T3.3"));
    ASSERT_TRUE(team);
    ASSERT_GE(team->Sections.size(), 1u);
    const WebSection& group = team->Sections[0];
    EXPECT_EQ(group.Title, QStringLiteral("Runde 2 – Gruppe 3"));
    ASSERT_EQ(group.Blocks.size(), 2u);
    const QStringList results = Column(group.Blocks[0], 3);
    EXPECT_EQ(results.count(QStringLiteral("1 : 0")), 1); // 3 beat 4; the others are open
    EXPECT_TRUE(team->Status.startsWith(QStringLiteral("Nächstes Spiel: "))) << team->Status.toStdString();
}

TEST(WebPages, NamesStayTextInHtmlAndJson)
{
    auto state = ThreeRoundsSecondInPlay();
    const QString hostile = QStringLiteral("<script>alert(\"x\")</script> & Co");
    state->NameTable[3][1] = hostile;
    state->TournamentName = QStringLiteral("Cup <b>2025</b>");
    const auto output = RenderAndPlan(*state);
    const std::optional<WebPage> page = LiveRoundPage(*state, output->TimePlan, 2);
    ASSERT_TRUE(page);

    const QString html = QString::fromUtf8(WebPageHtml(*page, "\"tag\""));
    EXPECT_FALSE(html.contains(QStringLiteral("<script>alert")));
    EXPECT_FALSE(html.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; Co")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("/mannschaft/%3Cscript%3Ealert%28%22x%22%29%3C%2Fscript%3E%20%26%20Co")));
    EXPECT_TRUE(html.contains(QStringLiteral("data-stand=\"&quot;tag&quot;\"")));
    EXPECT_FALSE(html.contains(QStringLiteral("style=")));
    EXPECT_EQ(html.count(QStringLiteral("<script")), 1); // the page's own script, from the server

    const QByteArray json = WebPageJson(*page);
    for (const char markup : {'<', '>', '&'})
        EXPECT_FALSE(json.contains(markup)) << markup;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    ASSERT_TRUE(document.isObject());
    QStringList strings;
    CollectStrings(document.object(), strings);
    EXPECT_TRUE(strings.contains(hostile));
    EXPECT_TRUE(strings.contains(QStringLiteral("Cup <b>2025</b>")));
}
