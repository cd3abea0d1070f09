#include "adapters/GraphicsTransfer.h"

#include "imaging/VcGraphics.h"

#include <QPaintEngine>
#include <QPainter>

namespace harvesta {

TScreenTransfer::TScreenTransfer(TGraphicsEx& graphics) : graphics_(graphics) {
    TRGBPicture& picture = graphics.Picture;
    if (picture.Width <= 0 || picture.Height <= 0) return;
    // Rows are packed: 3 * Width bytes each, blue first, which is Qt's BGR888.
    image_ = QImage(picture.Bits.data(), picture.Width, picture.Height, picture.Width * 3,
                    QImage::Format_BGR888);
}

void TScreenTransfer::Draw(QPainter& painter) const {
    if (image_.isNull() || DrawIntoSurface(painter)) return;
    painter.drawImage(0, 0, image_);
}

// Qt would convert the 24-bit picture for a 32-bit surface on its worker threads, pixel by
// pixel through an intermediate format; the surface's own rows are written here instead,
// where the painter allows it: a raster image in a 32-bit format, moved but not scaled,
// drawn over opaquely, clipped by nothing but the region being repainted. Rectangles only,
// never a region computed: a paint allocates nothing.
bool TScreenTransfer::DrawIntoSurface(QPainter& painter) const {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.hasClipping()) return false;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return false;
    auto* surface = static_cast<QImage*>(device);
    switch (surface->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: break;
    default: return false;
    }
    if (painter.opacity() != 1.0 ||
        (painter.compositionMode() != QPainter::CompositionMode_SourceOver &&
         painter.compositionMode() != QPainter::CompositionMode_Source))
        return false;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate) return false;
    const QPoint offset(qRound(transform.dx()), qRound(transform.dy()));
    if (QPointF(offset) != QPointF(transform.dx(), transform.dy())) return false;

    const QRect placed = QRect(offset, image_.size()).intersected(surface->rect());
    const TRGBPicture& picture = graphics_.Picture;
    const auto stride = std::size_t(surface->bytesPerLine()) / 4;
    auto* words = reinterpret_cast<std::uint32_t*>(surface->bits());
    const auto copy = [&](const QRect& r) {
        if (r.isEmpty()) return;
        CopyToWords(picture, r.x() - offset.x(), r.y() - offset.y(), r.width(), r.height(),
                    words + std::size_t(r.y()) * stride + std::size_t(r.x()), stride);
    };
    // An empty system clip means the whole device.
    const QRegion system = engine->systemClip();
    if (system.isEmpty())
        copy(placed);
    else
        for (const QRect& r : system)
            copy(r.intersected(placed));
    return true;
}

} // namespace harvesta
