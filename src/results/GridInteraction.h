#pragma once

#include <QString>

#include <cstdint>
#include <variant>

class TextGrid;
struct TournamentState;

// What the schedule and time-plan grids do with the mouse. Both grids hold their texts and
// row tags in one TextGrid; the windows pass it in and carry out the decisions returned here.

namespace HighlightColour {
inline constexpr std::uint32_t Background = 0xFFFFFF;
inline constexpr std::uint32_t SameTeam = 0xC0C0C0; // the team's entries and games
inline constexpr std::uint32_t Referee = 0x808080;  // the team's referee duties
} // namespace HighlightColour

// Remembers the cell of a mouse-down in either visible grid.
void SelectCell(TournamentState& state, int col, int row);

// Paints every cell outside row 0 and column 0 white, then, for a team cell, the cells of the
// same team name silver and its referee cells grey. Leaves the selection state describing the
// cell (col, row). A game-line cell highlights nothing: its number is a game, not a team.
void HighlightTeam(TournamentState& state, TextGrid& grid, int col, int row);

// The hand cursor marks the cells that open something: names, team entries, goals, time-plan
// results, and sets while games are played in sets.
bool ShowsHandCursor(const TournamentState& state, const TextGrid& grid, int col, int row);

// "Gruppe ändern" for the group.
struct GroupDialogRequest {
    int Group = 0;
    QString GroupName;
    int TeamCount = 0;
    bool ReturnLeg = false;
    bool operator==(const GroupDialogRequest&) const = default;
};

// "Mannschaftsnamen ändern" for one position.
struct RenameDialogRequest {
    QString GroupName;
    int Group = 0;
    int Position = 0;
    QString CurrentName;
    bool operator==(const RenameDialogRequest&) const = default;
};

// "Ergebniseingabe" with its fields as they open.
struct ResultEntryRequest {
    int Group = 0;
    int Game = 0;
    QString MatchText;
    QString Sets;
    QString Goals;
    bool operator==(const ResultEntryRequest&) const = default;
};

// A double-click on a team line in referral mode: the group and the position or place.
struct ReferralStepRequest {
    int Group = 0;
    int Number = 0;
    bool operator==(const ReferralStepRequest&) const = default;
};

struct CellAction {
    std::variant<std::monostate, GroupDialogRequest, RenameDialogRequest, ResultEntryRequest,
                 ReferralStepRequest>
        Open;
    // Any pending referral was dropped: the window empties the three referral fields and gives
    // the selection field its window colour.
    bool ClearReferralPanel = false;
};

// The double-click on the selected cell (SelectedCol, SelectedRow): parses its tag into the
// selection state and says what to open. Result entry clears TablesToGrid; every case except a
// referral step drops a pending referral. `referralMode`: the view "&Verweise" is chosen.
CellAction ActOnCell(TournamentState& state, const TextGrid& grid, bool referralMode);

// The single click on the selected cell: parses its tag, highlights unless it is a game-line
// cell, and acts as a double-click on goals cells, time-plan result cells and, while games are
// played in sets, sets cells. Otherwise nothing is opened.
CellAction CellClick(TournamentState& state, TextGrid& grid, bool referralMode);
