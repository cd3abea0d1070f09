#include "platform/GraphicsTransfer.h"

#include "imaging/VcGraphics.h"

#include <QImage>
#include <QPainter>

namespace harvesta {

void DrawGraphics(QPainter& painter, const TGraphicsEx& graphics) {
    const TRGBPicture& picture = graphics.Picture;
    if (picture.Width <= 0 || picture.Height <= 0) return;
    // Rows are packed: 3 * Width bytes each, blue first, which is Qt's BGR888.
    const QImage image(picture.Bits.data(), picture.Width, picture.Height, picture.Width * 3,
                       QImage::Format_BGR888);
    painter.drawImage(0, 0, image);
}

} // namespace harvesta
