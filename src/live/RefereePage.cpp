#include "live/RefereePage.h"

#include "live/WebPage.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {
QString Attribute(const char* name, const QString& value)
{
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + EscapedHtml(value) + u'"';
}

QString Hidden(const char* name, const QString& value)
{
    return QStringLiteral("<input type=\"hidden\"") + Attribute("name", QLatin1String(name)) +
           Attribute("value", value) + u'>';
}

// A mark of the games offered: when it changes, the page is loaded anew.
QString GamesMark(const RefereePage& page)
{
    QByteArray games;
    for (const FieldGame& game : page.Games)
        games += QByteArray::number(game.Game.Group) + ':' + QByteArray::number(game.Game.Game) + ':' +
                 game.Game.Result.toUtf8() + ';';
    return QString::fromLatin1(QCryptographicHash::hash(games, QCryptographicHash::Sha1).toHex().left(16));
}

QString GameForm(const RefereePage& page, const FieldGame& game, bool current)
{
    const LiveGame& live = game.Game;
    const QString scoreName = page.WithSets ? QStringLiteral("saetze") : QStringLiteral("tore");
    const bool kept = live.Group == page.KeptGroup && live.Game == page.KeptGame;
    const QString inputId = QStringLiteral("ergebnis-%1-%2").arg(live.Group).arg(live.Game);
    QString html = QStringLiteral("<form method=\"post\" class=\"spiel") +
                   (current ? QStringLiteral(" aktuell") : QString()) + u'"' +
                   Attribute("action", RefereePagePath(page.Field)) + Attribute("data-a", live.TeamA) +
                   Attribute("data-b", live.TeamB) + QStringLiteral(">\n");
    html += QStringLiteral("<p class=\"wann\">") +
            EscapedHtml((live.Clock.isEmpty() ? QString() : live.Clock + QStringLiteral(" · ")) +
                        game.GroupTitle + QStringLiteral(" · Spiel %1").arg(live.Game)) +
            QStringLiteral("</p>\n<p class=\"paarung\">") + EscapedHtml(live.TeamA) +
            QStringLiteral(" <span>–</span> ") + EscapedHtml(live.TeamB) + QStringLiteral("</p>\n");
    if (live.finished())
        html += QStringLiteral("<p class=\"eingetragen\">Eingetragen: ") + EscapedHtml(live.Result) +
                QStringLiteral("</p>\n");
    html += Hidden("gruppe", QString::number(live.Group)) + Hidden("spiel", QString::number(live.Game)) +
            Hidden("code", page.Code) + Hidden("token", QString::fromLatin1(page.Token)) + u'\n';
    html += QStringLiteral("<label") + Attribute("for", inputId) + u'>' +
            (page.WithSets ? QStringLiteral("Sätze, zB 25:20 22:25 15:10") : QStringLiteral("Tore, zB 3:1")) +
            QStringLiteral("</label>\n<input type=\"text\" autocomplete=\"off\" autocapitalize=\"off\" "
                           "spellcheck=\"false\" enterkeyhint=\"send\" required") +
            Attribute("id", inputId) + Attribute("name", scoreName) +
            Attribute("maxlength", QString::number(MaxScoreTextLength)) +
            Attribute("value", kept ? page.KeptText : QString()) + QStringLiteral(">\n");
    html += QStringLiteral("<p class=\"vorschau\" aria-live=\"polite\"></p>\n"
                           "<button type=\"submit\">Senden</button>\n</form>\n");
    return html;
}

QString SentTable(const RefereePage& page)
{
    QString html = QStringLiteral("<section>\n<h2>Gesendet</h2>\n");
    if (page.Sent.empty())
        return html + QStringLiteral(
                          "<p class=\"note\">Von diesem Platz ist noch nichts gesendet.</p>\n</section>\n");
    html +=
        QStringLiteral("<div class=\"scroll\"><table id=\"gesendet\"><thead><tr><th class=\"num\">Nr.</th>"
                       "<th>Spiel</th><th class=\"num\">Ergebnis</th><th>Stand</th></tr></thead><tbody>\n");
    for (const RefereeSentResult& sent : page.Sent)
        html += QStringLiteral("<tr><td class=\"num\">%1</td><td>").arg(sent.Number) +
                EscapedHtml(sent.Game) + QStringLiteral("</td><td class=\"result\">") +
                EscapedHtml(sent.Result) + QStringLiteral("</td><td") +
                Attribute("id", QStringLiteral("stand-%1").arg(sent.Number)) +
                Attribute("class", QStringLiteral("stand ") + sent.Class) + u'>' + EscapedHtml(sent.State) +
                QStringLiteral("</td></tr>\n");
    return html + QStringLiteral("</tbody></table></div>\n</section>\n");
}

QString CodeForm(const RefereePage& page)
{
    return QStringLiteral("<form method=\"get\" class=\"code\"") +
           Attribute("action", RefereePagePath(page.Field)) +
           QStringLiteral(
               ">\n<label for=\"code\">Code für Platz %1 (steht auf dem Blatt des Platzes)</label>\n"
               "<input type=\"text\" id=\"code\" name=\"code\" inputmode=\"numeric\" "
               "autocomplete=\"off\" maxlength=\"12\" required>\n"
               "<button type=\"submit\">Weiter</button>\n</form>\n")
               .arg(page.Field);
}
} // namespace

QString RefereePagePath(int field)
{
    return QStringLiteral("/platz/%1/eingabe").arg(field);
}

QString RefereePageLink(int field, const QString& code)
{
    return RefereePagePath(field) + QStringLiteral("?code=") +
           QString::fromLatin1(QUrl::toPercentEncoding(code));
}

QString RefereeScriptPath()
{
    return QStringLiteral("/eingabe.js");
}

QByteArray RefereePageHtml(const RefereePage& page)
{
    const QString title = QStringLiteral("Platz %1 – Ergebnis eingeben").arg(page.Field);
    QString html = WebPageHead(title + QStringLiteral(" – ") + page.Tournament, RefereeScriptPath());
    html += QStringLiteral("<body class=\"eingabe\"");
    if (!page.Code.isEmpty())
        html += Attribute("data-daten", QStringLiteral("/daten") + RefereePageLink(page.Field, page.Code)) +
                Attribute("data-seite", RefereePageLink(page.Field, page.Code)) +
                Attribute("data-spiele", GamesMark(page));
    html += Attribute("data-saetze", page.WithSets ? QStringLiteral("1") : QStringLiteral("0")) +
            QStringLiteral(">\n<header><h1>") + EscapedHtml(page.Tournament) +
            QStringLiteral("</h1>\n<p class=\"status\">") + EscapedHtml(title) +
            QStringLiteral("</p>\n</header>\n<main>\n");
    if (page.NoticeKind != RefereePage::Notice::None)
        html += QStringLiteral("<p id=\"meldung\" role=\"status\"") +
                Attribute("class", page.NoticeKind == RefereePage::Notice::Done
                                       ? QStringLiteral("meldung ok")
                                       : QStringLiteral("meldung fehler")) +
                u'>' + EscapedHtml(page.NoticeText) + QStringLiteral("</p>\n");
    if (page.Code.isEmpty()) {
        html += CodeForm(page);
    } else {
        html += QStringLiteral("<section>\n<h2>Spiele auf Platz %1</h2>\n").arg(page.Field);
        if (page.Games.empty())
            html += QStringLiteral("<p class=\"note\">Auf diesem Platz stehen keine Spiele mehr an.</p>\n");
        for (std::size_t index = 0; index < page.Games.size(); ++index)
            html += GameForm(page, page.Games[index], index == 0);
        html += QStringLiteral("</section>\n") + SentTable(page);
    }
    html += QStringLiteral("<p class=\"note\"><a") + Attribute("href", LiveFieldPath(page.Field)) +
            QStringLiteral(
                ">Plan des Platzes</a> · <a href=\"/\">Übersicht</a></p>\n</main>\n</body>\n</html>\n");
    return html.toUtf8();
}

QByteArray RefereePageJson(const RefereePage& page)
{
    QJsonArray sent;
    for (const RefereeSentResult& entry : page.Sent)
        sent.append(QJsonObject{{QStringLiteral("nr"), entry.Number},
                                {QStringLiteral("stand"), entry.State},
                                {QStringLiteral("klasse"), entry.Class}});
    const QJsonObject root{{QStringLiteral("spiele"), GamesMark(page)}, {QStringLiteral("gesendet"), sent}};
    QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    return json.replace('<', "\\u003c").replace('>', "\\u003e").replace('&', "\\u0026");
}
