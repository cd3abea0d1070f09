// The screen transfer's conversion to 32-bit words: every row length around the sixteen
// pixels converted at once, rectangles anywhere in the picture, rows a stride apart.

#include "TestPictures.h"

#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <vector>

namespace harvesta {
namespace {

TEST(CopyToWords, GivesOpaqueWordsOfTheRectangleAndTouchesNothingElse) {
    const TRGBPicture picture = test::Patterned(60, 5);
    constexpr std::uint32_t kUntouched = 0x12345678;
    for (int width = 0; width <= 40; ++width)
        for (int x : {0, 1, 60 - width}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " at " << x);
            const std::size_t stride = std::size_t(width) + 5;
            std::vector<std::uint32_t> words(stride * 3 + 1, kUntouched);
            CopyToWords(picture, x, 2, width, 3, words.data(), stride);
            for (int y = 0; y < 3; ++y)
                for (std::size_t i = 0; i < stride; ++i) {
                    const std::uint32_t got = words[std::size_t(y) * stride + i];
                    if (i >= std::size_t(width)) {
                        ASSERT_EQ(got, kUntouched) << "past row " << y;
                        continue;
                    }
                    const test::Rgb c = test::At(picture, x + int(i), 2 + y);
                    ASSERT_EQ(got, 0xFF000000u | std::uint32_t(c.r) << 16 |
                                       std::uint32_t(c.g) << 8 | c.b)
                        << "pixel " << i << " of row " << y;
                }
            EXPECT_EQ(words.back(), kUntouched);
        }
}

} // namespace
} // namespace harvesta
