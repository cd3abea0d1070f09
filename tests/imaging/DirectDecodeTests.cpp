// Decoding straight into the form a picture is drawn in: scaled in the decoding pass, and as
// 32-bit words with the see-through colour cleared.

#include "TestPictures.h"

#include "imaging/ImageProcessing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace harvesta {
namespace {

using test::MakeBitmapBlock;
using test::Pattern;
using test::Rgb;

TEST(DecodeBitmapBlock, ScaledInTheDecodingPassItEqualsDecodeThenScale) {
    // 53 x 37: rows padded to 4 bytes, and sizes that do not divide evenly.
    const auto block = MakeBitmapBlock(53, 37, Pattern, 64);
    const BitmapDecodeResult unscaled = DecodeBitmapBlock(block);
    ASSERT_TRUE(unscaled.ok());
    for (double scale : {1.2, 1.4, 0.7}) {
        SCOPED_TRACE(scale);
        TRGBPicture expected = unscaled.picture;
        ScalePicture(expected, std::int32_t(std::trunc(53 / scale)),
                     std::int32_t(std::trunc(37 / scale)));
        const BitmapDecodeResult scaled = DecodeBitmapBlock(block, scale);
        ASSERT_TRUE(scaled.ok());
        EXPECT_EQ(scaled.picture.Width, expected.Width);
        EXPECT_EQ(scaled.picture.Height, expected.Height);
        EXPECT_EQ(scaled.picture.Bits, expected.Bits);
        // The key stays the unscaled top-left pixel, whatever the scaled corner samples.
        EXPECT_EQ((Rgb{std::uint8_t(scaled.picture.KeyR), std::uint8_t(scaled.picture.KeyG),
                       std::uint8_t(scaled.picture.KeyB)}),
                  Pattern(0, 0));
    }
    // A scale that leaves no pixel gives an empty picture, not an error.
    const BitmapDecodeResult none = DecodeBitmapBlock(block, 100.0);
    EXPECT_TRUE(none.ok());
    EXPECT_EQ(none.picture.Width, 0);
    EXPECT_EQ(none.picture.Bits.size(), kPictureSpareBytes);
    // So does one that leaves no column of a picture one pixel wide though rows remain, or no
    // row of one a pixel high.
    for (const auto& [w, h] : {std::pair{1, 37}, std::pair{37, 1}}) {
        const BitmapDecodeResult thin = DecodeBitmapBlock(MakeBitmapBlock(w, h, Pattern), 1.2);
        EXPECT_TRUE(thin.ok());
        EXPECT_EQ(thin.picture.Width, 0) << w << " x " << h;
        EXPECT_EQ(thin.picture.Height, 0) << w << " x " << h;
    }
}

TEST(FillPicture, ColoursEveryPixelAndLeavesTheSpareBytesZero) {
    // Greys fill by bytes; a colour whose blue and green agree but red does not is no grey.
    for (const BgrColor colour :
         {BgrColor{0xFFFFFF}, MakeBgrColor(10, 20, 30), MakeBgrColor(200, 7, 7), BgrColor{0}}) {
        auto picture = CreatePicture(7, 3, BgrColor{0x123456});
        FillPicture(*picture, colour);
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= 7; ++x)
                ASSERT_EQ(PixelAt(*picture, x, y), colour) << x << "," << y;
        for (std::size_t i = 7 * 3 * 3; i < picture->Bits.size(); ++i)
            ASSERT_EQ(picture->Bits[i], 0) << i;
    }
    // A picture with columns but no rows has nothing to fill, not even its spare bytes.
    auto rowless = CreatePicture(40, 0, BgrColor{0});
    ASSERT_TRUE(rowless);
    FillPicture(*rowless, MakeBgrColor(10, 20, 30));
    for (const std::uint8_t byte : rowless->Bits)
        ASSERT_EQ(byte, 0);
}

// A sink that hands out rows wider than the picture, so a decoder that ignores the stride
// shows, and remembers the size it was asked for.
struct WideRows {
    std::vector<std::uint32_t> words;
    std::size_t stride = 0;
    std::int32_t width = -1, height = -1;
    WordRowsSink sink() {
        return [this](std::int32_t w, std::int32_t h, std::size_t& s) {
            width = w;
            height = h;
            stride = s = std::size_t(w) + 3;
            words.assign(stride * std::size_t(h), 0xDEADBEEF);
            return words.data();
        };
    }
    std::uint32_t at(int x, int y) const { return words[stride * std::size_t(y) + x]; }
};

std::uint32_t opaqueWord(Rgb c) {
    return 0xFF000000u | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
}

TEST(DecodeBitmapBlockToWords, TopRowFirstOpaqueOrClearOnTheBottomLeftColour) {
    // The bottom-left colour appears again inside the picture; a near colour stays opaque.
    // Every channel of it counts, each in its own byte.
    constexpr Rgb kCorner{250, 6, 240};
    const auto pixel = [&](int x, int y) -> Rgb {
        if ((x == 0 && y == 3) || (x == 2 && y == 1)) return kCorner;
        if (x == 3 && y == 0) return {250, 7, 240};
        return Pattern(x, y);
    };
    const auto block = test::Compress(MakeBitmapBlock(5, 4, pixel));
    for (const SeeThrough mode : {SeeThrough::None, SeeThrough::BottomLeftColour}) {
        WideRows rows;
        ASSERT_EQ(DecodeBitmapBlockToWords(block, mode, rows.sink()), "");
        EXPECT_EQ(rows.width, 5);
        EXPECT_EQ(rows.height, 4);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool clear = mode == SeeThrough::BottomLeftColour && pixel(x, y) == kCorner;
                EXPECT_EQ(rows.at(x, y), clear ? 0u : opaqueWord(pixel(x, y))) << x << "," << y;
            }
            EXPECT_EQ(rows.at(5, y), 0xDEADBEEF) << "past the row " << y;
        }
    }
}

TEST(DecodeBitmapBlockToWords, BadBlocksAndRefusedRoomAreErrors) {
    WideRows rows;
    EXPECT_NE(DecodeBitmapBlockToWords({}, SeeThrough::None, rows.sink()), "");
    auto cut = MakeBitmapBlock(6, 5, Pattern);
    cut.resize(cut.size() - 10);
    EXPECT_NE(DecodeBitmapBlockToWords(cut, SeeThrough::None, rows.sink()), "");
    EXPECT_EQ(rows.width, -1) << "no room is asked for a block that is refused";
    const auto good = MakeBitmapBlock(6, 5, Pattern);
    EXPECT_EQ(DecodeBitmapBlockToWords(good, SeeThrough::None,
                                       [](std::int32_t, std::int32_t,
                                          std::size_t&) -> std::uint32_t* { return nullptr; }),
              "not enough memory for the picture");
}

} // namespace
} // namespace harvesta
