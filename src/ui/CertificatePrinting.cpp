#include "ui/CertificatePrinting.h"

#include "model/Prompter.h"
#include "output/OfficeConverter.h"
#include "output/RtfReader.h"
#include "ui/GridPrinting.h"
#include "ui/RtfTextDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {
qreal Points(int twips)
{
    return twips / 20.0;
}

QPageLayout LayoutOf(const RtfPage& page)
{
    const QSizeF size(Points(page.width), Points(page.height));
    const QPageLayout::Orientation orientation =
        size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QPageSize pageSize(orientation == QPageLayout::Landscape ? size.transposed() : size,
                             QPageSize::Point);
    // No margins: the painter's origin is the paper's corner, the margins are drawn in.
    return QPageLayout(pageSize, orientation, QMarginsF(), QPageLayout::Point);
}

// One side of the border from..to (in points, the painter's unit), its lines drawn inwards
// along the normal.
void DrawBorderSide(QPainter& painter, const RtfBorder& border, QPointF from, QPointF to, QPointF inwards)
{
    if (border.style == RtfBorder::Style::None)
        return;
    const qreal width = std::max(0.5, Points(border.width));
    QPen pen(border.color ? QColor(border.color->red, border.color->green, border.color->blue)
                          : QColor(Qt::black));
    pen.setWidthF(border.style == RtfBorder::Style::Thick ? 2 * width : width);
    pen.setCapStyle(Qt::SquareCap);
    if (border.style == RtfBorder::Style::Dotted)
        pen.setStyle(Qt::DotLine);
    else if (border.style == RtfBorder::Style::Dashed)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(from, to);
    if (border.style == RtfBorder::Style::Double) {
        const QPointF offset = inwards * (2 * width);
        painter.drawLine(from + offset, to + offset);
    }
}

// The border around the text area at its distance, or from the paper's edge; in points with the
// origin at the paper's corner.
void DrawPageBorder(QPainter& painter, const RtfPage& page)
{
    const qreal width = Points(page.width);
    const qreal height = Points(page.height);
    const auto distance = [&page](int margin, const RtfBorder& border) {
        return page.borderFromPageEdge ? Points(border.space) : Points(margin - border.space);
    };
    const qreal left = distance(page.marginLeft, page.borderLeft);
    const qreal top = distance(page.marginTop, page.borderTop);
    const qreal right = width - distance(page.marginRight, page.borderRight);
    const qreal bottom = height - distance(page.marginBottom, page.borderBottom);
    DrawBorderSide(painter, page.borderTop, {left, top}, {right, top}, {0, 1});
    DrawBorderSide(painter, page.borderBottom, {left, bottom}, {right, bottom}, {0, -1});
    DrawBorderSide(painter, page.borderLeft, {left, top}, {left, bottom}, {1, 0});
    DrawBorderSide(painter, page.borderRight, {right, top}, {right, bottom}, {-1, 0});
}
} // namespace

void PrintOnRtfPage(QTextDocument& document, const RtfPage& page, QPagedPaintDevice& device)
{
    device.setPageLayout(LayoutOf(page));
    QPainter painter(&device);
    // The document is laid out at 96 pixels per inch, the border in points.
    const qreal devicePerPoint = device.logicalDpiX() / 72.0;
    const qreal devicePerPixel = device.logicalDpiX() / 96.0;
    const QSizeF textArea((Points(page.width - page.marginLeft - page.marginRight)) * 96.0 / 72.0,
                          (Points(page.height - page.marginTop - page.marginBottom)) * 96.0 / 72.0);
    document.documentLayout()->setPaintDevice(nullptr);
    document.setDocumentMargin(0);
    document.setPageSize(textArea);
    const int pages = std::max(1, document.pageCount());
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        painter.scale(devicePerPoint, devicePerPoint);
        DrawPageBorder(painter, page);
        painter.restore();
        painter.save();
        painter.translate(Points(page.marginLeft) * devicePerPoint, Points(page.marginTop) * devicePerPoint);
        painter.scale(devicePerPixel, devicePerPixel);
        const QRectF shown(0, index * textArea.height(), textArea.width(), textArea.height());
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        document.drawContents(&painter, shown);
        painter.restore();
    }
}

bool WriteCertificatePdfWithQt(const QByteArray& rtf, const QString& title, const QString& path)
{
    const RtfDocument read = ReadRtf(rtf);
    QTextDocument document;
    FillTextDocument(document, read);
    {
        QPdfWriter writer(path);
        writer.setTitle(title);
        writer.setResolution(600);
        PrintOnRtfPage(document, read.page, writer);
    }
    return QFile(path).size() > 0;
}

bool PrintCertificate(const QByteArray& rtf, const QString& title, const OfficeConverter& office,
                      Prompter& prompter, const std::function<QString()>& askPdfPath)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (!OfferPdfInsteadOfPrinter(prompter))
            return false;
        const QString path = askPdfPath();
        if (path.isEmpty())
            return false;
        if (office.ConvertToPdf(rtf, path) || WriteCertificatePdfWithQt(rtf, title, path))
            return true;
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
        return false;
    }
    if (office.Print(rtf, printerInfo.printerName()))
        return true;
    const RtfDocument read = ReadRtf(rtf);
    QTextDocument document;
    FillTextDocument(document, read);
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true);
    PrintOnRtfPage(document, read.page, printer);
    return printer.printerState() != QPrinter::Error;
}
