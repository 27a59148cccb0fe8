#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// One page of the live plan as plain data. The server writes it as HTML for the first load and
// as JSON for the updates; the page's script draws the JSON the way the HTML writer draws the
// page, so both always show the same.

struct WebCell {
    QString Text;
    QString Link;  // a path of the live plan; empty: plain text
    QString Note;  // a second, smaller line ("Schiedsrichter: ...")
    QString Class; // "num", "time", "result", "open"
};

struct WebRow {
    std::vector<WebCell> Cells;
    QString Class; // "next": the field's next game; "own": the team of a team page
};

// A table with its title: a group table, a field's games, a list of links.
struct WebBlock {
    QString Title;
    QString Link; // where the title leads; empty: plain text
    std::vector<WebCell> Heads;
    std::vector<WebRow> Rows;
    QString Note; // below the table
};

struct WebSection {
    QString Title;
    std::vector<WebBlock> Blocks;
    QString Note; // instead of the blocks when there are none
};

struct WebLink {
    QString Text;
    QString Target;
    bool Current = false;
};

struct WebPage {
    QString Title; // the document title
    QString Tournament;
    QString Status;
    QString DataPath; // the JSON of this page, "/daten/runde/2"
    std::vector<WebLink> Navigation;
    std::vector<WebSection> Sections;

    // What the page shows of the tournament, so that it is built anew only when that changes: the
    // rounds whose games, results and tables it shows, and whether it reads the names and time
    // plans of every round besides (the overview lists every team, a team's page looks for it).
    std::vector<int> SourceRounds;
    bool ReadsEveryRound = false;
};

// The page as HTML: UTF-8, every text escaped, no inline script or style, the stylesheet and the
// script from the server. `dataTag` is the JSON's entity tag, so the first poll costs a 304.
QByteArray WebPageHtml(const WebPage& page, const QByteArray& dataTag);
// The start of every page of the live plan up to its </head>: the title, the stylesheet, the icon
// and the page's script.
QString WebPageHead(const QString& title, const QString& scriptPath);
// The text with <, >, & and " as entities, for an element or an attribute.
QString EscapedHtml(const QString& text);
// The page as compact JSON, UTF-8; "<", ">" and "&" are written as \u escapes, so no reader
// ever sees markup in it.
QByteArray WebPageJson(const WebPage& page);

// The stylesheet, the script and the icon of the live pages, served from memory.
QByteArray LiveStyleSheet();
QByteArray LiveScript();
QByteArray LiveIcon(); // SVG

// The paths of the live plan. A team's name is one path segment, percent-encoded UTF-8.
QString LiveIndexPath();                       // "/"
QString LiveRoundPath(int round);              // "/runde/2"
QString LiveFieldPath(int field);              // "/platz/3"
QString LiveTeamPath(const QString& team);     // "/mannschaft/FC%20Stra%C3%9Fberg%2009"
QString LiveDataPath(const QString& pagePath); // "/daten/runde/2"; "/daten" for the overview
QString LiveStylePath();                       // "/korvane.css"
QString LiveScriptPath();                      // "/korvane.js"
QString LiveIconPath();                        // "/korvane.svg"
