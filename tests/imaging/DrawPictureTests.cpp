// DrawPicture: clipping at every edge and each mode on known bytes.

#include "TestPictures.h"

#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace harvesta {
namespace {

using test::At;
using test::Pattern;
using test::Rgb;

constexpr Rgb kBackground{9, 8, 7};

// Every target pixel is either the background or the source pixel at (x - dx, y - dy).
void ExpectPlaced(const TRGBPicture& target, const TRGBPicture& source, int dx, int dy) {
    for (int y = 0; y < target.Height; ++y)
        for (int x = 0; x < target.Width; ++x) {
            const long long sx = (long long)x - dx, sy = (long long)y - dy;
            const bool inside = sx >= 0 && sy >= 0 && sx < source.Width && sy < source.Height;
            const Rgb expected = inside ? Pattern(int(sx), int(sy)) : kBackground;
            if (At(target, x, y) != expected) {
                ADD_FAILURE() << "pixel " << x << "," << y;
                return;
            }
        }
}

TEST(DrawPicture, ClipsAtEveryEdge) {
    const TRGBPicture tile = test::Patterned(52, 52);
    struct Case {
        int x, y;
    };
    // Off the top-left, off the right (440 + 52 > 480), off the bottom, and wholly outside.
    for (Case c : {Case{-10, -10}, Case{440, 0}, Case{5, 820}, Case{-51, 3}, Case{470, 840},
                   Case{480, 0}, Case{0, 848}, Case{-52, 0}, Case{0, -52}, Case{-2000000000, 5},
                   Case{2147483600, 2147483600}}) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        TRGBPicture target = test::Filled(480, 848, kBackground);
        DrawPicture(c.x, c.y, tile, dmCopy, target);
        ExpectPlaced(target, tile, c.x, c.y);
    }
}

TEST(DrawPicture, LowerRightOfATileDrawnAtMinusTenShowsAtTheOrigin) {
    const TRGBPicture tile = test::Patterned(52, 52);
    TRGBPicture target = test::Filled(480, 848, kBackground);
    DrawPicture(-10, -10, tile, dmCopy, target);
    EXPECT_EQ(At(target, 0, 0), Pattern(10, 10));
    EXPECT_EQ(At(target, 41, 41), Pattern(51, 51));
    EXPECT_EQ(At(target, 42, 0), kBackground);
}

TEST(DrawPicture, FullWidthCopyAtTheOriginEqualsTheGeneralPath) {
    const TRGBPicture background = test::Patterned(16, 10);
    TRGBPicture fast = test::Filled(16, 12, kBackground);
    DrawPicture(0, 0, background, dmCopy, fast); // block copy
    TRGBPicture general = test::Filled(16, 12, kBackground);
    DrawPicture(0, 0, background, dmKey, general); // row walk; key is pixel (0,0)
    DrawPicture(0, 0, background, dmCopy, general);
    EXPECT_EQ(fast.Bits, general.Bits);
    EXPECT_EQ(At(fast, 0, 10), kBackground);
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
    TRGBPicture source = test::Patterned(53, 2);
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
    source.Row(0)[3 * 20 + 2] = 1; // (1, *, *): only red matches
    source.Row(0)[3 * 20 + 1] = 2;
    TRGBPicture target = test::Filled(60, 2, kBackground);
    DrawPicture(1, 0, source, dmKey, target);
    for (int x = 0; x < 53; ++x) {
        const bool isKey = std::find(std::begin(keyed), std::end(keyed), x) != std::end(keyed);
        EXPECT_EQ(At(target, x + 1, 1), isKey ? kBackground : At(source, x, 1)) << x;
        EXPECT_EQ(At(target, x + 1, 0), At(source, x, 0)) << x;
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

TEST(DrawPicture, ModesOutsideTheTableChangeNothing) {
    const TRGBPicture source = test::Patterned(4, 4);
    for (int mode : {0, 3, dmPanel, dmNone, -1, 1000}) {
        TRGBPicture target = test::Filled(4, 4, kBackground);
        const auto before = target.Bits;
        DrawPicture(0, 0, source, mode, target);
        DrawPicture(1, 1, source, mode, target);
        EXPECT_EQ(target.Bits, before) << mode;
    }
}

} // namespace
} // namespace harvesta
