#include "ui/HelpWindow.h"

#include "help/HelpText.h"
#include "help/HelpTextRestore.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/RtfReader.h"
#include "output/RtfWriter.h"
#include "ui/HelpTopics.h"
#include "ui/RtfTextDocument.h"
#include "ui/WidgetNames.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
// The caret goes this many lines below the marker first, so that scrolling back
// puts the marker's line near the top.
constexpr int LinesBelowMarker = 20;
} // namespace

HelpWindow::HelpWindow(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Direkthilfe"));
    setModal(false);
    SetHelpTopic(this, HelpTopic::HelpWindow);

    m_text = Named(new QTextEdit, "RichEdit1");
    m_text->setAcceptRichText(true);
    m_text->setToolTip(QStringLiteral("springen zu Zahlverweisen (#): mit Doppelclick markieren"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->viewport()->setMouseTracking(true);
    m_text->viewport()->installEventFilter(this);
    m_text->setMinimumSize(560, 420);

    auto* close = Named(new QPushButton(QStringLiteral("&schließen")), "btSchliessen");
    close->setDefault(true);
    auto* back = Named(new QPushButton(QStringLiteral("&zurück")), "btZurueck");
    auto* forward = Named(new QPushButton(QStringLiteral("&vor")), "btVor");
    back->setAutoDefault(false);
    forward->setAutoDefault(false);
    m_historyBar = Named(new QScrollBar(Qt::Horizontal), "sbVerlauf");
    m_historyBar->setRange(1, 1);
    m_historyBar->setEnabled(false); // it shows the position; the buttons move it

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_historyBar);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &HelpWindow::close);
    connect(back, &QPushButton::clicked, this, &HelpWindow::goBack);
    connect(forward, &QPushButton::clicked, this, &HelpWindow::goForward);
    connect(m_text, &QTextEdit::textChanged, this, [this] { m_textChanged = true; });
}

bool HelpWindow::loadHelpText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    FillTextDocument(*m_text->document(), ReadRtf(file.readAll()));
    return true;
}

bool HelpWindow::saveHelpText(const QString& path)
{
    const QByteArray rtf = WriteRtf(FromTextDocument(*m_text->document()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit()) {
        m_prompter.inform(QStringLiteral("Fehler"), file.errorString());
        return false;
    }
    return true;
}

void HelpWindow::RequestHelp(int topic)
{
    if (!m_state.Settings.ContextHelpActive)
        return;
    m_helpTopic = topic;
    PushHelpTopic();
    ShowHelpTopic();
}

void HelpWindow::PushHelpTopic()
{
    m_history.push(m_helpTopic);
    showHistoryPosition();
}

void HelpWindow::showHistoryPosition()
{
    m_historyBar->setMaximum(std::max(m_history.reached(), 1));
    m_historyBar->setValue(std::max(m_history.position(), 1));
}

void HelpWindow::ShowHelpTopic()
{
    show();
    raise();
    activateWindow();
    const qsizetype at = FindHelpTopic(m_text->document()->toPlainText(), m_helpTopic);
    if (at < 0)
        return;
    m_text->setFocus();
    QTextCursor cursor(m_text->document());
    cursor.setPosition(int(at));
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
    // Beyond the marker first, then back: the marker's line ends up near the top.
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, LinesBelowMarker);
    cursor.movePosition(QTextCursor::StartOfLine);
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
    cursor.setPosition(int(at));
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void HelpWindow::goBack()
{
    if (!m_history.back())
        return;
    showHistoryPosition();
    m_helpTopic = m_history.current();
    ShowHelpTopic();
}

void HelpWindow::goForward()
{
    if (!m_history.forward())
        return;
    showHistoryPosition();
    m_helpTopic = m_history.current();
    ShowHelpTopic();
}

void HelpWindow::clearHistory()
{
    m_history.clear();
    m_historyBar->setRange(1, 1);
}

bool HelpWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_textChanged = false;
    return QDialog::event(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            updateWordUnderMouse(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            updateWordUnderMouse(press->position().toPoint());
            if (press->button() != Qt::RightButton)
                followReference();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::updateWordUnderMouse(const QPoint& viewportPosition)
{
    const QTextCursor cursor = m_text->cursorForPosition(viewportPosition);
    QTextCursor lineStart = cursor;
    lineStart.movePosition(QTextCursor::StartOfLine);
    QTextCursor lineEnd = cursor;
    lineEnd.movePosition(QTextCursor::EndOfLine);
    const QString blockText = cursor.block().text();
    const int lineOffset = lineStart.position() - cursor.block().position();
    const QString line = blockText.mid(lineOffset, lineEnd.position() - lineStart.position());
    m_wordUnderMouse = HelpWordAt(line, cursor.position() - lineStart.position());
    m_text->viewport()->setCursor(m_wordUnderMouse.contains(QLatin1Char('#')) ? Qt::PointingHandCursor
                                                                              : Qt::ArrowCursor);
}

void HelpWindow::followReference()
{
    if (const std::optional<int> topic = ReferencedHelpTopic(m_wordUnderMouse)) {
        m_helpTopic = *topic;
        PushHelpTopic();
        ShowHelpTopic();
    }
}

void HelpWindow::askToSave()
{
    if (!m_textChanged)
        return;
    m_textChanged = false; // one question per closing
    if (m_prompter.askYesNo(QStringLiteral("Info"),
                            QStringLiteral("Sie haben den text der Hilfe geändert. Neuen Text "
                                           "speichern ? "),
                            Prompter::Answer::Yes) == Prompter::Answer::Yes) // No would lose the edits
        saveHelpText(QDir(m_state.WorkDir).filePath(HelpTextFileName));
}

// "&schließen", Escape and the frame's close button all end here.
void HelpWindow::reject()
{
    askToSave();
    QDialog::reject();
}
