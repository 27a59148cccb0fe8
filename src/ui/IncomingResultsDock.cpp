#include "ui/IncomingResultsDock.h"

#include "live/RefereeEntry.h"
#include "model/TournamentState.h"
#include "net/ResultInbox.h"
#include "results/ResultApply.h"
#include "ui/WidgetNames.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
enum Column { Number, Field, Game, Teams, Result, Time, State, ColumnCount };

// "Gruppe A, Spiel 4" and "FC Straßberg 09 – TSV Lindau" from the time plan of the entry's field.
std::pair<QString, QString> GameTexts(const std::vector<std::vector<FieldGame>>& fieldGames,
                                      const IncomingResult& entry)
{
    static const std::vector<FieldGame> none;
    const std::vector<FieldGame>& games = entry.Field >= 1 && std::size_t(entry.Field) <= fieldGames.size()
                                              ? fieldGames[std::size_t(entry.Field - 1)]
                                              : none;
    if (const std::optional<FieldGame> game = FindAmongFieldGames(games, entry.Group, entry.Game))
        return {game->GroupTitle + QStringLiteral(", Spiel %1").arg(entry.Game),
                game->Game.TeamA + QStringLiteral(" – ") + game->Game.TeamB};
    return {QStringLiteral("Gruppe %1, Spiel %2").arg(entry.Group).arg(entry.Game), QString()};
}

QString StateText(const ResultInbox& inbox, const IncomingResult& entry)
{
    switch (entry.State) {
    case IncomingResult::Status::Waiting:
        if (inbox.conflicts(entry))
            return QStringLiteral("Konflikt: eingetragen ist ") + inbox.storedResult(entry.Group, entry.Game);
        return QStringLiteral("wartet");
    case IncomingResult::Status::Accepted:
        return QStringLiteral("übernommen");
    case IncomingResult::Status::Rejected:
        return QStringLiteral("abgelehnt");
    case IncomingResult::Status::Replaced:
        return QStringLiteral("ersetzt durch eine spätere Eingabe");
    }
    return {};
}
} // namespace

IncomingResultsDock::IncomingResultsDock(ResultInbox& inbox, const TournamentState& state, QWidget* parent)
    : QDockWidget(QStringLiteral("Eingegangene Ergebnisse"), parent), m_inbox(inbox), m_state(state)
{
    setObjectName(QStringLiteral("EingegangeneErgebnisse"));
    m_table = Named(new QTableWidget(0, ColumnCount), "tbEingegangen");
    m_table->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Platz"),
                                        QStringLiteral("Spiel"), QStringLiteral("Mannschaften"),
                                        QStringLiteral("Ergebnis"), QStringLiteral("Zeit"),
                                        QStringLiteral("Stand")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    m_accept = Named(new QPushButton(QStringLiteral("Ü&bernehmen")), "btUebernehmen");
    m_reject = Named(new QPushButton(QStringLiteral("A&blehnen")), "btAblehnen");
    m_automatic = Named(new QCheckBox(QStringLiteral("automatisch übernehmen")), "cbAutomatisch");
    m_automatic->setToolTip(QStringLiteral("Ergebnisse ohne Konflikt werden sofort eingetragen."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_accept);
    buttons->addWidget(m_reject);
    buttons->addStretch(1);
    buttons->addWidget(m_automatic);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setWidget(content);

    connect(m_accept, &QPushButton::clicked, this, &IncomingResultsDock::acceptChosen);
    connect(m_reject, &QPushButton::clicked, this, &IncomingResultsDock::rejectChosen);
    connect(m_automatic, &QCheckBox::toggled, &m_inbox, &ResultInbox::setAutomatic);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &IncomingResultsDock::showButtons);
    connect(m_table, &QTableWidget::itemDoubleClicked, this, &IncomingResultsDock::acceptChosen);
    connect(&m_inbox, &ResultInbox::changed, this, &IncomingResultsDock::showEntries);
    showEntries();
}

void IncomingResultsDock::showEntries()
{
    const int chosen = chosenNumber();
    std::vector<const IncomingResult*> entries;
    for (const IncomingResult& entry : m_inbox.results().Entries)
        entries.push_back(&entry);
    // The waiting ones first, each part newest first.
    std::stable_sort(entries.begin(), entries.end(), [](const IncomingResult* a, const IncomingResult* b) {
        const bool aWaits = a->State == IncomingResult::Status::Waiting;
        const bool bWaits = b->State == IncomingResult::Status::Waiting;
        return aWaits != bWaits ? aWaits : a->Number > b->Number;
    });
    const std::vector<std::vector<FieldGame>> fieldGames = entries.empty()
                                                               ? std::vector<std::vector<FieldGame>>()
                                                               : EveryFieldsGames(m_state, m_state.FieldPlan);
    m_table->setRowCount(int(entries.size()));
    int chosenRow = -1;
    for (int row = 0; row < int(entries.size()); ++row) {
        const IncomingResult& entry = *entries[std::size_t(row)];
        const auto [game, teams] = GameTexts(fieldGames, entry);
        const QString result =
            ResultText(ResultOfEntry(entry.Group, entry.Game, ParseScoreEntry(entry.Sets, entry.Goals)));
        const QStringList texts{QString::number(entry.Number),
                                QString::number(entry.Field),
                                game,
                                teams,
                                result,
                                entry.Received.toString(QStringLiteral("HH:mm:ss")),
                                StateText(m_inbox, entry)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, entry.Number);
            if (entry.State != IncomingResult::Status::Waiting)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            else if (column == State && m_inbox.conflicts(entry))
                item->setForeground(Qt::red);
            m_table->setItem(row, column, item);
        }
        if (entry.Number == chosen)
            chosenRow = row;
    }
    m_table->resizeColumnsToContents();
    // After a decision the next waiting entry is chosen, so Enter goes on with it.
    const auto waits = [&entries](int row) {
        return row >= 0 && entries[std::size_t(row)]->State == IncomingResult::Status::Waiting;
    };
    if (!waits(chosenRow) && waits(entries.empty() ? -1 : 0))
        chosenRow = 0;
    if (chosenRow >= 0)
        m_table->selectRow(chosenRow);
    m_automatic->setChecked(m_inbox.automatic());
    const int waiting = m_inbox.results().waitingCount();
    setWindowTitle(waiting == 0 ? QStringLiteral("Eingegangene Ergebnisse")
                                : QStringLiteral("Eingegangene Ergebnisse (%1 warten)").arg(waiting));
    showButtons();
}

int IncomingResultsDock::chosenNumber() const
{
    const QList<QTableWidgetItem*> chosen = m_table->selectedItems();
    return chosen.isEmpty() ? 0 : chosen.front()->data(Qt::UserRole).toInt();
}

void IncomingResultsDock::showButtons()
{
    const IncomingResult* entry = m_inbox.results().find(chosenNumber());
    const bool waiting = entry && entry->State == IncomingResult::Status::Waiting;
    m_accept->setEnabled(waiting);
    m_reject->setEnabled(waiting);
}

void IncomingResultsDock::acceptChosen()
{
    if (const int number = chosenNumber())
        m_inbox.accept(number);
}

void IncomingResultsDock::rejectChosen()
{
    if (const int number = chosenNumber())
        m_inbox.reject(number);
}

bool IncomingResultsDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            acceptChosen();
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
