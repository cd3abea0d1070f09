#include "adapters/QtPictures.h"

#include "assets/ResourceToStream.h"
#include "imaging/ImageProcessing.h"

namespace harvesta {

QImage BitmapResource(const char* name) {
    TMemoryStream stream;
    ResourceToStream(name, stream);
    // Decoded by the game's own bounded reader, like every other picture of the game.
    const BitmapDecodeResult decoded = DecodeBitmapBlock(stream.Data());
    const TRGBPicture& picture = decoded.picture;
    if (!decoded.ok() || picture.Width <= 0 || picture.Height <= 0) return {};
    return QImage(picture.Bits.data(), picture.Width, picture.Height, picture.Width * 3,
                  QImage::Format_BGR888)
        .copy();
}

QImage SeeThroughBottomLeft(const QImage& picture) {
    if (picture.isNull()) return {};
    const QImage source = picture.format() == QImage::Format_BGR888
                              ? picture
                              : picture.convertToFormat(QImage::Format_BGR888);
    QImage result(source.size(), QImage::Format_ARGB32);
    const uchar* corner = source.constScanLine(source.height() - 1);
    const QRgb key = qRgb(corner[2], corner[1], corner[0]);
    for (int y = 0; y < source.height(); ++y) {
        const uchar* in = source.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x, in += 3) {
            const QRgb colour = qRgb(in[2], in[1], in[0]);
            out[x] = colour == key ? qRgba(0, 0, 0, 0) : colour;
        }
    }
    return result;
}

} // namespace harvesta
