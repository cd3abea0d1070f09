#include "Bmp.h"

#include <cstdint>

namespace harvesta::art {

namespace {

void put16(QByteArray& out, int offset, std::uint16_t v) {
    out[offset] = static_cast<char>(v & 0xFF);
    out[offset + 1] = static_cast<char>(v >> 8);
}

void put32(QByteArray& out, int offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t get32(const QByteArray& in, int offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(in[offset + i]);
    return v;
}

int rowBytes(int width) {
    return (width * 3 + 3) / 4 * 4;
}

} // namespace

QByteArray EncodeBmp(const QImage& source, BmpLayout layout) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int offset = layout == BmpLayout::Offset54 ? 54 : 64;
    const int pixelBytes = rowBytes(w) * h;
    // Each layout carries its own resolution: 72 dpi with one, 72.4 with the other, so both
    // header variants stay in use and every reader is kept honest about them.
    const std::uint32_t resolution = layout == BmpLayout::Offset54 ? 2834 : 2851;

    QByteArray out(offset + pixelBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10, static_cast<std::uint32_t>(offset));
    put32(out, 14, 40);
    put32(out, 18, static_cast<std::uint32_t>(w));
    put32(out, 22, static_cast<std::uint32_t>(h));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 30, 0);
    put32(out, 34, layout == BmpLayout::Offset54 ? static_cast<std::uint32_t>(pixelBytes) : 0);
    put32(out, 38, resolution);
    put32(out, 42, resolution);

    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - y));
        const int row = offset + y * rowBytes(w);
        for (int x = 0; x < w; ++x) {
            out[row + 3 * x] = static_cast<char>(qBlue(line[x]));
            out[row + 3 * x + 1] = static_cast<char>(qGreen(line[x]));
            out[row + 3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
    }
    return out;
}

QImage DecodeBmp(const QByteArray& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const int offset = static_cast<int>(get32(bytes, 10));
    const int w = static_cast<int>(get32(bytes, 18));
    const int h = static_cast<int>(get32(bytes, 22));
    if (w <= 0 || h <= 0 || offset + static_cast<qint64>(rowBytes(w)) * h > bytes.size()) return {};
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(h - 1 - y));
        const int row = offset + y * rowBytes(w);
        for (int x = 0; x < w; ++x) {
            const auto b = static_cast<std::uint8_t>(bytes[row + 3 * x]);
            const auto g = static_cast<std::uint8_t>(bytes[row + 3 * x + 1]);
            const auto r = static_cast<std::uint8_t>(bytes[row + 3 * x + 2]);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

} // namespace harvesta::art
