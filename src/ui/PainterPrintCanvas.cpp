#include "ui/PainterPrintCanvas.h"

#include <QPagedPaintDevice>

namespace {
QColor Rgb(std::uint32_t rgb)
{
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}
} // namespace

PainterPrintCanvas::PainterPrintCanvas(QPagedPaintDevice& device, Documents documents,
                                       std::function<void(const QString&)> setTitle)
    : device_(device), documents_(documents), setTitle_(std::move(setTitle))
{
}

PainterPrintCanvas::~PainterPrintCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

int PainterPrintCanvas::ResolutionX() const
{
    return device_.logicalDpiX();
}

int PainterPrintCanvas::ResolutionY() const
{
    return device_.logicalDpiY();
}

QPoint PainterPrintCanvas::PhysicalOffset() const
{
    const QPageLayout layout = device_.pageLayout();
    const int resolution = device_.logicalDpiX();
    return layout.paintRectPixels(resolution).topLeft() - layout.fullRectPixels(resolution).topLeft();
}

int PainterPrintCanvas::PhysicalOffsetX() const
{
    return PhysicalOffset().x();
}

int PainterPrintCanvas::PhysicalOffsetY() const
{
    return PhysicalOffset().y();
}

int PainterPrintCanvas::PageHeight() const
{
    return device_.height();
}

void PainterPrintCanvas::BeginDocument(const QString& title, bool landscape)
{
    ++pageCount_;
    if (painter_.isActive()) { // a further document in the same PDF file
        device_.newPage();
        return;
    }
    device_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    setTitle_(title);
    painter_.begin(&device_);
}

void PainterPrintCanvas::EndDocument()
{
    if (documents_ == Documents::SeparateJobs && painter_.isActive())
        painter_.end();
}

void PainterPrintCanvas::SetFont(const QString& family, int pointSize, bool bold, bool italic, bool underline)
{
    QFont font(family, std::max(pointSize, 1));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    painter_.setFont(font);
}

void PainterPrintCanvas::SetOutline(std::optional<std::uint32_t> colour)
{
    if (colour)
        painter_.setPen(QPen(Rgb(*colour), 1));
    else
        painter_.setPen(Qt::NoPen);
}

void PainterPrintCanvas::FillRectangle(const QRect& rectangle, std::uint32_t fill)
{
    painter_.setBrush(Rgb(fill));
    painter_.drawRect(rectangle);
}

void PainterPrintCanvas::DrawTextLine(const QRect& clip, const QString& text, std::uint32_t colour)
{
    painter_.save();
    painter_.setClipRect(clip);
    painter_.setPen(Rgb(colour));
    painter_.drawText(clip, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter_.restore();
}
