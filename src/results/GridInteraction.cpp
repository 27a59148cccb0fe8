#include "results/GridInteraction.h"

#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "results/RowTags.h"

#include <optional>

namespace {
// The name in slot `slot` of the group, or nothing when the tag points outside the tables.
const QString* nameAt(const TournamentState& state, int group, int slot)
{
    if (!IsGroupIndex(group) || slot < 0 || slot >= Limits::NameSlots)
        return nullptr;
    return &state.NameTable[group][std::size_t(slot)];
}

bool sameName(const TournamentState& state, int group, int slot, const QString& name)
{
    const QString* other = nameAt(state, group, slot);
    return other != nullptr && *other == name;
}

bool playsInGame(const TournamentState& state, int group, int game, const QString& name)
{
    if (!IsGroupIndex(group))
        return false;
    const PairingEntry pair = state.Pairings.PairingOf(state.TeamsInGroup[group], game);
    // Position 0 is no team: an unread pairing entry plays no game.
    return (pair.first >= 1 && sameName(state, group, pair.first, name)) ||
           (pair.second >= 1 && sameName(state, group, pair.second, name));
}

bool isTeamKind(const QString& kind)
{
    return kind == TagKind::KopfMannschaft || kind == TagKind::ManschA || kind == TagKind::ManschB ||
           kind == TagKind::Schiri;
}

// The colour a cell gets while `name` is highlighted, or none.
std::uint32_t highlightOf(const TournamentState& state, const RowTag& tag, const QString& name)
{
    if (tag.Kind == TagKind::KopfMannschaft || tag.Kind == TagKind::ManschA || tag.Kind == TagKind::ManschB)
        return sameName(state, tag.Group, tag.Number, name) ? HighlightColour::SameTeam : TextGrid::NoColour;
    if (tag.Kind == TagKind::Spiel)
        return playsInGame(state, tag.Group, tag.Number, name) ? HighlightColour::SameTeam
                                                               : TextGrid::NoColour;
    if (tag.Kind == TagKind::Schiri)
        return sameName(state, tag.Group, tag.Number, name) ? HighlightColour::Referee : TextGrid::NoColour;
    return TextGrid::NoColour;
}

void paintBackground(TextGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int col = 1; col < grid.columnCount(); ++col)
            grid.setColour(col, row, HighlightColour::Background);
}

bool opensResultEntry(const QString& kind)
{
    return kind == TagKind::Satz || kind == TagKind::Tore || kind == TagKind::ManschA ||
           kind == TagKind::ManschB || kind == TagKind::ManschC;
}

QString cellsOf(const TextGrid& grid, int row, int firstCol, int lastCol)
{
    QString text;
    for (int col = firstCol; col <= lastCol; ++col)
        text += grid.cell(col, row);
    return text;
}

// The game of a time-plan team cell stands in the tag of the line's result cell.
RowTag resultCellOfLine(const TextGrid& grid, const QString& kind, int col, int row)
{
    const int resultCol = kind == TagKind::ManschA ? col + 2 : col + 1;
    const RowTag tag = ReadRowTag(grid, resultCol, row);
    return tag.Kind == TagKind::ManschC ? tag : RowTag{};
}

// Fills the result-entry request from the cells of the selected row; for a time-plan team cell
// it also points the selection at the line's game, which is what storing reads.
std::optional<ResultEntryRequest> resultEntryFor(TournamentState& state, const TextGrid& grid,
                                                 const RowTag& tag)
{
    const int s = state.SelectedCol;
    const int row = state.SelectedRow;
    ResultEntryRequest request{tag.Group, tag.Number, {}, {}, {}};
    if (tag.Kind == TagKind::Satz) {
        request.MatchText = cellsOf(grid, row, s - 2, s - 1);
        request.Sets = grid.cell(s, row);
        request.Goals = grid.cell(s + 1, row);
    } else if (tag.Kind == TagKind::Tore) {
        request.MatchText = cellsOf(grid, row, s - 3, s - 2);
        request.Sets = grid.cell(s - 1, row);
        request.Goals = grid.cell(s, row);
    } else if (tag.Kind == TagKind::ManschC) {
        request.MatchText = cellsOf(grid, row, s - 2, s - 1);
    } else {
        const RowTag line = resultCellOfLine(grid, tag.Kind, s, row);
        if (line.Kind.isEmpty())
            return std::nullopt;
        request.Group = line.Group;
        request.Game = line.Number;
        state.SelectedGroup = line.Group;
        state.SelectedNumber = line.Number;
        request.MatchText =
            tag.Kind == TagKind::ManschA ? cellsOf(grid, row, s, s + 1) : cellsOf(grid, row, s - 1, s);
    }
    if (!IsGroupIndex(request.Group) || request.Game < 1)
        return std::nullopt;
    return request;
}

void dropPendingReferral(TournamentState& state)
{
    state.ReferralPending = false;
    state.ReferralSourceGroup = 0;
    state.ReferralSourcePlace = 0;
}
} // namespace

void SelectCell(TournamentState& state, int col, int row)
{
    state.SelectedCol = col;
    state.SelectedRow = row;
}

void HighlightTeam(TournamentState& state, TextGrid& grid, int col, int row)
{
    paintBackground(grid);
    const RowTag selected = ParseRowTag(state, grid, col, row);
    if (!isTeamKind(selected.Kind))
        return;
    const QString* selectedName = nameAt(state, selected.Group, selected.Number);
    if (selectedName == nullptr || selected.Number < 1)
        return;
    const QString name = *selectedName;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const std::uint32_t colour = highlightOf(state, ReadRowTag(grid, c, r), name);
            if (colour != TextGrid::NoColour)
                grid.setColour(c, r, colour);
        }
    }
}

bool ShowsHandCursor(const TournamentState& state, const TextGrid& grid, int col, int row)
{
    const QString kind = ReadRowTag(grid, col, row).Kind;
    return kind == TagKind::KopfName || kind == TagKind::KopfGruppe || kind == TagKind::KopfMannschaft ||
           kind == TagKind::Tore || kind == TagKind::ManschC ||
           (kind == TagKind::Satz && state.Settings.WithSets);
}

CellAction ActOnCell(TournamentState& state, const TextGrid& grid, bool referralMode)
{
    const RowTag tag = ParseRowTag(state, grid, state.SelectedCol, state.SelectedRow);
    CellAction action;
    const bool teamLine = tag.Kind == TagKind::KopfMannschaft || tag.Kind == TagKind::TabelleMannschaft;
    if (referralMode && teamLine && IsGroupIndex(tag.Group)) {
        action.Open = ReferralStepRequest{tag.Group, tag.Number};
        return action;
    }
    if ((tag.Kind == TagKind::KopfName || tag.Kind == TagKind::KopfGruppe) && IsGroupIndex(tag.Group)) {
        action.Open = GroupDialogRequest{tag.Group, state.NameTable[tag.Group][0],
                                         state.TeamsInGroup[tag.Group], state.ReturnLeg[tag.Group]};
    } else if (tag.Kind == TagKind::KopfMannschaft && !referralMode) {
        if (const QString* name = nameAt(state, tag.Group, tag.Number); name != nullptr && tag.Number >= 1)
            action.Open = RenameDialogRequest{state.NameTable[tag.Group][0], tag.Group, tag.Number, *name};
    } else if (opensResultEntry(tag.Kind)) {
        if (const auto request = resultEntryFor(state, grid, tag)) {
            state.TablesToGrid = false;
            action.Open = *request;
        }
    }
    action.ClearReferralPanel = true;
    dropPendingReferral(state);
    return action;
}

CellAction CellClick(TournamentState& state, TextGrid& grid, bool referralMode)
{
    const RowTag tag = ParseRowTag(state, grid, state.SelectedCol, state.SelectedRow);
    if (tag.Kind != TagKind::Spiel)
        HighlightTeam(state, grid, state.SelectedCol, state.SelectedRow);
    const bool opensOnClick = tag.Kind == TagKind::Tore || tag.Kind == TagKind::ManschC ||
                              (tag.Kind == TagKind::Satz && state.Settings.WithSets);
    if (!opensOnClick)
        return {};
    return ActOnCell(state, grid, referralMode);
}
