#include "ui/TFormHTMLCode.h"

#include "output/HtmlTable.h"
#include "ui/HelpTopics.h"
#include "ui/SaveAsking.h"
#include "ui/WidgetNames.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <utility>

TFormHTMLCode::TFormHTMLCode(std::function<Source()> activeGrid, const QString& workDir, Prompter& prompter,
                             FileChooser& files, QWidget* parent)
    : QDialog(parent), m_activeGrid(std::move(activeGrid)), m_workDir(workDir), m_prompter(prompter),
      m_files(files)
{
    setObjectName(QStringLiteral("TFormHTMLCode"));
    setWindowTitle(QStringLiteral("HTML Code exportieren"));
    SetHelpTopic(this, HelpTopic::HtmlExport);

    m_border = Named(new QLineEdit(QStringLiteral("1")), "edRahmendicke");
    m_border->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_border->setMaximumWidth(60);
    m_memo = Named(new QPlainTextEdit, "MemoHTML");
    m_memo->setVisible(false);
    auto* save = Named(new QPushButton(QStringLiteral("HTML speichern")), "btHTMLspeichern");
    auto* copy = Named(new QPushButton(QStringLiteral("HTML aufs Clipboard")), "btHTMLClipboard");
    auto* close = Named(new QPushButton(QStringLiteral("schliessen")), "btSchliessen");

    auto* borderRow = new QHBoxLayout;
    borderRow->addWidget(new QLabel(QStringLiteral("Rahmendicke:")));
    borderRow->addWidget(m_border);
    borderRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(borderRow);
    layout->addWidget(save);
    layout->addWidget(copy);
    layout->addWidget(close);
    layout->addWidget(m_memo);

    connect(save, &QPushButton::clicked, this, &TFormHTMLCode::saveHtml);
    connect(copy, &QPushButton::clicked, this, &TFormHTMLCode::copyHtml);
    connect(close, &QPushButton::clicked, this, &TFormHTMLCode::close);
}

bool TFormHTMLCode::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate)
        emit deactivated();
    return QDialog::event(event);
}

// An empty border field holds no number: nothing is built and nothing written.
bool TFormHTMLCode::buildIntoMemo()
{
    bool isNumber = false;
    const int border = m_border->text().toInt(&isNumber);
    const Source source = m_activeGrid();
    if (!isNumber || !source.grid)
        return false;
    m_lines = BuildHtmlTable(*source.grid, source.appearance, border, source.title);
    m_memo->setPlainText(m_lines.join(QLatin1Char('\n')));
    return true;
}

void TFormHTMLCode::saveHtml()
{
    if (buildIntoMemo()) {
        const QString path = ChooseFileToReplace(
            m_files, this,
            {QStringLiteral("HTML speichern"), m_workDir, QString(),
             QStringLiteral("HTML-Dateien (*.htm, *.html)|*.htm; *.html|alle Dateien (*.*)|*.*"),
             QStringLiteral("html")},
            m_prompter);
        if (!path.isEmpty())
            SaveHtmlTable(m_lines, path, m_prompter);
    }
    close();
}

void TFormHTMLCode::copyHtml()
{
    if (buildIntoMemo())
        QApplication::clipboard()->setText(HtmlText(m_lines));
    close();
}
