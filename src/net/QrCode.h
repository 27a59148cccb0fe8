#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The modules of a QR code, row by row; without the quiet zone around it.
struct QrMatrix {
    int Size = 0; // modules per side; 0: the text did not fit
    std::vector<bool> Dark;

    bool dark(int x, int y) const { return Dark[std::size_t(y) * std::size_t(Size) + std::size_t(x)]; }
};

// The QR code of `text` (an address) with medium error correction.
QrMatrix EncodeQr(const QByteArray& text);
// The code for a terminal: two module rows per line in block characters, dark on light, with
// the quiet zone of four modules a phone's camera needs.
QString QrTerminalText(const QrMatrix& code);
