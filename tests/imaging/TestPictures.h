#pragma once
// Builders for synthetic picture blocks and pictures, and a recorder for message boxes.

#include "imaging/ImageProcessing.h"
#include "imaging/mainImgTypes.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <zlib.h>

namespace harvesta::test {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A bitmap file image, rows stored bottom-up and padded to 4 bytes; pixelOffset 54 or 64.
inline std::vector<std::uint8_t> MakeBitmapBlock(std::int32_t w, std::int32_t h,
                                                 const std::function<Rgb(int, int)>& pixel,
                                                 std::uint32_t pixelOffset = 54) {
    const std::size_t stride = (std::size_t(w) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> b(pixelOffset + stride * std::size_t(h), 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = std::uint8_t(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, std::uint32_t(b.size()));
    put32(10, pixelOffset);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    b[26] = 1;
    b[28] = 24;
    put32(34, pixelOffset == 54 ? std::uint32_t(stride * h) : 0);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = b.data() + pixelOffset + stride * std::size_t(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const Rgb c = pixel(x, y);
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
    }
    return b;
}

inline std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& in) {
    uLongf size = compressBound(uLong(in.size()));
    std::vector<std::uint8_t> out(size);
    compress(out.data(), &size, in.data(), uLong(in.size()));
    out.resize(size);
    return out;
}

// A distinct colour for every pixel position.
inline Rgb Pattern(int x, int y) {
    return {std::uint8_t(x * 7 + y), std::uint8_t(y * 5 + 3), std::uint8_t(x + y * 11 + 1)};
}

inline Rgb At(const TRGBPicture& p, int x, int y) { // counted from 0
    const std::uint8_t* q = p.Row(y) + 3 * x;
    return {q[2], q[1], q[0]};
}

inline TRGBPicture Filled(int w, int h, Rgb c) {
    return std::move(*CreatePicture(w, h, MakeBgrColor(c.r, c.g, c.b)));
}

inline TRGBPicture Patterned(int w, int h) {
    TRGBPicture p = Filled(w, h, {0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = Pattern(x, y);
            std::uint8_t* q = p.Row(y) + 3 * x;
            q[0] = c.b;
            q[1] = c.g;
            q[2] = c.r;
        }
    return p;
}

// The spare bytes after the last row are still zero: nothing was written past the pixels.
inline bool SpareBytesClear(const TRGBPicture& p) {
    const auto pixels = std::ptrdiff_t(p.Width) * p.Height * 3;
    return std::all_of(p.Bits.begin() + pixels, p.Bits.end(), [](auto b) { return b == 0; });
}

// Records every message box and answers Ok.
class MessageRecorder {
  public:
    MessageRecorder()
        : guard_([this](const platform::MessageRequest& r) {
              messages.push_back(r);
              return platform::MessageAnswer::Ok;
          }) {}
    std::vector<platform::MessageRequest> messages;

  private:
    platform::ScopedMessageHandler guard_;
};

} // namespace harvesta::test
