#include "model/SettingsLine.h"
#include "model/TextUtil.h"
#include "model/TournamentFile.h"
#include "model/TournamentFileFormat.h"
#include "model/TournamentFileLines.h"
#include "model/TournamentState.h"

#include <QDir>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>
#include <vector>

namespace Format = TournamentFileFormat;

namespace {
using Lines = TournamentFileLines;

// Lines 6 and 7 hold the same short number text; the settings dialog's field takes 5 characters.
QString ReadFieldsPerLine(Lines& in)
{
    const QString line = in.text();
    if (line.size() > Limits::SettingNumberLength)
        in.fail(QuotedLine(line) + QStringLiteral(" ist länger als %1 Zeichen (Plätze pro Zeile).")
                                       .arg(Limits::SettingNumberLength));
    const QString repeated = in.text();
    if (repeated != line)
        in.fail(QuotedLine(repeated) + QStringLiteral(" weicht von Zeile %1 ab (%2); beide Zeilen nennen die "
                                                      "Plätze pro Zeile.")
                                           .arg(in.lineNumber() - 1)
                                           .arg(QuotedLine(line)));
    return line;
}

// The depth bounds the work of every allocation run, so a file may ask for no more than the
// settings dialog's five characters hold. A text that is no number stays: the run reports it.
QString ReadSearchDepth(Lines& in)
{
    const QString line = in.text();
    bool isNumber = false;
    const qlonglong depth = line.trimmed().toLongLong(&isNumber, 10);
    if (isNumber && (depth < Limits::MinSearchDepth || depth > Limits::MaxSearchDepth)) {
        in.fail(QStringLiteral("%1 liegt außerhalb von %2 bis %3 (Rechentiefe).")
                    .arg(QuotedLine(line))
                    .arg(Limits::MinSearchDepth)
                    .arg(Limits::MaxSearchDepth));
    }
    if (!isNumber && line.size() > Limits::SettingNumberLength)
        in.fail(QuotedLine(line) + QStringLiteral(" ist keine Zahl (Rechentiefe)."));
    return line;
}

// Game lengths beyond a day are cut to a day: the main window's field took any number of digits,
// so older files may hold them, and the clock counts minutes of a day.
int ReadGameLength(Lines& in, const QString& what)
{
    const int minutes = in.number(0, INT_MAX, what);
    if (minutes <= Limits::MinutesPerDay)
        return minutes;
    in.notice(QStringLiteral("%1: %2 Minuten sind länger als ein Tag; es gelten %3 Minuten.")
                  .arg(what)
                  .arg(minutes)
                  .arg(Limits::MinutesPerDay));
    return Limits::MinutesPerDay;
}

void ReadHeader(Lines& in, TournamentState& state)
{
    TournamentSettings& settings = state.Settings;
    state.TournamentName = in.text(Limits::StoredTextLength, QStringLiteral("Turniername"));
    in.skip(); // version
    in.skip(); // free text
    in.skip(); // sport
    ApplySettingsLine(settings, in.text());
    state.SetsWord = settings.WithSets ? QStringLiteral("Sätze") : QString();
    settings.FieldsPerLine = ReadFieldsPerLine(in);
    settings.SearchDepth = ReadSearchDepth(in);
    state.DefaultGameLength = ReadGameLength(in, QStringLiteral("Spiellänge"));
    state.TimeAnchorIsStart = in.text() == Format::AnchorStart;
    const QString time = CutText(in.text(), Limits::TimeTextLength);
    (state.TimeAnchorIsStart ? state.StartTime : state.EndTime) = time;
    const QString templatePath = in.text(Limits::PathLength, QStringLiteral("Urkundenvorlage"));
    if (templatePath != Format::ReserveLine) {
        settings.CertificateTemplate = templatePath.size() < Format::MinTemplateLength
                                           ? QDir(state.WorkDir).filePath(Format::DefaultTemplateName)
                                           : templatePath;
    }
    const QString separator = in.text(Limits::PoolTextLength, QStringLiteral("Trennzeichen"));
    if (separator != Format::ReserveLine)
        settings.EmailSeparator = separator;
    for (int i = 0; i < Format::ReserveLineCount; ++i)
        in.skip();
}

// Adds one pool entry, not ticked for e-mail; the name list and the pool keep the same names.
void AddPoolName(TournamentState& state, const QString& name)
{
    const int index = state.NamePoolCount + 1;
    state.NamePool[index].Name = CutText(name, Limits::PoolTextLength);
    state.NamePool[index].Marker = QStringLiteral("0");
    state.NameList.append(state.NamePool[index].Name);
    state.NamePoolCount = index;
}

void ReadPoolNames(Lines& in, TournamentState& state)
{
    const int count = in.number(0, Limits::MaxPoolEntries, QStringLiteral("Anzahl der Namen"));
    state.NameList.clear();
    state.NamePoolCount = 0;
    for (int i = 1; i <= count; ++i)
        AddPoolName(state, in.text());
}

void ReadRounds(Lines& in, TournamentState& state)
{
    state.RoundCount = in.number(1, Limits::MaxRounds, QStringLiteral("Anzahl der Runden"));
    int groups = 0;
    for (int round = 1; round <= state.RoundCount; ++round) {
        state.GroupsInRound[round] =
            in.number(0, Limits::MaxGroups - groups, QStringLiteral("Gruppen der Runde %1").arg(round));
        groups += state.GroupsInRound[round];
        state.FieldsInRound[round] =
            in.number(0, Limits::MaxFields, QStringLiteral("Spielplätze der Runde %1").arg(round));
        state.GameLengthInRound[round] =
            ReadGameLength(in, QStringLiteral("Spiellänge der Runde %1").arg(round));
        state.OneFieldPerGroup[round] = in.text() == Format::OneFieldPerGroupWord;
    }
}

void ReadGroups(Lines& in, TournamentState& state)
{
    const int groups = TotalGroups(state); // at most MaxGroups, checked by ReadRounds
    for (int group = 1; group <= groups; ++group) {
        const int teams =
            in.number(0, Limits::MaxPositions, QStringLiteral("Positionen der Gruppe %1").arg(group));
        state.TeamsInGroup[group] = teams;
        state.ReturnLeg[group] = in.text() == Format::ReturnLegWord;
        for (int slot = 0; slot <= teams; ++slot)
            state.NameTable[group][slot] = in.text(Limits::StoredTextLength, QStringLiteral("Name"));
    }
}

void ReadBreaks(Lines& in, TournamentState& state)
{
    const int count = in.number(0, INT_MAX, QStringLiteral("Anzahl der Pausen"));
    for (int i = 0; i < count; ++i)
        state.PauseList.append(in.text(Limits::PauseLineLength, QStringLiteral("Pause")));
}

void ReadReferrals(Lines& in, TournamentState& state)
{
    const int count = in.number(0, Format::MaxReferralEntries, QStringLiteral("Anzahl der Verweise"));
    constexpr int Side = Limits::MaxReferralIndex + 1;
    std::vector<int> firstLine(std::size_t(Side) * Side, 0); // where each index pair was read
    for (int k = 0; k < count; ++k) {
        const int i = in.number(0, Limits::MaxReferralIndex, QStringLiteral("Verweis, Gruppe"));
        const int line = in.lineNumber();
        const int j = in.number(0, Limits::MaxReferralIndex, QStringLiteral("Verweis, Position"));
        int& seen = firstLine[std::size_t(i) * Side + j];
        if (seen != 0)
            Lines::failAt(
                line, QStringLiteral("Der Verweis %1/%2 steht schon in Zeile %3.").arg(i).arg(j).arg(seen));
        seen = line;
        Referral entry;
        entry.FromGroup = in.number(0, Limits::MaxGroups, QStringLiteral("Verweis, kommt von Gruppe"));
        entry.FromPlace = in.number(0, Limits::MaxPositions, QStringLiteral("Verweis, kommt von Platz"));
        entry.ToGroup = in.number(0, Limits::MaxGroups, QStringLiteral("Verweis, geht in Gruppe"));
        entry.ToSlot = in.number(0, Limits::MaxPositions, QStringLiteral("Verweis, geht auf Position"));
        state.ReferralTable[i][j] = entry;
    }
}

void ReadResults(Lines& in, TournamentState& state)
{
    const int count = in.number(0, Limits::MaxResults, QStringLiteral("Anzahl der Ergebnisse"));
    for (int k = 1; k <= count; ++k) {
        GameResult result;
        result.Group = in.number(1, Limits::MaxGroups, QStringLiteral("Gruppe eines Ergebnisses"));
        result.Game = in.number(1, Format::MaxGameNumber, QStringLiteral("Spiel eines Ergebnisses"));
        result.ScoreText = in.text(Limits::StoredTextLength, QStringLiteral("Ergebnis"));
        result.SetsFirst = in.anyNumber(QStringLiteral("Sätze"));
        result.SetsSecond = in.anyNumber(QStringLiteral("Sätze"));
        result.GoalsFirst = in.anyNumber(QStringLiteral("Tore"));
        result.GoalsSecond = in.anyNumber(QStringLiteral("Tore"));
        // Stored only when complete, so that ResultCount never counts a half-read record.
        state.ResultTable[k] = result;
        state.ResultCount = k;
        state.GroupHasResults[result.Group] = true;
    }
}

struct GridSize {
    int columns = 0;
    int rows = 0;
};

// The largest field plan the tournament read so far can have: its schedule grid (five columns per
// group of the widest round, the tallest group of every round) or its time plan (three columns
// per field, two rows per slot, at most one slot per game and 900 per round, four rows per break
// and at most one break after each slot), whichever is larger.
GridSize LargestFieldPlan(const TournamentState& state)
{
    int widestRound = 0;
    int mostFields = 0;
    int scheduleRows = 4;
    int timePlanRows = 4;
    int breakChances = 0;
    for (int round = 1; round <= state.RoundCount; ++round) {
        widestRound = std::max(widestRound, state.GroupsInRound[round]);
        mostFields = std::max(mostFields, state.FieldsInRound[round]);
        int tallestGroup = 0;
        int games = 0;
        for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group) {
            tallestGroup =
                std::max(tallestGroup, 2 * state.TeamsInGroup[group] + GroupGameCount(state, group) + 9);
            games += GroupGameCount(state, group);
        }
        scheduleRows += tallestGroup;
        const int slotCount = std::clamp(games, 1, Limits::MaxSlotsPerRound);
        timePlanRows += 3 + 2 * slotCount + 4;
        breakChances += slotCount;
    }
    timePlanRows += 4 * int(std::min<qsizetype>(state.PauseList.size(), breakChances));
    return {std::max(5 * widestRound + 1, 3 * mostFields + 2),
            std::min(std::max({scheduleRows, timePlanRows, 10}), Format::MaxFieldPlanRows)};
}

// The plan is only ever as large as its tournament needs; a larger size is that of a plan computed
// before groups were removed, or damage. The grid keeps the size the tournament can need, so a
// few lines cannot claim much memory; cells beyond it are left out with a notice (the next
// allocation run computes the plan anew).
void ReadFieldPlan(Lines& in, TournamentState& state)
{
    TextGrid& plan = state.FieldPlan;
    const int columns =
        in.number(0, Format::MaxFieldPlanColumns, QStringLiteral("Spalten der Platzverteilung"));
    const int rows = in.number(0, Format::MaxFieldPlanRows, QStringLiteral("Zeilen der Platzverteilung"));
    const int sizeLine = in.lineNumber();
    const GridSize largest = LargestFieldPlan(state);
    plan.resize(std::min(columns, largest.columns), std::min(rows, largest.rows));
    const int count = in.number(0, columns * rows, QStringLiteral("Zellen der Platzverteilung"));
    int leftOut = 0;
    for (int k = 0; k < count; ++k) {
        const int col = in.number(0, columns - 1, QStringLiteral("Spalte einer Zelle"));
        const int row = in.number(0, rows - 1, QStringLiteral("Zeile einer Zelle"));
        const QString text = in.text(Limits::StoredTextLength, QStringLiteral("Zelle der Platzverteilung"));
        const QString tag = in.text(Limits::StoredTextLength, QStringLiteral("Zelle der Platzverteilung"));
        if (!plan.contains(col, row)) {
            ++leftOut;
            continue;
        }
        plan.setCell(col, row, text);
        plan.setTag(col, row, tag);
    }
    if (leftOut > 0) {
        in.noticeAt(sizeLine,
                    QStringLiteral("Die Platzverteilung (%1 x %2) ist größer, als dieses Turnier sie "
                                   "braucht (%3 x %4); Zellen außerhalb davon (%5) wurden weggelassen. "
                                   "Die nächste Berechnung der Platzverteilung erstellt sie neu.")
                        .arg(columns)
                        .arg(rows)
                        .arg(plan.columnCount())
                        .arg(plan.rowCount())
                        .arg(leftOut));
    }
}

void ReadNamePool(Lines& in, TournamentState& state)
{
    const int count = in.number(0, Limits::MaxPoolEntries, QStringLiteral("Anzahl der Namen"));
    state.NameList.clear();
    state.NamePoolCount = 0;
    state.NamePool.fill(NamePoolEntry{});
    for (int i = 1; i <= count; ++i) {
        AddPoolName(state, in.text());
        state.NamePool[i].Email = CutText(in.text(), Limits::PoolTextLength);
        state.NamePool[i].Marker = CutText(in.text(), Limits::PoolTextLength);
    }
}

void ReadSections(Lines& in, TournamentState& state)
{
    ReadHeader(in, state);
    ReadPoolNames(in, state);
    ReadRounds(in, state);
    ReadGroups(in, state);
    ReadBreaks(in, state);
    ReadReferrals(in, state);
    ReadResults(in, state);
    ReadFieldPlan(in, state);
    if (!in.onlyBlankLinesLeft())
        ReadNamePool(in, state);
    // Lines left over mean that a count above does not match the lines it counts.
    if (!in.onlyBlankLinesLeft())
        Lines::failAt(in.nextNonBlankLine(),
                      QStringLiteral("Hier sollte die Datei enden: eine Anzahl weiter oben passt "
                                     "nicht zu ihren Zeilen, oder es folgen fremde Zeilen."));
}
} // namespace

TournamentFileReadResult ReadTournamentFile(TournamentState& state, const QByteArray& bytes)
{
    ResetTournament(state);
    std::unique_ptr<Lines> in;
    try {
        in = std::make_unique<Lines>(bytes);
        ReadSections(*in, state);
    } catch (const TournamentFileFault& fault) {
        return {false, fault.line, fault.reason, in->notices()};
    } catch (const std::bad_alloc&) {
        return {false,
                in ? std::max(1, in->lineNumber()) : 1,
                QStringLiteral("Der Arbeitsspeicher reicht für diese Datei nicht."),
                {}};
    } catch (const std::exception& error) {
        return {false, in ? std::max(1, in->lineNumber()) : 1, QString::fromLocal8Bit(error.what()), {}};
    }
    return {true, 0, QString(), in->notices()};
}

QString ReadFailureLine(const TournamentFileReadResult& result)
{
    return QStringLiteral("Zeile %1: %2").arg(result.failedLine).arg(result.reason);
}

QString ReadNoticeText(const TournamentFileReadResult& result)
{
    constexpr int Shown = 10;
    if (result.notices.isEmpty())
        return {};
    QString text =
        QStringLiteral("Beim Einladen wurde angepasst:\n") + result.notices.mid(0, Shown).join(u'\n');
    if (result.notices.size() > Shown)
        text += QStringLiteral("\n... und %1 weitere Stellen.").arg(result.notices.size() - Shown);
    return text;
}
