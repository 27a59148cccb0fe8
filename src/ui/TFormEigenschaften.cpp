#include "ui/TFormEigenschaften.h"

#include "help/HelpTextRestore.h"
#include "help/SettingsAcceptance.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "ui/HelpTopics.h"
#include "ui/HelpWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace {
constexpr int NumberFieldLength = Limits::SettingNumberLength;

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox* groupBox(const QString& title, const char* name)
{
    return named(new QGroupBox(title), name);
}

// Two choices of one setting: exactly one of them is checked.
void pairUp(QRadioButton* first, QRadioButton* second, QWidget* owner)
{
    auto* group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
}

// Clicking one of the buttons checks it and clears the others; none at all stays possible
// until the first click.
void ChooseAtMostOne(std::initializer_list<QRadioButton*> buttons, QObject* owner)
{
    const std::vector<QRadioButton*> all(buttons);
    for (QRadioButton* button : all) {
        button->setAutoExclusive(false);
        QObject::connect(button, &QRadioButton::clicked, owner, [all, button] {
            for (QRadioButton* other : all)
                other->setChecked(other == button);
        });
    }
}

void checkPair(QRadioButton* yes, QRadioButton* no, bool on)
{
    yes->setChecked(on);
    no->setChecked(!on);
}
} // namespace

TFormEigenschaften::TFormEigenschaften(TournamentState& state, Prompter& prompter, const QString& programDir,
                                       QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter), m_programDir(programDir)
{
    setObjectName(QStringLiteral("TFormEigenschaften"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::Settings);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildRefereeGroup());
    left->addWidget(buildSearchDepthGroup());
    left->addWidget(buildGeneralGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildCompareCriteriaGroup());
    right->addWidget(buildCompareScopeGroup());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);

    m_ok = named(new QPushButton(QStringLiteral("&OK")), "btOK");
    auto* cancel = named(new QPushButton(QStringLiteral("A&bbrechen")), "btAbbrechen");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buildHiddenGroups());
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &TFormEigenschaften::accept);
    connect(cancel, &QPushButton::clicked, this, &TFormEigenschaften::reject);
    connectLiveEdits();
    showSettings();
}

QWidget* TFormEigenschaften::buildHiddenGroups()
{
    // Output options that no visible control offers; they are kept with their defaults.
    auto* hidden = named(new QWidget, "hiddenGroups");
    auto* layout = new QHBoxLayout(hidden);

    auto* fieldPlan = groupBox(QStringLiteral("Platzverteilung"), "gbPlatzverteilung");
    fieldPlan->setToolTip(QStringLiteral("gilt NUR für Platzverteilung"));
    m_fieldsPerLine = named(new QLineEdit, "edPlaetzeProZeile");
    m_fieldsPerLine->setMaxLength(NumberFieldLength);
    m_fieldsShown = named(new QLineEdit, "edPlaetzeAnzeige");
    m_fieldsShown->setReadOnly(true);
    m_fieldsShown->setToolTip(QStringLiteral("ggfs. im Hauptfenster Anzahl Plätze ändern"));
    auto* fieldPlanLayout = new QHBoxLayout(fieldPlan);
    fieldPlanLayout->addWidget(m_fieldsPerLine);
    fieldPlanLayout->addWidget(m_fieldsShown);

    auto* schedule = groupBox(QStringLiteral("Spielplan"), "gbSpielplan");
    schedule->setToolTip(QStringLiteral("gilt NUR für Spielplan"));
    m_oneGroupPerLine = named(new QRadioButton(QStringLiteral("&1")), "rbEineGruppe");
    m_twoGroupsPerLine = named(new QRadioButton(QStringLiteral("&2")), "rbZweiGruppen");
    auto* scheduleLayout = new QHBoxLayout(schedule);
    scheduleLayout->addWidget(m_oneGroupPerLine);
    scheduleLayout->addWidget(m_twoGroupsPerLine);

    auto* formatted = groupBox(QStringLiteral("Formatiert"), "gbFormatiert");
    m_formatted = named(new QRadioButton(QStringLiteral("&ja")), "rbFormatiertJa");
    m_notFormatted = named(new QRadioButton(QStringLiteral("&nein")), "rbFormatiertNein");
    auto* tabStops = named(new QPushButton(QStringLiteral("Tabulatoren...")), "btTabulatoren");
    auto* formattedLayout = new QHBoxLayout(formatted);
    formattedLayout->addWidget(m_formatted);
    formattedLayout->addWidget(m_notFormatted);
    formattedLayout->addWidget(tabStops);

    auto* blankLine = groupBox(QStringLiteral("Spielplan / Platzverteilung"), "gbLeerzeile");
    m_blankLine = named(new QRadioButton(QStringLiteral("ja&woll")), "rbLeerzeileJa");
    m_noBlankLine = named(new QRadioButton(QStringLiteral("ne&in")), "rbLeerzeileNein");
    auto* blankLineLayout = new QVBoxLayout(blankLine);
    blankLineLayout->addWidget(new QLabel(QStringLiteral("Leerzeile zwischen zwei Spielen ausgeben ?")));
    blankLineLayout->addWidget(m_blankLine);
    blankLineLayout->addWidget(m_noBlankLine);

    auto* symmetry = groupBox(QStringLiteral("Berechnung"), "gbBerechnung");
    m_groupSymmetric =
        named(new QRadioButton(QStringLiteral("Gruppensymmetrischer Spielplan")), "rbGruppensymmetrisch");
    m_leagueSymmetric =
        named(new QRadioButton(QStringLiteral("Ligasymmetrischer Spielplan")), "rbLigasymmetrisch");
    auto* symmetryLayout = new QVBoxLayout(symmetry);
    symmetryLayout->addWidget(new QLabel(QStringLiteral("inaktiviert")));
    symmetryLayout->addWidget(m_groupSymmetric);
    symmetryLayout->addWidget(m_leagueSymmetric);

    pairUp(m_oneGroupPerLine, m_twoGroupsPerLine, this);
    pairUp(m_formatted, m_notFormatted, this);
    pairUp(m_blankLine, m_noBlankLine, this);
    // Neither symmetry may be checked (a file can say so), so the two are no exclusive group.
    ChooseAtMostOne({m_groupSymmetric, m_leagueSymmetric}, this);

    for (QWidget* group :
         {static_cast<QWidget*>(fieldPlan), static_cast<QWidget*>(schedule), static_cast<QWidget*>(formatted),
          static_cast<QWidget*>(blankLine), static_cast<QWidget*>(symmetry)})
        layout->addWidget(group);
    hidden->setVisible(false);
    return hidden;
}

QWidget* TFormEigenschaften::buildRefereeGroup()
{
    auto* box = groupBox(QStringLiteral("Schiedsrichter"), "gbSchiedsrichter");
    m_referees = named(new QRadioButton(QStringLiteral("j&a")), "rbSchiedsrichterJa");
    m_noReferees = named(new QRadioButton(QStringLiteral("n&ein")), "rbSchiedsrichterNein");
    pairUp(m_referees, m_noReferees, this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_referees);
    choices->addWidget(m_noReferees);
    choices->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("sollen Schiedsrichter eingeteilt werden ?")));
    layout->addLayout(choices);
    return box;
}

QWidget* TFormEigenschaften::buildSearchDepthGroup()
{
    auto* box = groupBox(QStringLiteral("Rechentiefe Platzverteilung"), "gbRechentiefe");
    m_searchDepth = named(new QLineEdit, "edRechentiefe");
    m_searchDepth->setMaxLength(NumberFieldLength);
    m_searchDepth->setMaximumWidth(m_searchDepth->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                                   12);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("je höher diese Zahl, umso besser die Platzverteilung,")));
    layout->addWidget(new QLabel(QStringLiteral("und umso länger die Berechnung (Standard ist 50)")));
    layout->addWidget(m_searchDepth);
    m_optimiseAllocation =
        named(new QCheckBox(QStringLiteral("Platzverteilung optimieren")), "cbPlatzverteilungOptimieren");
    m_optimiseAllocation->setToolTip(QStringLiteral(
        "findet bessere Platzverteilungen, rechnet länger; ohne Haken wird genau wie bisher verteilt"));
    layout->addWidget(m_optimiseAllocation);
    return box;
}

QWidget* TFormEigenschaften::buildCompareCriteriaGroup()
{
    auto* box = groupBox(QStringLiteral("direkter Vergleich"), "gbDirekterVergleich");
    m_plusPoints = named(new QCheckBox(QStringLiteral("positi&ve Punkte")), "cbPositivePunkte");
    m_goalDiff = named(new QCheckBox(QStringLiteral("&Tordifferenz")), "cbTordifferenz");
    m_plusGoals = named(new QCheckBox(QStringLiteral("&positive Tore")), "cbPositiveTore");
    m_plusSets = named(new QCheckBox(QStringLiteral("positive &Sätze")), "cbPositiveSaetze");
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("direkten Vergleich heranziehen, wenn neben")));
    layout->addWidget(new QLabel(QStringLiteral("Punkt- und Satzdifferenz ebenfalls gleich sind:")));
    for (QCheckBox* check : {m_plusPoints, m_goalDiff, m_plusGoals, m_plusSets})
        layout->addWidget(check);
    return box;
}

QWidget* TFormEigenschaften::buildCompareScopeGroup()
{
    auto* box = groupBox(QStringLiteral("direkter Vergleich"), "gbVergleichsbereich");
    m_sameRound = named(new QRadioButton(QStringLiteral("nur &gleiche Runde")), "rbGleicheRunde");
    m_sameAndLastRound =
        named(new QRadioButton(QStringLiteral("nur gleiche und &letzte Runde")), "rbGleicheUndLetzteRunde");
    m_wholeTournament = named(new QRadioButton(QStringLiteral("ganzes K&orvane")), "rbGanzesKorvane");
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("beim direkten Vergleich berücksichtigen:")));
    for (QRadioButton* scope : {m_sameRound, m_sameAndLastRound, m_wholeTournament})
        layout->addWidget(scope);
    // Not an exclusive group: a loaded file may choose none of the three.
    ChooseAtMostOne({m_sameRound, m_sameAndLastRound, m_wholeTournament}, this);
    return box;
}

QWidget* TFormEigenschaften::buildGeneralGroup()
{
    auto* box = groupBox(QStringLiteral("Allgemein"), "gbAllgemein");
    auto* restoreHelp =
        named(new QPushButton(QStringLiteral("Original-Diekthilfe")), "btOriginalDirekthilfe");
    m_keepPlanUpdated =
        named(new QCheckBox(QStringLiteral("Spielplan stä&ndig aktualisieren")), "cbSpielplanAktualisieren");
    m_keepPlanUpdated->setToolTip(QStringLiteral("bei jeder Änderung Spielplan neu ausgeben"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(restoreHelp, 0, Qt::AlignLeft);
    layout->addWidget(m_keepPlanUpdated);
    connect(restoreHelp, &QPushButton::clicked, this, &TFormEigenschaften::restoreOriginalHelp);
    return box;
}

void TFormEigenschaften::connectLiveEdits()
{
    for (QLineEdit* edit : {m_fieldsPerLine, m_searchDepth})
        connect(edit, &QLineEdit::textChanged, this, &TFormEigenschaften::storeSettings);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             m_oneGroupPerLine, m_twoGroupsPerLine, m_formatted, m_notFormatted, m_referees, m_noReferees,
             m_blankLine, m_noBlankLine, m_optimiseAllocation, m_plusPoints, m_goalDiff, m_plusGoals,
             m_plusSets, m_sameRound, m_sameAndLastRound, m_wholeTournament, m_groupSymmetric,
             m_leagueSymmetric})
        connect(button, &QAbstractButton::toggled, this, &TFormEigenschaften::storeSettings);
    // Not covered by the snapshot: it takes effect at once and "A&bbrechen" keeps it.
    connect(m_keepPlanUpdated, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showingSettings)
            return;
        m_state.Settings.KeepPlanUpdated = on;
        emit keepPlanUpdatedChanged(on);
    });
}

void TFormEigenschaften::showSettings()
{
    const TournamentSettings& settings = m_state.Settings;
    m_showingSettings = true;

    m_fieldsPerLine->setText(settings.FieldsPerLine);
    m_fieldsShown->setText(CappedFieldsPerLine(settings.FieldsPerLine));
    checkPair(m_oneGroupPerLine, m_twoGroupsPerLine, settings.GroupsPerLine == 1);
    checkPair(m_formatted, m_notFormatted, settings.FormattedOutput);
    checkPair(m_referees, m_noReferees, settings.RefereesEnabled);
    checkPair(m_blankLine, m_noBlankLine, settings.BlankLineBetweenGames);
    m_searchDepth->setText(settings.SearchDepth);
    m_optimiseAllocation->setChecked(settings.OptimiseAllocation);
    m_plusPoints->setChecked(settings.DirectCompareNeedsPlusPoints);
    m_goalDiff->setChecked(settings.DirectCompareNeedsGoalDiff);
    m_plusGoals->setChecked(settings.DirectCompareNeedsPlusGoals);
    m_plusSets->setChecked(settings.DirectCompareNeedsPlusSets);
    m_sameRound->setChecked(settings.DirectCompareScope == CompareScope::SameRound);
    m_sameAndLastRound->setChecked(settings.DirectCompareScope == CompareScope::SameAndLastRound);
    m_wholeTournament->setChecked(settings.DirectCompareScope == CompareScope::WholeTournament);
    m_keepPlanUpdated->setChecked(settings.KeepPlanUpdated);
    m_groupSymmetric->setChecked(settings.PlanSymmetry == PlanSymmetryMode::GroupSymmetric);
    m_leagueSymmetric->setChecked(settings.PlanSymmetry == PlanSymmetryMode::LeagueSymmetric);
    m_showingSettings = false;
}

void TFormEigenschaften::storeSettings()
{
    if (m_showingSettings)
        return;
    TournamentSettings& settings = m_state.Settings;
    settings.FieldsPerLine = m_fieldsPerLine->text();
    settings.GroupsPerLine = m_oneGroupPerLine->isChecked() ? 1 : 2;
    settings.FormattedOutput = m_formatted->isChecked();
    settings.RefereesEnabled = m_referees->isChecked();
    settings.BlankLineBetweenGames = m_blankLine->isChecked();
    settings.SearchDepth = m_searchDepth->text();
    settings.OptimiseAllocation = m_optimiseAllocation->isChecked();
    settings.DirectCompareNeedsPlusPoints = m_plusPoints->isChecked();
    settings.DirectCompareNeedsGoalDiff = m_goalDiff->isChecked();
    settings.DirectCompareNeedsPlusGoals = m_plusGoals->isChecked();
    settings.DirectCompareNeedsPlusSets = m_plusSets->isChecked();
    settings.DirectCompareScope = m_sameRound->isChecked()          ? CompareScope::SameRound
                                  : m_sameAndLastRound->isChecked() ? CompareScope::SameAndLastRound
                                  : m_wholeTournament->isChecked()  ? CompareScope::WholeTournament
                                                                    : CompareScope::None;
    settings.PlanSymmetry = m_groupSymmetric->isChecked()    ? PlanSymmetryMode::GroupSymmetric
                            : m_leagueSymmetric->isChecked() ? PlanSymmetryMode::LeagueSymmetric
                                                             : PlanSymmetryMode::None;
}

void TFormEigenschaften::showEvent(QShowEvent* event)
{
    // A load may have changed the settings since the last opening.
    showSettings();
    m_snapshot = TakeSettingsSnapshot(m_state.Settings);
    m_ok->setDefault(true);
    QDialog::showEvent(event);
}

void TFormEigenschaften::accept()
{
    const SettingsAcceptance result = AcceptSettings(m_state, m_searchDepth->text(), m_prompter);
    m_searchDepth->setText(result.searchDepthText);
    if (!result.closes)
        return;
    QDialog::accept();
    if (result.renderPlan)
        emit planRenderRequested();
}

void TFormEigenschaften::reject()
{
    RestoreSettingsSnapshot(m_state.Settings, m_snapshot);
    showSettings();
    QDialog::reject();
}

void TFormEigenschaften::restoreOriginalHelp()
{
    HelpTextReplacer throughHelpWindow;
    if (m_helpWindow) {
        throughHelpWindow = [this](const QString& backupPath, const QString& workingCopyPath) {
            if (!m_helpWindow->loadHelpText(backupPath)) {
                m_prompter.inform(QStringLiteral("Info"),
                                  QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden"));
                return false;
            }
            return m_helpWindow->saveHelpText(workingCopyPath);
        };
    }
    if (RestoreOriginalHelpText(m_state.WorkDir, m_programDir, m_prompter, throughHelpWindow))
        emit helpTextRestored();
}

void TFormEigenschaften::setHelpWindow(HelpWindow* helpWindow)
{
    m_helpWindow = helpWindow;
}
