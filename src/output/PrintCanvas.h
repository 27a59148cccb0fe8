#pragma once

#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>

// The sheets a printout draws on: a printer, a PDF file, or a recorder in the tests. Lengths are
// points (1/72 inch) from the sheet's top left corner; colours are RGB. The sheet's orientation
// is the caller's choice before the canvas is made.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    virtual QSizeF PageSize() const = 0;
    // The part of the sheet the device can print on.
    virtual QRectF PrintableArea() const = 0;

    // One document is one print job; false when it cannot be started.
    virtual bool BeginDocument(const QString& title) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;

    // The font of the following texts and measures.
    virtual void SetFont(const QString& family, double pointSize, bool bold, bool italic, bool underline) = 0;
    virtual double TextWidth(const QString& text) const = 0;
    // From the top of one line to the top of the next.
    virtual double LineHeight() const = 0;

    // A rectangle, filled and outlined as asked (none: not filled, not outlined).
    virtual void DrawRectangle(const QRectF& box, std::optional<std::uint32_t> fill,
                               std::optional<std::uint32_t> outline) = 0;
    virtual void DrawLine(const QPointF& from, const QPointF& to, double width, std::uint32_t colour) = 0;
    enum class Align { Left, Centre, Right };
    // One line, vertically centred in the box and clipped to it.
    virtual void DrawText(const QRectF& box, const QString& text, Align align, std::uint32_t colour) = 0;
};
