#include "output/OfficeConverter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {
constexpr int ConversionTimeoutMs = 120'000;

QString FindOffice()
{
    for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
#ifdef Q_OS_WIN
    for (const QByteArray& variable : {QByteArray("ProgramFiles"), QByteArray("ProgramFiles(x86)")}) {
        const QString folder = qEnvironmentVariable(variable.constData());
        const QString candidate = QDir(folder).filePath(QStringLiteral("LibreOffice/program/soffice.exe"));
        if (!folder.isEmpty() && QFile::exists(candidate))
            return candidate;
    }
#endif
    return {};
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

OfficeConverter::OfficeConverter() : OfficeConverter(FindOffice()) {}

OfficeConverter::OfficeConverter(QString executable)
    : m_executable(std::move(executable)), m_profile(std::make_shared<QTemporaryDir>())
{
}

bool OfficeConverter::Run(const QStringList& arguments, const QString& workDir) const
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    const QString profile = QUrl::fromLocalFile(m_profile->path()).toString(QUrl::FullyEncoded);
    process.start(m_executable, QStringList{QStringLiteral("-env:UserInstallation=") + profile,
                                            QStringLiteral("--headless"), QStringLiteral("--norestore")} +
                                    arguments);
    if (!process.waitForFinished(ConversionTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool OfficeConverter::ConvertToPdf(const QByteArray& rtf, const QString& pdfPath) const
{
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("Urkunde.rtf"));
    if (!isAvailable() || !work.isValid() || !WriteFile(source, rtf))
        return false;
    if (!Run({QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), work.path(),
              source},
             work.path()))
        return false;
    const QString converted = work.filePath(QStringLiteral("Urkunde.pdf"));
    if (!QFile::exists(converted))
        return false;
    QFile::remove(pdfPath);
    return QFile::copy(converted, pdfPath);
}

bool OfficeConverter::Print(const QByteArray& rtf, const QString& printerName) const
{
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("Urkunde.rtf"));
    return isAvailable() && work.isValid() && WriteFile(source, rtf) &&
           Run({QStringLiteral("--pt"), printerName, source}, work.path());
}
