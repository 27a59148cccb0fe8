#include "ui/LiveDisplayView.h"

#include <QPainter>

#include <algorithm>

namespace {
const QColor Ink(0x11, 0x11, 0x11);
const QColor Heading(0x0b, 0x3d, 0x91);
const QColor Shade(0xe9, 0xee, 0xf6);
const QColor NextGame(0xff, 0xe0, 0x66);
const QColor Muted(0x44, 0x44, 0x44);

QFont DisplayFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(pixels, 6));
    font.setBold(bold);
    return font;
}

// Draws text into a cell of one line. A text too wide is set up to a fifth smaller first, and
// only then cut with "…", so long team names stay whole wherever they can.
void DrawText(QPainter& painter, const QRect& cell, const QString& text, Qt::Alignment align)
{
    const QFont original = painter.font();
    const int width = painter.fontMetrics().horizontalAdvance(text);
    if (width > cell.width() && width > 0) {
        QFont smaller = original;
        smaller.setPixelSize(
            std::max(original.pixelSize() * 4 / 5, original.pixelSize() * cell.width() / width));
        painter.setFont(smaller);
    }
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, cell.width());
    painter.drawText(cell, int(align | Qt::AlignVCenter), shown);
    painter.setFont(original);
}

// Column edges as parts of the width, left to right.
struct Columns {
    int x = 0;
    int width = 0;
    QRect cell(int line, int lineHeight, int top, double from, double to) const
    {
        return QRect(x + int(from * width), top + line * lineHeight, int((to - from) * width), lineHeight);
    }
};

int DrawTable(QPainter& painter, const LiveTable& table, const Columns& columns, int top, int lineHeight)
{
    const int text = int(lineHeight * 0.62);
    const int gap = std::max(lineHeight / 8, 2);
    painter.setPen(Heading);
    painter.setFont(DisplayFont(text, true));
    DrawText(painter, columns.cell(0, lineHeight, top, 0.0, 1.0), table.Title, Qt::AlignLeft);
    painter.setPen(Muted);
    painter.setFont(DisplayFont(int(text * 0.8), true));
    DrawText(painter, columns.cell(1, lineHeight, top, 0.0, 0.07), QStringLiteral("Pl."), Qt::AlignRight);
    DrawText(painter, columns.cell(1, lineHeight, top, 0.09, 0.65), QStringLiteral("Mannschaft"),
             Qt::AlignLeft);
    DrawText(painter, columns.cell(1, lineHeight, top, 0.65, 0.71), QStringLiteral("Sp."), Qt::AlignRight);
    DrawText(painter, columns.cell(1, lineHeight, top, 0.71, 0.86), QStringLiteral("Tore"), Qt::AlignRight);
    DrawText(painter, columns.cell(1, lineHeight, top, 0.86, 0.98), QStringLiteral("Pkt."), Qt::AlignRight);
    painter.fillRect(QRect(columns.x, top + 2 * lineHeight - gap / 2, columns.width, std::max(gap / 2, 2)),
                     Ink);
    int line = 2;
    for (const LiveTableRow& row : table.Rows) {
        if (line % 2 == 1)
            painter.fillRect(columns.cell(line, lineHeight, top, 0.0, 1.0), Shade);
        painter.setPen(Ink);
        painter.setFont(DisplayFont(text, true));
        DrawText(painter, columns.cell(line, lineHeight, top, 0.0, 0.07), row.Place, Qt::AlignRight);
        painter.setFont(DisplayFont(text));
        DrawText(painter, columns.cell(line, lineHeight, top, 0.09, 0.65), row.Team, Qt::AlignLeft);
        DrawText(painter, columns.cell(line, lineHeight, top, 0.65, 0.71), row.Games, Qt::AlignRight);
        DrawText(painter, columns.cell(line, lineHeight, top, 0.71, 0.86), row.Goals, Qt::AlignRight);
        painter.setFont(DisplayFont(text, true));
        DrawText(painter, columns.cell(line, lineHeight, top, 0.86, 0.98), row.Points, Qt::AlignRight);
        ++line;
    }
    return line;
}

int DrawField(QPainter& painter, const LiveField& field, const Columns& columns, int top, int lineHeight)
{
    const int text = int(lineHeight * 0.6);
    painter.setPen(Heading);
    painter.setFont(DisplayFont(text, true));
    DrawText(painter, columns.cell(0, lineHeight, top, 0.0, 1.0), field.Title, Qt::AlignLeft);
    int line = 1;
    for (const LiveGame& game : field.Games) {
        if (game.Next)
            painter.fillRect(columns.cell(line, lineHeight, top, 0.0, 1.0), NextGame);
        else if (line % 2 == 0)
            painter.fillRect(columns.cell(line, lineHeight, top, 0.0, 1.0), Shade);
        painter.setPen(Ink);
        painter.setFont(DisplayFont(text, true));
        DrawText(painter, columns.cell(line, lineHeight, top, 0.005, 0.11), game.Clock, Qt::AlignLeft);
        painter.setFont(DisplayFont(text));
        DrawText(painter, columns.cell(line, lineHeight, top, 0.12, 0.63),
                 game.TeamA + QStringLiteral(" – ") + game.TeamB, Qt::AlignLeft);
        painter.setFont(DisplayFont(text, true));
        const QString result = game.Result == QStringLiteral("x") ? QStringLiteral("fällt aus") : game.Result;
        DrawText(painter, columns.cell(line, lineHeight, top, 0.63, 0.73), result, Qt::AlignHCenter);
        if (!game.Referee.isEmpty()) {
            painter.setPen(Muted);
            painter.setFont(DisplayFont(int(text * 0.75)));
            DrawText(painter, columns.cell(line, lineHeight, top, 0.74, 1.0),
                     QStringLiteral("Schiri: ") + game.Referee, Qt::AlignLeft);
        }
        ++line;
    }
    return line;
}
} // namespace

LiveDisplayView::LiveDisplayView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LiveDisplayView"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumSize(480, 270);
}

void LiveDisplayView::showPage(const DisplayModel& model, int pageIndex)
{
    m_model = model;
    m_page = std::clamp(pageIndex, 0, std::max(int(m_model.Pages.size()) - 1, 0));
    update();
}

void LiveDisplayView::paintEvent(QPaintEvent*)
{
    if (m_model.Pages.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const DisplayPage& page = m_model.Pages[std::size_t(m_page)];
    const int lineHeight = height() / (m_linesPerColumn + TitleLines);
    const int margin = lineHeight / 2;

    // Title band: the tournament's name small, the page's title large, the page count right.
    painter.setPen(Muted);
    painter.setFont(DisplayFont(int(lineHeight * 0.45)));
    DrawText(painter, QRect(margin, lineHeight / 8, width() - 2 * margin, lineHeight * 2 / 3),
             m_model.TournamentName, Qt::AlignLeft);
    const QRect titleLine(margin, lineHeight * 2 / 3, width() - 2 * margin, lineHeight);
    painter.setPen(Ink);
    painter.setFont(DisplayFont(int(lineHeight * 0.78), true));
    DrawText(painter, titleLine.adjusted(0, 0, -4 * lineHeight, 0), page.Title, Qt::AlignLeft);
    painter.setFont(DisplayFont(int(lineHeight * 0.55), true));
    DrawText(painter, titleLine, QStringLiteral("%1 / %2").arg(m_page + 1).arg(m_model.Pages.size()),
             Qt::AlignRight);
    painter.fillRect(QRect(margin, TitleLines * lineHeight - lineHeight / 4, width() - 2 * margin,
                           std::max(lineHeight / 10, 3)),
                     Heading);

    const int slotCount = std::max(page.ColumnSlots, 1);
    const int gutter = lineHeight;
    const int columnWidth = (width() - 2 * margin - (slotCount - 1) * gutter) / slotCount;
    for (std::size_t index = 0; index < page.Columns.size(); ++index) {
        const Columns columns{margin + int(index) * (columnWidth + gutter), columnWidth};
        int top = TitleLines * lineHeight;
        for (const DisplayBlock& block : page.Columns[index]) {
            int lines = 0;
            if (const auto* table = std::get_if<LiveTable>(&block))
                lines = DrawTable(painter, *table, columns, top, lineHeight);
            else
                lines = DrawField(painter, std::get<LiveField>(block), columns, top, lineHeight);
            top += (lines + 1) * lineHeight;
        }
    }
}
