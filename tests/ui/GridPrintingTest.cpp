#include "model/TextGrid.h"
#include "ui/GridPdf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PrintGridToPdf, WritesEveryBandAndSheetIntoOneFile)
{
    TextGrid grid(20, 60);
    for (int col = 0; col < grid.columnCount(); ++col) {
        grid.setColumnWidth(col, 110);
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setCell(col, row, QStringLiteral("Zelle %1/%2").arg(col).arg(row));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    ASSERT_TRUE(PrintGridToPdf(grid, GridAppearance{}, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // Two bands (13 and 7 columns), each longer than one landscape sheet.
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 4);
}
