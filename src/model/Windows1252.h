#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The single-byte code page of the tournament file and the text exports. Bytes 0x80..0x9F carry
// the typographic characters (euro sign, quotes, dashes, ...); every other byte is Latin-1. The
// five bytes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, so every byte sequence survives decoding and encoding.

// Characters the code page cannot hold become "?".
QByteArray EncodeWindows1252(const QString& text);
QString DecodeWindows1252(QByteArrayView bytes);
// True when EncodeWindows1252 keeps every character of the text.
bool FitsWindows1252(const QString& text);
