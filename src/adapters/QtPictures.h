#pragma once
// Pictures for Qt's own picture controls and buttons, from the built-in resources.

#include <QImage>

namespace harvesta {

// The bitmap resource of that name, decoded straight from its block into an opaque 32-bit
// image; a null image when there is none or it cannot be decoded.
QImage BitmapResource(const char* name);

// The same with every pixel of the bottom-left pixel's colour made see-through, in the same
// pass, as a transparent picture control shows it: premultiplied, the form Qt draws fastest.
QImage SeeThroughBitmapResource(const char* name);

} // namespace harvesta
