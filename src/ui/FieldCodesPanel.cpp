#include "ui/FieldCodesPanel.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "net/FieldCodes.h"
#include "net/LiveServer.h"
#include "net/QrCode.h"
#include "net/RefereeDesk.h"
#include "ui/DocumentPrinting.h"
#include "ui/FileChooser.h"
#include "ui/QrPicture.h"
#include "ui/SaveAsking.h"
#include "ui/WidgetNames.h"

#include <QBuffer>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

#include <vector>

namespace {
constexpr int PanelCodePixels = 200;
constexpr int SheetCodePixels = 600;

// One field's sheet: the tournament, the field, the code large and its QR code. The picture is
// part of the text, so it stays when sheets are joined into one PDF file.
void FillSheet(QTextDocument& sheet, const QString& tournament, int field, const QString& code,
               const QString& url)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QrPicture(EncodeQr(url.toUtf8()), SheetCodePixels).save(&buffer, "PNG");
    sheet.setHtml(
        QStringLiteral(
            "<p align=center style=\"font-size:16pt\">%1</p>"
            "<p align=center style=\"font-size:48pt\"><b>Platz %2</b></p>"
            "<p align=center style=\"font-size:14pt\">Ergebnisse eingeben: QR-Code mit dem Handy scannen</p>"
            "<p align=center><img src=\"data:image/png;base64,%3\" width=360 height=360></p>"
            "<p align=center style=\"font-size:14pt\">oder %4 öffnen und den Code eingeben:</p>"
            "<p align=center style=\"font-size:40pt\"><b>%5</b></p>")
            .arg(tournament.toHtmlEscaped())
            .arg(field)
            .arg(QString::fromLatin1(png.toBase64()), url.section(u'?', 0, 0).toHtmlEscaped(), code));
}
} // namespace

FieldCodesPanel::FieldCodesPanel(LiveServer& server, const TournamentState& state, Prompter& prompter,
                                 QWidget* parent)
    : QGroupBox(QStringLiteral("Ergebnisse von den Plätzen"), parent), m_server(server), m_state(state),
      m_prompter(prompter), m_ownFiles(std::make_unique<QtFileChooser>()), m_files(m_ownFiles.get())
{
    m_field = Named(new QComboBox, "cbPlatz");
    m_picture = Named(new QLabel, "lbPlatzCode");
    m_picture->setFixedSize(PanelCodePixels, PanelCodePixels);
    m_picture->setAlignment(Qt::AlignCenter);
    m_code = Named(new QLabel, "lbCode");
    m_code->setTextFormat(Qt::PlainText);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = m_code->font();
    large.setPointSize(large.pointSize() + 8);
    large.setBold(true);
    m_code->setFont(large);
    m_renew = Named(new QPushButton(QStringLiteral("Code &erneuern")), "btCodeErneuern");
    m_renew->setToolTip(QStringLiteral("Der alte Code gilt sofort nicht mehr."));
    m_print = Named(new QPushButton(QStringLiteral("Codeblätter &drucken...")), "btCodeblaetter");
    m_print->setToolTip(QStringLiteral("Ein Blatt je Platz mit QR-Code und Code, zum Aushängen am Platz."));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Platz:")), 0, 0);
    layout->addWidget(m_field, 0, 1);
    layout->addWidget(m_code, 1, 0, 1, 2);
    layout->addWidget(m_renew, 2, 0, 1, 2);
    layout->addWidget(m_print, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->addWidget(m_picture, 0, 2, 5, 1);

    connect(m_field, &QComboBox::currentIndexChanged, this, &FieldCodesPanel::showCode);
    connect(m_renew, &QPushButton::clicked, this, &FieldCodesPanel::renewCode);
    connect(m_print, &QPushButton::clicked, this, &FieldCodesPanel::printSheets);
    showState();
}

FieldCodesPanel::~FieldCodesPanel() = default;

int FieldCodesPanel::chosenField() const
{
    return m_field->currentIndex() + 1;
}

void FieldCodesPanel::showState()
{
    const RefereeDesk* desk = m_server.refereeDesk();
    const int fields = m_server.isRunning() && desk ? desk->codes().fieldCount() : 0;
    if (m_field->count() != fields) {
        const int chosen = m_field->currentIndex();
        const QSignalBlocker blocker(m_field);
        m_field->clear();
        for (int field = 1; field <= fields; ++field)
            m_field->addItem(QStringLiteral("Platz %1").arg(field));
        m_field->setCurrentIndex(std::clamp(chosen, 0, fields - 1));
    }
    m_field->setEnabled(fields > 0);
    m_renew->setEnabled(fields > 0);
    m_print->setEnabled(fields > 0);
    showCode();
}

void FieldCodesPanel::showCode()
{
    const QString url = m_server.entryUrl(chosenField());
    if (url.isEmpty()) {
        m_code->setText(QStringLiteral("Codes gibt es, sobald gestartet ist."));
        m_picture->setPixmap({});
        return;
    }
    m_code->setText(QStringLiteral("Code: ") + m_server.refereeDesk()->codes().code(chosenField()));
    m_picture->setPixmap(QrPicture(EncodeQr(url.toUtf8()), PanelCodePixels));
    m_picture->setToolTip(url);
}

void FieldCodesPanel::renewCode()
{
    if (RefereeDesk* desk = m_server.refereeDesk(); desk && chosenField() <= desk->codes().fieldCount()) {
        desk->codes().renew(chosenField());
        showCode();
    }
}

bool FieldCodesPanel::printSheets()
{
    const RefereeDesk* desk = m_server.refereeDesk();
    if (!desk || !m_server.isRunning())
        return false;
    std::vector<std::unique_ptr<QTextDocument>> sheets;
    QList<const QTextDocument*> printed;
    for (int field = 1; field <= desk->codes().fieldCount(); ++field) {
        sheets.push_back(std::make_unique<QTextDocument>());
        FillSheet(*sheets.back(), m_state.TournamentName, field, desk->codes().code(field),
                  m_server.entryUrl(field));
        printed.append(sheets.back().get());
    }
    return PrintDocuments(printed, QStringLiteral("Korvane Codeblätter"), m_prompter, [this] {
        return ChoosePdfPath(*m_files, this, m_state.WorkDir, QStringLiteral("Codeblaetter.pdf"), m_prompter);
    });
}
