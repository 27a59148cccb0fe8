#include "ui/QrPicture.h"

#include "net/QrCode.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int QuietModules = 4;
} // namespace

QPixmap QrPicture(const QrMatrix& code, int pixels)
{
    if (code.Size == 0)
        return {};
    const int modules = code.Size + 2 * QuietModules;
    const int scale = std::max(1, pixels / modules);
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.Size; ++y)
        for (int x = 0; x < code.Size; ++x)
            if (code.dark(x, y))
                painter.fillRect((x + QuietModules) * scale, (y + QuietModules) * scale, scale, scale,
                                 Qt::black);
    painter.end();
    return QPixmap::fromImage(image);
}
