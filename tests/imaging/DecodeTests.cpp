// Loading pictures from blocks: both header layouts, zlib, scaling, and blocks that lie.

#include "TestPictures.h"

#include "assets/ResourceStore.h"
#include "imaging/ImageLib.h"
#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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
}

TEST(FlipPicture, ReversesRowsIncludingOddHeights) {
    TRGBPicture p = test::Patterned(2, 3);
    FlipPicture(p);
    EXPECT_EQ(At(p, 1, 0), Pattern(1, 2));
    EXPECT_EQ(At(p, 1, 1), Pattern(1, 1));
    EXPECT_EQ(At(p, 0, 2), Pattern(0, 0));
}

TEST(AddBlank, FillsWithThePackedColourBlueLow) {
    TListOfImages images;
    const auto white = images.AddBlank(4, 3, BgrColor{0xFFFFFF});
    const auto black = images.AddBlank(4, 3, BgrColor{0});
    const auto blue = images.AddBlank(1, 1, BgrColor{0xFF});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(At(*images.Items[std::size_t(white)], x, y), (Rgb{255, 255, 255}));
            EXPECT_EQ(At(*images.Items[std::size_t(black)], x, y), (Rgb{0, 0, 0}));
        }
    EXPECT_EQ(At(*images.Items[std::size_t(blue)], 0, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(images.AddBlank(-1, 3, BgrColor{0}), -1);
    EXPECT_EQ(images.Items.size(), 3u);
}

TEST(IsOpaqueAt, KeyColourWithinToleranceIsTransparent) {
    TListOfImages images;
    const auto i = images.AddBlank(2, 1, MakeBgrColor(100, 100, 100));
    TRGBPicture& p = *images.Items[std::size_t(i)];
    p.Row(0)[3] = 103; // pixel 2: blue 103
    p.KeyR = p.KeyG = p.KeyB = 100;
    EXPECT_FALSE(images.IsOpaqueAt(i, 1, 1));
    EXPECT_TRUE(images.IsOpaqueAt(i, 2, 1));
    p.Tolerance = 3;
    EXPECT_FALSE(images.IsOpaqueAt(i, 2, 1));
    p.Tolerance = 2;
    EXPECT_TRUE(images.IsOpaqueAt(i, 2, 1));
    EXPECT_FALSE(images.IsOpaqueAt(i, 0, 1));
    EXPECT_FALSE(images.IsOpaqueAt(i, 3, 1));
    EXPECT_FALSE(images.IsOpaqueAt(i, 1, 2));
    EXPECT_FALSE(images.IsOpaqueAt(7, 1, 1));
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
        {"header cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 40),
         "header is incomplete"},
        {"just the signature", {'B', 'M', 0}, "header is incomplete"},
        {"more pixels than bytes", Patched(good, 22, 500), "shorter than its header"},
        {"last row cut", std::vector<std::uint8_t>(good.begin(), good.end() - 5),
         "shorter than its header"},
        {"negative width", Patched(good, 18, std::uint32_t(-6)), "size is invalid"},
        {"negative height", Patched(good, 22, std::uint32_t(-5)), "size is invalid"},
        {"zero height", Patched(good, 22, 0), "size is invalid"},
        {"absurd size", Patched(Patched(good, 18, 100000), 22, 100000), "too large"},
        {"byte count overflows", Patched(Patched(good, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF),
         "too large"},
        {"offset past the end", Patched(good, 10, 0xFFFFFFF0), "shorter than its header"},
        {"32 bits per pixel", Patched(good, 28, 32, 2), "not 24 bits"},
        {"run-length compressed", Patched(good, 30, 1), "unsupported"},
        {"corrupt zlib stream", corruptZlib, "incorrect header check"},
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
