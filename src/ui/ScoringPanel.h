#pragma once

#include <QGroupBox>

class QCheckBox;
class QRadioButton;
struct TournamentState;

// The box with the context-help switch, the points system, sets and set priority.
class ScoringPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ScoringPanel(TournamentState& state, QWidget* parent = nullptr);

    void showSettings();

signals:
    void edited();
    // "Dire&kthilfe aktiv" was clicked.
    void contextHelpSwitched(bool on);

private:
    TournamentState& m_state;
    QCheckBox* m_contextHelp = nullptr;
    QRadioButton* m_twoPoints = nullptr;
    QRadioButton* m_threePoints = nullptr;
    QCheckBox* m_withSets = nullptr;
    QCheckBox* m_setPriority = nullptr;
    QCheckBox* m_structured = nullptr;
};
