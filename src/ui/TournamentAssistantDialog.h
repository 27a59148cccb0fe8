#pragma once

#include "assistant/TournamentAssistant.h"

#include <QDialog>

#include <functional>
#include <vector>

class FileChooser;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
struct TournamentState;

// "Turnier-Assistent": asks the frame of the day, lists the structures that fit it with their
// games and end time, lets the organiser rename the rounds and groups of the chosen one, and
// "Übernehmen" builds it with the teams in one call (ApplyBlueprint).
class TournamentAssistantDialog : public QDialog {
    Q_OBJECT
public:
    // `mayReplace` is asked before the open tournament is replaced (save, discard or stay).
    TournamentAssistantDialog(TournamentState& state, Prompter& prompter, FileChooser& files,
                              std::function<bool()> mayReplace, QWidget* parent = nullptr);

    // Shows the dialog with the pool's names in the team list and the proposals of its numbers.
    int exec() override;

private:
    QWidget* buildFrameBox();
    QWidget* buildTeamBox();
    AssistantInput readInput() const;
    void propose();
    void showChosen();
    void renameFromTree(QTreeWidgetItem* item, int column);
    void fillTeamsFromPool();
    void loadTeamsFromFile();
    void apply();

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    std::function<bool()> m_mayReplace;
    std::vector<StructureProposal> m_proposals;
    TournamentBlueprint m_chosen;
    AssistantInput m_proposedFor;
    bool m_filling = false;

    QSpinBox* m_teams = nullptr;
    QSpinBox* m_fields = nullptr;
    QSpinBox* m_gameLength = nullptr;
    QSpinBox* m_breakLength = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_latestEnd = nullptr;
    QListWidget* m_proposalList = nullptr;
    QTreeWidget* m_structure = nullptr;
    QPlainTextEdit* m_teamText = nullptr;
    QLabel* m_teamCount = nullptr;
    QComboBox* m_order = nullptr;
    QSpinBox* m_seed = nullptr;
    QPushButton* m_apply = nullptr;
};
