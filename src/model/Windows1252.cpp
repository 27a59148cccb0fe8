#include "model/Windows1252.h"

#include <array>

namespace {
// The characters of bytes 0x80..0x9F; the five unassigned bytes keep their control character.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int NoByte = -1;

int byteOf(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == unit)
            return int(0x80 + i);
    }
    return NoByte;
}
} // namespace

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const int byte = byteOf(character.unicode());
        bytes.append(byte == NoByte ? '?' : char(byte));
    }
    return bytes;
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value <= 0x9F)
            text.append(QChar(HighControlRange[value - 0x80]));
        else
            text.append(QChar(char16_t(value)));
    }
    return text;
}

bool FitsWindows1252(const QString& text)
{
    for (const QChar character : text) {
        if (byteOf(character.unicode()) == NoByte)
            return false;
    }
    return true;
}
