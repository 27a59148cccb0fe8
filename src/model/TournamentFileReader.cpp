#include "model/SettingsLine.h"
#include "model/TextUtil.h"
#include "model/TournamentFile.h"
#include "model/TournamentFileFormat.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"

#include <QDir>
#include <QStringList>

namespace Format = TournamentFileFormat;

namespace {
// Thrown at the first line that cannot be read; caught by ReadTournamentFile.
struct LineFault {
    int line;
    QString reason;
};

QStringList SplitLines(const QByteArray& bytes)
{
    static const QByteArray ByteOrderMark("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(ByteOrderMark) ? QString::fromUtf8(bytes.mid(ByteOrderMark.size()))
                                                         : DecodeWindows1252(bytes);
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no further line
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

QString Quoted(const QString& text)
{
    constexpr int Shown = 20;
    return u'"' + (text.size() > Shown ? text.left(Shown) + QStringLiteral("...") : text) + u'"';
}

// Hands out the lines in order and turns every fault into a LineFault naming its line.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes) : m_lines(SplitLines(bytes)) {}

    bool atEnd() const { return m_next >= m_lines.size(); }

    QString text()
    {
        if (atEnd())
            throw LineFault{int(m_next) + 1, QStringLiteral("Die Datei endet vor dieser Zeile.")};
        return m_lines.at(m_next++);
    }

    void skip() { text(); }

    // A decimal integer within [min, max]; `what` names the value in the failure text.
    int number(int min, int max, const QString& what)
    {
        const QString line = text();
        bool isNumber = false;
        const qlonglong value = line.trimmed().toLongLong(&isNumber, 10);
        if (!isNumber)
            throw LineFault{int(m_next), Quoted(line) + QStringLiteral(" ist keine Zahl (%1).").arg(what)};
        if (value < min || value > max) {
            throw LineFault{int(m_next), QStringLiteral("%1 liegt außerhalb von %2 bis %3 (%4).")
                                             .arg(Quoted(line))
                                             .arg(min)
                                             .arg(max)
                                             .arg(what)};
        }
        return int(value);
    }

    int anyNumber(const QString& what) { return number(INT_MIN, INT_MAX, what); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

void ReadHeader(LineReader& in, TournamentState& state)
{
    TournamentSettings& settings = state.Settings;
    state.TournamentName = in.text();
    in.skip(); // version
    in.skip(); // free text
    in.skip(); // sport
    ApplySettingsLine(settings, in.text());
    state.SetsWord = settings.WithSets ? QStringLiteral("Sätze") : QString();
    settings.FieldsPerLine = in.text();
    settings.FieldsPerLine = in.text();
    settings.SearchDepth = in.text();
    state.DefaultGameLength = in.number(0, Format::MaxGameLength, QStringLiteral("Spiellänge"));
    state.TimeAnchorIsStart = in.text() == Format::AnchorStart;
    const QString time = CutText(in.text(), Limits::TimeTextLength);
    (state.TimeAnchorIsStart ? state.StartTime : state.EndTime) = time;
    const QString templatePath = in.text();
    if (templatePath != Format::ReserveLine) {
        settings.CertificateTemplate = templatePath.size() < Format::MinTemplateLength
                                           ? QDir(state.WorkDir).filePath(Format::DefaultTemplateName)
                                           : templatePath;
    }
    const QString separator = in.text();
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

void ReadPoolNames(LineReader& in, TournamentState& state)
{
    const int count = in.number(0, Limits::MaxPoolEntries, QStringLiteral("Anzahl der Namen"));
    state.NameList.clear();
    state.NamePoolCount = 0;
    for (int i = 1; i <= count; ++i)
        AddPoolName(state, in.text());
}

void ReadRounds(LineReader& in, TournamentState& state)
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
            in.number(0, Format::MaxGameLength, QStringLiteral("Spiellänge der Runde %1").arg(round));
        state.OneFieldPerGroup[round] = in.text() == Format::OneFieldPerGroupWord;
    }
}

void ReadGroups(LineReader& in, TournamentState& state)
{
    const int groups = TotalGroups(state); // at most MaxGroups, checked by ReadRounds
    for (int group = 1; group <= groups; ++group) {
        const int teams =
            in.number(0, Limits::MaxPositions, QStringLiteral("Positionen der Gruppe %1").arg(group));
        state.TeamsInGroup[group] = teams;
        state.ReturnLeg[group] = in.text() == Format::ReturnLegWord;
        for (int slot = 0; slot <= teams; ++slot)
            state.NameTable[group][slot] = in.text();
    }
}

void ReadBreaks(LineReader& in, TournamentState& state)
{
    const int count = in.number(0, INT_MAX, QStringLiteral("Anzahl der Pausen"));
    for (int i = 0; i < count; ++i)
        state.PauseList.append(in.text());
}

void ReadReferrals(LineReader& in, TournamentState& state)
{
    const int count = in.number(0, Format::MaxReferralEntries, QStringLiteral("Anzahl der Verweise"));
    for (int k = 0; k < count; ++k) {
        const int i = in.number(0, Limits::MaxReferralIndex, QStringLiteral("Verweis, Gruppe"));
        const int j = in.number(0, Limits::MaxReferralIndex, QStringLiteral("Verweis, Position"));
        Referral entry;
        entry.FromGroup = in.number(0, Limits::MaxGroups, QStringLiteral("Verweis, kommt von Gruppe"));
        entry.FromPlace = in.number(0, Limits::MaxPositions, QStringLiteral("Verweis, kommt von Platz"));
        entry.ToGroup = in.number(0, Limits::MaxGroups, QStringLiteral("Verweis, geht in Gruppe"));
        entry.ToSlot = in.number(0, Limits::MaxPositions, QStringLiteral("Verweis, geht auf Position"));
        state.ReferralTable[i][j] = entry;
    }
}

void ReadResults(LineReader& in, TournamentState& state)
{
    const int count = in.number(0, Limits::MaxResults, QStringLiteral("Anzahl der Ergebnisse"));
    for (int k = 1; k <= count; ++k) {
        GameResult result;
        result.Group = in.number(1, Limits::MaxGroups, QStringLiteral("Gruppe eines Ergebnisses"));
        result.Game = in.number(1, Format::MaxGameNumber, QStringLiteral("Spiel eines Ergebnisses"));
        result.ScoreText = in.text();
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

void ReadFieldPlan(LineReader& in, TournamentState& state)
{
    TextGrid& plan = state.FieldPlan;
    const int columns =
        in.number(0, Format::MaxFieldPlanColumns, QStringLiteral("Spalten der Platzverteilung"));
    const int rows = in.number(0, Format::MaxFieldPlanRows, QStringLiteral("Zeilen der Platzverteilung"));
    plan.resize(columns, rows);
    const int count = in.number(0, columns * rows, QStringLiteral("Zellen der Platzverteilung"));
    for (int k = 0; k < count; ++k) {
        const int col = in.number(0, columns - 1, QStringLiteral("Spalte einer Zelle"));
        const int row = in.number(0, rows - 1, QStringLiteral("Zeile einer Zelle"));
        plan.setCell(col, row, in.text());
        plan.setTag(col, row, in.text());
    }
}

void ReadNamePool(LineReader& in, TournamentState& state)
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
} // namespace

TournamentFileReadResult ReadTournamentFile(TournamentState& state, const QByteArray& bytes)
{
    ResetTournament(state);
    LineReader in(bytes);
    try {
        ReadHeader(in, state);
        ReadPoolNames(in, state);
        ReadRounds(in, state);
        ReadGroups(in, state);
        ReadBreaks(in, state);
        ReadReferrals(in, state);
        ReadResults(in, state);
        ReadFieldPlan(in, state);
        if (!in.atEnd())
            ReadNamePool(in, state);
    } catch (const LineFault& fault) {
        return {false, fault.line, fault.reason};
    }
    return {};
}

QString ReadFailureLine(const TournamentFileReadResult& result)
{
    return QStringLiteral("Zeile %1: %2").arg(result.failedLine).arg(result.reason);
}
