#include "live/PublishedPlan.h"

#include "live/LiveData.h"
#include "live/PublishedStyle.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

namespace {
QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString Cell(const QString& text, const QString& cssClass = {})
{
    const QString open =
        cssClass.isEmpty() ? QStringLiteral("<td>") : QStringLiteral("<td class=\"%1\">").arg(cssClass);
    return open + Escaped(text) + QStringLiteral("</td>");
}

QStringList PageStart(const QString& title, const QString& tournament)
{
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html lang=\"de\">"),
            QStringLiteral("<head>"),
            QStringLiteral("<meta charset=\"utf-8\">"),
            QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
            QStringLiteral("<title>") + Escaped(title) + QStringLiteral("</title>"),
            QStringLiteral("<link rel=\"stylesheet\" href=\"") + PublishedStyleName() + QStringLiteral("\">"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<header><h1>") + Escaped(tournament) + QStringLiteral("</h1>")};
}

QStringList PageEnd()
{
    return {QStringLiteral("</main>"), QStringLiteral("</body>"), QStringLiteral("</html>")};
}

QString Link(const QString& target, const QString& text, bool current = false)
{
    return QStringLiteral("<a href=\"") + target +
           (current ? QStringLiteral("\" class=\"current\">") : QStringLiteral("\">")) + Escaped(text) +
           QStringLiteral("</a>");
}

// Links to the overview and to every round; the page's own round is marked.
QString Navigation(const TournamentState& state, int currentRound)
{
    QString nav =
        QStringLiteral("<nav>") + Link(PublishedIndexName(), QStringLiteral("Übersicht"), currentRound == 0);
    for (int round = 1; round <= state.RoundCount; ++round)
        nav += Link(PublishedRoundName(round), QStringLiteral("Runde %1").arg(round), round == currentRound);
    return nav + QStringLiteral("</nav>");
}

QStringList IndexPage(const TournamentState& state)
{
    QStringList lines = PageStart(state.TournamentName, state.TournamentName);
    lines << QStringLiteral("<p class=\"status\">Spielplan, Tabellen und Ergebnisse</p>")
          << Navigation(state, 0) << QStringLiteral("</header>") << QStringLiteral("<main>")
          << QStringLiteral("<div class=\"cards\">");
    for (int round = 1; round <= state.RoundCount; ++round) {
        lines << QStringLiteral("<section class=\"card\">")
              << QStringLiteral("<h2>") +
                     Link(PublishedRoundName(round), QStringLiteral("Runde %1").arg(round)) +
                     QStringLiteral("</h2>")
              << QStringLiteral("<p class=\"state\">") + Escaped(RoundStatusText(state, round)) +
                     QStringLiteral("</p>")
              << QStringLiteral("<ul>");
        for (const LiveTable& table : RoundTables(state, round))
            lines << QStringLiteral("<li>") + Escaped(table.Title) + QStringLiteral("</li>");
        lines << QStringLiteral("</ul>") << QStringLiteral("</section>");
    }
    lines << QStringLiteral("</div>") << PageEnd();
    return lines;
}

QStringList TableLines(const LiveTable& table, bool withSets)
{
    QStringList lines{
        QStringLiteral("<h3>") + Escaped(table.Title) + QStringLiteral("</h3>"),
        QStringLiteral("<div class=\"scroll\"><table>"),
        QStringLiteral("<tr><th class=\"num\">Pl.</th><th>Mannschaft</th><th class=\"num\">Sp.</th>") +
            (withSets ? QStringLiteral("<th class=\"num\">Sätze</th>") : QString()) +
            QStringLiteral("<th class=\"num\">Tore</th><th class=\"num\">Pkt.</th></tr>")};
    for (const LiveTableRow& row : table.Rows)
        lines << QStringLiteral("<tr>") + Cell(row.Place, QStringLiteral("num")) + Cell(row.Team) +
                     Cell(row.Games, QStringLiteral("num")) +
                     (withSets ? Cell(row.Sets, QStringLiteral("num")) : QString()) +
                     Cell(row.Goals, QStringLiteral("num")) + Cell(row.Points, QStringLiteral("num")) +
                     QStringLiteral("</tr>");
    lines << QStringLiteral("</table></div>");
    return lines;
}

QString ResultCell(const LiveGame& game)
{
    if (!game.finished())
        return QStringLiteral("<td class=\"result open\">–</td>");
    QString text = game.Result == QStringLiteral("x") ? QStringLiteral("fällt aus") : game.Result;
    if (!game.Sets.isEmpty() && game.Result != QStringLiteral("x"))
        text += QStringLiteral(" (") + game.Sets + u')';
    return Cell(text, QStringLiteral("result"));
}

QString Pairing(const LiveGame& game)
{
    return Escaped(game.TeamA) + QStringLiteral(" – ") + Escaped(game.TeamB);
}

QStringList GroupGameLines(const TournamentState& state, const LiveTable& table)
{
    QStringList lines{QStringLiteral("<h3>") + Escaped(table.Title) + QStringLiteral("</h3>"),
                      QStringLiteral("<table>"),
                      QStringLiteral("<tr><th>Begegnung</th><th class=\"num\">Ergebnis</th></tr>")};
    for (const LiveGame& game : GroupGames(state, table.Group))
        lines << QStringLiteral("<tr><td>") + Pairing(game) + QStringLiteral("</td>") + ResultCell(game) +
                     QStringLiteral("</tr>");
    lines << QStringLiteral("</table>");
    return lines;
}

QStringList FieldLines(const LiveField& field)
{
    QStringList lines{
        QStringLiteral("<h3>") + Escaped(field.Title) + QStringLiteral("</h3>"), QStringLiteral("<table>"),
        QStringLiteral("<tr><th>Zeit</th><th>Begegnung</th><th class=\"num\">Ergebnis</th></tr>")};
    for (const LiveGame& game : field.Games) {
        QString pairing = Pairing(game);
        if (!game.Referee.isEmpty())
            pairing += QStringLiteral("<span class=\"referee\">Schiedsrichter: ") + Escaped(game.Referee) +
                       QStringLiteral("</span>");
        lines << QStringLiteral("<tr>") + Cell(game.Clock, QStringLiteral("time")) + QStringLiteral("<td>") +
                     pairing + QStringLiteral("</td>") + ResultCell(game) + QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

QStringList RoundPage(const TournamentState& state, const TextGrid& timePlan, int round)
{
    const QString title = QStringLiteral("Runde %1").arg(round);
    QStringList lines = PageStart(title + QStringLiteral(" – ") + state.TournamentName, state.TournamentName);
    lines << QStringLiteral("<p class=\"status\">") +
                 Escaped(title + QStringLiteral(": ") + RoundStatusText(state, round)) +
                 QStringLiteral("</p>")
          << Navigation(state, round) << QStringLiteral("</header>") << QStringLiteral("<main>");

    const std::vector<LiveTable> tables = RoundTables(state, round);
    lines << QStringLiteral("<h2 id=\"tabellen\">Tabellen</h2>") << QStringLiteral("<div class=\"groups\">");
    bool headToHead = false;
    for (const LiveTable& table : tables) {
        lines << QStringLiteral("<section>") << TableLines(table, state.Settings.WithSets)
              << QStringLiteral("</section>");
        for (const LiveTableRow& row : table.Rows)
            headToHead = headToHead || row.Place.endsWith(u'!');
    }
    lines << QStringLiteral("</div>");
    if (headToHead)
        lines << QStringLiteral("<p class=\"note\">! = Platz durch direkten Vergleich entschieden</p>");

    lines << QStringLiteral("<h2 id=\"zeitplan\">Zeitplan</h2>");
    const std::vector<LiveField> fields = RoundFields(state, timePlan, round);
    bool planned = false;
    lines << QStringLiteral("<div class=\"groups\">");
    for (const LiveField& field : fields)
        if (!field.Games.empty()) {
            lines << QStringLiteral("<section>") << FieldLines(field) << QStringLiteral("</section>");
            planned = true;
        }
    lines << QStringLiteral("</div>");
    if (!planned)
        lines << QStringLiteral("<p class=\"note\">Für diese Runde gibt es noch keinen Zeitplan.</p>");

    lines << QStringLiteral("<h2 id=\"spiele\">Spiele und Ergebnisse</h2>")
          << QStringLiteral("<div class=\"groups\">");
    for (const LiveTable& table : tables)
        lines << QStringLiteral("<section>") << GroupGameLines(state, table) << QStringLiteral("</section>");
    lines << QStringLiteral("</div>") << PageEnd();
    return lines;
}

QByteArray PageBytes(const QStringList& lines)
{
    return (lines.join(u'\n') + u'\n').toUtf8();
}
} // namespace

QString PublishedIndexName()
{
    return QStringLiteral("index.html");
}

QString PublishedStyleName()
{
    return QStringLiteral("korvane.css");
}

QString PublishedRoundName(int round)
{
    return QStringLiteral("runde-%1.html").arg(round);
}

std::vector<PublishedFile> BuildPublishedPlan(const TournamentState& state, const TextGrid& timePlan)
{
    std::vector<PublishedFile> files{{PublishedIndexName(), PageBytes(IndexPage(state))},
                                     {PublishedStyleName(), PublishedStyleSheet()}};
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        files.push_back({PublishedRoundName(round), PageBytes(RoundPage(state, timePlan, round))});
    return files;
}

bool PublishPlan(const TournamentState& state, const TextGrid& timePlan, const QString& folder,
                 Prompter& prompter)
{
    const QDir dir(folder);
    for (const PublishedFile& file : BuildPublishedPlan(state, timePlan)) {
        const QString path = dir.filePath(file.Name);
        QSaveFile out(path);
        const bool written = QDir().mkpath(folder) && out.open(QIODevice::WriteOnly) &&
                             out.write(file.Content) == file.Content.size() && out.commit();
        if (!written) {
            prompter.inform(QStringLiteral("Fehler"),
                            QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
            return false;
        }
    }
    return true;
}
