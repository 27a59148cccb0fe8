#include "ui/AboutBox.h"

#include "ui/ProgramIdentity.h"
#include "ui/WidgetNames.h"

#include "BuildInfo.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void ShowAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(QStringLiteral("Info"));
    auto* icon = new QLabel;
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    auto* title =
        Named(new QLabel(QStringLiteral("Korvane ") + QString::fromLatin1(KorvaneVersion)), "versionLabel");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addSpacing(16);
    layout->addWidget(buttons);
    box.exec();
}
