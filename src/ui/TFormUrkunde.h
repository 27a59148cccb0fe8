#pragma once

#include "output/OfficeConverter.h"
#include "output/RtfDocument.h"

#include <QByteArray>
#include <QMainWindow>

#include <functional>
#include <optional>

class FileChooser;
class Prompter;
class QSpinBox;
class QTextEdit;
struct TournamentState;

// "Urkunde drucken": the certificate of one team, made from the RTF template with "#name"
// filled in; the organiser can still edit, format and print it, and load and save templates.
class TFormUrkunde : public QMainWindow {
    Q_OBJECT
public:
    TFormUrkunde(TournamentState& state, Prompter& prompter, FileChooser& files, QWidget* parent = nullptr);

    // Shows the window with the template filled with the name found in the cell's text; the
    // cell's group (0: none) is the one "für Platz 1–N der Gruppe" prints for.
    void ShowCertificate(const QString& cellText, int group = 0);
    // Loads the template into the editor and puts the text in place of every "#name".
    void FillTemplate(const QString& text);

    QTextEdit& editor() { return *m_editor; }
    // The font dialog of "Schriftart..."; tests put their own choice in.
    void setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooseFont);

private:
    void buildMenus();
    QWidget* buildButtons();
    bool loadTemplate(const QString& path);
    // Shows the RTF in the editor; what the editor cannot show stays in the file.
    void showRtf(const QByteArray& rtf);
    // The file shown with the organiser's edits put in place.
    QByteArray currentRtf() const;
    void chooseFont();
    void print();
    void printPlacedTeams();
    void newTemplate();
    void loadNewTemplate();
    void saveTemplate();
    QString templatePath() const;

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    QTextEdit* m_editor = nullptr;
    std::function<std::optional<QFont>(const QFont&)> m_chooseFont;
    OfficeConverter m_office;
    QSpinBox* m_places = nullptr;
    int m_group = 0;
    QByteArray m_rtf;    // the certificate's file as filled or loaded
    RtfDocument m_shown; // the editor's view of it right after showing
};
