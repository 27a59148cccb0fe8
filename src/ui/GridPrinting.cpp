#include "ui/GridPrinting.h"

#include "model/Prompter.h"
#include "output/GridPrint.h"
#include "ui/PainterPrintCanvas.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

bool PrintGridToPdf(const TextGrid& grid, const GridAppearance& appearance, const QString& path)
{
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        PainterPrintCanvas canvas(writer, PainterPrintCanvas::Documents::PagesOfOneFile);
        PrintActiveGrid(grid, appearance, canvas);
        if (canvas.PageCount() == 0)
            return false;
    }
    return QFile(path).size() > 0;
}

bool PrintGridOnDefaultPrinter(const TextGrid& grid, const GridAppearance& appearance, Prompter& prompter,
                               const std::function<QString()>& askPdfPath)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (prompter.askYesNo(
                QStringLiteral("Drucken"),
                QStringLiteral("Es ist kein Drucker eingerichtet. Sollen die Seiten stattdessen "
                               "als PDF-Datei gespeichert werden?")) != Prompter::Answer::Yes)
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
    PainterPrintCanvas canvas(printer, PainterPrintCanvas::Documents::SeparateJobs);
    PrintActiveGrid(grid, appearance, canvas);
    return canvas.PageCount() > 0;
}
