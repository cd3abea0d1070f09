// Key-colour drawing against a pixel-by-pixel model: every row length around the grouped
// test's width, key pixels in every position of a group, and clipping on both sides.

#include "TestPictures.h"

#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

namespace harvesta {
namespace {

using test::At;
using test::Rgb;

constexpr Rgb kBackground{9, 8, 7};
constexpr Rgb kKey{1, 2, 3};

// A source whose pixels are keyed in a pattern that differs from row to row, so that every
// pixel position of a group of sixteen is keyed in some row and not in another.
TRGBPicture KeyedSource(int width, int height) {
    TRGBPicture source = test::Patterned(width, height);
    source.KeyR = kKey.r;
    source.KeyG = kKey.g;
    source.KeyB = kKey.b;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = source.Row(y) + 3 * x;
            if ((x * 5 + y * 3) % (y % 4 + 2) == 0 || y == 0) {
                p[0] = kKey.b;
                p[1] = kKey.g;
                p[2] = kKey.r;
            } else if ((x + y) % 3 == 0) {
                // Two of the key's three bytes: opaque. Which byte differs changes along the row.
                p[0] = kKey.b;
                p[1] = kKey.g;
                p[2] = kKey.r;
                p[x % 3] = 200;
            }
        }
    // The last row: key pixels only late in each group of sixteen, among pixels that share
    // no byte with the key, so a test that looks at part of a group misses them.
    for (int x = 0; x < width; ++x) {
        std::uint8_t* p = source.Row(height - 1) + 3 * x;
        const bool key = x % 16 == 13;
        p[0] = key ? kKey.b : 50;
        p[1] = key ? kKey.g : 100;
        p[2] = key ? kKey.r : 200;
    }
    return source;
}

TEST(KeyedDraw, MatchesThePixelModelForEveryRowLength) {
    for (int width = 1; width <= 70; ++width) {
        const TRGBPicture source = KeyedSource(width, 6);
        for (int dx : {-3, 0, 5}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " at " << dx);
            // The target ends two pixels after the drawn span, so a group that writes past
            // the row's last pixel shows.
            const int targetWidth = dx + width + 2;
            if (targetWidth <= 0) continue;
            TRGBPicture target = test::Filled(targetWidth, 8, kBackground);
            DrawPicture(dx, 1, source, dmKey, target);
            for (int y = 0; y < target.Height; ++y)
                for (int x = 0; x < target.Width; ++x) {
                    const int sx = x - dx, sy = y - 1;
                    Rgb expected = kBackground;
                    if (sx >= 0 && sx < width && sy >= 0 && sy < source.Height &&
                        At(source, sx, sy) != kKey)
                        expected = At(source, sx, sy);
                    ASSERT_EQ(At(target, x, y), expected) << "pixel " << x << "," << y;
                }
        }
    }
}

} // namespace
} // namespace harvesta
