#include "mail/KeychainPasswordStore.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {
const QString Service = QStringLiteral("Korvane E-Mail-Versand");

void RunToEnd(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}
} // namespace

PasswordStore::Lookup KeychainPasswordStore::read(const QString& key)
{
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(key);
    RunToEnd(job);
    switch (job.error()) {
    case QKeychain::NoError:
        return {Status::Found, job.textData(), QString()};
    case QKeychain::EntryNotFound:
        return {Status::Missing, QString(), QString()};
    default:
        return {Status::Unavailable, QString(), job.errorString()};
    }
}

bool KeychainPasswordStore::write(const QString& key, const QString& password, QString& error)
{
    if (password.isEmpty()) {
        QKeychain::DeletePasswordJob job(Service);
        job.setKey(key);
        RunToEnd(job);
        if (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound)
            return true;
        error = job.errorString();
        return false;
    }
    QKeychain::WritePasswordJob job(Service);
    job.setKey(key);
    job.setTextData(password);
    RunToEnd(job);
    if (job.error() == QKeychain::NoError)
        return true;
    error = job.errorString();
    return false;
}
