#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of the tournament file. The program uses QtFileChooser; tests put a
// scripted chooser in. Each returns the chosen path, or an empty text when cancelled.
class FileChooser {
public:
    struct Request {
        QString caption;
        QString directory;     // where the dialog starts
        QString proposedName;  // preselected file name or path
        QString filter;        // in the "description|pattern|description|pattern" form
        QString defaultSuffix; // appended to a name without one (save only), without the dot
    };

    virtual ~FileChooser() = default;
    virtual QString chooseFileToOpen(QWidget* parent, const Request& request) = 0;
    // The dialog never asks about overwriting; the caller does that itself.
    virtual QString chooseFileToSave(QWidget* parent, const Request& request) = 0;
};

// "Korvaneaufstellung (*.auf)|*.auf|Alle Dateien (*.*)|*.*" becomes
// "Korvaneaufstellung (*.auf);;Alle Dateien (*.*)"; a description without its patterns gets them.
QString QtFileFilter(const QString& pipeFilter);

class QtFileChooser : public FileChooser {
public:
    QString chooseFileToOpen(QWidget* parent, const Request& request) override;
    QString chooseFileToSave(QWidget* parent, const Request& request) override;
};
