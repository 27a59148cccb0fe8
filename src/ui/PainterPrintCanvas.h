#pragma once

#include "output/PrintCanvas.h"

#include <QFont>
#include <QPainter>

#include <functional>

class QPagedPaintDevice;

// Draws a printout with a QPainter on a printer or a PDF writer, all pages as one document. The
// device must paint from the sheet's corner (a printer in full-page mode, a PDF writer without
// margins).
class PainterPrintCanvas : public PrintCanvas {
public:
    // setTitle gives the device the document's title (printers and PDF writers name it differently).
    PainterPrintCanvas(QPagedPaintDevice& device, std::function<void(const QString&)> setTitle);
    ~PainterPrintCanvas() override;

    QSizeF PageSize() const override;
    QRectF PrintableArea() const override;
    bool BeginDocument(const QString& title) override;
    void NewPage() override;
    void EndDocument() override;
    void SetFont(const QString& family, double pointSize, bool bold, bool italic, bool underline) override;
    double TextWidth(const QString& text) const override;
    double LineHeight() const override;
    void DrawRectangle(const QRectF& box, std::optional<std::uint32_t> fill,
                       std::optional<std::uint32_t> outline) override;
    void DrawLine(const QPointF& from, const QPointF& to, double width, std::uint32_t colour) override;
    void DrawText(const QRectF& box, const QString& text, Align align, std::uint32_t colour) override;

    // Pages drawn so far; the PDF file is complete once the canvas is destroyed.
    int PageCount() const { return pageCount_; }

private:
    QRectF ToDevice(const QRectF& box) const;
    QPointF ToDevice(const QPointF& point) const;

    QPagedPaintDevice& device_;
    std::function<void(const QString&)> setTitle_;
    QPainter painter_;
    QFont font_;
    double dotsPerPointX_;
    double dotsPerPointY_;
    int pageCount_ = 0;
};
