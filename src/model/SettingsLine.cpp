#include "model/SettingsLine.h"

#include "model/TournamentSettings.h"

namespace {
QChar flag(bool on, char onDigit, char offDigit)
{
    return QLatin1Char(on ? onDigit : offDigit);
}

QChar scopeDigit(CompareScope scope)
{
    switch (scope) {
    case CompareScope::SameRound:
        return u'1';
    case CompareScope::SameAndLastRound:
        return u'2';
    case CompareScope::WholeTournament:
        return u'3';
    case CompareScope::None:
        break;
    }
    return u'0'; // selects none of the three when read back
}

QChar symmetryDigit(PlanSymmetryMode symmetry)
{
    switch (symmetry) {
    case PlanSymmetryMode::GroupSymmetric:
        return u'1';
    case PlanSymmetryMode::LeagueSymmetric:
        return u'2';
    case PlanSymmetryMode::None:
        break;
    }
    return u'0';
}

QChar targetDigit(GameListDestination target)
{
    switch (target) {
    case GameListDestination::OneFile:
        return u'1';
    case GameListDestination::FilePerTeam:
        return u'2';
    case GameListDestination::Print:
        break;
    }
    return u'3';
}

CompareScope scopeOf(QChar digit)
{
    if (digit == u'1')
        return CompareScope::SameRound;
    if (digit == u'2')
        return CompareScope::SameAndLastRound;
    if (digit == u'3')
        return CompareScope::WholeTournament;
    return CompareScope::None;
}

PlanSymmetryMode symmetryOf(QChar digit)
{
    if (digit == u'1')
        return PlanSymmetryMode::GroupSymmetric;
    if (digit == u'0')
        return PlanSymmetryMode::None;
    return PlanSymmetryMode::LeagueSymmetric;
}

GameListDestination targetOf(QChar digit)
{
    if (digit == u'1')
        return GameListDestination::OneFile;
    if (digit == u'2')
        return GameListDestination::FilePerTeam;
    return GameListDestination::Print;
}
} // namespace

QString WriteSettingsLine(const TournamentSettings& settings)
{
    QString line;
    line += flag(settings.RefereesEnabled, '1', '0');
    line += flag(settings.FormattedOutput, '1', '2');
    line += flag(settings.Structured, '1', '2');
    line += flag(settings.PausesSorted, '1', '0');
    line += u'x';
    line += flag(settings.GroupsPerLine == 1, '1', '2');
    line += flag(settings.BlankLineBetweenGames, '1', '2');
    line += flag(settings.SetPriority, '1', '0');
    line += flag(settings.DirectCompareNeedsPlusPoints, '1', '0');
    line += flag(settings.DirectCompareNeedsGoalDiff, '1', '0');
    line += flag(settings.DirectCompareNeedsPlusGoals, '1', '0');
    line += scopeDigit(settings.DirectCompareScope);
    line += flag(settings.DirectCompareNeedsPlusSets, '1', '0');
    line += flag(settings.PointsSystem == 2, '2', '3');
    line += flag(settings.WithSets, '1', '0');
    line += flag(settings.SpareFlag, '1', '0');
    line += flag(settings.ContextHelpActive, '1', '0');
    line += flag(settings.KeepPlanUpdated, '1', '0');
    line += symmetryDigit(settings.PlanSymmetry);
    line += targetDigit(settings.GameListTarget);
    line += flag(settings.PlanChanged, '1', '0');
    if (settings.OptimiseAllocation)
        line += u'1';
    return line;
}

void ApplySettingsLine(TournamentSettings& settings, const QString& line)
{
    // Positions count from 1; a position beyond the line matches no digit.
    const auto at = [&line](int position) {
        return position <= line.size() ? line.at(position - 1) : QChar();
    };
    const auto isOne = [&at](int position) { return at(position) == u'1'; };

    settings.RefereesEnabled = isOne(1);
    settings.FormattedOutput = isOne(2);
    settings.Structured = isOne(3);
    settings.PausesSorted = isOne(4);
    settings.GroupsPerLine = isOne(6) ? 1 : 2;
    settings.BlankLineBetweenGames = isOne(7);
    settings.SetPriority = isOne(8);
    settings.DirectCompareNeedsPlusPoints = isOne(9);
    settings.DirectCompareNeedsGoalDiff = isOne(10);
    settings.DirectCompareNeedsPlusGoals = isOne(11);
    settings.DirectCompareScope = scopeOf(at(12));
    settings.DirectCompareNeedsPlusSets = isOne(13);
    settings.PointsSystem = at(14) == u'2' ? 2 : 3;
    settings.WithSets = isOne(15);
    settings.SpareFlag = isOne(16);
    settings.ContextHelpActive = isOne(17);
    settings.KeepPlanUpdated = isOne(18);
    settings.PlanSymmetry = symmetryOf(at(19));
    settings.GameListTarget = targetOf(at(20));
    settings.PlanChanged = at(21) != u'0';
    settings.OptimiseAllocation = isOne(22);
}
