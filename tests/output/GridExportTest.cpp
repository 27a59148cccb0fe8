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

TEST(ExportGridText, WritesRowsAndColumnsFromOneWithATrailingSeparatorAndALastEmptyLine)
{
    TextGrid grid = smallGrid();
    grid.setCell(2, 1, QStringLiteral("Tab\tund\r\nZeilen\r"));
    // A tab or line break inside a cell would open another field or row: it becomes a blank.
    EXPECT_EQ(GridTextLines(grid, GridTextFormat::Xls), QStringLiteral("Comets, Inc.\tTab und Zeilen \t\t\r\n"
                                                                       "zwei Zeilen\t  3 : 1\t\t\r\n"
                                                                       "\t\t\t\r\n"));
}

TEST(ExportGridText, QuotesCsvFieldsThatWouldOtherwiseSplit)
{
    const TextGrid grid = smallGrid();
    EXPECT_EQ(GridTextLines(grid, GridTextFormat::Csv),
              QStringLiteral("\"Comets, Inc.\",\"Say \"\"hi\"\"\",,\r\n"
                             "\"zwei\nZeilen\",  3 : 1,,\r\n"
                             ",,,\r\n"));
    TextGrid plain(2, 2);
    plain.setCell(1, 1, QStringLiteral("1) Adler; \t'x'"));
    EXPECT_EQ(GridTextLines(plain, GridTextFormat::Csv), QStringLiteral("1) Adler; \t'x',,\r\n,,\r\n"));
    EXPECT_EQ(GridTextLines(TextGrid(), GridTextFormat::Csv), QString());
}

TEST(ExportGridText, EncodesWindows1252UnlessATextNeedsUtf8)
{
    TextGrid umlauts(3, 2);
    umlauts.setCell(1, 1, QStringLiteral("Sätze"));
    umlauts.setCell(2, 1, QStringLiteral("€"));
    EXPECT_EQ(ExportGridText(umlauts, GridTextFormat::Xls), QByteArray("S\xE4tze\t\x80\t\t\r\n\t\t\t\r\n"));
    umlauts.setCell(2, 1, QStringLiteral("Łódź"));
    EXPECT_EQ(ExportGridText(umlauts, GridTextFormat::Xls),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Sätze\tŁódź\t\t\r\n\t\t\t\r\n").toUtf8());
}

TEST(ExportGridText, ChoosesTheSeparatorByTheFileName)
{
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.csv")), GridTextFormat::Csv);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.xls")), GridTextFormat::Xls);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("C:/Turnier/PLAN.XLS")), GridTextFormat::Xls);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.txt")), GridTextFormat::Csv);
    EXPECT_EQ(GridTextFormatForFile(QStringLiteral("plan.xlsx")), GridTextFormat::Csv);
}

TEST(SaveGridText, WritesTheFileOrReportsThatItCannot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScriptedPrompter prompter;
    const QString path = dir.filePath(QStringLiteral("plan.xls"));
    ASSERT_TRUE(SaveGridText(smallGrid(), path, prompter));
    EXPECT_EQ(FileContents(path), ExportGridText(smallGrid(), GridTextFormat::Xls));
    EXPECT_TRUE(prompter.shown().empty());

    const QString unwritable = dir.filePath(QStringLiteral("fehlt/plan.csv"));
    EXPECT_FALSE(SaveGridText(smallGrid(), unwritable, prompter));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(prompter.shown()[0].text,
              QStringLiteral("Speichern der Datei ") + unwritable + QStringLiteral(" nicht möglich"));
}

TEST(GridClipboardText, CarriesRowZeroAndColumnZeroAndEndsEveryLineWithCrLf)
{
    EXPECT_EQ(GridClipboardText(smallGrid()), QStringLiteral("kopf\t\t\t\r\n"
                                                             "1\tComets, Inc.\tSay \"hi\"\t\r\n"
                                                             "\tzwei\r\nZeilen\t  3 : 1\t\r\n"));
    TextGrid breaks(2, 1);
    breaks.setCell(0, 0, QStringLiteral("a\r\nb\rc"));
    EXPECT_EQ(GridClipboardText(breaks), QStringLiteral("a\r\nb\r\nc\t\t\r\n"));
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
