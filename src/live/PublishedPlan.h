#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class Prompter;
class TextGrid;
struct TournamentState;

// One file of the published plan.
struct PublishedFile {
    QString Name;
    QByteArray Content; // UTF-8
};

// The file names of the published plan.
QString PublishedIndexName();          // "index.html"
QString PublishedStyleName();          // "korvane.css"
QString PublishedRoundName(int round); // "runde-2.html"

// A small static web site of the tournament: index.html with every round, one page per round
// with its group tables, its games with their results and its time plan per field, and one
// stylesheet. Every text is escaped; the pages read well on a phone. Reads the schedule grid
// (rendered, so the tables are in it) and the time plan grid; changes nothing.
std::vector<PublishedFile> BuildPublishedPlan(const TournamentState& state, const TextGrid& timePlan);

// Writes the plan into `folder` (made when missing). Each file is replaced as a whole, so a web
// server never sends half a page; files of the folder that the plan does not name stay.
// A failure shows "Speichern der Datei <name> nicht möglich" and stops; false then.
bool PublishPlan(const TournamentState& state, const TextGrid& timePlan, const QString& folder,
                 Prompter& prompter);
