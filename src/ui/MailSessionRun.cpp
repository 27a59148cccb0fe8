#include "ui/MailSessionRun.h"

#include "allocation/MailCertificate.h"
#include "mail/MailTransports.h"
#include "model/Prompter.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

MailReport RunMailSession(QWidget* parent, const MailPlan& plan, const MailAccount& account,
                          const QString& password, Prompter& prompter)
{
    QProgressDialog progress(QStringLiteral("E-Mails werden verschickt …"), QStringLiteral("Abbrechen"), 0,
                             int(plan.Mails.size()), parent);
    progress.setObjectName(QStringLiteral("MailProgress"));
    progress.setWindowTitle(QStringLiteral("E-Mails verschicken"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setValue(0);

    std::atomic<bool> cancelRequested = false;
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&cancelRequested] { cancelRequested = true; });
    // The worker asks on this thread and waits for the answer.
    RememberedCertificateTrust trust(
        [&progress, &prompter](const CertificateDetails& details) {
            bool trusted = false;
            QMetaObject::invokeMethod(
                &progress,
                [&] {
                    trusted = prompter.askYesNo(QStringLiteral("Obacht !"), CertificateQuestion(details),
                                                Prompter::Answer::No) == Prompter::Answer::Yes;
                },
                Qt::BlockingQueuedConnection);
            return trusted;
        },
        true);

    MailReport report;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        const std::unique_ptr<MailTransport> transport =
            MakeMailTransport(account, password, trust, cancelRequested);
        int done = 0;
        report = SendPlannedMails(
            plan, *transport, cancelRequested, [&](const PlannedMail& mail, const MailDelivery&) {
                ++done;
                QMetaObject::invokeMethod(&progress, [&progress, done, label = mail.Label] {
                    progress.setValue(done);
                    progress.setLabelText(QStringLiteral("E-Mails werden verschickt … (%1)").arg(label));
                });
            });
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    return report;
}
