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

constexpr int MaxDecimalDigits = 11; // sign and ten digits

void appendDecimal(QString& text, int value)
{
    char16_t reversed[MaxDecimalDigits];
    int length = 0;
    // Unsigned, so the smallest int has its magnitude too.
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        reversed[length++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        reversed[length++] = u'-';
    while (length > 0)
        text.append(QChar(reversed[--length]));
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

// Built in one piece, as QString::number writes the numbers: a render makes a tag for nearly
// every cell of the plan.
QString MakeRowTag(int group, const QString& kind, int number)
{
    QString tag;
    tag.reserve(kind.size() + 2 * MaxDecimalDigits + 2);
    appendDecimal(tag, group);
    tag.append(u' ').append(kind).append(u' ');
    appendDecimal(tag, number);
    return tag;
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
