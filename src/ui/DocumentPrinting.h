#pragma once

#include <QList>
#include <QString>

#include <functional>

class Prompter;
class QTextDocument;

// Prints rich-text documents (game lists, certificates) on the default printer, each document
// as a print job of its own under the title. Without an installed printer the organiser is
// asked whether to save them as one PDF file instead, each document starting on a new page;
// askPdfPath names the file (empty: cancelled). Returns false when nothing was printed or saved,
// also when the printer or the file failed.
bool PrintDocuments(const QList<const QTextDocument*>& documents, const QString& title, Prompter& prompter,
                    const std::function<QString()>& askPdfPath);

// The documents one after the other in one document, each starting on a new page.
void JoinOnSeparatePages(const QList<const QTextDocument*>& documents, QTextDocument& joined);
