#include "ui/SpeedButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {
constexpr int Canvas = 48; // every pictogram is drawn on 48 x 48 and scaled by QIcon

const QColor Outline(0x33, 0x33, 0x33);

void drawFolder(QPainter& p)
{
    p.setPen(QPen(Outline, 2));
    p.setBrush(QColor(0xe8, 0xb4, 0x3a));
    QPainterPath back;
    back.moveTo(4, 12);
    back.lineTo(18, 12);
    back.lineTo(22, 16);
    back.lineTo(42, 16);
    back.lineTo(42, 40);
    back.lineTo(4, 40);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xf7, 0xd0, 0x6b));
    p.drawPolygon(QPolygonF({QPointF(4, 40), QPointF(10, 22), QPointF(46, 22), QPointF(42, 40)}));
}

void drawDisk(QPainter& p)
{
    p.setPen(QPen(Outline, 2));
    p.setBrush(QColor(0x2f, 0x6d, 0xb5));
    QPainterPath body;
    body.moveTo(6, 6);
    body.lineTo(36, 6);
    body.lineTo(42, 12);
    body.lineTo(42, 42);
    body.lineTo(6, 42);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 24, 24, 16)); // label
    p.setBrush(QColor(0xc9, 0xd6, 0xe6));
    p.drawRect(QRectF(14, 6, 18, 11)); // shutter
    p.setBrush(QColor(0x2f, 0x6d, 0xb5));
    p.drawRect(QRectF(26, 8, 4, 7));
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1.5));
    for (int y : {29, 34})
        p.drawLine(QPointF(16, y), QPointF(32, y));
}

void drawGear(QPainter& p)
{
    const QPointF centre(24, 24);
    QPainterPath gear;
    constexpr int Teeth = 8;
    for (int tooth = 0; tooth < Teeth * 2; ++tooth) {
        const double radius = tooth % 2 == 0 ? 21.0 : 15.5;
        for (double step : {-0.22, 0.22}) {
            const double angle = (tooth + 0.5 + step * 2) * M_PI / Teeth;
            const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
            if (gear.elementCount() == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 6.5, 6.5);
    p.setPen(QPen(Outline, 2));
    p.setBrush(QColor(0x8a, 0x94, 0xa0));
    p.drawPath(gear.subtracted(hole));
}

void drawTable(QPainter& p)
{
    const QRectF sheet(5, 7, 38, 34);
    p.setPen(QPen(Outline, 2));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setBrush(QColor(0x3c, 0x8d, 0x4f));
    p.drawRect(QRectF(5, 7, 38, 8));
    p.setPen(QPen(QColor(0x77, 0x77, 0x77), 1.5));
    for (double y : {23.0, 31.0})
        p.drawLine(QPointF(6, y), QPointF(42, y));
    for (double x : {17.0, 30.0})
        p.drawLine(QPointF(x, 15), QPointF(x, 40));
}

void drawExit(QPainter& p)
{
    p.setPen(QPen(Outline, 2));
    p.setBrush(QColor(0xc6, 0x28, 0x28));
    p.drawEllipse(QPointF(24, 24), 19, 19);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(32, 32));
    p.drawLine(QPointF(32, 16), QPointF(16, 32));
}

// A sheet with a green tick: the check of the schedule.
void drawCheck(QPainter& p)
{
    p.setPen(QPen(Outline, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 5, 30, 38));
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1.5));
    for (double y : {13.0, 20.0, 27.0})
        p.drawLine(QPointF(13, y), QPointF(33, y));
    p.setPen(QPen(QColor(0x2e, 0x8b, 0x3e), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(20, 33), QPointF(28, 41), QPointF(43, 22)}));
}
} // namespace

QIcon MakeSpeedButtonIcon(SpeedButtonIcon icon)
{
    QPixmap pixmap(Canvas, Canvas);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case SpeedButtonIcon::Load:
        drawFolder(painter);
        break;
    case SpeedButtonIcon::Save:
        drawDisk(painter);
        break;
    case SpeedButtonIcon::Settings:
        drawGear(painter);
        break;
    case SpeedButtonIcon::Schedule:
        drawTable(painter);
        break;
    case SpeedButtonIcon::Exit:
        drawExit(painter);
        break;
    case SpeedButtonIcon::Check:
        drawCheck(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
