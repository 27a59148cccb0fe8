#include "ui/GameListDialog.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "allocation/GameListPages.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/GameListFiles.h"
#include "ui/AllocationProgressDialog.h"
#include "ui/DocumentPrinting.h"
#include "ui/FileChooser.h"
#include "ui/HelpTopics.h"
#include "ui/RtfTextDocument.h"
#include "ui/SaveAsking.h"
#include "ui/WidgetNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString Information = QStringLiteral("Info");

void SetBase(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}
} // namespace

GameListDialog::GameListDialog(TournamentState& state, Prompter& prompter, FileChooser& files,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter), m_files(files),
      m_output(std::make_unique<AllocationOutput>())
{
    setObjectName(QStringLiteral("GameListDialog"));
    setWindowTitle(QStringLiteral("Spiellisten"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::GameLists);

    m_round = Named(new QLineEdit(QStringLiteral("1")), "edRunde");
    m_round->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_round->setMaximumWidth(60);
    m_oneFile = Named(new QRadioButton(QStringLiteral("alle in einer Datei speichern")), "RBeineDatei");
    m_filePerTeam = Named(new QRadioButton(QStringLiteral("für jede Mannschaft eine Datei speichern")),
                          "RBjedeMannschaft");
    m_print = Named(new QRadioButton(QStringLiteral("direkt drucken")), "RBdrucken");
    m_oneFile->setChecked(true);
    auto* ok = Named(new QPushButton(QStringLiteral("OK")), "btOK");
    auto* cancel = Named(new QPushButton(QStringLiteral("abbrechen")), "btAbbrechen");
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Hier können Sie für alle "), QStringLiteral("Mannschaften einer Runde "),
          QStringLiteral("Spiellisten mit Zeiten und "), QStringLiteral("Spielplätzen erstellen.")}) {
        auto* label = new QLabel(line);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    auto* roundRow = new QHBoxLayout;
    roundRow->addWidget(new QLabel(QStringLiteral("Runde")));
    roundRow->addWidget(m_round);
    roundRow->addStretch(1);
    layout->addLayout(roundRow);
    layout->addWidget(m_oneFile);
    layout->addWidget(m_filePerTeam);
    layout->addWidget(m_print);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_round, &QLineEdit::textEdited, this, &GameListDialog::roundEdited);
    connect(ok, &QPushButton::clicked, this, &GameListDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &GameListDialog::reject);
}

GameListDialog::~GameListDialog() = default;

void GameListDialog::execForEmail()
{
    m_forEmail = true;
    exec();
    m_forEmail = false;
    lockForEmail(false);
}

void GameListDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    switch (m_state.Settings.GameListTarget) {
    case GameListDestination::OneFile:
        m_oneFile->setChecked(true);
        break;
    case GameListDestination::FilePerTeam:
        m_filePerTeam->setChecked(true);
        break;
    case GameListDestination::Print:
        m_print->setChecked(true);
        break;
    }
    if (m_forEmail) {
        m_round->setText(QStringLiteral("1"));
        m_filePerTeam->setChecked(true);
        lockForEmail(true);
    }
}

void GameListDialog::lockForEmail(bool locked)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_round, m_oneFile, m_filePerTeam, m_print})
        control->setEnabled(!locked);
}

// Below 1 becomes "1", above the round count the round count; a replaced value shows red.
void GameListDialog::roundEdited()
{
    if (m_round->text().isEmpty())
        return; // typing goes on; "OK" takes round 1
    const int typed = m_round->text().toInt();
    const int round = std::clamp(typed, 1, std::max(1, m_state.RoundCount));
    if (round != typed || m_round->text() != QString::number(round)) {
        const bool replaced = round != typed;
        m_round->setText(QString::number(round));
        SetBase(m_round, replaced ? QColor(Qt::red) : palette().color(QPalette::Base));
        return;
    }
    SetBase(m_round, palette().color(QPalette::Base));
}

void GameListDialog::accept()
{
    const int round = std::clamp(m_round->text().toInt(), 1, std::max(1, m_state.RoundCount));
    m_state.Settings.GameListTarget = m_print->isChecked()         ? GameListDestination::Print
                                      : m_filePerTeam->isChecked() ? GameListDestination::FilePerTeam
                                                                   : GameListDestination::OneFile;
    RequestGameLists(*m_output, round);
    AllocationProgressDialog progress(this);
    AllocationOptions options;
    options.Progress = progress.callback();
    if (RunAllocation(m_state, *m_output, m_prompter, options))
        writeGameLists(round);
    QDialog::accept();
}

void GameListDialog::writeGameLists(int round)
{
    if (m_state.Settings.GameListTarget == GameListDestination::Print)
        printGameLists(round);
    else
        WriteGameListFiles(m_state, m_output->GameLists, round,
                           m_state.Settings.GameListTarget == GameListDestination::FilePerTeam,
                           m_state.WorkDir, m_prompter);
}

void GameListDialog::printGameLists(int round)
{
    const QList<QStringList> pages =
        GameListPagesPerTeam(GameListPages(m_state, m_output->GameLists, round), m_output->GameLists);
    std::vector<std::unique_ptr<QTextDocument>> documents;
    QList<const QTextDocument*> printed;
    for (const QStringList& page : pages) {
        documents.push_back(std::make_unique<QTextDocument>());
        FillTextDocument(*documents.back(), GameListDocument({page}));
        printed.append(documents.back().get());
    }
    const bool done = PrintDocuments(printed, QStringLiteral("Korvane Spielliste"), m_prompter, [this] {
        return ChoosePdfPath(m_files, this, m_state.WorkDir, QStringLiteral("Spiellisten.pdf"), m_prompter);
    });
    m_prompter.inform(Information, done ? QStringLiteral("Spiellisten gedruckt.")
                                        : QStringLiteral("Spiellisten nicht gedruckt."));
}
