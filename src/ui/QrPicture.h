#pragma once

#include <QPixmap>

struct QrMatrix;

// The code drawn with whole pixels per module and its quiet zone, at most `pixels` wide, so a
// camera sees sharp edges. Empty when the code is empty.
QPixmap QrPicture(const QrMatrix& code, int pixels);
