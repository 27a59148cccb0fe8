#include "help/SettingsSnapshot.h"

#include "model/Limits.h"
#include "model/TournamentSettings.h"

namespace {
constexpr int NumberFieldLength = Limits::SettingNumberLength;
constexpr int MaxFieldsPerLineShown = 4;

QChar flag(bool on)
{
    return on ? QLatin1Char('1') : QLatin1Char('0');
}

QChar scopeDigit(CompareScope scope)
{
    switch (scope) {
    case CompareScope::SameRound:
        return QLatin1Char('1');
    case CompareScope::SameAndLastRound:
        return QLatin1Char('2');
    case CompareScope::WholeTournament:
        return QLatin1Char('3');
    case CompareScope::None:
        break;
    }
    return QLatin1Char('0');
}

CompareScope scopeOf(QChar digit)
{
    if (digit == QLatin1Char('1'))
        return CompareScope::SameRound;
    if (digit == QLatin1Char('2'))
        return CompareScope::SameAndLastRound;
    if (digit == QLatin1Char('3'))
        return CompareScope::WholeTournament;
    return CompareScope::None;
}

// Position `index` of the flags; a snapshot that is too short reads as "0".
bool flagAt(const QString& flags, int index)
{
    return index < flags.size() && flags[index] == QLatin1Char('1');
}
} // namespace

SettingsSnapshot TakeSettingsSnapshot(const TournamentSettings& settings)
{
    SettingsSnapshot snapshot;
    snapshot.FieldsPerLine = settings.FieldsPerLine.left(NumberFieldLength);
    snapshot.SearchDepth = settings.SearchDepth.left(NumberFieldLength);
    snapshot.Flags = QString(flag(settings.GroupsPerLine == 1)) + flag(settings.FormattedOutput) +
                     flag(settings.RefereesEnabled) + flag(settings.BlankLineBetweenGames) +
                     flag(settings.DirectCompareNeedsPlusPoints) + flag(settings.DirectCompareNeedsGoalDiff) +
                     flag(settings.DirectCompareNeedsPlusGoals) + scopeDigit(settings.DirectCompareScope) +
                     flag(settings.DirectCompareNeedsPlusSets);
    snapshot.OptimiseAllocation = settings.OptimiseAllocation;
    return snapshot;
}

void RestoreSettingsSnapshot(TournamentSettings& settings, const SettingsSnapshot& snapshot)
{
    const QString& flags = snapshot.Flags;
    settings.FieldsPerLine = snapshot.FieldsPerLine;
    settings.SearchDepth = snapshot.SearchDepth;
    settings.GroupsPerLine = flagAt(flags, 0) ? 1 : 2;
    settings.FormattedOutput = flagAt(flags, 1);
    settings.RefereesEnabled = flagAt(flags, 2);
    settings.BlankLineBetweenGames = flagAt(flags, 3);
    settings.DirectCompareNeedsPlusPoints = flagAt(flags, 4);
    settings.DirectCompareNeedsGoalDiff = flagAt(flags, 5);
    settings.DirectCompareNeedsPlusGoals = flagAt(flags, 6);
    settings.DirectCompareScope = flags.size() > 7 ? scopeOf(flags[7]) : CompareScope::None;
    settings.DirectCompareNeedsPlusSets = flagAt(flags, 8);
    settings.OptimiseAllocation = snapshot.OptimiseAllocation;
}

QString CappedFieldsPerLine(const QString& text)
{
    bool isNumber = false;
    const int fields = text.trimmed().toInt(&isNumber);
    return isNumber && fields > MaxFieldsPerLineShown ? QString::number(MaxFieldsPerLineShown) : text;
}
