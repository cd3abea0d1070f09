#include "adapters/QtPictures.h"

#include "assets/ResourceStore.h"
#include "imaging/ImageProcessing.h"

namespace harvesta {

namespace {

// Decoded by the game's own bounded reader, like every other picture of the game, into the
// image's own rows: the block is only read, and no pixel is copied twice.
QImage decodeResource(const char* name, SeeThrough seeThrough, QImage::Format format) {
    QImage image;
    const std::string error = DecodeBitmapBlockToWords(
        FindResourceBlock(name), seeThrough,
        [&](std::int32_t width, std::int32_t height, std::size_t& stride) -> std::uint32_t* {
            image = QImage(width, height, format);
            if (image.isNull()) return nullptr;
            stride = std::size_t(image.bytesPerLine()) / 4;
            return reinterpret_cast<std::uint32_t*>(image.bits());
        });
    return error.empty() ? image : QImage();
}

} // namespace

QImage BitmapResource(const char* name) {
    return decodeResource(name, SeeThrough::None, QImage::Format_RGB32);
}

QImage SeeThroughBitmapResource(const char* name) {
    return decodeResource(name, SeeThrough::BottomLeftColour, QImage::Format_ARGB32_Premultiplied);
}

} // namespace harvesta
