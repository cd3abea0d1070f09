#include "imaging/VcGraphics.h"

#include "imaging/ImageProcessing.h"
#include "imaging/SetupFunctions.h"

#include <bit>
#include <cassert>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace harvesta {

namespace {

static_assert(std::endian::native == std::endian::little, "pixel words are read little-endian");

// One pixel as blue | green << 8 | red << 16. Reads a whole word: the byte after the pixel is
// the next pixel or one of the picture's spare bytes, so the read stays inside the block.
inline std::uint32_t pixelWord(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v & 0xFFFFFFu;
}

// Rows of a tile's width (156 bytes at the designed size) are copied here in sixteen-byte
// pieces, the last overlapping the one before: a call of the library's copy per row costs more
// than the row. Longer rows go to the library's copy.
constexpr std::size_t kShortRow = 256;

void copyRows(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst,
              std::size_t dstStride, std::size_t rowBytes, std::int32_t rows) {
    if (rowBytes < 16 || rowBytes > kShortRow) {
        for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride)
            std::memcpy(dst, src, rowBytes);
        return;
    }
    const std::size_t last = rowBytes - 16;
    for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride) {
        for (std::size_t i = 0; i < last; i += 16)
            std::memcpy(dst + i, src + i, 16);
        std::memcpy(dst + last, src + last, 16);
    }
}

// One bit per pixel of a group of sixteen (48 bytes): bit 3j stands for pixel j.
constexpr std::uint64_t kAllKeyed = 0x249249249249ull;

// The key's three bytes repeated over a group of sixteen pixels (48 bytes).
void fillKeyPattern(std::uint32_t key, std::uint8_t (&bytes)[48]) {
    for (int i = 0; i < 48; ++i)
        bytes[i] = std::uint8_t(key >> (8 * (i % 3)));
}

// From bit 3j per keyed pixel j to bits 3j, 3j+1, 3j+2: one bit per keyed byte.
inline std::uint64_t keyedBytes(std::uint64_t keyedPixels) {
    return keyedPixels | keyedPixels << 1 | keyedPixels << 2;
}

#if defined(__SSE2__) || defined(_M_X64)
// Byte j of the result is 0xFF when bit j of bits is set.
inline __m128i byteMask(std::uint32_t bits) {
    __m128i v = _mm_cvtsi32_si128(int(bits));
    v = _mm_unpacklo_epi8(v, v);
    v = _mm_unpacklo_epi16(v, v);
    v = _mm_unpacklo_epi32(v, v); // low byte in bytes 0..7, high byte in bytes 8..15
    const __m128i select = _mm_set_epi8(-128, 64, 32, 16, 8, 4, 2, 1, -128, 64, 32, 16, 8, 4, 2, 1);
    return _mm_cmpeq_epi8(_mm_and_si128(v, select), select);
}

// The key pattern held in registers: the stores of a blit may alias any byte in memory, so
// a pattern read through a pointer would be loaded again after every store.
struct KeyVectors {
    __m128i k0, k1, k2;
    explicit KeyVectors(std::uint32_t key) {
        alignas(16) std::uint8_t bytes[48];
        fillKeyPattern(key, bytes);
        k0 = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes));
        k1 = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 16));
        k2 = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 32));
    }
};

// Sixteen pixels at s drawn over t, keyed pixels left out. The test runs on the vectors the
// copy stores, so a group without key pixels costs three loads and three stores.
inline void keyGroup16(const std::uint8_t* s, std::uint8_t* t, const KeyVectors& key) {
    const auto* ps = reinterpret_cast<const __m128i*>(s);
    const __m128i a = _mm_loadu_si128(ps), b = _mm_loadu_si128(ps + 1), c = _mm_loadu_si128(ps + 2);
    const __m128i ea = _mm_cmpeq_epi8(a, key.k0), eb = _mm_cmpeq_epi8(b, key.k1),
                  ec = _mm_cmpeq_epi8(c, key.k2);
    std::uint64_t keyed = 0;
    // Most groups share no byte with the key at all, which one mask tells.
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(ea, eb), ec)) != 0) {
        const std::uint64_t m = std::uint64_t(unsigned(_mm_movemask_epi8(ea))) |
                                std::uint64_t(unsigned(_mm_movemask_epi8(eb))) << 16 |
                                std::uint64_t(unsigned(_mm_movemask_epi8(ec))) << 32;
        keyed = m & m >> 1 & m >> 2 & kAllKeyed;
    }
    auto* pt = reinterpret_cast<__m128i*>(t);
    if (keyed == 0) {
        _mm_storeu_si128(pt, a);
        _mm_storeu_si128(pt + 1, b);
        _mm_storeu_si128(pt + 2, c);
        return;
    }
    if (keyed == kAllKeyed) return;
    // Mixed: keyed bytes keep the target's, the others take the source's.
    const std::uint64_t keep = keyedBytes(keyed);
    const __m128i parts[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        const __m128i k = byteMask(std::uint32_t(keep >> (16 * i)) & 0xFFFF);
        const __m128i old = _mm_loadu_si128(pt + i);
        _mm_storeu_si128(pt + i,
                         _mm_or_si128(_mm_and_si128(k, old), _mm_andnot_si128(k, parts[i])));
    }
}
#else
struct KeyVectors {
    std::uint8_t bytes[48];
    explicit KeyVectors(std::uint32_t key) { fillKeyPattern(key, bytes); }
};

inline void keyGroup16(const std::uint8_t* s, std::uint8_t* t, const KeyVectors& key) {
    std::uint64_t m = 0;
    for (int k = 0; k < 48; ++k)
        m |= std::uint64_t(s[k] == key.bytes[k]) << k;
    const std::uint64_t keep = keyedBytes(m & m >> 1 & m >> 2 & kAllKeyed);
    for (int k = 0; k < 48; ++k)
        if (!(keep >> k & 1)) t[k] = s[k];
}
#endif

// Copies the pixels that differ from key, sixteen at a time. A row's last group overlaps the
// one before it rather than ending in a pixel loop: drawing a pixel twice from the same
// source leaves the same result.
void keyRows(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst,
             std::size_t dstStride, std::int32_t cols, std::int32_t rows, std::uint32_t key) {
    const KeyVectors pattern(key);
    for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride) {
        if (cols < 16) {
            for (std::int32_t i = 0; i < cols; ++i) {
                const std::uint8_t* s = src + 3 * std::size_t(i);
                if (pixelWord(s) == key) continue;
                std::uint8_t* t = dst + 3 * std::size_t(i);
                t[0] = s[0];
                t[1] = s[1];
                t[2] = s[2];
            }
            continue;
        }
        const std::int32_t last = cols - 16;
        for (std::int32_t i = 0; i < last; i += 16)
            keyGroup16(src + 3 * std::size_t(i), dst + 3 * std::size_t(i), pattern);
        keyGroup16(src + 3 * std::size_t(last), dst + 3 * std::size_t(last), pattern);
    }
}

template <class Op>
void byteRows(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst,
              std::size_t dstStride, std::size_t rowBytes, std::int32_t rows, Op op) {
    for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride) {
        const std::uint8_t* __restrict s = src;
        std::uint8_t* __restrict t = dst;
        for (std::size_t k = 0; k < rowBytes; ++k)
            t[k] = op(t[k], s[k]);
    }
}

bool isDrawMode(std::int32_t mode) {
    switch (mode) {
    case dmCopy:
    case dmKey:
    case dmAnd:
    case dmOr:
    case dmAverage:
    case dmXor: return true;
    default: return false;
    }
}

} // namespace

void DrawPicture(std::int32_t x, std::int32_t y, const TRGBPicture& source, std::int32_t mode,
                 TRGBPicture& target) {
    assert(&source != &target);
    if (!isDrawMode(mode)) return;

    // The board's background: one block copy of the whole picture.
    if (x == 0 && y == 0 && mode == dmCopy && source.Width == target.Width &&
        source.Height <= target.Height) {
        std::memcpy(target.Bits.data(), source.Bits.data(),
                    std::size_t(source.Width) * source.Height * 3);
        return;
    }

    // 64-bit arithmetic: positions anywhere in the 32-bit range clip without overflow.
    std::int64_t left = x, top = y;
    std::int64_t cols = source.Width, rows = source.Height;
    std::int64_t skipRows = 0, skipCols = 0;
    if (top < 0) {
        skipRows = -top;
        rows += top;
        top = 0;
    }
    if (left < 0) {
        skipCols = -left;
        cols += left;
        left = 0;
    }
    if (cols <= 0 || rows <= 0) return;
    if (top + rows > target.Height) rows = target.Height - top;
    if (left + cols > target.Width) cols = target.Width - left;
    if (cols <= 0 || rows <= 0) return;

    assert(source.Bits.size() >= std::size_t(source.Width) * source.Height * 3 + 1);
    const std::size_t srcStride = std::size_t(source.Width) * 3;
    const std::size_t dstStride = std::size_t(target.Width) * 3;
    const std::uint8_t* src = source.Row(std::int32_t(skipRows)) + 3 * std::size_t(skipCols);
    std::uint8_t* dst = target.Row(std::int32_t(top)) + 3 * std::size_t(left);
    const std::size_t rowBytes = 3 * std::size_t(cols);

    switch (mode) {
    case dmCopy: copyRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows)); break;
    case dmKey: {
        const std::uint32_t key = std::uint32_t(source.KeyB & 0xFF) |
                                  std::uint32_t(source.KeyG & 0xFF) << 8 |
                                  std::uint32_t(source.KeyR & 0xFF) << 16;
        // A key component outside 0..255 matches no pixel.
        const bool keyInRange = (source.KeyB | source.KeyG | source.KeyR) >= 0 &&
                                source.KeyB < 256 && source.KeyG < 256 && source.KeyR < 256;
        if (keyInRange)
            keyRows(src, srcStride, dst, dstStride, std::int32_t(cols), std::int32_t(rows), key);
        else
            copyRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows));
        break;
    }
    case dmAnd:
        byteRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows),
                 [](std::uint8_t t, std::uint8_t s) { return std::uint8_t(t & s); });
        break;
    case dmOr:
        byteRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows),
                 [](std::uint8_t t, std::uint8_t s) { return std::uint8_t(t | s); });
        break;
    case dmAverage:
        byteRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows),
                 [](std::uint8_t t, std::uint8_t s) { return std::uint8_t((t >> 1) + (s >> 1)); });
        break;
    case dmXor:
        byteRows(src, srcStride, dst, dstStride, rowBytes, std::int32_t(rows),
                 [](std::uint8_t t, std::uint8_t s) { return std::uint8_t(t ^ s); });
        break;
    default: break;
    }
}

void CopyToWords(const TRGBPicture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, std::uint32_t* out, std::size_t stride) {
    assert(x >= 0 && y >= 0 && width >= 0 && height >= 0 && x + width <= picture.Width &&
           y + height <= picture.Height);
    for (std::int32_t r = 0; r < height; ++r, out += stride)
        BgrToWords(picture.Row(y + r) + 3 * std::size_t(x), out, width);
}

TGraphicsEx::TGraphicsEx(std::int32_t width, std::int32_t height, BgrColor colour) {
    auto picture = CreatePicture(width, height, colour);
    assert(picture && "off-screen picture size out of range");
    if (picture)
        Picture = std::move(*picture);
    else
        MakeEmptyPicture(Picture);
    Header.biWidth = Picture.Width;
    Header.biHeight = -Picture.Height;
}

TLayer* TListOfLayers::push(std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height) {
    auto& layer = layers_.emplace_back(std::make_unique<TLayer>());
    layer->X = x;
    layer->Y = y;
    layer->Width = width;
    layer->Height = height;
    layer->Below = top_;
    if (top_) top_->Above = layer.get();
    top_ = layer.get();
    if (!bottom_) bottom_ = top_;
    return top_;
}

void TListOfLayers::sizeFromPicture(TLayer& layer, std::int32_t imageIndex) const {
    if (const TRGBPicture* p = Images.At(imageIndex)) {
        layer.Width = p->Width;
        layer.Height = p->Height;
    }
}

TLayer* TListOfLayers::AddPictureLayer(std::int32_t x, std::int32_t y, std::int32_t imageIndex,
                                       std::int32_t mode, std::int32_t flags) {
    TLayer* layer = push(x, y);
    layer->ImageIndex = imageIndex;
    layer->Mode = mode;
    layer->Flags = flags;
    sizeFromPicture(*layer, imageIndex);
    return layer;
}

TLayer* TListOfLayers::AddPanelLayer(std::int32_t x, std::int32_t y, std::int32_t width,
                                     std::int32_t height) {
    TLayer* layer = push(x, y, width, height);
    layer->Mode = dmPanel;
    layer->Flags = 2;
    layer->ImageIndex = -100;
    return layer;
}

TLayer* TListOfLayers::AddRegionLayer(std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height, std::int32_t id) {
    TLayer* layer = push(x, y, width, height);
    layer->Mode = dmNone;
    layer->Flags = lfButton + lfRectHit;
    layer->State = lsNormal;
    layer->Id = id;
    return layer;
}

TLayer* TListOfLayers::AddButtonLayer(std::int32_t x, std::int32_t y, std::string_view normalName,
                                      std::string_view hoverName, std::string_view pressedName,
                                      std::int32_t id) {
    TLayer* layer = push(x, y);
    layer->Mode = dmKey;
    layer->Flags = lfButton;
    switch (id) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
    case 10: layer->Flags = lfButton + lfNoHit; break;
    case 11: layer->Flags = lfButton + lfRectHit; break;
    case 16:
        layer->Mode = dmOr;
        layer->Flags = lfButton + lfRectHit;
        break;
    case 17:
    case 18:
        layer->Mode = dmCopy;
        layer->Flags = lfButton + lfRectHit + lfNoHit;
        break;
    default:
        if ((id >= 12 && id <= 15) || id >= 19) {
            layer->Mode = dmCopy;
            layer->Flags = lfButton + lfRectHit;
        }
        break; // 3, 6, 8, 9 and values below 1 keep dmKey and lfButton
    }
    layer->State = lsNormal;
    layer->NormalImage = Images.LoadImage(normalName);
    layer->HoverImage = Images.LoadImage(hoverName);
    layer->PressedImage = Images.LoadImage(pressedName);
    layer->ImageIndex = layer->NormalImage;
    if (layer->PressedImage == -1) layer->PressedImage = layer->HoverImage;
    layer->Id = id;
    for (std::int32_t index : {layer->NormalImage, layer->HoverImage, layer->PressedImage}) {
        if (index != -1) {
            sizeFromPicture(*layer, index);
            break;
        }
    }
    return layer;
}

TLayer* TListOfLayers::LayerAt(std::int32_t x, std::int32_t y, bool exact) const {
    for (TLayer* layer = top_; layer; layer = layer->Below) {
        // 64-bit so that a layer at the far end of the coordinate range cannot overflow.
        const bool inRect = layer->X <= x && x <= std::int64_t(layer->X) + layer->Width - 1 &&
                            layer->Y <= y && y <= std::int64_t(layer->Y) + layer->Height - 1;
        if (!inRect) continue;
        bool hit = true;
        if (exact && layer->Mode != dmPanel && !(layer->Flags & lfRectHit))
            hit = Images.IsOpaqueAt(layer->ImageIndex, x - layer->X + 1, y - layer->Y + 1);
        if (layer->Flags & lfNoHit) hit = false;
        if (hit) return layer;
    }
    return nullptr;
}

void TListOfLayers::ClearLayers() {
    // Release from the top down, as they were stacked.
    while (!layers_.empty())
        layers_.pop_back();
    top_ = nullptr;
    bottom_ = nullptr;
}

bool SetLayerState(TLayer* layer, std::int32_t state, const TListOfImages& images) {
    if (!layer) return false;
    switch (state) {
    case lsHover: layer->ImageIndex = layer->HoverImage; break;
    case lsNormal: layer->ImageIndex = layer->NormalImage; break;
    case lsPressed: layer->ImageIndex = layer->PressedImage; break;
    default: return true;
    }
    layer->State = state;
    if (const TRGBPicture* p = images.At(layer->ImageIndex)) {
        layer->Width = p->Width;
        layer->Height = p->Height;
    }
    return true;
}

void RenderLayers(TRGBPicture& target, const TListOfLayers& layers) {
    SetDrawTarget(target);
    for (const TLayer* layer = layers.FirstLayer(); layer; layer = layer->Above) {
        if (layer->Mode == dmPanel) {
            DrawPanel(layer->X, layer->Y, layer->X + layer->Width - 1,
                      layer->Y + layer->Height - 1);
        } else if (layer->Mode != dmNone) {
            if (const TRGBPicture* picture = layers.Images.At(layer->ImageIndex))
                DrawPicture(layer->X, layer->Y, *picture, layer->Mode, target);
        }
    }
}

} // namespace harvesta
