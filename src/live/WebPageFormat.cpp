#include "live/PublishedStyle.h"
#include "live/WebPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>

namespace {
QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString ClassAttribute(const QString& cssClass)
{
    return cssClass.isEmpty() ? QString() : QStringLiteral(" class=\"") + Escaped(cssClass) + u'"';
}

QString Linked(const QString& text, const QString& target)
{
    if (target.isEmpty())
        return Escaped(text);
    return QStringLiteral("<a href=\"") + Escaped(target) + QStringLiteral("\">") + Escaped(text) +
           QStringLiteral("</a>");
}

QString CellHtml(const char* element, const WebCell& cell)
{
    const QString name = QString::fromLatin1(element);
    QString html = u'<' + name + ClassAttribute(cell.Class) + u'>' + Linked(cell.Text, cell.Link);
    if (!cell.Note.isEmpty())
        html += QStringLiteral("<span class=\"referee\">") + Escaped(cell.Note) + QStringLiteral("</span>");
    return html + QStringLiteral("</") + name + u'>';
}

void AppendBlock(QStringList& lines, const WebBlock& block)
{
    lines << QStringLiteral("<div class=\"block\">");
    if (!block.Title.isEmpty())
        lines << QStringLiteral("<h3>") + Linked(block.Title, block.Link) + QStringLiteral("</h3>");
    QString table = QStringLiteral("<div class=\"scroll\"><table>");
    if (!block.Heads.empty()) {
        table += QStringLiteral("<thead><tr>");
        for (const WebCell& head : block.Heads)
            table += CellHtml("th", head);
        table += QStringLiteral("</tr></thead>");
    }
    lines << table + QStringLiteral("<tbody>");
    for (const WebRow& row : block.Rows) {
        QString line = QStringLiteral("<tr") + ClassAttribute(row.Class) + u'>';
        for (const WebCell& cell : row.Cells)
            line += CellHtml("td", cell);
        lines << line + QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</tbody></table></div>");
    if (!block.Note.isEmpty())
        lines << QStringLiteral("<p class=\"note\">") + Escaped(block.Note) + QStringLiteral("</p>");
    lines << QStringLiteral("</div>");
}

QString NavigationHtml(const std::vector<WebLink>& links)
{
    QString nav = QStringLiteral("<nav id=\"navigation\">");
    for (const WebLink& link : links)
        nav += QStringLiteral("<a href=\"") + Escaped(link.Target) + u'"' +
               (link.Current ? QStringLiteral(" class=\"current\"") : QString()) + u'>' + Escaped(link.Text) +
               QStringLiteral("</a>");
    return nav + QStringLiteral("</nav>");
}

// Empty texts are left out; the script reads a missing key as empty.
void PutText(QJsonObject& object, const char* key, const QString& text)
{
    if (!text.isEmpty())
        object.insert(QLatin1String(key), text);
}

QJsonObject CellJson(const WebCell& cell)
{
    QJsonObject object;
    PutText(object, "t", cell.Text);
    PutText(object, "l", cell.Link);
    PutText(object, "n", cell.Note);
    PutText(object, "c", cell.Class);
    return object;
}

QJsonArray CellsJson(const std::vector<WebCell>& cells)
{
    QJsonArray array;
    for (const WebCell& cell : cells)
        array.append(CellJson(cell));
    return array;
}

QJsonObject BlockJson(const WebBlock& block)
{
    QJsonObject object;
    PutText(object, "t", block.Title);
    PutText(object, "l", block.Link);
    PutText(object, "h", block.Note);
    object.insert(QLatin1String("k"), CellsJson(block.Heads));
    QJsonArray rows;
    for (const WebRow& row : block.Rows) {
        QJsonObject line{{QLatin1String("z"), CellsJson(row.Cells)}};
        PutText(line, "c", row.Class);
        rows.append(line);
    }
    object.insert(QLatin1String("z"), rows);
    return object;
}
} // namespace

QByteArray WebPageHtml(const WebPage& page, const QByteArray& dataTag)
{
    QStringList lines{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"de\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
        QStringLiteral("<title>") + Escaped(page.Title) + QStringLiteral("</title>"),
        QStringLiteral("<link rel=\"stylesheet\" href=\"") + LiveStylePath() + QStringLiteral("\">"),
        QStringLiteral("<link rel=\"icon\" href=\"") + LiveIconPath() +
            QStringLiteral("\" type=\"image/svg+xml\">"),
        QStringLiteral("<script src=\"") + LiveScriptPath() + QStringLiteral("\" defer></script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body data-daten=\"") + Escaped(page.DataPath) + QStringLiteral("\" data-stand=\"") +
            Escaped(QString::fromLatin1(dataTag)) + QStringLiteral("\">"),
        QStringLiteral("<header><h1 id=\"turnier\">") + Escaped(page.Tournament) + QStringLiteral("</h1>"),
        QStringLiteral("<p class=\"status\" id=\"status\">") + Escaped(page.Status) + QStringLiteral("</p>"),
        NavigationHtml(page.Navigation),
        QStringLiteral("</header>"),
        QStringLiteral("<main id=\"inhalt\">")};
    for (const WebSection& section : page.Sections) {
        lines << QStringLiteral("<section>")
              << QStringLiteral("<h2>") + Escaped(section.Title) + QStringLiteral("</h2>")
              << QStringLiteral("<div class=\"groups\">");
        for (const WebBlock& block : section.Blocks)
            AppendBlock(lines, block);
        lines << QStringLiteral("</div>");
        if (!section.Note.isEmpty())
            lines << QStringLiteral("<p class=\"note\">") + Escaped(section.Note) + QStringLiteral("</p>");
        lines << QStringLiteral("</section>");
    }
    lines << QStringLiteral("</main>")
          << QStringLiteral(
                 "<footer><p id=\"live\" class=\"live\">Live: Ergebnisse erscheinen von selbst.</p></footer>")
          << QStringLiteral("</body>") << QStringLiteral("</html>");
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray WebPageJson(const WebPage& page)
{
    QJsonArray navigation;
    for (const WebLink& link : page.Navigation) {
        QJsonObject object{{QLatin1String("t"), link.Text}, {QLatin1String("l"), link.Target}};
        if (link.Current)
            object.insert(QLatin1String("c"), true);
        navigation.append(object);
    }
    QJsonArray sections;
    for (const WebSection& section : page.Sections) {
        QJsonObject object;
        PutText(object, "t", section.Title);
        PutText(object, "h", section.Note);
        QJsonArray blocks;
        for (const WebBlock& block : section.Blocks)
            blocks.append(BlockJson(block));
        object.insert(QLatin1String("b"), blocks);
        sections.append(object);
    }
    const QJsonObject root{{QLatin1String("titel"), page.Title},
                           {QLatin1String("turnier"), page.Tournament},
                           {QLatin1String("status"), page.Status},
                           {QLatin1String("navigation"), navigation},
                           {QLatin1String("abschnitte"), sections}};
    QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    // Outside strings JSON has none of these characters, so the escapes change no value.
    json.replace('<', "\\u003c").replace('>', "\\u003e").replace('&', "\\u0026");
    return json;
}

QByteArray LiveStyleSheet()
{
    return PublishedStyleSheet() + QByteArrayLiteral(R"css(/* Live pages */
td a, h3 a { color: #0b3d91; }
tr.own td { background: #dce9fb; font-weight: bold; }
footer { margin-top: 1.5rem; border-top: 1px solid #bbb; }
p.live { font-size: 0.85rem; color: #1a6b2a; }
p.live.offline { color: #a31515; font-weight: bold; }
)css");
}

QString LiveIndexPath()
{
    return QStringLiteral("/");
}

QString LiveRoundPath(int round)
{
    return QStringLiteral("/runde/%1").arg(round);
}

QString LiveFieldPath(int field)
{
    return QStringLiteral("/platz/%1").arg(field);
}

QString LiveTeamPath(const QString& team)
{
    return QStringLiteral("/mannschaft/") + QString::fromLatin1(QUrl::toPercentEncoding(team));
}

QString LiveDataPath(const QString& pagePath)
{
    return pagePath == LiveIndexPath() ? QStringLiteral("/daten") : QStringLiteral("/daten") + pagePath;
}

QString LiveStylePath()
{
    return QStringLiteral("/korvane.css");
}

QString LiveScriptPath()
{
    return QStringLiteral("/korvane.js");
}

QString LiveIconPath()
{
    return QStringLiteral("/korvane.svg");
}

QByteArray LiveIcon()
{
    // A table of three lines on the blue of the pages.
    return QByteArrayLiteral(R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32">
<rect width="32" height="32" rx="6" fill="#0b3d91"/>
<path d="M7 10h18M7 16h18M7 22h12" stroke="#fff" stroke-width="3" stroke-linecap="round"/>
</svg>
)svg");
}
