#pragma once

#include <QMainWindow>

#include <functional>
#include <optional>

class FileChooser;
class Prompter;
class QTextEdit;
struct TournamentState;

// "Urkunde drucken": the certificate of one team, made from the RTF template with "#name"
// filled in; the organiser can still edit, format and print it, and load and save templates.
class TFormUrkunde : public QMainWindow {
    Q_OBJECT
public:
    TFormUrkunde(TournamentState& state, Prompter& prompter, FileChooser& files, QWidget* parent = nullptr);

    // Shows the window with the template filled with the name found in the cell's text.
    void ShowCertificate(const QString& cellText);
    // Loads the template into the editor and puts the text in place of every "#name".
    void FillTemplate(const QString& text);

    QTextEdit& editor() { return *m_editor; }
    // The font dialog of "Schriftart..."; tests put their own choice in.
    void setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooseFont);

private:
    void buildMenus();
    QWidget* buildButtons();
    bool loadTemplate(const QString& path);
    void chooseFont();
    void print();
    void newTemplate();
    void loadNewTemplate();
    void saveTemplate();
    QString templatePath() const;

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    QTextEdit* m_editor = nullptr;
    std::function<std::optional<QFont>(const QFont&)> m_chooseFont;
};
