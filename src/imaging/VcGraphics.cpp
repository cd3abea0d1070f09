#include "imaging/VcGraphics.h"

#include "imaging/ImageProcessing.h"
#include "imaging/SetupFunctions.h"

#include <bit>
#include <cassert>
#include <cstring>

#if defined(__SSE2__)
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

void copyRows(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst,
              std::size_t dstStride, std::size_t rowBytes, std::int32_t rows) {
    for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride)
        std::memcpy(dst, src, rowBytes);
}

// Pixels equal to the key colour among the 16 pixels (48 bytes) at s: bit 3j set for pixel j.
// pattern holds the key's three bytes repeated 16 times.
#if defined(__SSE2__)
inline std::uint64_t keyedPixels16(const std::uint8_t* s, const std::uint8_t* pattern) {
    const auto equal = [&](int part) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16 * part));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern + 16 * part));
        return std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b))));
    };
    const std::uint64_t m = equal(0) | equal(1) << 16 | equal(2) << 32;
    return m & m >> 1 & m >> 2 & 0x249249249249ull;
}
#else
inline std::uint64_t keyedPixels16(const std::uint8_t* s, const std::uint8_t* pattern) {
    std::uint64_t m = 0;
    for (int k = 0; k < 48; ++k)
        m |= std::uint64_t(s[k] == pattern[k]) << k;
    return m & m >> 1 & m >> 2 & 0x249249249249ull;
}
#endif

// Copies the pixels that differ from key. Sixteen pixels are tested at once; groups without a
// key pixel extend a run that goes out in one memcpy.
// One bit per pixel of a group of sixteen, as keyedPixels16 gives them.
constexpr std::uint64_t kAllKeyed = 0x249249249249ull;

void keyRows(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst,
             std::size_t dstStride, std::int32_t cols, std::int32_t rows, std::uint32_t key) {
    alignas(16) std::uint8_t pattern[48];
    for (int i = 0; i < 48; ++i)
        pattern[i] = std::uint8_t(key >> (8 * (i % 3)));

    // One pass: a group of sixteen pixels is tested while it is in registers and copied whole
    // when none of it is see-through, skipped when all of it is, and pixel by pixel otherwise.
    for (std::int32_t r = 0; r < rows; ++r, src += srcStride, dst += dstStride) {
        std::int32_t i = 0;
        for (; i + 16 <= cols; i += 16) {
            const std::uint8_t* s = src + 3 * std::size_t(i);
            std::uint8_t* t = dst + 3 * std::size_t(i);
            const std::uint64_t keyed = keyedPixels16(s, pattern);
            if (keyed == 0) {
                std::memcpy(t, s, 48);
            } else if (keyed != kAllKeyed) {
                for (std::uint64_t opaque = ~keyed & kAllKeyed; opaque != 0; opaque &= opaque - 1) {
                    const std::size_t at = std::size_t(std::countr_zero(opaque));
                    t[at] = s[at];
                    t[at + 1] = s[at + 1];
                    t[at + 2] = s[at + 2];
                }
            }
        }
        for (; i < cols; ++i) {
            const std::uint8_t* s = src + 3 * std::size_t(i);
            if (pixelWord(s) == key) continue;
            std::uint8_t* t = dst + 3 * std::size_t(i);
            t[0] = s[0];
            t[1] = s[1];
            t[2] = s[2];
        }
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
