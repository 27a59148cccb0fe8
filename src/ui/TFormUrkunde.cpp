#include "ui/TFormUrkunde.h"

#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/Certificate.h"
#include "output/FileReplace.h"
#include "output/RtfEdit.h"
#include "output/RtfReader.h"
#include "ui/CertificatePrinting.h"
#include "ui/FileChooser.h"
#include "ui/HelpTopics.h"
#include "ui/RtfTextDocument.h"
#include "ui/SaveAsking.h"
#include "ui/WidgetNames.h"

#include <QFile>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {
const QString OpenFilter = QStringLiteral("RichText-Dateien (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*");
const QString SaveFilter = QStringLiteral("RichText-Datei (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*");
const QString NewTemplateHint = QStringLiteral(
    "um die Vorlage dauerhaft zuzuweisen, müssen Sie das Korvane im Hauptfenster neu speichern !");

std::optional<QFont> FontFromDialog(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

QPushButton* Button(const QString& caption, const char* name)
{
    auto* button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    return button;
}
} // namespace

TFormUrkunde::TFormUrkunde(TournamentState& state, Prompter& prompter, FileChooser& files, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_state(state), m_prompter(prompter), m_files(files),
      m_chooseFont(FontFromDialog)
{
    setObjectName(QStringLiteral("TFormUrkunde"));
    setWindowTitle(QStringLiteral("Urkunde drucken"));
    resize(760, 640);
    SetHelpTopic(this, HelpTopic::Certificate);

    m_editor = Named(new QTextEdit, "RichEdit1");
    m_editor->setAcceptRichText(true);
    m_editor->setToolTip(QStringLiteral("Bei Änderungen SPEICHERN, bevor die Vorlage verwendet wird !!!   "
                                        "#name = Platzhalter für Namen"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildButtons());
    layout->addWidget(m_editor, 1);
    setCentralWidget(central);
    buildMenus();
}

void TFormUrkunde::setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooseFont)
{
    m_chooseFont = std::move(chooseFont);
}

void TFormUrkunde::buildMenus()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* print = edit->addAction(QStringLiteral("&Drucken"));
    print->setObjectName(QStringLiteral("actionDrucken"));
    QAction* load = menuBar()->addAction(QStringLiteral("&neue Vorlage laden"));
    load->setObjectName(QStringLiteral("actionNeueVorlageLaden"));
    QAction* save = menuBar()->addAction(QStringLiteral("diese Vorlage &speichern"));
    save->setObjectName(QStringLiteral("actionVorlageSpeichern"));
    QAction* quit = menuBar()->addAction(QStringLiteral("&Beenden"));
    quit->setObjectName(QStringLiteral("actionBeenden"));
    connect(print, &QAction::triggered, this, &TFormUrkunde::print);
    connect(load, &QAction::triggered, this, &TFormUrkunde::loadNewTemplate);
    connect(save, &QAction::triggered, this, &TFormUrkunde::saveTemplate);
    connect(quit, &QAction::triggered, this, &TFormUrkunde::close);
}

QWidget* TFormUrkunde::buildButtons()
{
    auto* font = Button(QStringLiteral("Schriftart..."), "btSchriftart");
    auto* print = Button(QStringLiteral("&Drucken"), "btDrucken");
    auto* quit = Button(QStringLiteral("B&eenden"), "btBeenden");
    auto* newTemplate = Button(QStringLiteral("&neue Vorlage"), "btNeueVorlage");
    newTemplate->setToolTip(NewTemplateHint);
    auto* left = Button(QStringLiteral("links"), "sbLinks");
    auto* centre = Button(QStringLiteral("zentriert"), "sbZentriert");
    auto* right = Button(QStringLiteral("rechts"), "sbRechts");
    left->setToolTip(QStringLiteral("linksbündig"));
    centre->setToolTip(QStringLiteral("zentriert"));
    right->setToolTip(QStringLiteral("rechtsbündig"));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {font, print, quit, newTemplate})
        layout->addWidget(button);
    layout->addSpacing(16);
    for (QPushButton* button : {left, centre, right})
        layout->addWidget(button);
    layout->addSpacing(16);
    auto* placed = Button(QStringLiteral("für &Platz 1–N der Gruppe"), "btPlaetze");
    placed->setToolTip(QStringLiteral("je eine Urkunde für die Mannschaften auf den Plätzen 1 bis N der "
                                      "Gruppe der gewählten Zelle, in einem Ausdruck"));
    m_places = Named(new QSpinBox, "sePlaetze");
    m_places->setRange(1, Limits::NameSlots - 1);
    m_places->setValue(3);
    m_places->setPrefix(QStringLiteral("N = "));
    layout->addWidget(placed);
    layout->addWidget(m_places);
    connect(placed, &QPushButton::clicked, this, &TFormUrkunde::printPlacedTeams);
    layout->addStretch(1);

    connect(font, &QPushButton::clicked, this, &TFormUrkunde::chooseFont);
    connect(print, &QPushButton::clicked, this, &TFormUrkunde::print);
    connect(quit, &QPushButton::clicked, this, &TFormUrkunde::close);
    connect(newTemplate, &QPushButton::clicked, this, &TFormUrkunde::newTemplate);
    connect(left, &QPushButton::clicked, this, [this] { m_editor->setAlignment(Qt::AlignLeft); });
    connect(centre, &QPushButton::clicked, this, [this] { m_editor->setAlignment(Qt::AlignHCenter); });
    connect(right, &QPushButton::clicked, this, [this] { m_editor->setAlignment(Qt::AlignRight); });
    return row;
}

QString TFormUrkunde::templatePath() const
{
    return ResolveCertificateTemplate(m_state.Settings.CertificateTemplate, m_state.WorkDir);
}

void TFormUrkunde::ShowCertificate(const QString& cellText, int group)
{
    m_group = group;
    show();
    raise();
    activateWindow();
    FillTemplate(CertificateName(cellText));
}

// A template that cannot be read leaves the certificate shown, with its placeholders filled.
void TFormUrkunde::FillTemplate(const QString& text)
{
    const std::optional<QByteArray> templateRtf = ReadCertificateTemplate(templatePath(), m_prompter);
    showRtf(FillCertificate(templateRtf ? *templateRtf : currentRtf(), text));
}

void TFormUrkunde::showRtf(const QByteArray& rtf)
{
    m_rtf = rtf;
    const RtfSourceDocument source = ReadRtfSource(rtf);
    m_editor->setUpdatesEnabled(false);
    FillTextDocument(*m_editor->document(), source.document);
    m_editor->setUpdatesEnabled(true);
    // The editor's own view of the text is what later edits are compared with.
    m_shown = FromTextDocument(*m_editor->document());
    CopySpans(source.document, m_shown);
}

QByteArray TFormUrkunde::currentRtf() const
{
    return MergeIntoRtf(m_rtf, m_shown, FromTextDocument(*m_editor->document()));
}

bool TFormUrkunde::loadTemplate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter.inform(QStringLiteral("Fehler"), TemplateNotLoadedText(path));
        return false;
    }
    showRtf(file.readAll());
    return true;
}

void TFormUrkunde::chooseFont()
{
    const std::optional<QFont> font = m_chooseFont(m_editor->currentFont());
    if (!font)
        return;
    QTextCharFormat format;
    format.setFont(*font);
    m_editor->mergeCurrentCharFormat(format);
}

void TFormUrkunde::print()
{
    PrintCertificate(currentRtf(), QStringLiteral("Korvane Urkunde"), m_office, m_prompter, [this] {
        return ChoosePdfPath(m_files, this, m_state.WorkDir, QStringLiteral("Urkunde.pdf"), m_prompter);
    });
}

// One certificate per placed team from the template, all in one printout.
void TFormUrkunde::printPlacedTeams()
{
    const QList<PlacedTeam> teams = PlacedTeams(m_state, m_group, m_places->value());
    if (teams.isEmpty()) {
        m_prompter.inform(QStringLiteral("Info"),
                          QStringLiteral("Bitte zuerst im Spielplan eine Mannschaft oder Gruppe wählen"));
        return;
    }
    const std::optional<QByteArray> templateRtf = ReadCertificateTemplate(templatePath(), m_prompter);
    if (!templateRtf)
        return;
    QList<QByteArray> certificates;
    for (const PlacedTeam& team : teams)
        certificates << FillCertificate(*templateRtf, team.name);
    PrintCertificate(JoinRtf(certificates), QStringLiteral("Korvane Urkunden"), m_office, m_prompter, [this] {
        return ChoosePdfPath(m_files, this, m_state.WorkDir, QStringLiteral("Urkunden.pdf"), m_prompter);
    });
}

// Choosing a file assigns the template to the tournament, which then is no longer saved.
void TFormUrkunde::newTemplate()
{
    const QString path = m_files.chooseFileToOpen(
        this, {QStringLiteral("neue Vorlage"), m_state.WorkDir, QString(), OpenFilter, QString()});
    if (!path.isEmpty()) {
        m_state.Settings.CertificateTemplate = path;
        loadTemplate(path);
        MarkChanged(m_state, QStringLiteral("Urkundenvorlage"));
    }
    FillTemplate(QStringLiteral("#name"));
}

void TFormUrkunde::loadNewTemplate()
{
    const QString path = m_files.chooseFileToOpen(
        this, {QStringLiteral("neue Vorlage laden"), m_state.WorkDir, QString(), OpenFilter, QString()});
    if (path.isEmpty())
        return;
    m_state.Settings.CertificateTemplate = path;
    MarkChanged(m_state, QStringLiteral("Urkundenvorlage"));
    loadTemplate(path);
}

void TFormUrkunde::saveTemplate()
{
    const QString path = ChooseFileToReplace(m_files, this,
                                             {QStringLiteral("diese Vorlage speichern"), m_state.WorkDir,
                                              templatePath(), SaveFilter, QStringLiteral("rtf")},
                                             m_prompter);
    if (!path.isEmpty()) {
        if (WriteExportFile(currentRtf(), path, m_prompter)) {
            m_state.Settings.CertificateTemplate = path;
            MarkChanged(m_state, QStringLiteral("Urkundenvorlage"));
        }
    }
    m_prompter.inform(QStringLiteral("Info"),
                      QStringLiteral("Um die Vorlage dauerhaft mit dem Korvane zu "
                                     "verbinden, müssen Sie das Korvane im Hauptfenster "
                                     "speichern !"));
}
