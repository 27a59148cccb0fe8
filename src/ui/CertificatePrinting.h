#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class OfficeConverter;
class Prompter;
class QPagedPaintDevice;
struct RtfPage;
class QTextDocument;

// Prints filled certificates (RTF) as their template lays them out. Where the office suite is
// installed it lays out the page (border, spacing, tabs and fonts exactly as in a word
// processor); otherwise Qt's text engine prints them on the template's paper and margins with the
// page border drawn, and without a page number. Without an installed printer the organiser is
// asked whether to save them as a PDF file instead; askPdfPath names it (empty: cancelled).
bool PrintCertificate(const QByteArray& rtf, const QString& title, const OfficeConverter& office,
                      Prompter& prompter, const std::function<QString()>& askPdfPath);

// The RTF as a PDF file by Qt's text engine, as described above; false when it failed.
bool WriteCertificatePdfWithQt(const QByteArray& rtf, const QString& title, const QString& path);

// Draws the document on the device's pages laid out as the RTF page says, with its border.
void PrintOnRtfPage(QTextDocument& document, const RtfPage& page, QPagedPaintDevice& device);
