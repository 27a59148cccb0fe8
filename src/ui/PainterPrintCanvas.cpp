#include "ui/PainterPrintCanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {
QColor Rgb(std::uint32_t rgb)
{
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

QPageLayout InPoints(const QPagedPaintDevice& device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Point);
    return layout;
}
} // namespace

PainterPrintCanvas::PainterPrintCanvas(QPagedPaintDevice& device,
                                       std::function<void(const QString&)> setTitle)
    : device_(device), setTitle_(std::move(setTitle)), dotsPerPointX_(device.logicalDpiX() / 72.0),
      dotsPerPointY_(device.logicalDpiY() / 72.0)
{
}

PainterPrintCanvas::~PainterPrintCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

QSizeF PainterPrintCanvas::PageSize() const
{
    return InPoints(device_).fullRect().size();
}

QRectF PainterPrintCanvas::PrintableArea() const
{
    const QPageLayout layout = InPoints(device_);
    return layout.fullRect().marginsRemoved(layout.minimumMargins());
}

bool PainterPrintCanvas::BeginDocument(const QString& title)
{
    setTitle_(title);
    if (!painter_.begin(&device_))
        return false;
    pageCount_ = 1;
    return true;
}

void PainterPrintCanvas::NewPage()
{
    if (device_.newPage())
        ++pageCount_;
}

void PainterPrintCanvas::EndDocument()
{
    if (painter_.isActive())
        painter_.end();
}

void PainterPrintCanvas::SetFont(const QString& family, double pointSize, bool bold, bool italic,
                                 bool underline)
{
    font_ = QFont(family);
    font_.setPointSizeF(std::max(pointSize, 1.0));
    font_.setBold(bold);
    font_.setItalic(italic);
    font_.setUnderline(underline);
    if (painter_.isActive())
        painter_.setFont(font_);
}

double PainterPrintCanvas::TextWidth(const QString& text) const
{
    return QFontMetricsF(font_, &device_).horizontalAdvance(text) / dotsPerPointX_;
}

double PainterPrintCanvas::LineHeight() const
{
    return QFontMetricsF(font_, &device_).height() / dotsPerPointY_;
}

QRectF PainterPrintCanvas::ToDevice(const QRectF& box) const
{
    return QRectF(box.left() * dotsPerPointX_, box.top() * dotsPerPointY_, box.width() * dotsPerPointX_,
                  box.height() * dotsPerPointY_);
}

QPointF PainterPrintCanvas::ToDevice(const QPointF& point) const
{
    return QPointF(point.x() * dotsPerPointX_, point.y() * dotsPerPointY_);
}

void PainterPrintCanvas::DrawRectangle(const QRectF& box, std::optional<std::uint32_t> fill,
                                       std::optional<std::uint32_t> outline)
{
    painter_.setPen(outline ? QPen(Rgb(*outline), 0.5 * dotsPerPointX_) : QPen(Qt::NoPen));
    painter_.setBrush(fill ? QBrush(Rgb(*fill)) : QBrush(Qt::NoBrush));
    painter_.drawRect(ToDevice(box));
}

void PainterPrintCanvas::DrawLine(const QPointF& from, const QPointF& to, double width, std::uint32_t colour)
{
    painter_.setPen(QPen(Rgb(colour), width * dotsPerPointX_));
    painter_.drawLine(ToDevice(from), ToDevice(to));
}

void PainterPrintCanvas::DrawText(const QRectF& box, const QString& text, Align align, std::uint32_t colour)
{
    const Qt::Alignment horizontal = align == Align::Left     ? Qt::AlignLeft
                                     : align == Align::Centre ? Qt::AlignHCenter
                                                              : Qt::AlignRight;
    const QRectF target = ToDevice(box);
    painter_.save();
    painter_.setClipRect(target);
    painter_.setPen(Rgb(colour));
    painter_.drawText(target, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
    painter_.restore();
}
