#pragma once

#include <QString>

// Where the head-to-head comparison looks for the games of the tied teams.
enum class CompareScope { None, SameRound, SameAndLastRound, WholeTournament };
enum class PlanSymmetryMode { None, GroupSymmetric, LeagueSymmetric };
enum class GameListDestination { OneFile, FilePerTeam, Print };

// The settings that belong to a tournament and travel with it in its file.
struct TournamentSettings {
    bool RefereesEnabled = true;
    bool FormattedOutput = false;
    bool Structured = false;
    bool PausesSorted = false;
    int GroupsPerLine = 2; // 1 or 2 groups side by side in a printed line
    bool BlankLineBetweenGames = false;
    bool SetPriority = true;
    bool DirectCompareNeedsPlusPoints = true;
    bool DirectCompareNeedsGoalDiff = true;
    bool DirectCompareNeedsPlusGoals = true;
    bool DirectCompareNeedsPlusSets = true;
    CompareScope DirectCompareScope = CompareScope::WholeTournament;
    int PointsSystem = 2; // 2 or 3 points for a win
    bool WithSets = false;
    bool SpareFlag = false;
    bool ContextHelpActive = true;
    bool KeepPlanUpdated = true;
    PlanSymmetryMode PlanSymmetry = PlanSymmetryMode::LeagueSymmetric;
    GameListDestination GameListTarget = GameListDestination::OneFile;
    bool PlanChanged = true;
    // "Platzverteilung optimieren": the allocation improves every round with a stronger search.
    bool OptimiseAllocation = false;
    QString FieldsPerLine = QStringLiteral("2");
    QString SearchDepth = QStringLiteral("50");
    QString EmailSeparator = QStringLiteral(",");
    QString CertificateTemplate = QStringLiteral("Urkunde.rtf");

    bool operator==(const TournamentSettings&) const = default;
};
