#include "imaging/ImageProcessing.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include <zlib.h>

namespace harvesta {

namespace {

// Reads little-endian fields from a block; every read checks the bounds first.
class BoundedReader {
  public:
    explicit BoundedReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint32_t u32(std::size_t offset) const {
        assert(has(offset, 4));
        const auto* p = bytes_.data() + offset;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }
    std::int32_t i32(std::size_t offset) const { return std::int32_t(u32(offset)); }
    std::uint16_t u16(std::size_t offset) const {
        assert(has(offset, 2));
        return std::uint16_t(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }
    std::size_t size() const { return bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
};

constexpr std::size_t kFileHeaderBytes = 54; // file header (14) + info header (40)

bool isPlainBitmap(std::span<const std::uint8_t> block) {
    return block.size() > 2 && block[0] == 'B' && block[1] == 'M';
}

// Inflates a zlib stream completely; fills error and returns false when the stream is corrupt,
// ends early, or would inflate past kMaxInflatedBytes.
bool inflateBlock(std::span<const std::uint8_t> block, std::vector<std::uint8_t>& out,
                  std::string& error) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        error = "the decompressor could not start";
        return false;
    }
    stream.next_in = const_cast<Bytef*>(block.data());
    stream.avail_in = uInt(block.size());
    // Grow in steps of the block's length rounded up to 256 at first, then geometrically.
    std::size_t capacity = std::min(kMaxInflatedBytes, (block.size() + 255) / 256 * 256 + 256);
    out.resize(capacity);
    std::size_t produced = 0;
    int rc = Z_OK;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() >= kMaxInflatedBytes) {
                error = "the compressed picture inflates past " +
                        std::to_string(kMaxInflatedBytes >> 20) + " MiB";
                break;
            }
            out.resize(std::min(kMaxInflatedBytes, out.size() * 2));
        }
        stream.next_out = out.data() + produced;
        stream.avail_out = uInt(out.size() - produced);
        rc = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - stream.avail_out;
        if (rc == Z_STREAM_END) break;
        if (rc == Z_OK) continue;
        if (rc == Z_BUF_ERROR && stream.avail_out == 0) continue; // needs more room
        if (rc == Z_BUF_ERROR)
            error = "the compressed picture data ends early";
        else
            error = stream.msg ? stream.msg : zError(rc);
        break;
    }
    inflateEnd(&stream);
    if (!error.empty()) {
        out.clear();
        return false;
    }
    out.resize(produced);
    return true;
}

// The integer part of the exact product n * r (n >= 0, r > 0). The Microsoft compiler's long
// double is only a double, so extended precision cannot be relied on: the rounding error of
// the double product, which fma gives exactly, tells whether a product that rounded to a whole
// number lies just below it.
std::int32_t truncatedExactProduct(std::int32_t n, double r) {
    const double rounded = double(n) * r;
    const double whole = std::trunc(rounded);
    const bool roundedUpOntoWhole = whole == rounded && std::fma(double(n), r, -rounded) < 0;
    return std::int32_t(roundedUpOntoWhole ? whole - 1 : whole);
}

std::string decodePlain(std::span<const std::uint8_t> image, TRGBPicture& picture) {
    const BoundedReader in(image);
    if (!in.has(0, kFileHeaderBytes)) return "the picture header is incomplete";
    const std::uint32_t offset = in.u32(10);
    const std::int32_t width = in.i32(18);
    const std::int32_t height = in.i32(22);
    if (in.u16(28) != 24) return "the picture is not 24 bits per pixel";
    if (in.u32(30) != 0) return "the picture is compressed in an unsupported way";
    if (width <= 0 || height <= 0) return "the picture size is invalid";
    const std::uint64_t rowBytes = std::uint64_t(width) * 3;
    const std::uint64_t pixelBytes = rowBytes * std::uint64_t(height);
    if (pixelBytes > kMaxPictureBytes) return "the picture is too large";
    const std::uint64_t stride = (rowBytes + 3) / 4 * 4;
    // The last stored row may lack its padding; nothing beyond its pixels is read.
    const std::uint64_t needed = stride * std::uint64_t(height - 1) + rowBytes;
    if (offset > in.size() || needed > in.size() - offset)
        return "the picture data is shorter than its header says";

    picture.Bits.assign(std::size_t(pixelBytes) + kPictureSpareBytes, 0);
    picture.Width = width;
    picture.Height = height;
    // Stored rows run bottom-up; write them top-down directly (the same as copy then flip).
    for (std::int32_t row = 0; row < height; ++row) {
        const std::uint8_t* src = in.at(offset + std::size_t(stride) * std::size_t(row));
        std::memcpy(picture.Row(height - 1 - row), src, std::size_t(rowBytes));
    }
    picture.KeyB = picture.Bits[0];
    picture.KeyG = picture.Bits[1];
    picture.KeyR = picture.Bits[2];
    picture.Tolerance = 0;
    return {};
}

} // namespace

void MakeEmptyPicture(TRGBPicture& picture) {
    picture.Bits.assign(kPictureSpareBytes, 0);
    picture.Width = 0;
    picture.Height = 0;
}

BitmapDecodeResult DecodeBitmapBlock(std::span<const std::uint8_t> block) {
    BitmapDecodeResult result;
    MakeEmptyPicture(result.picture);
    try {
        if (isPlainBitmap(block)) {
            result.error = decodePlain(block, result.picture);
        } else {
            std::vector<std::uint8_t> inflated;
            if (inflateBlock(block, inflated, result.error))
                result.error = decodePlain(inflated, result.picture);
        }
    } catch (const std::bad_alloc&) {
        result.error = "not enough memory for the picture";
    }
    if (!result.ok()) MakeEmptyPicture(result.picture);
    return result;
}

void FlipPicture(TRGBPicture& picture) {
    const std::size_t rowBytes = std::size_t(picture.Width) * 3;
    for (std::int32_t i = 0; i < picture.Height / 2; ++i)
        std::swap_ranges(picture.Row(i), picture.Row(i) + rowBytes,
                         picture.Row(picture.Height - 1 - i));
}

BgrColor PixelAt(const TRGBPicture& picture, std::int32_t x, std::int32_t y) {
    if (x < 1 || y < 1 || x > picture.Width || y > picture.Height) return {};
    const std::uint8_t* p = picture.Row(y - 1) + std::size_t(x - 1) * 3;
    return BgrColor{std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16};
}

void ScalePicture(TRGBPicture& picture, std::int32_t newWidth, std::int32_t newHeight) {
    assert(newWidth >= 0 && newHeight >= 0);
    if (newWidth <= 0 || newHeight <= 0) {
        MakeEmptyPicture(picture);
        return;
    }
    // The same size samples every pixel where it is: nothing to do.
    if (newWidth == picture.Width && newHeight == picture.Height) return;
    std::vector<std::uint8_t> bits(std::size_t(newWidth) * newHeight * 3 + kPictureSpareBytes, 0);
    // The ratios are rounded to double; the products are taken exactly, so that 52 -> 43
    // samples column 51 for column 43, as a rounded product would not.
    const double rx = double(picture.Width) / newWidth;
    const double ry = double(picture.Height) / newHeight;
    std::uint8_t* out = bits.data();
    for (std::int32_t i = 1; i <= newHeight; ++i) {
        const std::int32_t sourceRow = truncatedExactProduct(i, ry);
        for (std::int32_t j = 1; j <= newWidth; ++j) {
            const std::int32_t sourceCol = truncatedExactProduct(j, rx);
            const std::uint32_t c = PixelAt(picture, sourceCol, sourceRow).value;
            *out++ = std::uint8_t(c);
            *out++ = std::uint8_t(c >> 8);
            *out++ = std::uint8_t(c >> 16);
        }
    }
    picture.Bits = std::move(bits);
    picture.Width = newWidth;
    picture.Height = newHeight;
}

std::unique_ptr<TRGBPicture> CreatePicture(std::int32_t width, std::int32_t height,
                                           BgrColor colour) {
    if (width < 0 || height < 0) return nullptr;
    const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 3;
    if (bytes > kMaxPictureBytes) return nullptr;
    try {
        auto picture = std::make_unique<TRGBPicture>();
        picture->Bits.assign(std::size_t(bytes) + kPictureSpareBytes, 0);
        picture->Width = width;
        picture->Height = height;
        if (colour.value != 0) {
            const std::uint8_t b = std::uint8_t(colour.value);
            const std::uint8_t g = std::uint8_t(colour.value >> 8);
            const std::uint8_t r = std::uint8_t(colour.value >> 16);
            std::uint8_t* p = picture->Bits.data();
            for (std::uint64_t i = 0; i < bytes; i += 3) {
                p[i] = b;
                p[i + 1] = g;
                p[i + 2] = r;
            }
        }
        return picture;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace harvesta
