#pragma once

#include <QByteArray>
#include <QString>

class Prompter;
class TextGrid;

// Text exports of a visible grid: its cell texts as shown; the row tags stay behind.

enum class GridTextFormat { Csv, Xls };

// ".xls" (in any case) is the tab-separated spreadsheet text; every other name gets CSV, the
// save dialog's default type.
GridTextFormat GridTextFormatForFile(const QString& fileName);

// Rows 1..rowCount, each with the fields of columns 1..columnCount followed by the separator,
// each line closed by CR LF. The last line and the last field of a line lie beyond the grid and
// are empty. In CSV a field holding a comma, a double quote or a line break is put in double
// quotes with its quotes doubled, so it stays one field; in the tab format a tab or line break
// inside a cell becomes a blank.
QString GridTextLines(const TextGrid& grid, GridTextFormat format);
// GridTextLines as file bytes: Windows-1252, or UTF-8 with byte-order mark when a text has
// characters outside that code page.
QByteArray ExportGridText(const TextGrid& grid, GridTextFormat format);
// Writes ExportGridText to the file; a failure shows "Speichern der Datei <name> nicht möglich".
bool SaveGridText(const TextGrid& grid, const QString& fileName, Prompter& prompter);

// The clipboard text of "alles kopieren": every row from 0, every column from 0, each cell
// followed by a tab, each row by CR LF.
QString GridClipboardText(const TextGrid& grid);

// The grid as plain text for a terminal: rows 1 on, columns 0 on, every column padded to its
// widest text, trailing blanks dropped, lines ended by LF.
QString GridPlainText(const TextGrid& grid);
