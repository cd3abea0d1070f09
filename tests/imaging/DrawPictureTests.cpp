// DrawPicture: clipping at every edge and each mode on known bytes.

#include "TestPictures.h"

#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace harvesta {
namespace {

using test::At;
using test::Pattern;
using test::Rgb;

constexpr Rgb kBackground{9, 8, 7};

// The pixels of picture p from (x, y), w by h, as a picture of their own.
TRGBPicture Crop(const TRGBPicture& p, int x, int y, int w, int h) {
    TRGBPicture out = test::Filled(w, h, {0, 0, 0});
    for (int row = 0; row < h; ++row)
        std::copy_n(p.Row(y + row) + 3 * x, 3 * w, out.Row(row));
    return out;
}

TEST(DrawPicture, EveryModeClipsAtEveryEdgeAsIfDrawnOnALargerPictureAndCut) {
    constexpr int W = 100, H = 80, Pad = 60;
    TRGBPicture tile = test::Patterned(52, 52);
    tile.KeyR = 200;
    tile.KeyG = 100;
    tile.KeyB = 50;
    for (int k = 0; k < 52; k += 3) { // a diagonal of see-through pixels
        std::uint8_t* p = tile.Row(k) + 3 * ((k * 7) % 52);
        p[0] = 50;
        p[1] = 100;
        p[2] = 200;
    }
    // The background differs from the tile everywhere, so every mode changes what it covers.
    TRGBPicture large = test::Patterned(W + 2 * Pad, H + 2 * Pad);
    for (std::size_t i = 0; i < std::size_t(large.Width) * large.Height * 3; ++i)
        large.Bits[i] = std::uint8_t(large.Bits[i] * 3 + 91);
    const TRGBPicture background = Crop(large, Pad, Pad, W, H);
    struct Case {
        int x, y;
    };
    // Off each edge and corner, one column or row in view, and just outside each edge.
    const Case cases[] = {{0, 0},    {-10, -10}, {70, 0},  {5, 60},   {-51, 3}, {-3, 75},
                          {60, -20}, {99, 79},   {30, 20}, {100, 0},  {0, 80},  {-52, 0},
                          {0, -52},  {-20, 40},  {48, 79}, {20, -51}, {99, -30}};
    // A band as wide as the target, where a whole-picture copy is only right at the origin.
    TRGBPicture band = test::Patterned(W, 30);
    const Case bandCases[] = {{0, 0}, {0, 1},  {1, 0},  {0, 60}, {0, -10},
                              {3, 0}, {-3, 5}, {0, 79}, {0, 50}};
    for (int mode : {dmCopy, dmKey, dmAnd, dmOr, dmAverage, dmXor}) {
        for (const auto& [source, places] :
             {std::pair{&tile, std::span<const Case>(cases)}, {&band, std::span(bandCases)}}) {
            for (Case c : places) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << " at " << c.x << "," << c.y
                                                << " width " << source->Width);
                TRGBPicture expected = large;
                DrawPicture(c.x + Pad, c.y + Pad, *source, mode, expected);
                TRGBPicture target = background;
                DrawPicture(c.x, c.y, *source, mode, target);
                EXPECT_EQ(target.Bits, Crop(expected, Pad, Pad, W, H).Bits);
                EXPECT_TRUE(test::SpareBytesClear(target));
            }
        }
    }
}

// Short rows are copied in pieces, long ones in one call: every length either side of both
// changes lands whole and writes nothing beside its rectangle.
TEST(DrawPicture, CopiesRowsOfEveryLengthExactlyIntoTheirRectangle) {
    for (int width = 1; width <= 90; ++width) {
        const TRGBPicture source = test::Patterned(width, 3);
        TRGBPicture target = test::Filled(width + 4, 5, kBackground);
        DrawPicture(2, 1, source, dmCopy, target);
        for (int y = 0; y < target.Height; ++y)
            for (int x = 0; x < target.Width; ++x) {
                const bool inside = x >= 2 && x < 2 + width && y >= 1 && y < 4;
                ASSERT_EQ(At(target, x, y), inside ? At(source, x - 2, y - 1) : kBackground)
                    << "width " << width << ", pixel " << x << "," << y;
            }
    }
}

TEST(DrawPicture, PositionsFarOutsideChangeNothing) {
    const TRGBPicture tile = test::Patterned(52, 52);
    for (auto [x, y] : {std::pair{-2000000000, 5},
                        {2147483600, 2147483600},
                        {5, -2147483647},
                        {480, 0},
                        {0, 848},
                        {600, 10},
                        {10, 900}}) {
        TRGBPicture target = test::Filled(480, 848, kBackground);
        const TRGBPicture before = target;
        DrawPicture(x, y, tile, dmCopy, target);
        DrawPicture(x, y, tile, dmXor, target);
        EXPECT_EQ(target.Bits, before.Bits) << x << "," << y;
    }
}

TEST(DrawPicture, LowerRightOfATileDrawnAtMinusTenShowsAtTheOrigin) {
    const TRGBPicture tile = test::Patterned(52, 52);
    TRGBPicture target = test::Filled(480, 848, kBackground);
    DrawPicture(-10, -10, tile, dmCopy, target);
    EXPECT_EQ(At(target, 0, 0), Pattern(10, 10));
    EXPECT_EQ(At(target, 41, 41), Pattern(51, 51));
    EXPECT_EQ(At(target, 42, 0), kBackground);
    EXPECT_EQ(At(target, 0, 42), kBackground);
}

TEST(DrawPicture, AFullWidthCopyAtTheOriginStopsAtTheTargetsLastRow) {
    // Shorter, as tall as and taller than the target: the block copy of a whole picture must
    // not be taken for the taller one.
    for (int height : {10, 12, 15}) {
        SCOPED_TRACE(height);
        const TRGBPicture source = test::Patterned(16, height);
        TRGBPicture target = test::Filled(16, 12, kBackground);
        DrawPicture(0, 0, source, dmCopy, target);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(At(target, x, y), y < height ? Pattern(x, y) : kBackground)
                    << x << "," << y;
        EXPECT_TRUE(test::SpareBytesClear(target));
    }
}

TEST(DrawPicture, KeyModeSkipsExactlyTheKeyColour) {
    TRGBPicture source = test::Filled(3, 1, {255, 255, 255});
    source.Row(0)[3] = 254; // pixel 1: blue 254, so (255, 255, 254)
    source.Row(0)[8] = 0;   // pixel 2: red 0
    source.KeyR = source.KeyG = source.KeyB = 255;
    source.Tolerance = 50; // plays no part in drawing
    TRGBPicture target = test::Filled(3, 1, kBackground);
    DrawPicture(0, 0, source, dmKey, target);
    EXPECT_EQ(At(target, 0, 0), kBackground);
    EXPECT_EQ(At(target, 1, 0), (Rgb{255, 255, 254}));
    EXPECT_EQ(At(target, 2, 0), (Rgb{0, 255, 255}));
}

TEST(DrawPicture, KeyModeFindsKeyPixelsAnywhereInWideRows) {
    // Rows long enough for the grouped test, with key pixels at group edges and in the tail.
    TRGBPicture source = test::Patterned(53, 3);
    source.KeyR = 1;
    source.KeyG = 2;
    source.KeyB = 3;
    const int keyed[] = {0, 15, 16, 17, 31, 47, 48, 52};
    for (int x : keyed) {
        std::uint8_t* p = source.Row(1) + 3 * x;
        p[0] = 3;
        p[1] = 2;
        p[2] = 1;
    }
    source.Row(0)[3 * 20 + 2] = 1; // (1, 2, *): only red and green match
    source.Row(0)[3 * 20 + 1] = 2;
    source.Row(0)[3 * 21 + 2] = 1; // (1, *, 3): only red and blue match
    source.Row(0)[3 * 21 + 0] = 3;
    source.Row(0)[3 * 22 + 1] = 2; // (*, 2, 3): only green and blue match
    source.Row(0)[3 * 22 + 0] = 3;
    for (int x = 32; x < 48; ++x) { // a whole group of sixteen see-through pixels
        std::uint8_t* p = source.Row(2) + 3 * x;
        p[0] = 3;
        p[1] = 2;
        p[2] = 1;
    }
    TRGBPicture target = test::Filled(60, 3, kBackground);
    DrawPicture(1, 0, source, dmKey, target);
    for (int x = 0; x < 53; ++x) {
        const bool isKey = std::find(std::begin(keyed), std::end(keyed), x) != std::end(keyed);
        EXPECT_EQ(At(target, x + 1, 1), isKey ? kBackground : At(source, x, 1)) << x;
        EXPECT_EQ(At(target, x + 1, 0), At(source, x, 0)) << x;
        EXPECT_EQ(At(target, x + 1, 2), x >= 32 && x < 48 ? kBackground : At(source, x, 2)) << x;
    }
}

TEST(DrawPicture, AKeyOutsideZeroTo255MatchesNoPixel) {
    // Black pixels would match each of these keys if only their low byte counted.
    const TRGBPicture black = test::Filled(20, 2, {0, 0, 0});
    TRGBPicture untouched = test::Filled(20, 2, kBackground);
    DrawPicture(0, 0, black, dmKey, untouched); // a blank's key is black: nothing shows
    EXPECT_EQ(untouched.Bits, test::Filled(20, 2, kBackground).Bits);
    for (auto [r, g, b] : {std::array{0, 0, 256},
                           {0, 256, 0},
                           {256, 0, 0},
                           {-256, 0, 0},
                           {0, -256, 0},
                           {0, 0, -256}}) {
        TRGBPicture source = black;
        source.KeyR = r;
        source.KeyG = g;
        source.KeyB = b;
        // Copied whole into a wider target, row by row at its place.
        TRGBPicture target = test::Filled(26, 4, kBackground);
        DrawPicture(3, 1, source, dmKey, target);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 26; ++x) {
                const bool inside = x >= 3 && x < 23 && y >= 1 && y < 3;
                ASSERT_EQ(At(target, x, y), inside ? (Rgb{0, 0, 0}) : kBackground)
                    << r << "," << g << "," << b << " at " << x << "," << y;
            }
    }
}

TEST(DrawPicture, ByteModesCombineEveryByte) {
    TRGBPicture source = test::Filled(2, 1, {255, 1, 0xF0});
    source.Row(0)[3] = 1; // second pixel blue 1
    struct Case {
        int mode;
        Rgb target;
        Rgb first, second; // expected
    };
    const Case cases[] = {
        {dmAverage, {255, 1, 0x0F}, {254, 0, 0x7F}, {254, 0, 0x07}},
        {dmAnd, {0x0F, 3, 0x3C}, {0x0F, 1, 0x30}, {0x0F, 1, 0x00}},
        {dmOr, {0x0F, 2, 0x0F}, {0xFF, 3, 0xFF}, {0xFF, 3, 0x0F}},
        {dmXor, {0x0F, 3, 0xFF}, {0xF0, 2, 0x0F}, {0xF0, 2, 0xFE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        TRGBPicture target = test::Filled(2, 1, c.target);
        DrawPicture(0, 0, source, c.mode, target);
        EXPECT_EQ(At(target, 0, 0), c.first);
        EXPECT_EQ(At(target, 1, 0), c.second);
    }
}

TEST(DrawPicture, ExactlyTheSixDrawingModeNumbersDraw) {
    // Modes travel as plain numbers (layer tables, callers): 1, 2, 16, 32, 64 and 128 draw;
    // every other number, the layer-only 4 and 256 among them, leaves the target alone.
    const TRGBPicture source = test::Patterned(4, 4);
    const TRGBPicture background = test::Filled(4, 4, kBackground);
    for (int mode = -2; mode <= 300; ++mode) {
        TRGBPicture target = background;
        DrawPicture(0, 0, source, mode, target);
        DrawPicture(1, 1, source, mode, target);
        const bool drawing =
            mode == 1 || mode == 2 || mode == 16 || mode == 32 || mode == 64 || mode == 128;
        EXPECT_EQ(target.Bits != background.Bits, drawing) << mode;
    }
}

TEST(TGraphicsEx, DescribesItsPictureAsTopDown24BitRowsForTheTransfer) {
    const TGraphicsEx canvas(12, 5, MakeBgrColor(1, 2, 3));
    EXPECT_EQ(canvas.Picture.Width, 12);
    EXPECT_EQ(canvas.Picture.Height, 5);
    EXPECT_EQ(At(canvas.Picture, 11, 4), (Rgb{1, 2, 3}));
    const TBitmapInfoHeader& h = canvas.Header;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 12);
    EXPECT_EQ(h.biHeight, -5); // negative: the first row is the top one
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, 0u);
    EXPECT_EQ(h.biXPelsPerMeter, 0);
    EXPECT_EQ(h.biYPelsPerMeter, 0);
    EXPECT_EQ(h.biClrUsed, 0u);
    EXPECT_EQ(h.biClrImportant, 0u);
    EXPECT_EQ(TGraphicsEx(4, 2).Picture.Bits, test::Filled(4, 2, {0, 0, 0}).Bits);
}

} // namespace
} // namespace harvesta
