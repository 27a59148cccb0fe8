#include "structure/ScheduleCheck.h"

#include "model/TournamentState.h"
#include "results/ScheduleGrid.h"
#include "structure/Referrals.h"

#include <algorithm>

namespace {
const QString NoErrorsFound = QStringLiteral(" Uhr: keine Fehler gefunden");

// Walks the existing groups with their placements and tells who found an error.
class ScheduleChecker {
public:
    ScheduleChecker(TournamentState& state, bool deleteFaults)
        : m_state(state), m_deleteFaults(deleteFaults),
          m_deletedMark(deleteFaults ? QStringLiteral(" (gelöscht)") : QString()),
          m_lastGroup(std::min(TotalGroups(state), Limits::MaxGroups))
    {
    }

    void checkRounds();
    void checkTargets();
    void checkOrder();
    void checkDeadEnds();

    bool noErrors() const { return m_noErrors; }
    QStringList lines() const { return m_lines; }

private:
    int placements(int group) const
    {
        return std::clamp(m_state.TeamsInGroup[std::size_t(group)], 0, Limits::MaxPositions);
    }
    const Referral& referral(int group, int place) const
    {
        return m_state.ReferralTable[std::size_t(group)][std::size_t(place)];
    }
    bool isReferred(int group, int place) const { return referral(group, place).ToGroup > 0; }
    QString name(int group) const
    {
        return IsGroupIndex(group) ? m_state.NameTable[std::size_t(group)][0] : QString();
    }
    // "2.Gruppe A (Gruppe 3)"
    QString placement(int place, int group) const
    {
        return QStringLiteral("%1.%2 (Gruppe %3)").arg(place).arg(name(group)).arg(group);
    }
    bool targetExists(int group, int slot) const
    {
        return group <= m_lastGroup && slot >= 1 && slot <= placements(group);
    }
    void reportError(const QString& line, int group, int place, bool deletable);

    TournamentState& m_state;
    bool m_deleteFaults;
    QString m_deletedMark;
    int m_lastGroup;
    bool m_noErrors = true;
    QStringList m_lines;
};

void ScheduleChecker::reportError(const QString& line, int group, int place, bool deletable)
{
    m_lines << line;
    m_noErrors = false;
    if (deletable && m_deleteFaults) {
        RemoveOutgoingReferral(m_state, group, place);
        MarkChanged(m_state, QStringLiteral("fehlerhafte Verweise gelöscht"));
    }
}

// A referral leads into the round directly after its own.
void ScheduleChecker::checkRounds()
{
    for (int group = 1; group <= m_lastGroup; ++group) {
        for (int place = 1; place <= placements(group); ++place) {
            const int target = referral(group, place).ToGroup;
            if (target <= 0 || RoundOfGroup(m_state, target) == RoundOfGroup(m_state, group) + 1)
                continue;
            reportError(placement(place, group) +
                            QStringLiteral(" wird nicht in die folgende Runde verwiesen ! (Zielgruppe %1 %2)")
                                .arg(target)
                                .arg(name(target)) +
                            m_deletedMark,
                        group, place, true);
        }
    }
}

void ScheduleChecker::checkTargets()
{
    for (int group = 1; group <= m_lastGroup; ++group) {
        for (int place = 1; place <= placements(group); ++place) {
            const Referral& link = referral(group, place);
            if (link.ToGroup <= 0 || targetExists(link.ToGroup, link.ToSlot))
                continue;
            reportError(
                placement(place, group) + QStringLiteral(" wird auf einen nicht vorhandenen Platz (") +
                    placement(link.ToSlot, link.ToGroup) + QStringLiteral(") verwiesen ") + m_deletedMark,
                group, place, true);
        }
    }
}

// Whoever is referred, every better placement must be referred as well.
void ScheduleChecker::checkOrder()
{
    for (int group = 1; group <= m_lastGroup; ++group) {
        bool previousReferred = isReferred(group, 1);
        for (int place = 1; place <= placements(group); ++place) {
            const bool referred = isReferred(group, place);
            if (referred && !previousReferred)
                reportError(placement(place - 1, group) +
                                QStringLiteral(
                                    " hat keinen Verweis, aber schlechter platzierte Mannschaft(en) schon !"),
                            group, place, false);
            previousReferred = referred;
        }
    }
}

// A notice only: it is no error that nobody advances.
void ScheduleChecker::checkDeadEnds()
{
    for (int group = 1; group <= m_lastGroup; ++group) {
        bool anyReferred = false;
        for (int place = 1; place <= placements(group); ++place)
            anyReferred = anyReferred || isReferred(group, place);
        if (!anyReferred && RoundOfGroup(m_state, group) < m_state.RoundCount)
            m_lines << QStringLiteral("aus %1 (Gruppe %2) erreicht niemand die nächste Runde")
                           .arg(name(group))
                           .arg(group);
    }
}

// The locale's time format without its time-zone letters; quoted literals stay untouched.
QString WithoutTimeZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (const QChar character : format) {
        if (character == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || character != QLatin1Char('t'))
            result += character;
    }
    return result.trimmed();
}
} // namespace

QStringList CheckSchedule(TournamentState& state, bool deleteFaults, const QString& timeText)
{
    ScheduleChecker checker(state, deleteFaults);
    checker.checkRounds();
    checker.checkTargets();
    checker.checkOrder();
    checker.checkDeadEnds();
    if (deleteFaults)
        RenderScheduleGrid(state);
    QStringList lines = checker.lines();
    if (checker.noErrors())
        lines << timeText + NoErrorsFound;
    if (deleteFaults && state.Settings.KeepPlanUpdated)
        RenderScheduleGrid(state);
    return lines;
}

bool ScheduleCheckPassed(const QStringList& lines)
{
    return !lines.isEmpty() && lines.last().endsWith(NoErrorsFound);
}

QString LongTimeText(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}
