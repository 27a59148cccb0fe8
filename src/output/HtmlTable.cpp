#include "output/HtmlTable.h"

#include "model/Prompter.h"
#include "model/TextGrid.h"
#include "output/FileReplace.h"

namespace {
QString Number(int value)
{
    return QString::number(value);
}
} // namespace

QString ColorToHtml(std::uint32_t rgb)
{
    return QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

QStringList BuildHtmlTable(const TextGrid& grid, const GridAppearance& appearance, int border)
{
    QString open;
    QString close;
    if (appearance.bold) {
        open += QStringLiteral("<b>");
        close += QStringLiteral("</b>");
    }
    if (appearance.italic) {
        open += QStringLiteral("<i>");
        close += QStringLiteral("</i>");
    }
    if (appearance.underline) {
        open += QStringLiteral("<u>");
        close += QStringLiteral("</u>");
    }
    const QString fontStart = QStringLiteral("\"><font color=\"#") + ColorToHtml(appearance.fontColour) +
                              QStringLiteral("\" face=\"") + appearance.fontName.toHtmlEscaped() +
                              QStringLiteral("\">") + open;
    const int width = appearance.Width(grid);

    QStringList lines{QStringLiteral("<html>"),
                      QStringLiteral("<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                     "charset=utf-8\"></head>"),
                      QStringLiteral("<body>"),
                      QStringLiteral(" <table border=\"") + Number(border) + QStringLiteral("\"width=\"") +
                          Number(2 * width) + QStringLiteral("\" height=\"") + Number(width) +
                          QStringLiteral("\">")};
    for (int row = 0; row < grid.rowCount(); ++row) {
        lines << QStringLiteral("  <tr>");
        for (int col = 0; col < grid.columnCount(); ++col) {
            const QString& text = grid.cell(col, row);
            lines << QStringLiteral("    <td width=\"") + Number(2 * grid.columnWidth(col)) +
                         QStringLiteral("\" height=\"") + Number(appearance.RowHeight(row)) + fontStart +
                         (text.isEmpty() ? QStringLiteral(" ") : text.toHtmlEscaped()) + close +
                         QStringLiteral("</font></td>");
        }
        lines << QStringLiteral("  </tr>");
    }
    lines << QStringLiteral("  </table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
}

QString HtmlText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

bool SaveHtmlTable(const QStringList& lines, const QString& fileName, Prompter& prompter)
{
    return WriteExportFile(HtmlText(lines).toUtf8(), fileName, prompter);
}
