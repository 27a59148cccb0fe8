#pragma once

#include "output/PrintCanvas.h"

#include <QPainter>

#include <functional>

class QPagedPaintDevice;

// Draws the printout with a QPainter on a printer or a PDF writer. On a printer every document
// is a print job of its own; a PDF file has one document, so each further one starts a new page.
class PainterPrintCanvas : public PrintCanvas {
public:
    enum class Documents { SeparateJobs, PagesOfOneFile };

    // setTitle gives the device the document's title (printers and PDF writers name it differently).
    PainterPrintCanvas(QPagedPaintDevice& device, Documents documents,
                       std::function<void(const QString&)> setTitle);
    ~PainterPrintCanvas() override;

    int ResolutionX() const override;
    int ResolutionY() const override;
    int PhysicalOffsetX() const override;
    int PhysicalOffsetY() const override;
    int PageHeight() const override;
    void BeginDocument(const QString& title, bool landscape) override;
    void EndDocument() override;
    void SetFont(const QString& family, int pointSize, bool bold, bool italic, bool underline) override;
    void SetOutline(std::optional<std::uint32_t> colour) override;
    void FillRectangle(const QRect& rectangle, std::uint32_t fill) override;
    void DrawTextLine(const QRect& clip, const QString& text, std::uint32_t colour) override;

    // Pages drawn so far; the PDF file is complete once the canvas is destroyed.
    int PageCount() const { return pageCount_; }

private:
    QPoint PhysicalOffset() const;

    QPagedPaintDevice& device_;
    Documents documents_;
    std::function<void(const QString&)> setTitle_;
    QPainter painter_;
    int pageCount_ = 0;
};
