#pragma once
// The library's picture record, its colour types and the numbered constants that layers and
// drawing use.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace harvesta {

// Every pixel block carries this many zero bytes after the last row, so that inner loops may
// read a whole 32-bit word at the last pixel of a row.
inline constexpr std::size_t kPictureSpareBytes = 1000;

// Leaves the bytes of a resized block as they come from the allocator: a picture's pixels are
// written whole (decoded, filled or composed) right after the block is made, so clearing them
// first would only touch every page twice.
template <class T> struct UninitializedAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = UninitializedAllocator<U>; };
    // Said here rather than taken from std::allocator, where C++20 deprecates it.
    using is_always_equal = std::true_type;
    UninitializedAllocator() = default;
    template <class U> UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using TPixelBytes = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

// A 24-bit picture: rows from the top down, three bytes per pixel in the order blue, green,
// red, no padding between rows.
struct TRGBPicture {
    TPixelBytes Bits; // Width * Height * 3 pixel bytes, then kPictureSpareBytes zero bytes
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t KeyR = 0;
    std::int32_t KeyG = 0;
    std::int32_t KeyB = 0;
    std::int32_t Tolerance = 0;
    std::string Name;

    std::uint8_t* Row(std::int32_t y) { return Bits.data() + std::size_t(y) * Width * 3; }
    const std::uint8_t* Row(std::int32_t y) const {
        return Bits.data() + std::size_t(y) * Width * 3;
    }

    // Sets the size and makes a block for it whose pixel bytes are left for the caller to
    // write; the spare bytes are zero. Throws std::bad_alloc.
    void Allocate(std::int32_t width, std::int32_t height) {
        const std::size_t pixelBytes = std::size_t(width) * std::size_t(height) * 3;
        TPixelBytes bits;
        bits.resize(pixelBytes + kPictureSpareBytes);
        std::fill(bits.begin() + std::ptrdiff_t(pixelBytes), bits.end(), std::uint8_t(0));
        Bits = std::move(bits);
        Width = width;
        Height = height;
    }
};

// A picture colour packed as the pixel's bytes read little-endian: blue in bits 0-7, green in
// 8-15, red in 16-23. 0xFFFFFF is white, 0xFF pure blue.
struct BgrColor {
    std::uint32_t value = 0;
    friend bool operator==(BgrColor, BgrColor) = default;
};

// A colour for device-context drawing, red in bits 0-7, green in 8-15, blue in 16-23 (the
// window system's order, the reverse of BgrColor). A separate type so the two cannot be mixed.
struct ColorRef {
    std::uint32_t value = 0;
    friend bool operator==(ColorRef, ColorRef) = default;
};

constexpr BgrColor MakeBgrColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return BgrColor{std::uint32_t(b) | std::uint32_t(g) << 8 | std::uint32_t(r) << 16};
}
constexpr ColorRef MakeColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return ColorRef{std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16};
}

// Drawing modes.
inline constexpr std::int32_t dmCopy = 1;
inline constexpr std::int32_t dmKey = 2;
inline constexpr std::int32_t dmPanel = 4; // layers only
inline constexpr std::int32_t dmAnd = 16;
inline constexpr std::int32_t dmOr = 32;
inline constexpr std::int32_t dmAverage = 64;
inline constexpr std::int32_t dmXor = 128;
inline constexpr std::int32_t dmNone = 256; // layers only

// Layer flags, combined by addition.
inline constexpr std::int32_t lfButton = 8;
inline constexpr std::int32_t lfRectHit = 16;
inline constexpr std::int32_t lfNoHit = 32;

// Layer states.
inline constexpr std::int32_t lsHover = 1;
inline constexpr std::int32_t lsNormal = 2;
inline constexpr std::int32_t lsPressed = 3;

} // namespace harvesta
