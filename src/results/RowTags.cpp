#include "results/RowTags.h"

#include "model/TextGrid.h"
#include "model/TournamentState.h"

#include <array>

namespace {
const std::array<const QString*, 13>& tagKeywords()
{
    static const std::array<const QString*, 13> keywords{
        &TagKind::KopfName, &TagKind::KopfGruppe, &TagKind::KopfMannschaft, &TagKind::Spiel,
        &TagKind::Satz,     &TagKind::Tore,       &TagKind::TabellenKopf,   &TagKind::TabelleMannschaft,
        &TagKind::Tabelle,  &TagKind::ManschA,    &TagKind::ManschB,        &TagKind::ManschC,
        &TagKind::Schiri,
    };
    return keywords;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A run of digits as a number; a run too long for an int reads as 0, like a missing one.
int digitsValue(QStringView digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}
} // namespace

QString MakeRowTag(int group, const QString& kind, int number)
{
    return QString::number(group) + u' ' + kind + u' ' + QString::number(number);
}

bool HoldsTagKeyword(const QString& tagText)
{
    for (const QString* keyword : tagKeywords()) {
        if (tagText.contains(*keyword))
            return true;
    }
    return false;
}

bool IsTaggedCell(const TextGrid& grid, int col, int row)
{
    return grid.contains(col, row) && HoldsTagKeyword(grid.tag(col, row));
}

RowTag SplitRowTag(const QString& tagText)
{
    QStringView rest(tagText);
    RowTag tag;
    qsizetype leading = 0;
    while (leading < rest.size() && isDigit(rest[leading]))
        ++leading;
    tag.Group = digitsValue(rest.first(leading));
    rest = rest.sliced(std::min(leading + 1, rest.size()));
    qsizetype trailing = 0;
    while (trailing < rest.size() && isDigit(rest[rest.size() - 1 - trailing]))
        ++trailing;
    tag.Number = digitsValue(rest.last(trailing));
    rest.chop(std::min(trailing + 1, rest.size()));
    tag.Kind = rest.toString();
    return tag;
}

RowTag ReadRowTag(const TextGrid& grid, int col, int row)
{
    return IsTaggedCell(grid, col, row) ? SplitRowTag(grid.tag(col, row)) : RowTag{};
}

RowTag ParseRowTag(TournamentState& state, const TextGrid& grid, int col, int row)
{
    const RowTag tag = ReadRowTag(grid, col, row);
    if (IsTaggedCell(grid, col, row)) {
        // A stale grid may name a round that no longer exists; CurrentRound then stays.
        bool ok = false;
        const int round = grid.cell(0, row).trimmed().toInt(&ok);
        if (ok && round >= 1 && round <= state.RoundCount && IsRoundIndex(round))
            state.CurrentRound = round;
    }
    state.SelectedTagKind = tag.Kind;
    state.SelectedGroup = tag.Group;
    state.SelectedNumber = tag.Number;
    return tag;
}
