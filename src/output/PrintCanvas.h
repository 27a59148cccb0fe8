#pragma once

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

// The sheet the grid printout draws on: a printer, a PDF file, or a recorder in the tests.
// Coordinates are device dots; colours are RGB.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    virtual int ResolutionX() const = 0; // dots per inch
    virtual int ResolutionY() const = 0;
    virtual int PhysicalOffsetX() const = 0; // of the printable area from the sheet's edge
    virtual int PhysicalOffsetY() const = 0;
    virtual int PageHeight() const = 0;

    // One document is one print job.
    virtual void BeginDocument(const QString& title, bool landscape) = 0;
    virtual void EndDocument() = 0;

    virtual void SetFont(const QString& family, int pointSize, bool bold, bool italic, bool underline) = 0;
    // The outline of the following rectangles; none: they are filled only.
    virtual void SetOutline(std::optional<std::uint32_t> colour) = 0;
    virtual void FillRectangle(const QRect& rectangle, std::uint32_t fill) = 0;
    // One line, vertically centred and left-aligned, clipped to the rectangle.
    virtual void DrawTextLine(const QRect& clip, const QString& text, std::uint32_t colour) = 0;
};
