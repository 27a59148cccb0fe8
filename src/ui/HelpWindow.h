#pragma once

#include "help/HelpHistory.h"

#include "output/RtfDocument.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QTextCursor>

#include <utility>

class Prompter;
class QScrollBar;
class QTextEdit;
struct TournamentState;

// "Direkthilfe": the manual as one editable rich text, divided into topics that
// begin at "##" + number (hidden in the window, kept in the file). Right-clicks on controls ask for their
// topic; references "#number" in the text jump. The window lives for the whole run and is only shown and
// hidden.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(TournamentState& state, Prompter& prompter, QWidget* parent = nullptr);

    // Replaces the text by the RTF file; false when it cannot be read.
    bool loadHelpText(const QString& path);
    // Writes the whole text with its formatting; false (after a message) when
    // that fails.
    bool saveHelpText(const QString& path);

    // A right-click asked for `topic`: only while the context help is active.
    void RequestHelp(int topic);
    // Records the topic asked for last in the history.
    void PushHelpTopic();
    // Shows the window with the topic's marker near the top.
    void ShowHelpTopic();

    // "&zurück" and "&vor".
    void goBack();
    void goForward();

    int helpTopic() const { return m_helpTopic; }
    const HelpHistory& history() const { return m_history; }
    void clearHistory();
    bool textChanged() const { return m_textChanged; }
    QString wordUnderMouse() const { return m_wordUnderMouse; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void updateWordUnderMouse(const QPoint& viewportPosition);
    void followReference();
    void askToSave();
    void showHistoryPosition();
    // Where the topic's marker stands: a hidden one, else one typed into the text.
    qsizetype topicPosition(int topic) const;

    TournamentState& m_state;
    Prompter& m_prompter;
    QTextEdit* m_text = nullptr;
    QScrollBar* m_historyBar = nullptr;
    HelpHistory m_history;
    int m_helpTopic = 0;
    bool m_textChanged = false;
    QString m_wordUnderMouse;
    QByteArray m_rtf;                                 // the help file as loaded
    RtfDocument m_shown;                              // the editor's view of it right after loading
    QList<std::pair<QString, QTextCursor>> m_markers; // the hidden topic markers' digits and places
};
