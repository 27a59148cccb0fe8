#include "ui/GridPdf.h"

#include "ui/PainterPrintCanvas.h"

#include <QFile>
#include <QPdfWriter>

GridPrintLayout PrintGridToPdf(const TextGrid& grid, const GridPrintStructure& structure,
                               const PrintHeading& heading, const GridAppearance& appearance,
                               const QString& path)
{
    GridPrintLayout layout;
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        PainterPrintCanvas canvas(writer, [&writer](const QString& title) { writer.setTitle(title); });
        layout = PrintGrid(grid, structure, heading, appearance, canvas);
    }
    if (QFile(path).size() == 0)
        layout.sheets.clear();
    return layout;
}
