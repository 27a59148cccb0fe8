#pragma once

#include "output/GridAppearance.h"

#include <QStringList>

class Prompter;
class TextGrid;

// The RGB colour as six lower-case hex digits, red first: 0xFF0000 gives "ff0000".
QString ColorToHtml(std::uint32_t rgb);

// The grid as an HTML5 page of one table titled `title` (the tournament's name), one line per
// row start, cell and row end, every cell in the grid's font, colour and style. Cell texts, the
// title and the font name are escaped, so a team name never becomes markup; the page declares
// UTF-8.
QStringList BuildHtmlTable(const TextGrid& grid, const GridAppearance& appearance, int border,
                           const QString& title);

// The lines as one text, each ended by CR LF: the clipboard text and the file content.
QString HtmlText(const QStringList& lines);
// Writes HtmlText as UTF-8; a failure shows "Speichern der Datei <name> nicht möglich".
bool SaveHtmlTable(const QStringList& lines, const QString& fileName, Prompter& prompter);
