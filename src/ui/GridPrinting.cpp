#include "ui/GridPrinting.h"

#include "model/Prompter.h"
#include "output/GridPrint.h"
#include "ui/GridPdf.h"
#include "ui/PainterPrintCanvas.h"

#include <QPrinter>
#include <QPrinterInfo>

bool OfferPdfInsteadOfPrinter(Prompter& prompter)
{
    return prompter.askYesNo(QStringLiteral("Drucken"),
                             QStringLiteral("Es ist kein Drucker eingerichtet. Sollen die Seiten stattdessen "
                                            "als PDF-Datei gespeichert werden?"),
                             Prompter::Answer::Yes) == Prompter::Answer::Yes;
}

bool PrintGridOnDefaultPrinter(const TextGrid& grid, const GridAppearance& appearance, Prompter& prompter,
                               const std::function<QString()>& askPdfPath)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (!OfferPdfInsteadOfPrinter(prompter))
            return false;
        const QString path = askPdfPath();
        if (path.isEmpty())
            return false;
        if (PrintGridToPdf(grid, appearance, path))
            return true;
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
        return false;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    PainterPrintCanvas canvas(printer, PainterPrintCanvas::Documents::SeparateJobs,
                              [&printer](const QString& title) { printer.setDocName(title); });
    PrintActiveGrid(grid, appearance, canvas);
    return canvas.PageCount() > 0;
}
