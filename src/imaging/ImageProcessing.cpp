#include "imaging/ImageProcessing.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include <zlib.h>

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64)
#include <tmmintrin.h>
#define HARVESTA_SSSE3_DISPATCH 1
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#define HARVESTA_TARGET_SSSE3
#else
#define HARVESTA_TARGET_SSSE3 __attribute__((target("ssse3")))
#endif
#endif

namespace harvesta {

namespace {

// 24-bit rows to opaque 32-bit words, one pixel at a time.
void wordsPlain(const std::uint8_t* in, std::uint32_t* out, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i, in += 3)
        out[i] = 0xFF000000u | std::uint32_t(in[0]) | std::uint32_t(in[1]) << 8 |
                 std::uint32_t(in[2]) << 16;
}

#if HARVESTA_SSSE3_DISPATCH
// Sixteen pixels (48 bytes) to sixteen words: each group of three bytes is spread into a word
// by one byte shuffle, and the alpha byte is set.
HARVESTA_TARGET_SSSE3 inline void words16(const std::uint8_t* in, std::uint32_t* out) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    const auto* p = reinterpret_cast<const __m128i*>(in);
    const __m128i a = _mm_loadu_si128(p), b = _mm_loadu_si128(p + 1), c = _mm_loadu_si128(p + 2);
    auto* q = reinterpret_cast<__m128i*>(out);
    _mm_storeu_si128(q, _mm_or_si128(_mm_shuffle_epi8(a, spread), alpha));
    _mm_storeu_si128(q + 1,
                     _mm_or_si128(_mm_shuffle_epi8(_mm_alignr_epi8(b, a, 12), spread), alpha));
    _mm_storeu_si128(q + 2,
                     _mm_or_si128(_mm_shuffle_epi8(_mm_alignr_epi8(c, b, 8), spread), alpha));
    _mm_storeu_si128(q + 3, _mm_or_si128(_mm_shuffle_epi8(_mm_srli_si128(c, 4), spread), alpha));
}

// A row ends in a group that overlaps the one before: its words come out the same twice.
HARVESTA_TARGET_SSSE3 void wordsSsse3(const std::uint8_t* in, std::uint32_t* out,
                                      std::int32_t count) {
    if (count < 16) return wordsPlain(in, out, count);
    const std::int32_t last = count - 16;
    for (std::int32_t i = 0; i < last; i += 16)
        words16(in + 3 * std::size_t(i), out + i);
    words16(in + 3 * std::size_t(last), out + last);
}

bool hasSsse3() {
#if defined(_MSC_VER) && !defined(__clang__)
    int info[4] = {};
    __cpuid(info, 1);
    return (info[2] & (1 << 9)) != 0;
#else
    return __builtin_cpu_supports("ssse3");
#endif
}
#endif

using WordsRow = void (*)(const std::uint8_t*, std::uint32_t*, std::int32_t);

WordsRow chooseWordsRow() {
#if HARVESTA_SSSE3_DISPATCH
    if (hasSsse3()) return &wordsSsse3;
#endif
    return &wordsPlain;
}

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

// A plain bitmap image whose header has been checked: every stored row lies inside the block.
struct StoredBitmap {
    const std::uint8_t* pixels = nullptr; // the first stored row, which is the bottom one
    std::size_t stride = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    // Row y counted from the top.
    const std::uint8_t* Row(std::int32_t y) const {
        return pixels + stride * std::size_t(height - 1 - y);
    }
};

std::string readPlain(std::span<const std::uint8_t> image, StoredBitmap& bitmap) {
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
    bitmap = {in.at(offset), std::size_t(stride), width, height};
    return {};
}

// Finds the plain image of a block, inflating a zlib stream into `inflated` first.
std::string plainImageOf(std::span<const std::uint8_t> block, std::vector<std::uint8_t>& inflated,
                         StoredBitmap& bitmap) {
    if (isPlainBitmap(block)) return readPlain(block, bitmap);
    std::string error;
    if (!inflateBlock(block, inflated, error)) return error;
    return readPlain(inflated, bitmap);
}

// Nearest-neighbour resize of a top-down picture, given row by row, into `out`, which already
// has the new size. Destination pixel (j, i), counted from 1, takes source column
// trunc(j * rx) and row trunc(i * ry): the far edge of its span. The ratios are rounded to
// double and the products taken exactly, so that 52 -> 43 samples column 51 for column 43, as
// a rounded product would not. Column or row 0 (enlarging) is black.
template <class RowAt>
void sampleInto(const RowAt& rowAt, std::int32_t width, std::int32_t height, TRGBPicture& out) {
    const double rx = double(width) / out.Width;
    const double ry = double(height) / out.Height;
    std::vector<std::int32_t> columns(std::size_t(out.Width));
    for (std::int32_t j = 1; j <= out.Width; ++j) {
        const std::int32_t c = truncatedExactProduct(j, rx);
        columns[std::size_t(j - 1)] = c >= 1 && c <= width ? c : 0;
    }
    std::uint8_t* to = out.Bits.data();
    for (std::int32_t i = 1; i <= out.Height; ++i) {
        const std::int32_t r = truncatedExactProduct(i, ry);
        const std::uint8_t* row = r >= 1 && r <= height ? rowAt(r - 1) : nullptr;
        for (const std::int32_t c : columns) {
            if (row && c != 0) {
                const std::uint8_t* from = row + 3 * std::size_t(c - 1);
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            } else {
                to[0] = to[1] = to[2] = 0;
            }
            to += 3;
        }
    }
}

// The picture straight from the stored rows: turned top-down and, when the scale asks for
// another size, resized in the same pass. The key colour is the unscaled top-left pixel.
void decodePlain(const StoredBitmap& bitmap, double scale, TRGBPicture& picture) {
    const std::uint8_t* topLeft = bitmap.Row(0);
    picture.KeyB = topLeft[0];
    picture.KeyG = topLeft[1];
    picture.KeyR = topLeft[2];
    picture.Tolerance = 0;
    const auto width = std::int32_t(std::trunc(bitmap.width / scale));
    const auto height = std::int32_t(std::trunc(bitmap.height / scale));
    if (width <= 0 || height <= 0) {
        MakeEmptyPicture(picture);
        return;
    }
    picture.Allocate(width, height);
    if (width == bitmap.width && height == bitmap.height) {
        const std::size_t rowBytes = std::size_t(width) * 3;
        for (std::int32_t y = 0; y < height; ++y)
            std::memcpy(picture.Row(y), bitmap.Row(y), rowBytes);
        return;
    }
    sampleInto([&](std::int32_t y) { return bitmap.Row(y); }, bitmap.width, bitmap.height, picture);
}

} // namespace

void BgrToWords(const std::uint8_t* pixels, std::uint32_t* words, std::int32_t count) {
    static const WordsRow convert = chooseWordsRow();
    convert(pixels, words, count);
}

void MakeEmptyPicture(TRGBPicture& picture) {
    picture.Bits.assign(kPictureSpareBytes, 0);
    picture.Width = 0;
    picture.Height = 0;
}

BitmapDecodeResult DecodeBitmapBlock(std::span<const std::uint8_t> block, double scale) {
    assert(scale > 0);
    BitmapDecodeResult result;
    try {
        std::vector<std::uint8_t> inflated;
        StoredBitmap bitmap;
        result.error = plainImageOf(block, inflated, bitmap);
        if (result.ok()) decodePlain(bitmap, scale, result.picture);
    } catch (const std::bad_alloc&) {
        result.error = "not enough memory for the picture";
    }
    if (!result.ok() || result.picture.Bits.empty()) MakeEmptyPicture(result.picture);
    return result;
}

std::string DecodeBitmapBlockToWords(std::span<const std::uint8_t> block, SeeThrough seeThrough,
                                     const WordRowsSink& allocate) {
    try {
        std::vector<std::uint8_t> inflated;
        StoredBitmap bitmap;
        std::string error = plainImageOf(block, inflated, bitmap);
        if (!error.empty()) return error;
        std::size_t stride = 0;
        std::uint32_t* out = allocate(bitmap.width, bitmap.height, stride);
        if (!out) return "not enough memory for the picture";
        // The bottom-left pixel is the first one stored.
        const std::uint8_t* corner = bitmap.pixels;
        const std::uint32_t key = std::uint32_t(corner[0]) | std::uint32_t(corner[1]) << 8 |
                                  std::uint32_t(corner[2]) << 16;
        const std::uint32_t keyWord = key | 0xFF000000u;
        for (std::int32_t y = 0; y < bitmap.height; ++y, out += stride) {
            BgrToWords(bitmap.Row(y), out, bitmap.width);
            if (seeThrough == SeeThrough::None) continue;
            // While the row is in the cache.
            for (std::int32_t x = 0; x < bitmap.width; ++x)
                out[x] = out[x] == keyWord ? 0u : out[x];
        }
        return {};
    } catch (const std::bad_alloc&) {
        return "not enough memory for the picture";
    }
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
    TRGBPicture scaled;
    scaled.Allocate(newWidth, newHeight);
    sampleInto([&](std::int32_t y) { return picture.Row(y); }, picture.Width, picture.Height,
               scaled);
    picture.Bits = std::move(scaled.Bits);
    picture.Width = newWidth;
    picture.Height = newHeight;
}

void FillPicture(TRGBPicture& picture, BgrColor colour) {
    const std::size_t rowBytes = std::size_t(picture.Width) * 3;
    const std::size_t bytes = rowBytes * std::size_t(picture.Height);
    if (bytes == 0) return;
    std::uint8_t* p = picture.Bits.data();
    const auto b = std::uint8_t(colour.value), g = std::uint8_t(colour.value >> 8),
               r = std::uint8_t(colour.value >> 16);
    if (b == g && g == r) {
        std::memset(p, b, bytes); // black, white and the greys
        return;
    }
    // One row by pixels, the others copied from it at memory speed.
    for (std::size_t i = 0; i < rowBytes; i += 3) {
        p[i] = b;
        p[i + 1] = g;
        p[i + 2] = r;
    }
    for (std::size_t at = rowBytes; at < bytes; at += rowBytes)
        std::memcpy(p + at, p, rowBytes);
}

std::unique_ptr<TRGBPicture> CreatePicture(std::int32_t width, std::int32_t height,
                                           BgrColor colour) {
    if (width < 0 || height < 0) return nullptr;
    const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 3;
    if (bytes > kMaxPictureBytes) return nullptr;
    try {
        auto picture = std::make_unique<TRGBPicture>();
        picture->Allocate(width, height);
        FillPicture(*picture, colour);
        return picture;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace harvesta
