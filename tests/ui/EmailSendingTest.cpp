// The e-mail dialog and "E-Mail-Versand" sending through a real SMTP server on loopback.
#include "UiTestSupport.h"
#include "allocation/MailAccount.h"
#include "allocation/MailCertificate.h"
#include "mail/MailTestSupport.h"
#include "support/TestFiles.h"
#include "ui/EmailDialog.h"
#include "ui/MailAccountDialog.h"
#include "ui/TForm2.h"

#include <QJsonArray>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

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

TEST_F(EmailSendingTest, SetsUpTheAccountSendsATestMessageAndMailsAllTeamsPrivately)
{
    SKIP_WITHOUT_MAIL_TOOLS();
    OpenProgramSettings()->clear();
    SmtpTestServer server;
    ASSERT_TRUE(server.started());
    openExample();
    MemoryPasswordStore passwords;
    QStringList passwordQuestions;
    prompter.answer({Prompter::Answer::Yes}); // trust the test server's certificate, once

    WhenDialogShows<EmailDialog>([&](EmailDialog* dialog) {
        dialog->setPasswordSources(passwords,
                                   [&passwordQuestions](const QString& text) -> std::optional<QString> {
                                       passwordQuestions.append(text);
                                       return std::nullopt;
                                   });
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
        PressButton(dialog, "btSchliessen");
    });
    trigger("sbEmails");

    const QStringList shown = prompter.texts();
    ASSERT_EQ(shown.size(), 4); // no account yet, the certificate, the test message, the summary
    EXPECT_TRUE(
        shown[1].startsWith(QStringLiteral("Das Zertifikat des E-Mail-Servers ist nicht vertrauenswürdig")));
    EXPECT_EQ(shown[3], QStringLiteral("18 von 18 E-Mails verschickt"));
    EXPECT_TRUE(passwordQuestions.isEmpty());
    EXPECT_EQ(passwords.stored[QStringLiteral("trainer@localhost")], QStringLiteral("geheim"));
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    EXPECT_EQ(TrustedFingerprint(*settings, QStringLiteral("localhost"), server.port()),
              NormalisedFingerprint(server.fingerprint()));
    EXPECT_FALSE(QString::fromUtf8(FileContents(settings->fileName())).contains(QStringLiteral("geheim")));

    // The test message, then one message to all teams, each of them a hidden recipient.
    const QJsonArray arrived = server.stopAndReadMessages();
    ASSERT_EQ(arrived.size(), 2);
    EXPECT_EQ(arrived[1].toObject()[u"rcpt_tos"].toArray().size(), 1 + 18);
    EXPECT_TRUE(arrived[1].toObject()[u"headers"].toObject()[u"Bcc"].toArray().isEmpty());
}
