#pragma once

#include "output/GridAppearance.h"

#include <QFont>
#include <QObject>

#include <functional>
#include <optional>

class EmailDialog;
class FileChooser;
class GameListDialog;
class GridView;
class Prompter;
class QMainWindow;
class QTabWidget;
class TFormHTMLCode;
class TFormUrkunde;
class TextGrid;
struct TournamentState;

// The schedule window's output commands: printing, the grid font, clipboard, CSV/XLS and HTML
// export, game lists, certificates and e-mail. Each works on the grid of the active tab.
class ScheduleWindowOutput : public QObject {
    Q_OBJECT
public:
    struct Tab {
        GridView* view;
        const TextGrid& grid;
    };

    ScheduleWindowOutput(QMainWindow& window, TournamentState& state, Prompter& prompter, FileChooser& files,
                         QTabWidget& tabs, Tab schedule, Tab timePlan);

    void PrintActiveGrid();
    void ChangeGridFont();
    void CopyGridToClipboard();
    void ExportGridText();
    void ShowHtmlDialog();
    void ShowGameLists();
    void ShowEmails();
    void ShowCertificate();

    // The font dialog of "&Schriftart..."; tests put their own choice in.
    void setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooseFont);
    // What the printout and the HTML export take from the active grid's look.
    GridAppearance activeAppearance() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildSpeedButtons();
    const Tab& activeTab() const;
    void restoreScheduleFont();

    QMainWindow& m_window;
    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    QTabWidget& m_tabs;
    Tab m_schedule;
    Tab m_timePlan;
    QFont m_rememberedFont; // of StringGrid1 when the window was shown
    std::function<std::optional<QFont>(const QFont&)> m_chooseFont;

    TFormHTMLCode* m_htmlDialog = nullptr;
    GameListDialog* m_gameListDialog = nullptr;
    EmailDialog* m_emailDialog = nullptr;
    TFormUrkunde* m_certificate = nullptr;
};
