#pragma once

#include <QWidget>

#include <memory>

class FileChooser;
class GridView;
class PoolNameList;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
struct TournamentState;

// "Mannschaftsnamen": the pool of team names with their e-mail addresses, shown in the
// schedule window's "&Namen" mode. Names are added, removed, sorted, reordered by dragging,
// imported from a text file, copied to the clipboard and dragged onto team positions of the
// schedule grid.
class NamePoolPanel : public QWidget {
    Q_OBJECT
public:
    NamePoolPanel(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);
    ~NamePoolPanel() override;

    // The import asks this chooser for its file; without one it uses the platform dialog.
    void setFileChooser(FileChooser& files) { m_files = &files; }
    // Lets pool names be dropped onto the team positions of the schedule grid.
    void acceptDropsOn(GridView* scheduleView);

    // Takes the pool as the tournament holds it and marks the names used in the plan.
    void showPool();

signals:
    // A dropped name changed the schedule grid: the window shows it.
    void scheduleChanged();

private:
    void addName();
    void deleteMarkedNames();
    void sortedToggled(bool sorted);
    void moveName(int from, int to);
    void importNames();
    void exportNames();
    void dropOnSchedule(int col, int row, const QString& name);
    // "Zuweisen": the current name of the list onto the selected cell of the schedule.
    void assignToSelectedPosition();
    void showCount();
    void scrollToItem(int item);

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser* m_files = nullptr;
    std::unique_ptr<FileChooser> m_platformFiles;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_email = nullptr;
    QLabel* m_count = nullptr;
    QCheckBox* m_sorted = nullptr;
    PoolNameList* m_list = nullptr;
};
