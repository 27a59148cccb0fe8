#include "ui/NamePoolPanel.h"

#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "names/NamePlacement.h"
#include "names/NamePool.h"
#include "names/NameTransfer.h"
#include "ui/FileChooser.h"
#include "ui/GridView.h"
#include "ui/HelpTopics.h"
#include "ui/PoolNameDrag.h"
#include "ui/WidgetNames.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <functional>

namespace {
const QString ImportFilter = QStringLiteral("Alle Dateien (*.*)|*.*|Korvaneaufstellung (*.auf)|*.auf");

QPushButton* button(const QString& caption, const char* name, const QString& hint)
{
    auto* pushButton = Named(new QPushButton(caption), name);
    pushButton->setToolTip(hint);
    return pushButton;
}

QLineEdit* inputField(const char* name, const QString& hint)
{
    auto* field = Named(new QLineEdit, name);
    field->setToolTip(hint);
    field->setPlaceholderText(hint);
    // Longer input, typed or pasted, keeps its first 40 characters.
    field->setMaxLength(Limits::PoolTextLength);
    return field;
}

// Takes pool names dropped onto the team positions of a grid view; the grid finds the position
// through its row tags.
class ScheduleDropFilter : public QObject {
public:
    using DropHandler = std::function<void(int col, int row, const QString& name)>;
    ScheduleDropFilter(GridView* view, DropHandler handler)
        : QObject(view), m_view(view), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!drag->mimeData()->hasFormat(PoolNameMimeType))
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            QString name;
            if (!ReadPoolNameMimeData(drop->mimeData(), name))
                return false;
            const QModelIndex cell = m_view->indexAt(drop->position().toPoint());
            drop->acceptProposedAction();
            if (cell.isValid())
                m_handler(cell.column(), cell.row(), name);
            return true;
        }
        default:
            return false;
        }
    }

private:
    GridView* m_view;
    DropHandler m_handler;
};
} // namespace

NamePoolPanel::NamePoolPanel(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("NamePoolPanel"));
    SetHelpTopic(this, HelpTopic::Schedule);
    m_name = inputField("EDNeuerName", QStringLiteral("Eingabe neuer Namen"));
    m_email = inputField("EDEmail", QStringLiteral("E-Mail-Adresse der Mannschaft"));
    auto* add = button(QStringLiteral("hinzufüg."), "BTHinzufuegen", QStringLiteral("zur Liste hinzufügen"));
    auto* remove =
        button(QStringLiteral("&löschen"), "BTLoeschen", QStringLiteral("löscht ALLE markierten Namen"));
    m_sorted = Named(new QCheckBox(QStringLiteral("&sortiert")), "CBSortiert");
    m_sorted->setToolTip(QStringLiteral("Namen alphabetisch sortieren"));
    m_count = Named(new QLabel(QStringLiteral("0")), "LBAnzahl");
    m_count->setToolTip(QStringLiteral("Anzahl Mannschaften in Liste"));
    m_list = Named(new PoolNameList, "LBNamen");
    m_list->setToolTip(QStringLiteral("Rechtsclick -> Markierung der verwendeten Namen"));
    m_list->setMinimumHeight(260); // about fifteen names in view
    auto* importButton = button(QStringLiteral("Import"), "BTImport",
                                QStringLiteral("Namen und E-Mail-Adressen aus einer Textdatei einlesen "
                                               "(getrennt durch TAB oder Komma)"));
    auto* exportButton = button(QStringLiteral("Export"), "BTExport",
                                QStringLiteral("Namen und E-Mail-Adressen eportieren (getrennt durch TAB)"));

    // The drag of a name onto a position, as a button.
    auto* assign = button(QStringLiteral("&Zuweisen"), "BTZuweisen",
                          QStringLiteral("setzt den gewählten Namen auf die im Spielplan markierte Position "
                                         "(wie Ziehen mit der Maus)"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_name, 0, 0, 1, 2);
    layout->addWidget(m_email, 1, 0, 1, 2);
    layout->addWidget(add, 2, 0);
    layout->addWidget(remove, 2, 1);
    layout->addWidget(m_sorted, 3, 0);
    layout->addWidget(m_count, 3, 1, Qt::AlignRight);
    layout->addWidget(m_list, 4, 0, 1, 2);
    layout->addWidget(importButton, 5, 0);
    layout->addWidget(exportButton, 5, 1);
    layout->addWidget(assign, 6, 0, 1, 2);
    layout->setRowStretch(4, 1);

    connect(add, &QPushButton::clicked, this, &NamePoolPanel::addName);
    // Typing a name makes "hinzufüg." the default: Enter adds it.
    connect(m_name, &QLineEdit::returnPressed, this, &NamePoolPanel::addName);
    connect(m_email, &QLineEdit::returnPressed, this, &NamePoolPanel::addName);
    connect(remove, &QPushButton::clicked, this, &NamePoolPanel::deleteMarkedNames);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &NamePoolPanel::deleteMarkedNames);
    connect(m_sorted, &QCheckBox::toggled, this, &NamePoolPanel::sortedToggled);
    connect(m_list, &PoolNameList::moveRequested, this, &NamePoolPanel::moveName);
    connect(m_list, &PoolNameList::pressed, this, [this](Qt::MouseButton mouseButton) {
        SyncPoolToList(m_state);
        if (mouseButton == Qt::RightButton)
            showPool();
    });
    connect(importButton, &QPushButton::clicked, this, &NamePoolPanel::importNames);
    connect(assign, &QPushButton::clicked, this, &NamePoolPanel::assignToSelectedPosition);
    connect(exportButton, &QPushButton::clicked, this, &NamePoolPanel::exportNames);
    showPool();
}

NamePoolPanel::~NamePoolPanel() = default;

void NamePoolPanel::acceptDropsOn(GridView* scheduleView)
{
    scheduleView->viewport()->setAcceptDrops(true);
    scheduleView->viewport()->installEventFilter(new ScheduleDropFilter(
        scheduleView, [this](int col, int row, const QString& name) { dropOnSchedule(col, row, name); }));
}

void NamePoolPanel::showPool()
{
    const QStringList shown = [this] {
        QStringList texts;
        for (int item = 0; item < m_list->count(); ++item)
            texts << m_list->item(item)->text();
        return texts;
    }();
    if (shown != m_state.NameList) {
        m_list->clear();
        m_list->addItems(m_state.NameList);
    }
    const QList<bool> used = MarkUsedNames(m_state);
    for (int item = 0; item < m_list->count() && item < used.size(); ++item)
        m_list->item(item)->setSelected(used[item]);
    showCount();
}

void NamePoolPanel::showCount()
{
    m_count->setText(QString::number(m_list->count()));
}

void NamePoolPanel::scrollToItem(int item)
{
    if (item >= 0 && item < m_list->count())
        m_list->scrollToItem(m_list->item(item));
}

void NamePoolPanel::addName()
{
    const AddPoolNameResult result =
        AddPoolName(m_state, m_name->text(), m_email->text(), m_sorted->isChecked(), m_prompter);
    const int top = m_list->indexAt(QPoint(1, 1)).row();
    showPool();
    // A new name keeps the view where it was; a refused one shows the name that refused it.
    scrollToItem(result.Added ? top : result.Item);
    m_name->clear();
    m_email->clear();
    m_name->setFocus();
}

void NamePoolPanel::deleteMarkedNames()
{
    QList<int> marked;
    for (const QListWidgetItem* item : m_list->selectedItems())
        marked << m_list->row(item);
    const int top = m_list->indexAt(QPoint(1, 1)).row();
    const RemovedPoolName removed = DeleteMarkedNames(m_state, marked);
    if (!marked.isEmpty()) {
        m_name->setText(removed.Name);
        m_email->setText(removed.Email);
    }
    showPool();
    scrollToItem(std::min(top, m_list->count() - 1));
}

void NamePoolPanel::sortedToggled(bool sorted)
{
    if (sorted)
        SortPoolNames(m_state);
    showPool();
}

void NamePoolPanel::moveName(int from, int to)
{
    const int current = MovePoolName(m_state, from, to);
    showPool();
    if (current >= 0)
        m_list->setCurrentItem(m_list->item(current), QItemSelectionModel::NoUpdate);
}

void NamePoolPanel::importNames()
{
    if (m_files == nullptr) {
        m_platformFiles = std::make_unique<QtFileChooser>();
        m_files = m_platformFiles.get();
    }
    const QString path = m_files->chooseFileToOpen(
        this, {QStringLiteral("Korvane laden"), m_state.WorkDir, QString(), ImportFilter, QString()});
    if (path.isEmpty())
        m_state.RememberedFileName.clear();
    else
        ImportNamesFromFile(m_state, path, m_sorted->isChecked(), m_prompter);
    showPool();
}

void NamePoolPanel::exportNames()
{
    QGuiApplication::clipboard()->setText(NamePoolExportText(m_state));
    m_prompter.inform(PoolText::ExportCaption, PoolText::Exported);
}

void NamePoolPanel::assignToSelectedPosition()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr) {
        m_prompter.inform(PoolText::AssignCaption, PoolText::AssignNeedsName);
        return;
    }
    dropOnSchedule(m_state.SelectedCol, m_state.SelectedRow, item->text());
}

void NamePoolPanel::dropOnSchedule(int col, int row, const QString& name)
{
    DropNameOnPosition(m_state, col, row, name, m_prompter);
    emit scheduleChanged();
    showPool();
}
