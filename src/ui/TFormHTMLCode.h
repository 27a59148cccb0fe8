#pragma once

#include "output/GridAppearance.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class FileChooser;
class Prompter;
class QLineEdit;
class QPlainTextEdit;
class TextGrid;

// "HTML Code exportieren": the grid of the active tab as an HTML table, saved to a file or put
// on the clipboard.
class TFormHTMLCode : public QDialog {
    Q_OBJECT
public:
    struct Source {
        const TextGrid* grid = nullptr;
        GridAppearance appearance;
        QString title; // the tournament's name
    };

    // activeGrid gives the grid of the active tab at the moment of the export.
    TFormHTMLCode(std::function<Source()> activeGrid, const QString& workDir, Prompter& prompter,
                  FileChooser& files, QWidget* parent = nullptr);

signals:
    // The dialog lost activation: the schedule window takes its remembered grid font back.
    void deactivated();

protected:
    bool event(QEvent* event) override;

private:
    // BuildHtmlTable into the hidden memo; false when the border field is empty.
    bool buildIntoMemo();
    void saveHtml();
    void copyHtml();

    std::function<Source()> m_activeGrid;
    const QString& m_workDir;
    Prompter& m_prompter;
    FileChooser& m_files;
    QLineEdit* m_border = nullptr;
    QPlainTextEdit* m_memo = nullptr; // the built page, never shown
    QStringList m_lines;
};
