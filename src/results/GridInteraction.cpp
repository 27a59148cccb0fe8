#include "results/GridInteraction.h"

#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "results/RowTags.h"

#include <array>
#include <optional>
#include <vector>

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

// The kinds of cell a highlight may paint.
enum class TeamCellKind : std::uint8_t { Entry, Game, Referee };

// One cell a highlight looks at, with its tag read once.
struct TeamCell {
    int Col = 0;
    int Row = 0;
    TeamCellKind Kind = TeamCellKind::Entry;
    int Group = 0;
    int Number = 0;
};

std::optional<TeamCellKind> teamCellKindOf(const QString& kind)
{
    if (kind == TagKind::KopfMannschaft || kind == TagKind::ManschA || kind == TagKind::ManschB)
        return TeamCellKind::Entry;
    if (kind == TagKind::Spiel)
        return TeamCellKind::Game;
    if (kind == TagKind::Schiri)
        return TeamCellKind::Referee;
    return std::nullopt;
}

std::vector<TeamCell> collectTeamCells(const TextGrid& grid)
{
    std::vector<TeamCell> cells;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.tag(c, r).isEmpty())
                continue;
            const RowTag tag = ReadRowTag(grid, c, r);
            if (const std::optional<TeamCellKind> kind = teamCellKindOf(tag.Kind))
                cells.push_back({c, r, *kind, tag.Group, tag.Number});
        }
    }
    return cells;
}

// The team cells of a grid, read from its tags once and kept while the tags stay: a click or a
// scroll re-highlights without reading the tags of the whole grid again. The two grids of the
// schedule window each keep their slot.
const std::vector<TeamCell>& teamCellsOf(const TextGrid& grid)
{
    struct Slot {
        std::uint64_t Revision = 0;
        int Columns = 0;
        int Rows = 0;
        std::vector<TeamCell> Cells;
    };
    thread_local std::array<Slot, 2> cache;
    thread_local std::size_t nextSlot = 0;
    const std::uint64_t revision = grid.tagRevision();
    for (Slot& slot : cache) {
        if (slot.Revision == revision && slot.Columns == grid.columnCount() && slot.Rows == grid.rowCount())
            return slot.Cells;
    }
    Slot& slot = cache[nextSlot];
    nextSlot = (nextSlot + 1) % cache.size();
    slot = {revision, grid.columnCount(), grid.rowCount(), collectTeamCells(grid)};
    return slot.Cells;
}

// The colour a team cell gets while `name` is highlighted, or none.
std::uint32_t highlightOf(const TournamentState& state, const TeamCell& cell, const QString& name)
{
    switch (cell.Kind) {
    case TeamCellKind::Entry:
        return sameName(state, cell.Group, cell.Number, name) ? HighlightColour::SameTeam
                                                              : TextGrid::NoColour;
    case TeamCellKind::Game:
        return playsInGame(state, cell.Group, cell.Number, name) ? HighlightColour::SameTeam
                                                                 : TextGrid::NoColour;
    case TeamCellKind::Referee:
        return sameName(state, cell.Group, cell.Number, name) ? HighlightColour::Referee : TextGrid::NoColour;
    }
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
    for (const TeamCell& cell : teamCellsOf(grid)) {
        const std::uint32_t colour = highlightOf(state, cell, name);
        if (colour != TextGrid::NoColour)
            grid.setColour(cell.Col, cell.Row, colour);
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
