#pragma once

#include <QElapsedTimer>
#include <QGroupBox>

class PauseListWidget;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct TournamentState;

// The box "Pausen": start and duration of a break, adding and deleting, the break list in the
// order the user gives it, or sorted by time of day.
class PausePanel : public QGroupBox {
    Q_OBJECT
public:
    PausePanel(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    void showBreaks();

signals:
    void edited();

private:
    QLineEdit* timeInput(const char* name, const QString& hint);
    void addBreak();
    void deleteBreak();
    void moveBreak(int from, int to);

    TournamentState& m_state;
    Prompter& m_prompter;
    QLineEdit* m_begin = nullptr;
    QLineEdit* m_duration = nullptr;
    QPushButton* m_add = nullptr;
    PauseListWidget* m_list = nullptr;
    QCheckBox* m_sorted = nullptr;
    QElapsedTimer m_sinceAdd;
    QString m_addedInputs; // begin and duration of the break added last
};
