#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Lays out RTF documents with the office suite installed on the machine (LibreOffice in its
// headless mode): the one engine that renders a certificate template's page border, spacing and
// tabs the way a word processor shows them. Without it, callers fall back to Qt's text engine.
class OfficeConverter {
public:
    // Finds "soffice" (or "libreoffice") on the PATH, on Windows also in the usual program folder.
    OfficeConverter();
    explicit OfficeConverter(QString executable);

    bool isAvailable() const { return !m_executable.isEmpty(); }

    // The RTF laid out as a PDF file at pdfPath, replacing it; false when the conversion failed.
    bool ConvertToPdf(const QByteArray& rtf, const QString& pdfPath) const;
    // The RTF printed on the named printer; false when the office suite reported a failure.
    bool Print(const QByteArray& rtf, const QString& printerName) const;

private:
    bool Run(const QStringList& arguments, const QString& workDir) const;

    QString m_executable;
    // A profile of its own, made at the first run and used by the later ones, so that a running
    // office window neither takes the jobs over nor is disturbed by them.
    std::shared_ptr<QTemporaryDir> m_profile;
};
