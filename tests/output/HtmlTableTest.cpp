#include "output/HtmlTable.h"
#include "model/TextGrid.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(BuildHtmlTable, WritesEveryCellInTheGridFontWithEscapedTexts)
{
    TextGrid grid(2, 2);
    grid.setColumnWidth(0, 30);
    grid.setColumnWidth(1, 110);
    grid.setCell(0, 0, QStringLiteral("Zeit"));
    grid.setCell(1, 0, QStringLiteral("Feld \"A\""));
    grid.setCell(1, 1, QStringLiteral("<b>Bären & Co</b>"));
    GridAppearance appearance;
    appearance.fontName = QStringLiteral("Arial");
    appearance.fontColour = 0x00A0CB;
    appearance.bold = true;
    appearance.underline = true;
    appearance.rowHeights = {20};

    const QString cellStart = QStringLiteral("\"><font color=\"#00a0cb\" face=\"Arial\"><b><u>");
    const QStringList expected{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"de\">"),
        QStringLiteral("<head><meta charset=\"utf-8\"><title>Cup &lt;A&gt; &amp; B</title></head>"),
        QStringLiteral("<body>"),
        QStringLiteral(" <table border=\"3\" width=\"280\" height=\"140\">"),
        QStringLiteral("  <tr>"),
        QStringLiteral("    <td width=\"60\" height=\"20") + cellStart +
            QStringLiteral("Zeit</u></b></font></td>"),
        QStringLiteral("    <td width=\"220\" height=\"20") + cellStart +
            QStringLiteral("Feld &quot;A&quot;</u></b></font></td>"),
        QStringLiteral("  </tr>"),
        QStringLiteral("  <tr>"),
        QStringLiteral("    <td width=\"60\" height=\"24") + cellStart +
            QStringLiteral(" </u></b></font></td>"),
        QStringLiteral("    <td width=\"220\" height=\"24") + cellStart +
            QStringLiteral("&lt;b&gt;Bären &amp; Co&lt;/b&gt;</u></b></font></td>"),
        QStringLiteral("  </tr>"),
        QStringLiteral("  </table>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>")};
    const QStringList lines = BuildHtmlTable(grid, appearance, 3, QStringLiteral(" Cup <A> & B"));
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.html"));
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveHtmlTable(lines, path, prompter));
    EXPECT_EQ(QString::fromUtf8(FileContents(path)),
              expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    EXPECT_FALSE(SaveHtmlTable(lines, dir.filePath(QStringLiteral("no/such/dir.html")), prompter));
    EXPECT_EQ(prompter.texts().size(), 1);
}
