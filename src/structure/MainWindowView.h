#pragma once

#include <QString>
#include <QStringList>

struct TournamentState;

// What RefreshMainWindow shows, read from the state in one go.
struct MainWindowView {
    QString rounds;         // "Runden"
    QString games;          // "Spiele"
    QString gameLength;     // "Spiellänge"
    QString round;          // round display
    QString fields;         // "Spielplätze"
    bool oneFieldPerGroup;  // "ein Platz pro Gruppe", shown without running its click action
    QStringList groupLines; // "1) 1 Gruppe 1 (4) einf"
    QString savedText;      // "gespeichert" / "nicht gespeichert"
};

MainWindowView BuildMainWindowView(const TournamentState& state);

// A click on line `lineIndex` (0-based) of the group list: remembers it and fills the list of
// teams with the names known so far, in position order.
void SelectGroupInRound(TournamentState& state, int lineIndex);

// The list of teams shows green when every position of the selected group has a name.
bool TeamListComplete(const TournamentState& state);

// The saved indicator: "gespeichert" or "nicht gespeichert".
QString SavedText(const TournamentState& state);
