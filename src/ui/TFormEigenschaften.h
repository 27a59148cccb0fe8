#pragma once

#include "help/SettingsSnapshot.h"

#include <QDialog>

class HelpWindow;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct TournamentState;

// "Einstellungen": the tournament settings that the main window does not show. Every control
// writes its setting at once; "A&bbrechen" (and Escape) go back to the snapshot taken when the
// dialog was shown, "&OK" checks the search depth and accepts.
class TFormEigenschaften : public QDialog {
    Q_OBJECT
public:
    TFormEigenschaften(TournamentState& state, Prompter& prompter, const QString& programDir,
                       QWidget* parent = nullptr);

    void reject() override;

    // "Original-Diekthilfe" restores the text through the help window's view.
    void setHelpWindow(HelpWindow* helpWindow);

signals:
    // "Spielplan stä&ndig aktualisieren" was switched; the schedule window shows or hides its
    // manual refresh button.
    void keepPlanUpdatedChanged(bool on);
    // "&OK" was accepted while the plan is kept up to date.
    void planRenderRequested();
    // "Original-Diekthilfe" wrote the delivered help text back into the working directory.
    void helpTextRestored();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildHiddenGroups();
    QWidget* buildRefereeGroup();
    QWidget* buildSearchDepthGroup();
    QWidget* buildCompareCriteriaGroup();
    QWidget* buildCompareScopeGroup();
    QWidget* buildGeneralGroup();
    void connectLiveEdits();
    void showSettings();
    void storeSettings();
    void accept() override;
    void restoreOriginalHelp();

    TournamentState& m_state;
    Prompter& m_prompter;
    QString m_programDir;
    HelpWindow* m_helpWindow = nullptr;
    SettingsSnapshot m_snapshot;
    bool m_showingSettings = false; // the controls are being filled from the state

    QLineEdit* m_fieldsPerLine = nullptr;
    QLineEdit* m_fieldsShown = nullptr;
    QRadioButton* m_oneGroupPerLine = nullptr;
    QRadioButton* m_twoGroupsPerLine = nullptr;
    QRadioButton* m_formatted = nullptr;
    QRadioButton* m_notFormatted = nullptr;
    QRadioButton* m_referees = nullptr;
    QRadioButton* m_noReferees = nullptr;
    QRadioButton* m_blankLine = nullptr;
    QRadioButton* m_noBlankLine = nullptr;
    QLineEdit* m_searchDepth = nullptr;
    QCheckBox* m_optimiseAllocation = nullptr;
    QCheckBox* m_plusPoints = nullptr;
    QCheckBox* m_goalDiff = nullptr;
    QCheckBox* m_plusGoals = nullptr;
    QCheckBox* m_plusSets = nullptr;
    QRadioButton* m_sameRound = nullptr;
    QRadioButton* m_sameAndLastRound = nullptr;
    QRadioButton* m_wholeTournament = nullptr;
    QCheckBox* m_keepPlanUpdated = nullptr;
    QRadioButton* m_groupSymmetric = nullptr;
    QRadioButton* m_leagueSymmetric = nullptr;
    QPushButton* m_ok = nullptr;
};
