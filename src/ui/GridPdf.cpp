#include "ui/GridPdf.h"

#include "output/GridPrint.h"
#include "ui/PainterPrintCanvas.h"

#include <QFile>
#include <QPdfWriter>

bool PrintGridToPdf(const TextGrid& grid, const GridAppearance& appearance, const QString& path)
{
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        PainterPrintCanvas canvas(writer, PainterPrintCanvas::Documents::PagesOfOneFile,
                                  [&writer](const QString& title) { writer.setTitle(title); });
        PrintActiveGrid(grid, appearance, canvas);
        if (canvas.PageCount() == 0)
            return false;
    }
    return QFile(path).size() > 0;
}
