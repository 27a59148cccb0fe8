#include "net/QrCode.h"

#include <qrencode.h>

#include <memory>

QrMatrix EncodeQr(const QByteArray& text)
{
    QrMatrix matrix;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(text.size()), reinterpret_cast<const unsigned char*>(text.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        return matrix;
    matrix.Size = code->width;
    matrix.Dark.resize(std::size_t(code->width) * std::size_t(code->width));
    for (std::size_t index = 0; index < matrix.Dark.size(); ++index)
        matrix.Dark[index] = (code->data[index] & 1) != 0; // the lowest bit: the module is dark
    return matrix;
}

QString QrTerminalText(const QrMatrix& code)
{
    constexpr int Quiet = 4;
    const int side = code.Size + 2 * Quiet;
    const auto dark = [&code](int x, int y) {
        x -= Quiet;
        y -= Quiet;
        return x >= 0 && y >= 0 && x < code.Size && y < code.Size && code.dark(x, y);
    };
    // Light modules are drawn as blocks, so the code reads on a dark terminal as well.
    QString text;
    for (int y = 0; y < side; y += 2) {
        for (int x = 0; x < side; ++x) {
            const bool top = !dark(x, y);
            const bool bottom = y + 1 < side && !dark(x, y + 1);
            text += top && bottom ? QChar(0x2588)
                    : top         ? QChar(0x2580)
                    : bottom      ? QChar(0x2584)
                                  : QChar(u' ');
        }
        text += u'\n';
    }
    return text;
}
