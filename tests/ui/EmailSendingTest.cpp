// The e-mail dialog and "E-Mail-Versand" sending through a real SMTP server on loopback.
#include "UiTestSupport.h"
#include "allocation/MailAccount.h"
#include "allocation/MailCertificate.h"
#include "mail/MailTestSupport.h"
#include "support/TestFiles.h"
#include "ui/EmailDialog.h"
#include "ui/GameListDialog.h"
#include "ui/MailAccountDialog.h"
#include "ui/TForm2.h"

#include <QJsonArray>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTreeWidget>

#include <map>

namespace {
// A keychain that works and keeps its passwords in memory.
class MemoryPasswordStore : public PasswordStore {
public:
    Lookup read(const QString& key) override
    {
        const auto found = stored.find(key);
        return found == stored.end() ? Lookup{Status::Missing, QString(), QString()}
                                     : Lookup{Status::Found, found->second, QString()};
    }
    bool write(const QString& key, const QString& password, QString&) override
    {
        stored[key] = password;
        return true;
    }
    std::map<QString, QString> stored;
};
} // namespace

using EmailSendingTest = ExampleScheduleTest;

TEST_F(EmailSendingTest, SetsUpTheAccountSendsATestMessageAndMailsEachTeamItsGameList)
{
    SKIP_WITHOUT_MAIL_TOOLS();
    OpenProgramSettings()->clear();
    SmtpTestServer server;
    ASSERT_TRUE(server.started());
    openExample();
    MemoryPasswordStore passwords;
    QStringList passwordQuestions;
    prompter.answer({Prompter::Answer::Yes}); // trust the test server's certificate, once

    // Which rows get which mail is the dispatch's own test; here every row but an unticked one.
    WhenDialogShows<EmailDialog>([&](EmailDialog* dialog) {
        dialog->setPasswordSources(passwords,
                                   [&passwordQuestions](const QString& text) -> std::optional<QString> {
                                       passwordQuestions.append(text);
                                       return std::nullopt;
                                   });
        ChildNamed<QRadioButton>(dialog, "RBseparat")->click();
        ChildNamed<QRadioButton>(dialog, "RBSpielliste")->click();
        auto* list = ChildNamed<QTreeWidget>(dialog, "ListView1");
        list->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        // Locked to round 1 and a file per team while it serves the e-mails.
        WhenDialogShows<GameListDialog>([](GameListDialog* gameLists) {
            EXPECT_FALSE(ChildNamed<QLineEdit>(gameLists, "edRunde")->isEnabled());
            EXPECT_TRUE(ChildNamed<QRadioButton>(gameLists, "RBjedeMannschaft")->isChecked());
            EXPECT_FALSE(ChildNamed<QRadioButton>(gameLists, "RBdrucken")->isEnabled());
            ChildNamed<QPushButton>(gameLists, "btOK")->click();
        });
        ChildNamed<QPushButton>(dialog, "btSpiellistenErzeugen")->click();
        // Sending without an account leads to "E-Mail-Versand".
        WhenDialogShows<MailAccountDialog>([&](MailAccountDialog* account) {
            TypeInto(ChildNamed<QLineEdit>(account, "edAbsendername"),
                     QStringLiteral("Turnierleitung Lindenau"));
            TypeInto(ChildNamed<QLineEdit>(account, "edAbsenderadresse"),
                     QStringLiteral("leitung@gw-lindenau.de"));
            TypeInto(ChildNamed<QLineEdit>(account, "edServer"), QStringLiteral("localhost"));
            ChildNamed<QSpinBox>(account, "sePort")->setValue(server.port());
            TypeInto(ChildNamed<QLineEdit>(account, "edBenutzer"), QStringLiteral("trainer"));
            TypeInto(ChildNamed<QLineEdit>(account, "edPasswort"), QStringLiteral("geheim"));
            PressButton(account, "btTestnachricht");
            PressButton(account, "btOK");
        });
        PressButton(dialog, "btSenden");
        PressButton(dialog, "btSenden");

        // A row added, two removed: the fields hold the topmost removed one, for correction.
        TypeInto(ChildNamed<QLineEdit>(dialog, "edName"), QStringLiteral("Neue Elf"));
        TypeInto(ChildNamed<QLineEdit>(dialog, "edEmail"), QStringLiteral("elf@example.org"));
        PressButton(dialog, "btHinzufuegen");
        list->topLevelItem(1)->setSelected(true);
        list->topLevelItem(3)->setSelected(true);
        const QString second = list->topLevelItem(1)->text(0);
        PressButton(dialog, "btLoeschen");
        EXPECT_EQ(ChildNamed<QLineEdit>(dialog, "edName")->text(), second);
        PressButton(dialog, "btSchliessen");
    });
    trigger("sbEmails");

    // The game lists, no account yet, the certificate, the test message, the summary.
    const QStringList shown = prompter.texts();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_TRUE(
        shown[2].startsWith(QStringLiteral("Das Zertifikat des E-Mail-Servers ist nicht vertrauenswürdig")));
    EXPECT_EQ(shown[4], QStringLiteral("17 von 17 E-Mails verschickt"));
    EXPECT_TRUE(passwordQuestions.isEmpty());
    EXPECT_EQ(passwords.stored[QStringLiteral("trainer@localhost")], QStringLiteral("geheim"));
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    EXPECT_EQ(TrustedFingerprint(*settings, QStringLiteral("localhost"), server.port()),
              NormalisedFingerprint(server.fingerprint()));
    EXPECT_FALSE(QString::fromUtf8(FileContents(settings->fileName())).contains(QStringLiteral("geheim")));

    // The test message, then one message per ticked team with its game list.
    const QJsonArray arrived = server.stopAndReadMessages();
    ASSERT_EQ(arrived.size(), 1 + 17);
    EXPECT_EQ(arrived[1].toObject()[u"attachments"].toArray().size(), 1);
    EXPECT_EQ(state->NamePoolCount, 17);
    EXPECT_EQ(state->NamePool[17].Name, QStringLiteral("Neue Elf"));
    EXPECT_EQ(state->NamePool[2].Marker, QStringLiteral("0")); // the unticked row
}
