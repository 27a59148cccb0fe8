#include "output/GridExport.h"
#include "model/TextGrid.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// Row 0 and column 0 hold what only the clipboard carries.
TextGrid smallGrid()
{
    TextGrid grid(3, 3);
    grid.setCell(0, 0, QStringLiteral("kopf"));
    grid.setCell(0, 1, QStringLiteral("1"));
    grid.setCell(1, 1, QStringLiteral("Comets, Inc."));
    grid.setCell(2, 1, QStringLiteral("Say \"hi\""));
    grid.setCell(1, 2, QStringLiteral("zwei\nZeilen"));
    grid.setCell(2, 2, QStringLiteral("  3 : 1"));
    return grid;
}
} // namespace

TEST(ExportGridText, WritesTheCellsFromRowAndColumnOneWithoutATrailingSeparator)
{
    TextGrid grid = smallGrid();
    // A tab or line break inside a cell of the tab text would open another field or row: it becomes a blank.
    EXPECT_EQ(GridTextLines(grid, GridTextFormat::Xls), QStringLiteral("Comets, Inc.\tSay \"hi\"\r\n"
                                                                       "zwei Zeilen\t  3 : 1\r\n"));
    EXPECT_EQ(GridTextLines(grid, GridTextFormat::Csv),
              QStringLiteral("\"Comets, Inc.\",\"Say \"\"hi\"\"\"\r\n"
                             "\"zwei\nZeilen\",  3 : 1\r\n"));
    TextGrid plain(2, 2);
    plain.setCell(1, 1, QStringLiteral("1) Adler; \t'x'"));
    EXPECT_EQ(GridTextLines(plain, GridTextFormat::Csv), QStringLiteral("1) Adler; \t'x'\r\n"));
    EXPECT_EQ(GridTextLines(plain, GridTextFormat::Xls), QStringLiteral("1) Adler;  'x'\r\n"));
    EXPECT_EQ(GridTextLines(TextGrid(), GridTextFormat::Csv), QString());
}

// A spreadsheet runs a cell starting with "=", "+", "-" or "@" as a formula.
TEST(ExportGridText, KeepsTextsThatLookLikeFormulasText)
{
    struct Case {
        QString cell, csv, tabText;
        QString clipboard = tabText; // the clipboard keeps a line break of a cell
    };
    const Case cases[] = {
        {QStringLiteral("=2+3 Kicker"), QStringLiteral("'=2+3 Kicker"), QStringLiteral("'=2+3 Kicker")},
        {QStringLiteral("+49 Team"), QStringLiteral("'+49 Team"), QStringLiteral("'+49 Team")},
        {QStringLiteral("-Team"), QStringLiteral("'-Team"), QStringLiteral("'-Team")},
        {QStringLiteral("@home"), QStringLiteral("'@home"), QStringLiteral("'@home")},
        {QStringLiteral("=HYPERLINK(\"x\",1)"), QStringLiteral("\"'=HYPERLINK(\"\"x\"\",1)\""),
         QStringLiteral("'=HYPERLINK(\"x\",1)")},
        {QStringLiteral("\rA"), QStringLiteral("\"'\rA\""), QStringLiteral("' A"), QStringLiteral("'\r\nA")},
        {QStringLiteral("-3"), QStringLiteral("-3"), QStringLiteral("-3")},
        {QStringLiteral("+1,5"), QStringLiteral("\"+1,5\""), QStringLiteral("+1,5")},
        {QStringLiteral("Team=1"), QStringLiteral("Team=1"), QStringLiteral("Team=1")},
    };
    for (const Case& c : cases) {
        TextGrid grid(2, 2);
        grid.setCell(1, 1, c.cell);
        grid.setCell(0, 0, c.cell);
        EXPECT_EQ(GridTextLines(grid, GridTextFormat::Csv), c.csv + QStringLiteral("\r\n"))
            << c.cell.toStdString();
        EXPECT_EQ(GridTextLines(grid, GridTextFormat::Xls), c.tabText + QStringLiteral("\r\n"))
            << c.cell.toStdString();
        EXPECT_TRUE(GridClipboardText(grid).startsWith(c.clipboard)) << c.cell.toStdString();
    }
}

TEST(ExportGridText, EncodesWindows1252UnlessATextNeedsUtf8)
{
    TextGrid umlauts(3, 2);
    umlauts.setCell(1, 1, QStringLiteral("Sätze"));
    umlauts.setCell(2, 1, QStringLiteral("€"));
    EXPECT_EQ(ExportGridText(umlauts, GridTextFormat::Xls), QByteArray("S\xE4tze\t\x80\r\n"));
    umlauts.setCell(2, 1, QStringLiteral("Łódź"));
    EXPECT_EQ(ExportGridText(umlauts, GridTextFormat::Xls),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Sätze\tŁódź\r\n").toUtf8());
}

TEST(ExportGridText, ChoosesTheSeparatorByTheFileName)
{
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.csv")), GridTextFormat::Csv);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("C:/Turnier/PLAN.XLS")), GridTextFormat::Xls);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.xlsx")), GridTextFormat::Csv);
}

TEST(SaveGridText, ReportsAFileItCannotWrite)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    const QString unwritable = dir.filePath(QStringLiteral("fehlt/plan.csv"));
    EXPECT_FALSE(SaveGridText(smallGrid(), unwritable, prompter));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Speichern der Datei ") + unwritable +
                                            QStringLiteral(" nicht möglich")});
}

TEST(GridClipboardText, CarriesRowZeroAndColumnZeroAndEndsEveryLineWithCrLf)
{
    EXPECT_EQ(GridClipboardText(smallGrid()), QStringLiteral("kopf\t\t\r\n"
                                                             "1\tComets, Inc.\tSay \"hi\"\r\n"
                                                             "\tzwei\r\nZeilen\t  3 : 1\r\n"));
    TextGrid breaks(2, 1);
    breaks.setCell(0, 0, QStringLiteral("a\r\nb\rc"));
    EXPECT_EQ(GridClipboardText(breaks), QStringLiteral("a\r\nb\r\nc\t\r\n"));
}

TEST(GridPlainText, AlignsColumnsAndDrawsSeparatorRowsAsLines)
{
    TextGrid grid(3, 4);
    grid.setCell(1, 1, QStringLiteral("Gruppe A"));
    grid.setCell(0, 2, QStringLiteral("1"));
    grid.setCell(1, 2, QStringLiteral("1) Adler"));
    grid.setCell(2, 2, QStringLiteral("  3 : 1"));
    for (int col = 0; col < 3; ++col)
        grid.setCell(col, 3, QStringLiteral("____________________"));
    EXPECT_EQ(GridPlainText(grid), QStringLiteral("   Gruppe A\n"
                                                  "1  1) Adler    3 : 1\n"
                                                  "____________________\n"));
}
