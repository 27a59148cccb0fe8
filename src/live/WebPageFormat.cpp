#include "live/PublishedStyle.h"
#include "live/WebPage.h"

#include <QUrl>

namespace {
// The HTML written into one string: the round page of the largest tournament has tens of
// thousands of cells.
void AppendEscaped(QString& out, const QString& text)
{
    for (const QChar character : text) {
        switch (character.unicode()) {
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += character;
        }
    }
}

void AppendClass(QString& out, const QString& cssClass)
{
    if (cssClass.isEmpty())
        return;
    out += QLatin1String(" class=\"");
    AppendEscaped(out, cssClass);
    out += u'"';
}

void AppendLinked(QString& out, const QString& text, const QString& target)
{
    if (target.isEmpty()) {
        AppendEscaped(out, text);
        return;
    }
    out += QLatin1String("<a href=\"");
    AppendEscaped(out, target);
    out += QLatin1String("\">");
    AppendEscaped(out, text);
    out += QLatin1String("</a>");
}

// <element class="...">text</element>, plain text escaped.
void AppendElement(QString& out, QLatin1String element, const QString& text, const QString& cssClass = {})
{
    out += u'<' + element;
    AppendClass(out, cssClass);
    out += u'>';
    AppendEscaped(out, text);
    out += QLatin1String("</") + element + QLatin1String(">\n");
}

void AppendCell(QString& out, QLatin1String element, const WebCell& cell)
{
    out += u'<' + element;
    AppendClass(out, cell.Class);
    out += u'>';
    AppendLinked(out, cell.Text, cell.Link);
    if (!cell.Note.isEmpty()) {
        out += QLatin1String("<span class=\"referee\">");
        AppendEscaped(out, cell.Note);
        out += QLatin1String("</span>");
    }
    out += QLatin1String("</") + element + u'>';
}

void AppendBlock(QString& out, const WebBlock& block)
{
    out += QLatin1String("<div class=\"block\">\n");
    if (!block.Title.isEmpty()) {
        out += QLatin1String("<h3>");
        AppendLinked(out, block.Title, block.Link);
        out += QLatin1String("</h3>\n");
    }
    out += QLatin1String("<div class=\"scroll\"><table>");
    if (!block.Heads.empty()) {
        out += QLatin1String("<thead><tr>");
        for (const WebCell& head : block.Heads)
            AppendCell(out, QLatin1String("th"), head);
        out += QLatin1String("</tr></thead>");
    }
    out += QLatin1String("<tbody>\n");
    for (const WebRow& row : block.Rows) {
        out += QLatin1String("<tr");
        AppendClass(out, row.Class);
        out += u'>';
        for (const WebCell& cell : row.Cells)
            AppendCell(out, QLatin1String("td"), cell);
        out += QLatin1String("</tr>\n");
    }
    out += QLatin1String("</tbody></table></div>\n");
    if (!block.Note.isEmpty())
        AppendElement(out, QLatin1String("p"), block.Note, QStringLiteral("note"));
    out += QLatin1String("</div>\n");
}

void AppendNavigation(QString& out, const std::vector<WebLink>& links)
{
    out += QLatin1String("<nav id=\"navigation\">");
    for (const WebLink& link : links) {
        out += QLatin1String("<a href=\"");
        AppendEscaped(out, link.Target);
        out += u'"';
        if (link.Current)
            out += QLatin1String(" class=\"current\"");
        out += u'>';
        AppendEscaped(out, link.Text);
        out += QLatin1String("</a>");
    }
    out += QLatin1String("</nav>\n");
}

// Compact JSON written straight into bytes: a page of the largest tournament has tens of
// thousands of cells, and a document tree of them costs many times the writing.
class JsonWriter {
public:
    QByteArray take() { return std::move(m_bytes); }

    void open(char bracket)
    {
        separate();
        m_bytes += bracket;
        m_first = true;
    }
    void close(char bracket)
    {
        m_bytes += bracket;
        m_first = false;
    }
    void key(const char* name)
    {
        separate();
        m_bytes += '"';
        m_bytes += name;
        m_bytes += "\":";
        m_first = true; // the value follows without a comma
    }
    void value(const QString& text)
    {
        separate();
        appendString(text);
    }
    void value(bool flag)
    {
        separate();
        m_bytes += flag ? "true" : "false";
    }
    // Empty texts are left out; the script reads a missing key as empty.
    void text(const char* name, const QString& text)
    {
        if (text.isEmpty())
            return;
        key(name);
        value(text);
    }

private:
    void separate()
    {
        if (!m_first)
            m_bytes += ',';
        m_first = false;
    }
    // "<", ">" and "&" as \u escapes, so no reader ever sees markup in the JSON; the two line
    // separators too, which old script engines do not take inside a string.
    void appendString(const QString& text)
    {
        static const char hex[] = "0123456789abcdef";
        const QByteArray utf8 = text.toUtf8();
        m_bytes += '"';
        for (qsizetype index = 0; index < utf8.size(); ++index) {
            const auto byte = static_cast<unsigned char>(utf8[index]);
            if (byte == '"' || byte == '\\') {
                m_bytes += '\\';
                m_bytes += char(byte);
            } else if (byte < 0x20 || byte == '<' || byte == '>' || byte == '&') {
                m_bytes += "\\u00";
                m_bytes += hex[byte >> 4];
                m_bytes += hex[byte & 0xF];
            } else if (byte == 0xE2 && index + 2 < utf8.size() && uchar(utf8[index + 1]) == 0x80 &&
                       (uchar(utf8[index + 2]) == 0xA8 || uchar(utf8[index + 2]) == 0xA9)) {
                m_bytes += uchar(utf8[index + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
                index += 2;
            } else {
                m_bytes += char(byte);
            }
        }
        m_bytes += '"';
    }

    QByteArray m_bytes;
    bool m_first = true;
};

void WriteCells(JsonWriter& json, const char* name, const std::vector<WebCell>& cells)
{
    json.key(name);
    json.open('[');
    for (const WebCell& cell : cells) {
        json.open('{');
        json.text("t", cell.Text);
        json.text("l", cell.Link);
        json.text("n", cell.Note);
        json.text("c", cell.Class);
        json.close('}');
    }
    json.close(']');
}

void WriteBlock(JsonWriter& json, const WebBlock& block)
{
    json.open('{');
    json.text("t", block.Title);
    json.text("l", block.Link);
    json.text("h", block.Note);
    WriteCells(json, "k", block.Heads);
    json.key("z");
    json.open('[');
    for (const WebRow& row : block.Rows) {
        json.open('{');
        WriteCells(json, "z", row.Cells);
        json.text("c", row.Class);
        json.close('}');
    }
    json.close(']');
    json.close('}');
}
} // namespace

QString WebPageHead(const QString& title, const QString& scriptPath)
{
    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    AppendElement(out, QLatin1String("title"), title);
    out += QStringLiteral("<link rel=\"stylesheet\" href=\"%1\">\n<link rel=\"icon\" href=\"%2\" "
                          "type=\"image/svg+xml\">\n<script src=\"%3\" defer></script>\n</head>\n")
               .arg(LiveStylePath(), LiveIconPath(), scriptPath);
    return out;
}

QString EscapedHtml(const QString& text)
{
    QString out;
    AppendEscaped(out, text);
    return out;
}

QByteArray WebPageHtml(const WebPage& page, const QByteArray& dataTag)
{
    QString out = WebPageHead(page.Title, LiveScriptPath());
    out.reserve(1024 + 100 * qsizetype(page.Sections.size()));
    out += QLatin1String("<body data-daten=\"");
    AppendEscaped(out, page.DataPath);
    out += QLatin1String("\" data-stand=\"");
    AppendEscaped(out, QString::fromLatin1(dataTag));
    out += QLatin1String("\">\n<header><h1 id=\"turnier\">");
    AppendEscaped(out, page.Tournament);
    out += QLatin1String("</h1>\n<p class=\"status\" id=\"status\">");
    AppendEscaped(out, page.Status);
    out += QLatin1String("</p>\n");
    AppendNavigation(out, page.Navigation);
    out += QLatin1String("</header>\n<main id=\"inhalt\">\n");
    for (const WebSection& section : page.Sections) {
        out += QLatin1String("<section>\n");
        AppendElement(out, QLatin1String("h2"), section.Title);
        out += QLatin1String("<div class=\"groups\">\n");
        for (const WebBlock& block : section.Blocks)
            AppendBlock(out, block);
        out += QLatin1String("</div>\n");
        if (!section.Note.isEmpty())
            AppendElement(out, QLatin1String("p"), section.Note, QStringLiteral("note"));
        out += QLatin1String("</section>\n");
    }
    out += QLatin1String("</main>\n<footer><p id=\"live\" class=\"live\">Live: Ergebnisse erscheinen von "
                         "selbst.</p></footer>\n</body>\n</html>\n");
    return out.toUtf8();
}

QByteArray WebPageJson(const WebPage& page)
{
    JsonWriter json;
    json.open('{');
    json.key("titel");
    json.value(page.Title);
    json.key("turnier");
    json.value(page.Tournament);
    json.key("status");
    json.value(page.Status);
    json.key("navigation");
    json.open('[');
    for (const WebLink& link : page.Navigation) {
        json.open('{');
        json.key("t");
        json.value(link.Text);
        json.key("l");
        json.value(link.Target);
        if (link.Current) {
            json.key("c");
            json.value(true);
        }
        json.close('}');
    }
    json.close(']');
    json.key("abschnitte");
    json.open('[');
    for (const WebSection& section : page.Sections) {
        json.open('{');
        json.text("t", section.Title);
        json.text("h", section.Note);
        json.key("b");
        json.open('[');
        for (const WebBlock& block : section.Blocks)
            WriteBlock(json, block);
        json.close(']');
        json.close('}');
    }
    json.close(']');
    json.close('}');
    return json.take();
}

QByteArray LiveStyleSheet()
{
    return PublishedStyleSheet() + QByteArrayLiteral(R"css(/* Live pages */
td a, h3 a { color: #0b3d91; }
tr.own td { background: #dce9fb; font-weight: bold; }
footer { margin-top: 1.5rem; border-top: 1px solid #bbb; }
p.live { font-size: 0.85rem; color: #1a6b2a; }
p.live.offline { color: #a31515; font-weight: bold; }
/* A referee's entry page: large targets for a thumb */
body.eingabe main { max-width: 34rem; }
form.spiel { border: 2px solid #bbb; border-radius: 0.5rem; padding: 0.6rem 0.8rem 0.8rem; margin: 0 0 1rem; }
form.spiel.aktuell { border-color: #0b3d91; background: #f3f6fc; }
form.spiel p { margin: 0.2rem 0; }
p.wann { font-size: 0.9rem; color: #333; }
p.paarung { font-size: 1.25rem; font-weight: bold; }
p.eingetragen { color: #1a6b2a; font-weight: bold; }
form label { display: block; margin: 0.6rem 0 0.2rem; font-weight: bold; }
form input[type=text] {
  width: 100%; font-size: 1.6rem; padding: 0.5rem 0.6rem; min-height: 3.2rem;
  border: 2px solid #555; border-radius: 0.4rem;
}
form button {
  width: 100%; min-height: 3.4rem; margin-top: 0.6rem; font-size: 1.3rem; font-weight: bold;
  color: #fff; background: #0b3d91; border: none; border-radius: 0.4rem;
}
form button:disabled { background: #777; }
p.vorschau { min-height: 1.5rem; font-size: 1.1rem; }
p.vorschau.ok { color: #1a6b2a; font-weight: bold; }
p.vorschau.fehler, p.meldung.fehler { color: #a31515; }
p.meldung { padding: 0.7rem 0.8rem; border-radius: 0.4rem; font-size: 1.1rem; font-weight: bold; }
p.meldung.ok { background: #e3f4e6; color: #1a6b2a; }
p.meldung.fehler { background: #fbe4e4; }
td.stand.ok { color: #1a6b2a; font-weight: bold; }
td.stand.abgelehnt, td.stand.konflikt { color: #a31515; font-weight: bold; }
td.stand.alt { color: #666; }
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
