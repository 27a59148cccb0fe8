#pragma once

#include <QString>

class Prompter;
struct TournamentState;

inline const QString DefaultSearchDepth = QStringLiteral("50");

struct SettingsAcceptance {
    QString searchDepthText; // the text the search-depth field shows afterwards
    bool closes = false;     // the dialog closes
    bool renderPlan = false; // the plan is kept up to date and should be rendered again
};

// "&OK" of the settings dialog: the search depth must be a whole number, written back in normal
// form; anything else gives the message, "50", and the dialog stays open.
SettingsAcceptance AcceptSettings(TournamentState& state, const QString& searchDepthText, Prompter& prompter);
