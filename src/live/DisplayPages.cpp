#include "live/DisplayPages.h"

#include "model/TextGrid.h"
#include "model/TournamentState.h"

#include <algorithm>

namespace {
constexpr int TableHeaderLines = 2; // title and column heads
constexpr int FieldHeaderLines = 1; // title

int HeaderLines(const DisplayBlock& block)
{
    return std::holds_alternative<LiveTable>(block) ? TableHeaderLines : FieldHeaderLines;
}

int ItemCount(const DisplayBlock& block)
{
    if (const auto* table = std::get_if<LiveTable>(&block))
        return int(table->Rows.size());
    return int(std::get<LiveField>(block).Games.size());
}

// The block with only its items [from, from + count).
DisplayBlock Slice(const DisplayBlock& block, int from, int count)
{
    if (const auto* table = std::get_if<LiveTable>(&block)) {
        LiveTable part{table->Group, table->Title, {}};
        part.Rows.assign(table->Rows.begin() + from, table->Rows.begin() + from + count);
        return part;
    }
    const auto& field = std::get<LiveField>(block);
    LiveField part{field.Field, field.Title, {}};
    part.Games.assign(field.Games.begin() + from, field.Games.begin() + from + count);
    return part;
}

// Lays the blocks into columns of `lines` lines, one blank line between two blocks of a column,
// then groups `columnsPerPage` columns to a page.
std::vector<DisplayPage> Paginate(const std::vector<DisplayBlock>& blocks, int lines, int columnsPerPage,
                                  const QString& title)
{
    lines = std::max(lines, TableHeaderLines + 1); // every column shows at least one item
    columnsPerPage = std::max(columnsPerPage, 1);
    std::vector<std::vector<DisplayBlock>> columns(1);
    int used = 0;
    for (const DisplayBlock& block : blocks) {
        const int items = ItemCount(block);
        int from = 0;
        for (;;) {
            const int gap = used > 0 ? 1 : 0;
            const int room = lines - used - gap - HeaderLines(block);
            const int rest = items - from;
            // A new column when not even the title and one item fit here, or when the whole
            // block fits an empty column but not this one.
            if (used > 0 &&
                (room < std::min(rest, 1) || (room < rest && rest <= lines - HeaderLines(block)))) {
                columns.emplace_back();
                used = 0;
                continue;
            }
            const int count = std::min(rest, room);
            columns.back().push_back(Slice(block, from, count));
            used += gap + HeaderLines(block) + count;
            from += count;
            if (from >= items)
                break;
            columns.emplace_back();
            used = 0;
        }
    }
    std::vector<DisplayPage> pages;
    for (std::size_t first = 0; first < columns.size(); first += std::size_t(columnsPerPage)) {
        DisplayPage page{title, {}, columnsPerPage};
        const std::size_t last = std::min(columns.size(), first + std::size_t(columnsPerPage));
        page.Columns.assign(columns.begin() + std::ptrdiff_t(first), columns.begin() + std::ptrdiff_t(last));
        pages.push_back(std::move(page));
    }
    return pages;
}
} // namespace

void TrimFieldGames(LiveField& field, int kept, int upcoming)
{
    const int next = NextGameIndex(field);
    if (upcoming >= 0 && next >= 0 && int(field.Games.size()) > next + upcoming)
        field.Games.resize(std::size_t(next + upcoming));
    if (kept < 0)
        return;
    const int end = next < 0 ? int(field.Games.size()) : next;
    int finishedBefore = 0;
    for (int index = 0; index < end; ++index)
        finishedBefore += field.Games[std::size_t(index)].finished() ? 1 : 0;
    std::vector<LiveGame> games;
    int skip = std::max(finishedBefore - kept, 0);
    for (std::size_t index = 0; index < field.Games.size(); ++index) {
        const bool older = int(index) < end && field.Games[index].finished();
        if (older && skip > 0) {
            --skip;
            continue;
        }
        games.push_back(field.Games[index]);
    }
    field.Games = std::move(games);
}

int DisplayBlockLines(const DisplayBlock& block)
{
    return HeaderLines(block) + ItemCount(block);
}

int NextGameIndex(const LiveField& field)
{
    for (std::size_t index = 0; index < field.Games.size(); ++index)
        if (!field.Games[index].finished())
            return int(index);
    return -1;
}

DisplayModel BuildDisplayModel(const TournamentState& state, const TextGrid& timePlan,
                               const DisplayLayout& layout)
{
    DisplayModel model;
    model.TournamentName = state.TournamentName;
    model.Round = RoundInPlay(state);
    model.HasTimePlan = HoldsTimePlan(timePlan);
    const QString round = QStringLiteral(" – Runde %1").arg(model.Round);

    std::vector<DisplayBlock> tables;
    for (LiveTable& table : RoundTables(state, model.Round))
        tables.emplace_back(std::move(table));
    std::vector<DisplayBlock> fields;
    for (LiveField& field : RoundFields(state, timePlan, model.Round)) {
        TrimFieldGames(field, layout.FinishedGamesShown, layout.UpcomingGamesShown);
        if (const int next = NextGameIndex(field); next >= 0)
            field.Games[std::size_t(next)].Next = true;
        if (!field.Games.empty())
            fields.emplace_back(std::move(field));
    }

    if (!tables.empty())
        model.Pages =
            Paginate(tables, layout.LinesPerColumn, layout.TableColumns, QStringLiteral("Tabellen") + round);
    if (!fields.empty()) {
        std::vector<DisplayPage> games =
            Paginate(fields, layout.LinesPerColumn, layout.GameColumns, QStringLiteral("Spiele") + round);
        model.Pages.insert(model.Pages.end(), games.begin(), games.end());
    }
    if (model.Pages.empty())
        model.Pages.push_back({QStringLiteral("Runde %1").arg(model.Round), {}, 1});
    return model;
}
