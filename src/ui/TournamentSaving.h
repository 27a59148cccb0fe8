#pragma once

#include <QObject>
#include <QString>

class FileChooser;
class Prompter;
class QWidget;
struct TournamentState;

// Saving the tournament from the main window, in one place: "&Speichern" to the remembered file,
// "Korvane &Speichern..." with the file dialog, and the question before unsaved work would be
// lost (exit, load, new). Whatever wants to follow a save listens to `saved`.
class TournamentSaving : public QObject {
    Q_OBJECT
public:
    TournamentSaving(TournamentState& state, Prompter& prompter, FileChooser& files, QWidget* window);

    // "Korvane &Speichern...": the save dialog, then the file. True when it was written.
    bool saveWithDialog();
    // "&Speichern": the remembered file without a dialog; the dialog while there is none.
    bool save();
    // Before the tournament in memory is replaced or the program ends. Nothing is asked while it
    // is saved; otherwise "Speichern" saves (false when that did not happen), "Verwerfen" goes on
    // without saving, and "Abbrechen", the default, stays. True when the caller may go on.
    bool settleUnsavedWork();

signals:
    // The tournament was written to `path`.
    void saved(const QString& path);

private:
    bool saveTo(const QString& path);

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    QWidget* m_window;
};

// The filter of both tournament file dialogs.
inline const QString TournamentFileFilter =
    QStringLiteral("Korvaneaufstellung (*.auf)|*.auf|Alle Dateien (*.*)|*.*");
