#include "adapters/GraphicsTransfer.h"

#include "imaging/VcGraphics.h"

#include <QPainter>

namespace harvesta {

TScreenTransfer::TScreenTransfer(TGraphicsEx& graphics) {
    TRGBPicture& picture = graphics.Picture;
    if (picture.Width <= 0 || picture.Height <= 0) return;
    // Rows are packed: 3 * Width bytes each, blue first, which is Qt's BGR888.
    image_ = QImage(picture.Bits.data(), picture.Width, picture.Height, picture.Width * 3,
                    QImage::Format_BGR888);
}

void TScreenTransfer::Draw(QPainter& painter) const {
    if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

} // namespace harvesta
