#pragma once
// Pictures for Qt's own picture controls and buttons, from the built-in resources.

#include <QImage>

namespace harvesta {

// The bitmap resource of that name, copied through a memory stream and decoded; a null image
// when there is none or it cannot be decoded.
QImage BitmapResource(const char* name);

// The picture with every pixel of its bottom-left pixel's colour made see-through, as a
// transparent picture control shows it.
QImage SeeThroughBottomLeft(const QImage& picture);

} // namespace harvesta
