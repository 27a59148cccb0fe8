#pragma once

#include "live/RefereeEntry.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The entry page of a field's referee, "/platz/F/eingabe": mobile first, large touch targets. Each
// of the field's current and next games is a form that posts to the page with the fields
// "gruppe", "spiel", "code", "token" and "tore" (with sets "saetze"). Without the field's code the
// page asks for it. Below the games the results sent from this field with what the desk made of
// them; the page's script asks for those every few seconds and shows the typed result in words.

struct RefereeSentResult {
    int Number = 0;
    QString Game;   // "Gruppe A, Spiel 5: FC Straßberg 09 – TSV Lindau"
    QString Result; // "3 : 1"
    QString State;  // "wartet auf den Turniertisch", "übernommen", "abgelehnt", ...
    QString Class;  // "wartet", "ok", "abgelehnt"
};

struct RefereePage {
    enum class Notice { None, Done, Refused };

    QString Tournament;
    int Field = 0;
    bool WithSets = false;
    QString Code;     // empty: the page asks for the code
    QByteArray Token; // the forms' anti-forgery token
    Notice NoticeKind = Notice::None;
    QString NoticeText;
    std::vector<FieldGame> Games; // the current game first
    std::vector<RefereeSentResult> Sent;
    // After a refused entry its form keeps what was typed.
    int KeptGroup = 0;
    int KeptGame = 0;
    QString KeptText;
};

QByteArray RefereePageHtml(const RefereePage& page);
// What the page's script asks for: the sent results with their state, and a mark of the games
// offered, so the page loads anew when the next game is due.
QByteArray RefereePageJson(const RefereePage& page);

QString RefereePagePath(int field);                      // "/platz/3/eingabe"
QString RefereePageLink(int field, const QString& code); // "/platz/3/eingabe?code=123456"
QString RefereeScriptPath();                             // "/eingabe.js"
QByteArray RefereeScript();
