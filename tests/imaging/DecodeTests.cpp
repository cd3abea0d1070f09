// Loading pictures from blocks: both header layouts, zlib, scaling, and blocks that lie.

#include "TestPictures.h"

#include "assets/ResourceStore.h"
#include "imaging/ImageLib.h"
#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace harvesta {
namespace {

using test::At;
using test::MakeBitmapBlock;
using test::Pattern;
using test::Rgb;

TEST(LoadImage, PicturesAreTopDownWithTheTopLeftPixelAsKeyAtBothPixelOffsets) {
    test::MessageRecorder recorder;
    ScopedTestResource plain54("TILE54", MakeBitmapBlock(5, 3, Pattern, 54));
    ScopedTestResource plain64("TILE64", MakeBitmapBlock(5, 3, Pattern, 64));
    TListOfImages images;
    const auto a = images.LoadImage("tile54");
    const auto b = images.LoadImage("Tile64");
    ASSERT_EQ(a, 0);
    ASSERT_EQ(b, 1);
    const TRGBPicture& p = *images.Items[0];
    EXPECT_EQ(p.Width, 5);
    EXPECT_EQ(p.Height, 3);
    EXPECT_EQ(p.Name, "tile54");
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(At(p, x, y), Pattern(x, y)) << x << "," << y;
    EXPECT_EQ(Rgb(std::uint8_t(p.KeyR), std::uint8_t(p.KeyG), std::uint8_t(p.KeyB)), Pattern(0, 0));
    EXPECT_EQ(p.Tolerance, 0);
    EXPECT_EQ(p.Bits.size(), 5u * 3 * 3 + 1000);
    EXPECT_EQ(p.Bits, images.Items[1]->Bits);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(LoadImage, ZlibCompressedBlockDecodesLikeThePlainOne) {
    const auto plain = MakeBitmapBlock(7, 4, Pattern, 64);
    ScopedTestResource a("PLAIN", plain);
    ScopedTestResource b("PACKED", test::Compress(plain));
    TListOfImages images;
    images.LoadImage("plain");
    images.LoadImage("packed");
    EXPECT_EQ(images.Items[1]->Width, 7);
    EXPECT_EQ(images.Items[0]->Bits, images.Items[1]->Bits);
}

TEST(LoadImage, EmptyNameAddsNothingAndMissingNameShowsTheMessageButKeepsItsIndex) {
    test::MessageRecorder recorder;
    TListOfImages images;
    EXPECT_EQ(images.LoadImage(""), -1);
    EXPECT_TRUE(images.Items.empty());
    EXPECT_EQ(images.LoadImage("nowhere"), 0);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Error loading image\r\nnowhere");
    EXPECT_EQ(recorder.messages[0].caption, "Error");
    EXPECT_EQ(recorder.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(images.Items[0]->Width, 0);
    EXPECT_EQ(images.LoadImage("again"), 1);
    // Indexes outside the list name no picture.
    EXPECT_EQ(images.At(-1), nullptr);
    EXPECT_EQ(images.At(2), nullptr);
}

TEST(LoadPicture, TellsWhetherItLoadedAndLeavesNothingOfTheOldPicture) {
    test::MessageRecorder recorder;
    ScopedTestResource tile("TILE", MakeBitmapBlock(4, 2, Pattern));
    TRGBPicture p = test::Patterned(9, 9);
    p.Tolerance = 7;
    EXPECT_TRUE(LoadPicture(p, "tile", 1.0));
    EXPECT_EQ(p.Width, 4);
    EXPECT_EQ(p.Height, 2);
    EXPECT_EQ(p.Tolerance, 0);
    EXPECT_EQ(At(p, 3, 1), Pattern(3, 1));
    EXPECT_TRUE(test::SpareBytesClear(p));
    EXPECT_FALSE(LoadPicture(p, "nowhere", 1.0));
    EXPECT_EQ(p.Width, 0);
    EXPECT_EQ(p.Height, 0);
    EXPECT_EQ(p.Bits.size(), kPictureSpareBytes);
    EXPECT_TRUE(test::SpareBytesClear(p));
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST(LoadImage, ScaleShrinksByTheTruncatedQuotient) {
    ScopedTestResource tile("TILE", MakeBitmapBlock(52, 52, Pattern));
    TListOfImages images;
    images.Scale = 1.2;
    images.LoadImage("tile");
    images.Scale = 1.4;
    images.LoadImage("tile");
    EXPECT_EQ(images.Items[0]->Width, 43);
    EXPECT_EQ(images.Items[0]->Height, 43);
    EXPECT_EQ(images.Items[1]->Width, 37);

    // 13 / 1.2 = 10.8 and 5 / 1.4 = 3.6: the quotients are cut, not rounded, each on its own.
    ScopedTestResource odd("ODD", MakeBitmapBlock(13, 5, Pattern));
    images.Scale = 1.2;
    const TRGBPicture& a = *images.Items[std::size_t(images.LoadImage("odd"))];
    EXPECT_EQ(a.Width, 10);
    EXPECT_EQ(a.Height, 4);
    images.Scale = 1.4;
    const TRGBPicture& b = *images.Items[std::size_t(images.LoadImage("odd"))];
    EXPECT_EQ(b.Width, 9);
    EXPECT_EQ(b.Height, 3);
}

TEST(ScalePicture, SamplesTheFarEdgeOfEachSpan) {
    TRGBPicture p = test::Patterned(52, 52);
    const TRGBPicture original = p;
    ScalePicture(p, 43, 43);
    // Destination column j (from 1) takes source column trunc(j * 52/43); 43 takes 51.
    const std::pair<int, int> columns[] = {{1, 1}, {2, 2}, {3, 3}, {43, 51}};
    for (auto [dst, src] : columns)
        EXPECT_EQ(PixelAt(p, dst, 5), PixelAt(original, src, 6)) << dst;
    EXPECT_EQ(PixelAt(p, 10, 43), PixelAt(original, 12, 51));
}

// floor(n * r) in integers, exactly: r is its 53-bit mantissa times a power of two, and
// n * mantissa stays below 2^64 for n < 2^10.
int floorOfExactProduct(int n, double r) {
    int exponent = 0;
    const double fraction = std::frexp(r, &exponent);
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    return int(std::uint64_t(n) * mantissa >> (53 - exponent));
}

// Catches a product rounded to double before its integer part is taken (so 43 * (52 / 43)
// gives 52), as with a compiler whose long double is a plain double, and a correction of that
// rounding that also moves products which are whole numbers exactly.
TEST(ScalePicture, EverySampleIsTheIntegerPartOfTheExactProduct) {
    for (int width = 1; width <= 150; ++width) {
        // Column c (from 1) holds the colour c, so each new pixel tells which column it took.
        TRGBPicture row = test::Filled(width, 1, {0, 0, 0});
        for (int c = 1; c <= width; ++c)
            row.Row(0)[3 * (c - 1)] = std::uint8_t(c);
        for (int newWidth = 1; newWidth <= 150; ++newWidth) {
            TRGBPicture p = row;
            ScalePicture(p, newWidth, 1);
            const double ratio = double(width) / newWidth;
            for (int j = 1; j <= newWidth; ++j)
                ASSERT_EQ(int(p.Row(0)[3 * (j - 1)]), floorOfExactProduct(j, ratio))
                    << width << " -> " << newWidth << ", column " << j;
        }
    }
}

TEST(ScalePicture, ColumnsAndRowsEachUseTheirOwnRatio) {
    TRGBPicture p = test::Patterned(8, 9);
    p.KeyR = 1;
    p.KeyG = 2;
    p.KeyB = 3;
    p.Tolerance = 4;
    p.Name = "tile";
    const TRGBPicture original = p;
    ScalePicture(p, 4, 3); // column ratio 2, row ratio 3
    ASSERT_EQ(p.Width, 4);
    ASSERT_EQ(p.Height, 3);
    EXPECT_EQ(p.Bits.size(), 4u * 3 * 3 + kPictureSpareBytes);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(PixelAt(p, j, i), PixelAt(original, 2 * j, 3 * i)) << j << "," << i;
    EXPECT_EQ((std::array{p.KeyR, p.KeyG, p.KeyB, p.Tolerance}), (std::array{1, 2, 3, 4}));
    EXPECT_EQ(p.Name, "tile");

    EXPECT_TRUE(test::SpareBytesClear(p));

    // One side kept, the other shrunk, either way round, and down to a single pixel.
    const struct {
        int width, height, column, row; // pixel (j, i) samples (column * j, row * i)
    } cases[] = {{8, 3, 1, 3}, {4, 9, 2, 1}, {1, 1, 8, 9}};
    for (const auto& c : cases) {
        TRGBPicture q = original;
        ScalePicture(q, c.width, c.height);
        ASSERT_EQ(q.Width, c.width);
        ASSERT_EQ(q.Height, c.height);
        for (int i = 1; i <= c.height; ++i)
            for (int j = 1; j <= c.width; ++j)
                EXPECT_EQ(PixelAt(q, j, i), PixelAt(original, c.column * j, c.row * i))
                    << c.width << "x" << c.height << ": " << j << "," << i;
    }
}

TEST(ScalePicture, ToNoWidthOrNoHeightGivesAnEmptyPicture) {
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}}) {
        TRGBPicture p = test::Patterned(4, 4);
        ScalePicture(p, w, h);
        EXPECT_EQ(p.Width, 0);
        EXPECT_EQ(p.Height, 0);
        EXPECT_EQ(p.Bits.size(), kPictureSpareBytes);
    }
}

TEST(ScalePicture, EnlargingSamplesColumnZeroWhichIsBlack) {
    TRGBPicture p = test::Filled(2, 2, {200, 100, 50});
    ScalePicture(p, 4, 4);
    EXPECT_EQ(PixelAt(p, 1, 1).value, 0u);
    EXPECT_EQ(PixelAt(p, 4, 4), MakeBgrColor(200, 100, 50));
}

TEST(PixelAt, CountsFromOneAndGivesZeroOutside) {
    const TRGBPicture p = test::Filled(3, 2, {255, 255, 255});
    EXPECT_EQ(PixelAt(p, 1, 1).value, 0xFFFFFFu);
    EXPECT_EQ(PixelAt(p, 3, 2).value, 0xFFFFFFu);
    EXPECT_EQ(PixelAt(p, 0, 1).value, 0u);
    EXPECT_EQ(PixelAt(p, 4, 1).value, 0u);
    EXPECT_EQ(PixelAt(p, 1, 3).value, 0u);
    EXPECT_EQ(PixelAt(p, 1, 0).value, 0u);
    EXPECT_EQ(PixelAt(p, 0, 2).value, 0u); // not the last pixel of the row above
}

TEST(FlipPicture, ReversesRowsAtOddAndEvenHeights) {
    for (int height : {1, 2, 3, 4}) {
        TRGBPicture p = test::Patterned(2, height);
        FlipPicture(p);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(At(p, x, y), Pattern(x, height - 1 - y))
                    << height << ": " << x << "," << y;
    }
}

TEST(AddBlank, FillsWithThePackedColourBlueLow) {
    TListOfImages images;
    const auto white = images.AddBlank(4, 3, BgrColor{0xFFFFFF});
    EXPECT_EQ(images.Items[std::size_t(white)]->Bits.size(), 4u * 3 * 3 + kPictureSpareBytes);
    const TRGBPicture& w = *images.Items[std::size_t(white)];
    EXPECT_EQ((std::array{w.KeyR, w.KeyG, w.KeyB, w.Tolerance}), (std::array{0, 0, 0, 0}));
    const auto black = images.AddBlank(4, 3, BgrColor{0});
    const auto blue = images.AddBlank(1, 1, BgrColor{0xFF});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(At(*images.Items[std::size_t(white)], x, y), (Rgb{255, 255, 255}));
            EXPECT_EQ(At(*images.Items[std::size_t(black)], x, y), (Rgb{0, 0, 0}));
        }
    EXPECT_EQ(At(*images.Items[std::size_t(blue)], 0, 0), (Rgb{0, 0, 255}));
    // Any one channel alone is a colour to fill with.
    for (const Rgb c : {Rgb{255, 0, 0}, Rgb{0, 1, 0}, Rgb{0, 0, 1}}) {
        const auto i = images.AddBlank(3, 2, MakeBgrColor(c.r, c.g, c.b));
        EXPECT_EQ(At(*images.Items[std::size_t(i)], 2, 1), c);
    }
    EXPECT_EQ(images.AddBlank(-1, 3, BgrColor{0}), -1);
    EXPECT_EQ(images.AddBlank(3, -1, BgrColor{0}), -1);
    EXPECT_EQ(images.AddBlank(100000, 100000, BgrColor{0}), -1); // too large to make
    EXPECT_EQ(images.Items.size(), 6u);
    // No size at all is a picture too, one that draws nothing.
    const auto none = images.AddBlank(0, 0, BgrColor{0xFFFFFF});
    EXPECT_EQ(none, 6);
    EXPECT_EQ(images.Items[std::size_t(none)]->Bits.size(), kPictureSpareBytes);
    for (const auto& item : images.Items)
        EXPECT_TRUE(test::SpareBytesClear(*item));
}

TEST(IsOpaqueAt, EachChannelOutsideTheToleranceOnEitherSideMakesAPixelOpaque) {
    TListOfImages images;
    const auto i = images.AddBlank(2, 1, MakeBgrColor(100, 100, 100));
    TRGBPicture& p = *images.Items[std::size_t(i)];
    p.KeyR = p.KeyG = p.KeyB = 100;
    p.Tolerance = 2;
    EXPECT_FALSE(images.IsOpaqueAt(i, 1, 1));
    for (int channel = 0; channel < 3; ++channel) // blue, green, red in the pixel's bytes
        for (int offset : {-3, -2, 2, 3}) {
            p.Row(0)[3 + channel] = std::uint8_t(100 + offset);
            EXPECT_EQ(images.IsOpaqueAt(i, 2, 1), std::abs(offset) > 2) << channel << " " << offset;
            p.Row(0)[3 + channel] = 100;
        }
    // Nothing outside the picture or the list is opaque.
    p.Row(0)[0] = 0;
    EXPECT_TRUE(images.IsOpaqueAt(i, 1, 1));
    for (auto [x, y] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 2}})
        EXPECT_FALSE(images.IsOpaqueAt(i, x, y)) << x << "," << y;
    EXPECT_FALSE(images.IsOpaqueAt(1, 1, 1));
    EXPECT_FALSE(images.IsOpaqueAt(-1, 1, 1));
}

// ---- Blocks that lie about themselves: refused with a message, never read past their end.

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> b, std::size_t at, std::uint32_t v,
                                  int bytes = 4) {
    for (int i = 0; i < bytes; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    return b;
}

struct BadBlock {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* reason; // part of the message after the name
};

std::vector<BadBlock> BadBlocks() {
    const auto good = MakeBitmapBlock(6, 5, Pattern);
    std::vector<std::uint8_t> corruptZlib = test::Compress(good);
    corruptZlib[0] = 0x78;
    corruptZlib[1] = 0x00; // header checksum no longer matches
    std::vector<std::uint8_t> truncatedZlib = test::Compress(good);
    truncatedZlib.resize(truncatedZlib.size() / 2);
    // 80 MiB of zeros compress to about 80 KiB.
    const std::vector<std::uint8_t> bomb = test::Compress(std::vector<std::uint8_t>(80u << 20));
    return {
        {"header one byte short", std::vector<std::uint8_t>(good.begin(), good.begin() + 53),
         "header is incomplete"},
        {"just the signature", {'B', 'M', 0}, "header is incomplete"},
        {"more pixels than bytes", Patched(good, 22, 500), "shorter than its header"},
        {"last row cut", std::vector<std::uint8_t>(good.begin(), good.end() - 5),
         "shorter than its header"},
        {"negative width", Patched(good, 18, std::uint32_t(-6)), "size is invalid"},
        {"negative height", Patched(good, 22, std::uint32_t(-5)), "size is invalid"},
        {"zero height", Patched(good, 22, 0), "size is invalid"},
        {"zero width", Patched(good, 18, 0), "size is invalid"},
        {"header and no pixels", std::vector<std::uint8_t>(good.begin(), good.begin() + 54),
         "shorter than its header"},
        {"absurd size", Patched(Patched(good, 18, 100000), 22, 100000), "too large"},
        // 64 MiB of pixels is the most a block may ask for: 66,999,999 bytes is allowed (and
        // then missing), 67,500,000 is not.
        {"just under the size limit", Patched(Patched(good, 18, 22'333'333), 22, 1),
         "shorter than its header"},
        {"just over the size limit", Patched(Patched(good, 18, 22'500'000), 22, 1), "too large"},
        {"byte count overflows", Patched(Patched(good, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF),
         "too large"},
        {"offset past the end", Patched(good, 10, 0xFFFFFFF0), "shorter than its header"},
        {"32 bits per pixel", Patched(good, 28, 32, 2), "not 24 bits"},
        {"24 + 256 bits per pixel", Patched(good, 28, 24 + 256, 2), "not 24 bits"},
        {"run-length compressed", Patched(good, 30, 1), "unsupported"},
        {"compression in its high byte", Patched(good, 30, 1u << 24), "unsupported"},
        {"corrupt zlib stream", corruptZlib, "incorrect header check"},
        {"the two letters alone are not a bitmap", {'B', 'M'}, "incorrect header check"},
        {"only the second letter", {'A', 'M', 1, 2, 3}, "incorrect header check"},
        {"compressed picture cut short",
         test::Compress(std::vector<std::uint8_t>(good.begin(), good.end() - 5)),
         "shorter than its header"},
        {"truncated zlib stream", truncatedZlib, "ends early"},
        {"decompression bomb", bomb, "inflates past 64 MiB"},
    };
}

TEST(LoadImage, CorruptBlocksGiveAClearMessageAndAnEmptyPictureThatIsSafeToDraw) {
    for (const BadBlock& bad : BadBlocks()) {
        SCOPED_TRACE(bad.what);
        test::MessageRecorder recorder;
        ScopedTestResource block("BAD", bad.bytes);
        TListOfImages images;
        images.Scale = 1.4;
        ASSERT_EQ(images.LoadImage("bad"), 0);
        ASSERT_EQ(recorder.messages.size(), 1u);
        const auto& message = recorder.messages[0];
        EXPECT_EQ(message.text.rfind("Error loading image\r\nbad\r\n", 0), 0u) << message.text;
        EXPECT_NE(message.text.find(bad.reason), std::string::npos) << message.text;
        EXPECT_EQ(message.caption, "Error");
        const TRGBPicture& p = *images.Items[0];
        EXPECT_EQ(p.Width, 0);
        EXPECT_EQ(p.Height, 0);
        EXPECT_EQ(p.Bits.size(), 1000u);

        TRGBPicture target = test::Filled(8, 8, {1, 2, 3});
        const TRGBPicture before = target;
        for (int mode : {dmCopy, dmKey, dmAverage})
            DrawPicture(0, 0, p, mode, target);
        DrawPicture(-3, 2, p, dmCopy, target);
        EXPECT_EQ(target.Bits, before.Bits);
    }
}

TEST(DecodeBitmapBlock, ReadsOnlyOffsetSizeDepthAndCompressionFromTheHeader) {
    const auto block = MakeBitmapBlock(5, 3, Pattern, 64);
    const auto expected = DecodeBitmapBlock(block);
    ASSERT_TRUE(expected.ok());
    // Every other header field, and the gap before the pixels, may hold anything.
    auto noisy = block;
    for (std::size_t at : {2,  3,  4,  5,  6,  7,  8,  9,  14, 15, 16, 17, 26, 27, 34,
                           35, 36, 37, 38, 41, 42, 45, 46, 49, 50, 53, 54, 60, 63})
        noisy[at] = std::uint8_t(0xA5 ^ at);
    const auto decoded = DecodeBitmapBlock(noisy);
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(decoded.picture.Width, 5);
    EXPECT_EQ(decoded.picture.Height, 3);
    EXPECT_EQ(decoded.picture.Bits, expected.picture.Bits);
}

TEST(DecodeBitmapBlock, ReadsAllFourBytesOfThePixelOffset) {
    const auto block = MakeBitmapBlock(3, 2, Pattern);
    for (int bit : {8, 16, 24}) {
        SCOPED_TRACE(bit);
        // The pixels moved 2^bit bytes further back, and the offset field saying so.
        auto moved = Patched(block, 10, 54 + (1u << bit));
        moved.insert(moved.begin() + 54, std::size_t(1) << bit, 0xEE);
        const auto decoded = DecodeBitmapBlock(moved);
        ASSERT_TRUE(decoded.ok()) << decoded.error;
        EXPECT_EQ(At(decoded.picture, 2, 1), Pattern(2, 1));
        EXPECT_EQ(At(decoded.picture, 0, 0), Pattern(0, 0));
    }
}

TEST(DecodeBitmapBlock, RowsOfEveryPaddingDecodeTopDownWithNothingAfterThem) {
    for (int width = 1; width <= 5; ++width) // rows of 3, 6, 9, 12 and 15 bytes
        for (int height : {1, 3}) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            const auto decoded = DecodeBitmapBlock(MakeBitmapBlock(width, height, Pattern));
            ASSERT_TRUE(decoded.ok()) << decoded.error;
            const TRGBPicture& p = decoded.picture;
            ASSERT_EQ(p.Width, width);
            ASSERT_EQ(p.Height, height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(At(p, x, y), Pattern(x, y)) << x << "," << y;
            EXPECT_EQ(p.Tolerance, 0);
            EXPECT_TRUE(test::SpareBytesClear(p));
        }
}

TEST(DecodeBitmapBlock, ACompressedBlockThatInflatesManyTimesItsSizeDecodesWhole) {
    const auto plain = MakeBitmapBlock(200, 150, [](int x, int y) {
        return Rgb{std::uint8_t(x / 50), std::uint8_t(y / 50), 7};
    });
    const auto decoded = DecodeBitmapBlock(test::Compress(plain));
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(decoded.picture.Bits, DecodeBitmapBlock(plain).picture.Bits);
}

TEST(DecodeBitmapBlock, AcceptsALastRowWithoutItsPaddingAndIgnoresTrailingBytes) {
    auto block = MakeBitmapBlock(5, 2, Pattern); // rows of 15 bytes padded to 16
    block.pop_back();
    EXPECT_TRUE(DecodeBitmapBlock(block).ok());
    block.resize(block.size() + 100, 0xAB);
    const auto decoded = DecodeBitmapBlock(block);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(At(decoded.picture, 4, 1), Pattern(4, 1));
}

} // namespace
} // namespace harvesta

namespace harvesta {
namespace {

TEST(LoadImage, ShippedPicturesLoadWithTheirSizesAndKeyColours) {
    test::MessageRecorder recorder;
    const struct {
        const char* name;
        int width, height;
        Rgb key;
    } shipped[] = {
        {"apple", 52, 52, {255, 255, 255}},     {"watermelon", 52, 52, {255, 255, 255}},
        {"tomato", 52, 52, {255, 255, 255}},    {"pause", 250, 79, {255, 255, 255}},
        {"GameOver", 350, 79, {255, 255, 255}}, {"scoresScreen", 302, 301, {255, 255, 255}},
        {"stop", 24, 24, {255, 0, 255}},        {"stop_gray", 24, 24, {255, 0, 255}},
    };
    TListOfImages images;
    for (const auto& s : shipped) {
        const TRGBPicture& p = *images.Items[std::size_t(images.LoadImage(s.name))];
        EXPECT_EQ(p.Width, s.width) << s.name;
        EXPECT_EQ(p.Height, s.height) << s.name;
        EXPECT_EQ((Rgb{std::uint8_t(p.KeyR), std::uint8_t(p.KeyG), std::uint8_t(p.KeyB)}), s.key)
            << s.name;
    }
    images.Scale = 1.4;
    EXPECT_EQ(images.Items[std::size_t(images.LoadImage("APPLE"))]->Width, 37);
    EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
} // namespace harvesta
