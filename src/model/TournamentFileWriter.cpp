#include "model/SettingsLine.h"
#include "model/TournamentFile.h"
#include "model/TournamentFileFormat.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"

#include <QStringList>

#include <algorithm>

namespace Format = TournamentFileFormat;

namespace {
// A line break inside a text would split it into two lines of the file.
QString OneLine(const QString& text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

class LineCollector {
public:
    void text(const QString& value) { m_lines.append(OneLine(value)); }
    void number(int value) { m_lines.append(QString::number(value)); }
    void flag(bool on, const QString& onWord, const QString& offWord)
    {
        m_lines.append(on ? onWord : offWord);
    }

    QByteArray encoded() const
    {
        QString joined;
        for (const QString& line : m_lines) {
            joined += line;
            joined += QStringLiteral("\r\n");
        }
        const QByteArray ByteOrderMark("\xEF\xBB\xBF");
        // A single-byte file must not begin like a UTF-8 one ("ï»¿" as the tournament name).
        const QByteArray singleByte = EncodeWindows1252(joined);
        if (FitsWindows1252(joined) && !singleByte.startsWith(ByteOrderMark))
            return singleByte;
        return ByteOrderMark + joined.toUtf8();
    }

private:
    QStringList m_lines;
};

void WriteHeader(LineCollector& out, const TournamentState& state)
{
    const TournamentSettings& settings = state.Settings;
    out.text(state.TournamentName);
    out.text(Format::VersionLine);
    out.text(QString());
    out.text(Format::SportLine);
    out.text(WriteSettingsLine(settings));
    out.text(settings.FieldsPerLine);
    out.text(settings.FieldsPerLine);
    out.text(settings.SearchDepth);
    out.number(state.DefaultGameLength);
    out.flag(state.TimeAnchorIsStart, Format::AnchorStart, Format::AnchorEnd);
    out.text(state.TimeAnchorIsStart ? state.StartTime : state.EndTime);
    out.text(settings.CertificateTemplate);
    out.text(settings.EmailSeparator);
    for (int i = 0; i < Format::ReserveLineCount; ++i)
        out.text(Format::ReserveLine);
}

int UsedPoolCount(const TournamentState& state)
{
    return std::clamp(state.NamePoolCount, 0, Limits::MaxPoolEntries);
}

// The schedule window's name list; the pool names stand in when the list was never filled.
void WritePoolNames(LineCollector& out, const TournamentState& state)
{
    QStringList names = state.NameList;
    if (names.isEmpty()) {
        for (int i = 1; i <= UsedPoolCount(state); ++i)
            names.append(state.NamePool[i].Name);
    }
    names = names.mid(0, Limits::MaxPoolEntries);
    out.number(int(names.size()));
    for (const QString& name : names)
        out.text(name);
}

int WrittenRoundCount(const TournamentState& state)
{
    return std::clamp(state.RoundCount, 1, Limits::MaxRounds);
}

void WriteRounds(LineCollector& out, const TournamentState& state)
{
    out.number(WrittenRoundCount(state));
    for (int round = 1; round <= WrittenRoundCount(state); ++round) {
        out.number(state.GroupsInRound[round]);
        out.number(state.FieldsInRound[round]);
        out.number(state.GameLengthInRound[round]);
        out.flag(state.OneFieldPerGroup[round], Format::OneFieldPerGroupWord, Format::SharedFieldsWord);
    }
}

void WriteGroups(LineCollector& out, const TournamentState& state)
{
    const int groups = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int group = 1; group <= groups; ++group) {
        const int teams = std::clamp(state.TeamsInGroup[group], 0, Limits::MaxPositions);
        out.number(teams);
        out.flag(state.ReturnLeg[group], Format::ReturnLegWord, Format::SingleLegWord);
        for (int slot = 0; slot <= teams; ++slot)
            out.text(state.NameTable[group][slot]);
    }
}

void WriteBreaks(LineCollector& out, const TournamentState& state)
{
    out.number(int(state.PauseList.size()));
    for (const QString& line : state.PauseList)
        out.text(line);
}

void WriteReferrals(LineCollector& out, const TournamentState& state)
{
    int used = 0;
    for (const auto& row : state.ReferralTable)
        used +=
            int(std::count_if(row.begin(), row.end(), [](const Referral& entry) { return entry.isUsed(); }));
    out.number(used);
    for (int i = 0; i <= Limits::MaxReferralIndex; ++i) {
        for (int j = 0; j <= Limits::MaxReferralIndex; ++j) {
            const Referral& entry = state.ReferralTable[i][j];
            if (!entry.isUsed())
                continue;
            out.number(i);
            out.number(j);
            out.number(entry.FromGroup);
            out.number(entry.FromPlace);
            out.number(entry.ToGroup);
            out.number(entry.ToSlot);
        }
    }
}

void WriteResults(LineCollector& out, const TournamentState& state)
{
    const int count = std::clamp(state.ResultCount, 0, Limits::MaxResults);
    out.number(count);
    for (int k = 1; k <= count; ++k) {
        const GameResult& result = state.ResultTable[k];
        out.number(result.Group);
        out.number(result.Game);
        out.text(result.ScoreText);
        out.number(result.SetsFirst);
        out.number(result.SetsSecond);
        out.number(result.GoalsFirst);
        out.number(result.GoalsSecond);
    }
}

void WriteFieldPlan(LineCollector& out, const TournamentState& state)
{
    const TextGrid& plan = state.FieldPlan;
    const auto holdsText = [&plan](int col, int row) {
        return !plan.cell(col, row).isEmpty() || !plan.tag(col, row).isEmpty();
    };
    int cells = 0;
    for (int col = 0; col < plan.columnCount(); ++col) {
        for (int row = 0; row < plan.rowCount(); ++row)
            cells += holdsText(col, row) ? 1 : 0;
    }
    out.number(plan.columnCount());
    out.number(plan.rowCount());
    out.number(cells);
    for (int col = 0; col < plan.columnCount(); ++col) {
        for (int row = 0; row < plan.rowCount(); ++row) {
            if (!holdsText(col, row))
                continue;
            out.number(col);
            out.number(row);
            out.text(plan.cell(col, row));
            out.text(plan.tag(col, row));
        }
    }
}

void WriteNamePool(LineCollector& out, const TournamentState& state)
{
    out.number(UsedPoolCount(state));
    for (int i = 1; i <= UsedPoolCount(state); ++i) {
        out.text(state.NamePool[i].Name);
        out.text(state.NamePool[i].Email);
        out.text(state.NamePool[i].Marker);
    }
}
} // namespace

QByteArray WriteTournamentFile(const TournamentState& state)
{
    LineCollector out;
    WriteHeader(out, state);
    WritePoolNames(out, state);
    WriteRounds(out, state);
    WriteGroups(out, state);
    WriteBreaks(out, state);
    WriteReferrals(out, state);
    WriteResults(out, state);
    WriteFieldPlan(out, state);
    WriteNamePool(out, state);
    return out.encoded();
}
