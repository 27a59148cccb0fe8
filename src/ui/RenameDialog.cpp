#include "ui/RenameDialog.h"

#include "model/TournamentState.h"
#include "names/NamePlacement.h"
#include "results/GridInteraction.h"
#include "ui/HelpTopics.h"
#include "ui/PoolNameDrag.h"
#include "ui/WidgetNames.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* numberField(const char* name)
{
    auto* field = Named(new QLineEdit, name);
    field->setReadOnly(true);
    field->setMaximumWidth(60);
    return field;
}
} // namespace

RenameDialog::RenameDialog(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("RenameDialog"));
    setWindowTitle(QStringLiteral("Mannschaftsnamen ändern"));
    SetHelpTopic(this, HelpTopic::Rename);
    m_groupName = Named(new QLabel, "LBGruppenname");
    m_groupNumber = numberField("EDGruppennummer");
    m_positionNumber = numberField("EDMannschaftsnummer");
    m_name = Named(new QLineEdit, "EDName");
    m_name->setMaxLength(Limits::InputTextLength);
    m_name->installEventFilter(this);
    m_hint = Named(new QLabel, "LBHinweis");
    m_poolNames = Named(new QListWidget, "LBNamensliste");
    m_cutReferral = Named(new QCheckBox(QStringLiteral("Verweise löschen")), "CBVerweiseLoeschen");
    m_cutReferral->setToolTip(QStringLiteral("Verweise der geänderten Mannschaft löschen"));
    m_cutReferral->setChecked(true);
    auto* change = Named(new QPushButton(QStringLiteral("ä&ndern")), "BTAendern");
    auto* cancel = Named(new QPushButton(QStringLiteral("&abbrechen")), "BTAbbrechen");
    change->setDefault(true);

    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Gruppennummer"), m_groupNumber);
    numbers->addRow(QStringLiteral("Mannschaftsnummer"), m_positionNumber);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(change);
    buttons->addWidget(cancel);
    auto* left = new QVBoxLayout;
    left->addWidget(m_groupName);
    left->addLayout(numbers);
    left->addWidget(m_name);
    left->addWidget(m_hint);
    left->addWidget(m_cutReferral);
    left->addStretch(1);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_poolNames, 1);

    connect(m_name, &QLineEdit::textChanged, this, &RenameDialog::showHint);
    connect(m_poolNames, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { m_name->setText(item->text()); });
    connect(change, &QPushButton::clicked, this, &RenameDialog::applyName);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool RenameDialog::openFor(const RenameDialogRequest& request)
{
    if (isVisible())
        return false;
    m_group = request.Group;
    m_position = request.Position;
    m_groupName->setText(request.GroupName);
    m_groupNumber->setText(QString::number(request.Group));
    m_positionNumber->setText(QString::number(request.Position));
    m_name->setText(request.CurrentName);
    showHint(request.CurrentName);
    m_renamed = false;
    exec();
    return m_renamed;
}

void RenameDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_poolNames->clear();
    m_poolNames->addItems(m_state.NameList);
    m_name->setFocus();
}

// A pool name dropped onto the input field replaces its text.
bool RenameDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_name || (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
                              event->type() != QEvent::Drop))
        return QDialog::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    QString name;
    if (!ReadPoolNameMimeData(drop->mimeData(), name))
        return QDialog::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        m_name->setText(name);
    return true;
}

void RenameDialog::showHint(const QString& name)
{
    const PoolNameHint hint = PoolNameHintFor(m_state, name);
    m_hint->setText(hint.Text);
    m_hint->setStyleSheet(hint.InPool ? QStringLiteral("color: #008000;")
                                      : QStringLiteral("color: #FF0000;"));
}

void RenameDialog::applyName()
{
    m_renamed =
        RenamePosition(m_state, m_group, m_position, m_name->text(), m_cutReferral->isChecked(), m_prompter);
    accept();
}
