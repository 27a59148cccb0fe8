#include "ui/DocumentPrinting.h"

#include "ui/GridPrinting.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

void JoinOnSeparatePages(const QList<const QTextDocument*>& documents, QTextDocument& joined)
{
    joined.clear();
    QTextCursor cursor(&joined);
    bool first = true;
    for (const QTextDocument* document : documents) {
        if (!first) {
            QTextBlockFormat pageStart;
            pageStart.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(pageStart);
        }
        cursor.insertFragment(QTextDocumentFragment(document));
        first = false;
    }
}

namespace {
bool PrintAsPdf(const QList<const QTextDocument*>& documents, const QString& title, const QString& path)
{
    QTextDocument joined;
    JoinOnSeparatePages(documents, joined);
    {
        QPdfWriter writer(path);
        writer.setTitle(title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        joined.print(&writer);
    }
    QFile file(path);
    return file.size() > 0;
}
} // namespace

bool PrintDocuments(const QList<const QTextDocument*>& documents, const QString& title, Prompter& prompter,
                    const std::function<QString()>& askPdfPath)
{
    if (documents.isEmpty())
        return false;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (!OfferPdfInsteadOfPrinter(prompter))
            return false;
        const QString path = askPdfPath();
        return !path.isEmpty() && PrintAsPdf(documents, title, path);
    }
    for (const QTextDocument* document : documents) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setDocName(title);
        document->print(&printer);
        if (printer.printerState() == QPrinter::Error)
            return false;
    }
    return true;
}
