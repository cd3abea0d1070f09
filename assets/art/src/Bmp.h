#pragma once
// The picture blocks' file format: a Windows bitmap file image, 24 bits per
// pixel, rows bottom-up, with the pixel data at offset 54 or 64.

#include <QByteArray>
#include <QImage>

namespace harvesta::art {

// The two header layouts the shipped pictures use. With 64 there are ten zero bytes
// after the info header and the pixel-data size field holds 0.
enum class BmpLayout { Offset54, Offset64 };

QByteArray EncodeBmp(const QImage& image, BmpLayout layout);

// The reader of the contact sheet; a null image for anything but the format above.
QImage DecodeBmp(const QByteArray& bytes);

} // namespace harvesta::art
