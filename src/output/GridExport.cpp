#include "output/GridExport.h"

#include "model/Prompter.h"
#include "model/TextGrid.h"
#include "model/Windows1252.h"
#include "output/FileReplace.h"

#include <algorithm>
#include <vector>

namespace {
QChar separatorOf(GridTextFormat format)
{
    return format == GridTextFormat::Xls ? QChar(u'\t') : QChar(u',');
}

QString csvField(const QString& text)
{
    const bool needsQuotes =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A cell of the tab text stays one field of one row: a tab or line break in it becomes a blank.
QString tabField(const QString& text)
{
    if (!text.contains(u'\t') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString field = text;
    field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar breaking : {u'\t', u'\r', u'\n'})
        field.replace(breaking, u' ');
    return field;
}

// The one place that turns export text into file bytes.
QByteArray encodeFileText(const QString& text)
{
    if (FitsWindows1252(text))
        return EncodeWindows1252(text);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

// Every line break, whatever its form, becomes CR LF.
QString withCrLf(const QString& text)
{
    QString adjusted;
    adjusted.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            adjusted += QStringLiteral("\r\n");
            const bool pair =
                i + 1 < text.size() && text[i + 1] != c && (text[i + 1] == u'\r' || text[i + 1] == u'\n');
            if (pair)
                ++i;
        } else {
            adjusted += c;
        }
    }
    return adjusted;
}
} // namespace

GridTextFormat GridTextFormatForFile(const QString& fileName)
{
    return fileName.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive) ? GridTextFormat::Xls
                                                                          : GridTextFormat::Csv;
}

QString GridTextLines(const TextGrid& grid, GridTextFormat format)
{
    const QChar separator = separatorOf(format);
    QString text;
    for (int row = 1; row <= grid.rowCount(); ++row) {
        for (int col = 1; col <= grid.columnCount(); ++col) {
            const QString& cell = grid.cell(col, row);
            text += format == GridTextFormat::Csv ? csvField(cell) : tabField(cell);
            text += separator;
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray ExportGridText(const TextGrid& grid, GridTextFormat format)
{
    return encodeFileText(GridTextLines(grid, format));
}

bool SaveGridText(const TextGrid& grid, const QString& fileName, Prompter& prompter)
{
    return WriteExportFile(ExportGridText(grid, GridTextFormatForFile(fileName)), fileName, prompter);
}

QString GridClipboardText(const TextGrid& grid)
{
    QString text;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            text += grid.cell(col, row);
            text += u'\t';
        }
        text += u'\r';
    }
    return withCrLf(text);
}

QString GridPlainText(const TextGrid& grid)
{
    // A cell of underscores only (the round separator) draws a line and does not widen its column.
    const auto isRule = [](const QString& text) {
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'_'; });
    };
    std::vector<qsizetype> widths(std::size_t(std::max(0, grid.columnCount())), 0);
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.columnCount(); ++col)
            if (!isRule(grid.cell(col, row)))
                widths[std::size_t(col)] = std::max(widths[std::size_t(col)], grid.cell(col, row).size());
    QString text;
    for (int row = 1; row < grid.rowCount(); ++row) {
        QString line;
        for (int col = 0; col < grid.columnCount(); ++col) {
            const QString& cell = grid.cell(col, row);
            const bool rule = isRule(cell);
            if (col > 0)
                line += rule ? QStringLiteral("__") : QStringLiteral("  ");
            line += rule ? QString(widths[std::size_t(col)], u'_')
                         : tabField(cell).leftJustified(widths[std::size_t(col)]);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}
