// Raster helpers: clipped pixel drawing, the framed panel, gradients on the software device
// context, the rounded clip, and the cursor offset.

#include "TestPictures.h"

#include "imaging/SetupFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace harvesta {
namespace {

using test::At;
using test::Rgb;

constexpr Rgb kBackground{9, 8, 7};
constexpr Rgb kOutline{155, 15, 255};

int CountChanged(const TRGBPicture& p) {
    int n = 0;
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            n += At(p, x, y) != kBackground;
    return n;
}

TEST(PixelDrawing, SkipsPixelsOutsideTheTarget) {
    TRGBPicture p = test::Filled(6, 4, kBackground);
    SetDrawTarget(p);
    for (auto [x, y] : {std::pair{-1, 0}, {6, 0}, {0, 4}, {0, -1}})
        PutPixel(x, y, 1, 2, 3);
    EXPECT_EQ(CountChanged(p), 0);
    EXPECT_TRUE(test::SpareBytesClear(p));
    PutPixel(5, 3, 1, 2, 3);
    EXPECT_EQ(At(p, 5, 3), (Rgb{1, 2, 3}));
}

TEST(PixelDrawing, LinesTakeTheirEndsInEitherOrder) {
    TRGBPicture a = test::Filled(12, 12, kBackground);
    TRGBPicture b = test::Filled(12, 12, kBackground);
    SetDrawTarget(a);
    HLine(10, 3, 2);
    VLine(1, 9, -4);
    SetDrawTarget(b);
    HLine(3, 10, 2);
    VLine(1, -4, 9);
    EXPECT_EQ(a.Bits, b.Bits);
    EXPECT_EQ(CountChanged(a), 8 + 10);
    EXPECT_EQ(At(a, 3, 2), kOutline); // SetDrawTarget resets the colour
}

TEST(PixelDrawing, FillAreaDoesNotReorderAndClipsToTheTarget) {
    TRGBPicture p = test::Filled(10, 10, kBackground);
    SetDrawTarget(p);
    SetDrawColor(1, 2, 3);
    FillArea(5, 5, 4, 9);
    FillArea(5, 9, 9, 5);
    EXPECT_EQ(CountChanged(p), 0);
    FillArea(-5, 8, 100, 20);
    EXPECT_EQ(CountChanged(p), 20);
    EXPECT_EQ(At(p, 0, 8), (Rgb{1, 2, 3}));
    EXPECT_EQ(At(p, 9, 9), (Rgb{1, 2, 3}));
    FillArea(-3, -3, 1, 1);
    EXPECT_EQ(CountChanged(p), 24);
    EXPECT_EQ(At(p, 1, 1), (Rgb{1, 2, 3}));
    FillArea(3, 4, 3, 4); // a single pixel
    EXPECT_EQ(CountChanged(p), 25);
    EXPECT_EQ(At(p, 3, 4), (Rgb{1, 2, 3}));
    EXPECT_TRUE(test::SpareBytesClear(p));
}

// Each pixel as a letter: O the outline colour, L light, D dark, I inside, . untouched.
std::vector<std::string> Letters(const TRGBPicture& p, Rgb light, Rgb dark, Rgb inside) {
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height; ++y) {
        std::string row;
        for (int x = 0; x < p.Width; ++x) {
            const Rgb c = At(p, x, y);
            row += c == kBackground ? '.'
                   : c == kOutline  ? 'O'
                   : c == light     ? 'L'
                   : c == dark      ? 'D'
                   : c == inside    ? 'I'
                                    : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(DrawPanel, FramesItsRectangleWhereverItLies) {
    // Three rows and two columns of room on every side: nothing may be drawn there.
    TRGBPicture p = test::Filled(13, 13, kBackground);
    SetPanelTheme(1);
    SetDrawTarget(p);
    DrawPanel(10, 9, 2, 3); // corners in either order
    const std::vector<std::string> expected = {
        ".............", //
        ".............", //
        ".............", //
        "..OOOOOOOOO..", //
        "..OLLLLLLDO..", // the dark sides cover the corners where they meet the light ones
        "..OLIIIIIDO..", //
        "..OLIIIIIDO..", //
        "..OLIIIIIDO..", //
        "..ODDDDDDDO..", //
        "..OOOOOOOOO..", //
        ".............", //
        ".............", //
        ".............", //
    };
    EXPECT_EQ(Letters(p, {154, 222, 243}, {89, 89, 89}, {122, 211, 239}), expected);
    EXPECT_TRUE(test::SpareBytesClear(p));

    // A panel wider than tall, with room below it: the room stays untouched.
    TRGBPicture wide = test::Filled(13, 13, kBackground);
    SetDrawTarget(wide);
    DrawPanel(0, 0, 12, 4);
    for (int y = 5; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(At(wide, x, y), kBackground) << x << "," << y;
}

struct PanelColours {
    int theme;
    Rgb light, dark, inside;
};

TEST(DrawPanel, ThemesColourTheEdgesAndInside) {
    const PanelColours themes[] = {
        {2, {241, 239, 226}, {89, 89, 89}, {241, 239, 226}},
        {1, {154, 222, 243}, {89, 89, 89}, {122, 211, 239}},
        {0, kOutline, {89, 89, 89}, {89, 89, 89}}, // no theme: edges keep the outline colour
    };
    for (const PanelColours& t : themes) {
        SCOPED_TRACE(t.theme);
        const int w = 20, h = 10;
        TRGBPicture p = test::Filled(w, h, kBackground);
        SetPanelTheme(t.theme);
        SetDrawTarget(p);
        DrawPanel(w - 1, h - 1, 0, 0); // corners in either order
        EXPECT_EQ(At(p, 0, 0), kOutline);
        EXPECT_EQ(At(p, w - 1, h - 1), kOutline);
        EXPECT_EQ(At(p, 1, 1), t.light);
        EXPECT_EQ(At(p, w - 2, 1), t.dark);
        EXPECT_EQ(At(p, 1, h - 2), t.dark);
        EXPECT_EQ(At(p, 2, 2), t.inside);
        EXPECT_EQ(At(p, w / 2, h / 2), t.inside);
        EXPECT_EQ(At(p, w - 3, h - 3), t.inside);
    }
    SetPanelTheme(1);
}

// ---- Gradients

constexpr ColorRef kFirst = MakeColorRef(200, 0, 40);
constexpr ColorRef kSecond = MakeColorRef(0, 100, 250);
constexpr Rgb kFirstRgb{200, 0, 40}, kSecondRgb{0, 100, 250}, kMiddle{100, 50, 145};

::testing::AssertionResult Near(Rgb actual, Rgb expected, int tolerance = 3) {
    const auto off = [&](int a, int b) { return std::abs(a - b) > tolerance; };
    if (off(actual.r, expected.r) || off(actual.g, expected.g) || off(actual.b, expected.b))
        return ::testing::AssertionFailure()
               << "(" << int(actual.r) << "," << int(actual.g) << "," << int(actual.b)
               << ") is not near (" << int(expected.r) << "," << int(expected.g) << ","
               << int(expected.b) << ")";
    return ::testing::AssertionSuccess();
}

// The rectangle (10, 5) to (110, 55) on a 120 x 60 picture; returns the picture.
TRGBPicture Gradient(int angle, bool* result = nullptr) {
    TRGBPicture p = test::Filled(120, 60, kBackground);
    TDeviceContext dc(p);
    const bool ok = GradientRect(dc, 10, 5, 110, 55, kFirst, kSecond, angle);
    if (result) *result = ok;
    return p;
}

TEST(GradientRect, CornerColoursAtEachAngle) {
    struct Corners {
        int angle;
        Rgb topLeft, topRight, bottomLeft, bottomRight;
    };
    const Corners cases[] = {
        {0, kFirstRgb, kSecondRgb, kFirstRgb, kSecondRgb},
        {90, kFirstRgb, kFirstRgb, kSecondRgb, kSecondRgb},
        {45, kFirstRgb, kMiddle, kMiddle, kSecondRgb},
        {135, kMiddle, kFirstRgb, kSecondRgb, kMiddle},
    };
    for (const Corners& c : cases) {
        SCOPED_TRACE(c.angle);
        bool ok = false;
        const TRGBPicture p = Gradient(c.angle, &ok);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(Near(At(p, 10, 5), c.topLeft));
        EXPECT_TRUE(Near(At(p, 109, 5), c.topRight));
        EXPECT_TRUE(Near(At(p, 10, 54), c.bottomLeft));
        EXPECT_TRUE(Near(At(p, 109, 54), c.bottomRight));
        // Right and bottom edges are excluded, as is everything outside.
        EXPECT_EQ(CountChanged(p), 100 * 50);
        EXPECT_EQ(At(p, 110, 20), kBackground);
        EXPECT_EQ(At(p, 50, 55), kBackground);
    }
}

TEST(GradientRect, HalfTurnsDrawTheSameAndOtherAnglesNothing) {
    EXPECT_EQ(Gradient(180).Bits, Gradient(0).Bits);
    EXPECT_EQ(Gradient(225).Bits, Gradient(45).Bits);
    EXPECT_EQ(Gradient(315).Bits, Gradient(135).Bits);
    EXPECT_EQ(Gradient(-180).Bits, Gradient(0).Bits);
    for (int angle : {30, -45, 91, 1000}) {
        bool ok = true;
        const TRGBPicture p = Gradient(angle, &ok);
        EXPECT_FALSE(ok) << angle;
        EXPECT_EQ(CountChanged(p), 0) << angle;
    }
}

TEST(GradientRect, InterpolatesLinearlyAlongTheRun) {
    const TRGBPicture p = Gradient(0);
    for (int x = 11; x < 110; ++x) {
        EXPECT_LE(At(p, x - 1, 30).r - At(p, x, 30).r, 3);
        EXPECT_GE(At(p, x - 1, 30).r, At(p, x, 30).r);
    }
    EXPECT_TRUE(Near(At(p, 60, 30), kMiddle));
}

TEST(GradientRect, ColoursAreTakenAtPixelCentres) {
    // From black to white over two pixels: a quarter and three quarters of the way.
    const ColorRef black = MakeColorRef(0, 0, 0), white = MakeColorRef(255, 255, 255);
    const auto grey = [](std::uint8_t v) { return Rgb{v, v, v}; };
    TRGBPicture p = test::Filled(4, 4, kBackground);
    TDeviceContext dc(p);
    GradientRect(dc, 1, 1, 3, 2, black, white, 0); // two pixels side by side
    EXPECT_EQ(At(p, 1, 1), grey(63));
    EXPECT_EQ(At(p, 2, 1), grey(191));
    p = test::Filled(4, 4, kBackground);
    GradientRect(dc, 1, 1, 3, 2, white, black, 0); // and back
    EXPECT_EQ(At(p, 1, 1), grey(191));
    EXPECT_EQ(At(p, 2, 1), grey(63));
    p = test::Filled(4, 4, kBackground);
    GradientRect(dc, 1, 1, 2, 3, black, white, 90); // two pixels one above the other
    EXPECT_EQ(At(p, 1, 1), grey(63));
    EXPECT_EQ(At(p, 1, 2), grey(191));
    p = test::Filled(4, 4, kBackground);
    GradientRect(dc, 1, 1, 2, 3, white, black, 90);
    EXPECT_EQ(At(p, 1, 1), grey(191));
    EXPECT_EQ(At(p, 1, 2), grey(63));
    // Two by two on the diagonals: the far corners take the middle grey.
    p = test::Filled(4, 4, kBackground);
    GradientRect(dc, 1, 1, 3, 3, black, white, 45);
    EXPECT_EQ(At(p, 1, 1), grey(63));
    EXPECT_EQ(At(p, 2, 2), grey(191));
    EXPECT_EQ(At(p, 2, 1), grey(127));
    EXPECT_EQ(At(p, 1, 2), grey(127));
    p = test::Filled(4, 4, kBackground);
    GradientRect(dc, 1, 1, 3, 3, black, white, 135);
    EXPECT_EQ(At(p, 2, 1), grey(63));
    EXPECT_EQ(At(p, 1, 2), grey(191));
    EXPECT_EQ(At(p, 1, 1), grey(127));
    EXPECT_EQ(At(p, 2, 2), grey(127));
    EXPECT_EQ(CountChanged(p), 4);
}

TEST(GradientRect, ADiagonalSquareIsTheSameOnBothSidesOfItsDiagonal) {
    // Colour1 at the top left, colour2 at the bottom right, the middle colour at the two other
    // corners: the two triangles mirror each other.
    for (int angle : {45, 135}) {
        TRGBPicture p = test::Filled(40, 40, kBackground);
        TDeviceContext dc(p);
        GradientRect(dc, 0, 0, 40, 40, MakeColorRef(0, 0, 0), MakeColorRef(255, 255, 255), angle);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const Rgb mirrored = angle == 45 ? At(p, y, x) : At(p, 39 - y, 39 - x);
                ASSERT_EQ(At(p, x, y), mirrored) << angle << ": " << x << "," << y;
            }
    }
}

TEST(GradientRect, FollowsTheViewportOriginAndClipsAtTheTargetEdge) {
    TRGBPicture p = test::Filled(20, 20, kBackground);
    TDeviceContext dc(p);
    dc.SetViewportOrigin({5, 5});
    EXPECT_EQ(dc.LPtoDP({1, 2}), (DevicePoint{6, 7}));
    EXPECT_TRUE(GradientRect(dc, -100, -100, 100, 100, kFirst, kSecond, 45));
    EXPECT_EQ(CountChanged(p), 400);
}

TEST(RoundGradientRect, CornersStayUntouchedAndTheInnerPanelRunsTheOtherWay) {
    TRGBPicture p = test::Filled(50, 40, kBackground);
    TDeviceContext dc(p);
    RoundGradientRect(dc, 0, 0, 40, 30, 10, 5, kFirst, kSecond);
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 29}, {39, 29}, {40, 15}, {20, 30}})
        EXPECT_EQ(At(p, x, y), kBackground) << x << "," << y;
    for (auto [x, y] : {std::pair{20, 0}, {0, 15}, {39, 15}, {20, 29}, {5, 1}})
        EXPECT_NE(At(p, x, y), kBackground) << x << "," << y;
    // Outer ring: first colour at the top left; inner panel: second colour at its top left.
    EXPECT_TRUE(Near(At(p, 3, 3), kFirstRgb, 25));
    EXPECT_TRUE(Near(At(p, 7, 7), kSecondRgb, 45));
    EXPECT_TRUE(Near(At(p, 32, 22), kFirstRgb, 45));

    // The context stays clipped to the inner rounded rectangle until the caller resets it.
    TRGBPicture q = test::Filled(50, 40, kBackground);
    TDeviceContext dq(q);
    RoundGradientRect(dq, 0, 0, 40, 30, 10, 5, kFirst, kSecond);
    TRGBPicture blank = test::Filled(50, 40, kBackground);
    q = blank;
    GradientRect(dq, 0, 0, 50, 40, kFirst, kFirst, 0);
    EXPECT_EQ(At(q, 20, 15), kFirstRgb);
    EXPECT_EQ(At(q, 5, 5), kBackground); // inner corners are rounded off
    EXPECT_EQ(At(q, 5, 24), kBackground);
    EXPECT_EQ(At(q, 34, 24), kBackground);
    EXPECT_EQ(At(q, 20, 2), kBackground); // outer ring lies outside the clip
    EXPECT_EQ(At(q, 2, 15), kBackground); // on every row, not only the rounded ones
    dq.ResetClip();
    GradientRect(dq, 0, 0, 50, 40, kFirst, kFirst, 0);
    EXPECT_EQ(At(q, 0, 0), kFirstRgb);
}

TEST(RoundGradientRect, AViewportOriginMovesTheWholePanelClipIncluded) {
    TRGBPicture plain = test::Filled(70, 50, kBackground);
    TDeviceContext at0(plain);
    RoundGradientRect(at0, 0, 0, 40, 30, 10, 5, kFirst, kSecond);
    TRGBPicture moved = test::Filled(70, 50, kBackground);
    TDeviceContext at10(moved);
    at10.SetViewportOrigin({10, 5});
    RoundGradientRect(at10, 0, 0, 40, 30, 10, 5, kFirst, kSecond);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 70; ++x) {
            const Rgb expected = x >= 10 && y >= 5 ? At(plain, x - 10, y - 5) : kBackground;
            ASSERT_EQ(At(moved, x, y), expected) << x << "," << y;
        }
    // Drawn at (10, 5) without an origin, it is the same panel.
    TRGBPicture placed = test::Filled(70, 50, kBackground);
    TDeviceContext direct(placed);
    RoundGradientRect(direct, 10, 5, 50, 35, 10, 5, kFirst, kSecond);
    EXPECT_TRUE(placed.Bits == moved.Bits);
}

// The pixels that drawing through the context reaches, as # on a picture of that size. The
// rectangle and the triangles of a gradient must reach the same ones.
std::vector<std::string> ClipShape(TDeviceContext& dc, int angle = 0) {
    TRGBPicture& p = dc.Target();
    p = test::Filled(p.Width, p.Height, kBackground);
    GradientRect(dc, 0, 0, p.Width, p.Height, kFirst, kFirst, angle);
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height; ++y) {
        std::string row;
        for (int x = 0; x < p.Width; ++x)
            row += At(p, x, y) == kBackground ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

TEST(RoundClip, CutsEveryCornerByTheEllipseWhicheverWayTheCornersAreGiven) {
    TRGBPicture p = test::Filled(16, 12, kBackground);
    TDeviceContext dc(p);
    // Columns 1..13 and rows 1..10, corners cut by an ellipse 10 by 10.
    const std::vector<std::string> expected = {
        "................", //
        "....#######.....", //
        "..###########...", //
        "..###########...", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        "..###########...", //
        "..###########...", //
        "....#######.....", //
        "................", //
    };
    dc.SelectRoundRectClip({1, 1}, {14, 11}, 10, 10);
    EXPECT_EQ(ClipShape(dc), expected);
    EXPECT_EQ(ClipShape(dc, 45), expected);
    dc.SelectRoundRectClip({14, 11}, {1, 1}, -10, 10);
    EXPECT_EQ(ClipShape(dc), expected);
    dc.ResetClip();
    EXPECT_EQ(ClipShape(dc), std::vector<std::string>(12, std::string(16, '#')));

    // A thin or flat ellipse cuts a pixel off each corner and keeps the rest of the top and
    // bottom rows.
    dc.SelectRoundRectClip({1, 1}, {14, 11}, 2, 10);
    const std::vector<std::string> thin = {
        "................", //
        "..###########...", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        ".#############..", //
        "..###########...", //
        "................", //
    };
    EXPECT_EQ(ClipShape(dc), thin);
    dc.SelectRoundRectClip({1, 1}, {14, 11}, 10, 2); // and a flat one the same
    EXPECT_EQ(ClipShape(dc), thin);
}

TEST(RoundClip, ASquareWithACircleForCornersIsRoundBothWays) {
    // Rows and columns swapped give the same shape when every corner is a quarter circle.
    TRGBPicture p = test::Filled(44, 44, kBackground);
    TDeviceContext dc(p);
    for (int size : {40, 24, 9}) {
        dc.SelectRoundRectClip({2, 2}, {42, 42}, size, size);
        const auto shape = ClipShape(dc);
        for (int y = 0; y < 44; ++y)
            for (int x = 0; x < 44; ++x)
                ASSERT_EQ(shape[std::size_t(y)][std::size_t(x)],
                          shape[std::size_t(x)][std::size_t(y)])
                    << size << ": " << x << "," << y;
    }
}

TEST(RoundClip, ARegionPartlyOutsideTheTargetClipsAsInALargerTarget) {
    TRGBPicture large = test::Filled(40, 40, kBackground);
    TDeviceContext inLarge(large);
    inLarge.SelectRoundRectClip({6, 7}, {22, 25}, 12, 8);
    const auto whole = ClipShape(inLarge);
    TRGBPicture small = test::Filled(16, 12, kBackground);
    TDeviceContext inSmall(small);
    inSmall.SelectRoundRectClip({-4, -3}, {12, 15}, 12, 8);
    const auto cut = ClipShape(inSmall);
    for (int y = 0; y < 12; ++y)
        EXPECT_EQ(cut[std::size_t(y)], whole[std::size_t(y + 10)].substr(10, 16)) << y;

    // Only the last row of the target lies in the region.
    inSmall.SelectRoundRectClip({2, 11}, {9, 30}, 0, 0);
    EXPECT_EQ(ClipShape(inSmall).back(), "..#######.......");
    EXPECT_EQ(ClipShape(inSmall).front(), std::string(16, '.'));
}

// The span of a row as the borderless windows read it to build their shape: whole rows of the
// target, the clip's spans inside it, and nothing, whatever the caller held, above or below.
TEST(RoundClip, VisibleSpanOfEveryRowAndOfRowsPastTheTarget) {
    TRGBPicture p = test::Filled(16, 12, kBackground);
    TDeviceContext dc(p);
    const auto span = [&](int y) {
        std::int32_t from = 77, to = 99;
        dc.VisibleSpan(y, from, to);
        return std::pair{from, to};
    };
    EXPECT_EQ(span(0), (std::pair{0, 16}));
    EXPECT_EQ(span(11), (std::pair{0, 16}));
    dc.SelectRoundRectClip({1, 1}, {14, 11}, 10, 10);
    EXPECT_EQ(span(1), (std::pair{4, 11}));
    EXPECT_EQ(span(5), (std::pair{1, 14}));
    EXPECT_EQ(span(0).second, 0); // above the clip: nothing
    for (const int outside : {-1, 12, -40, 40}) {
        EXPECT_EQ(span(outside), (std::pair{0, 0})) << outside;
        dc.ResetClip();
        EXPECT_EQ(span(outside), (std::pair{0, 0})) << outside << " without a clip";
        dc.SelectRoundRectClip({1, 1}, {14, 11}, 10, 10);
    }
}

TEST(RoundClip, SmallEllipsesGiveAPlainRectangle) {
    TRGBPicture p = test::Filled(10, 10, kBackground);
    TDeviceContext dc(p);
    dc.SelectRoundRectClip({8, 8}, {2, 2}, 1, 40);
    GradientRect(dc, 0, 0, 10, 10, kFirst, kFirst, 90);
    EXPECT_EQ(CountChanged(p), 36);
    EXPECT_EQ(At(p, 2, 2), kFirstRgb);
}

TEST(CursorOffset, IsTheCursorRelativeToTheGivenCorner) {
    platform::ScopedCursorProvider cursor([] { return platform::ScreenPoint{500, 300}; });
    std::int32_t x = 0, y = 0;
    CursorOffset(x, y, 450, 320);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, -20);
}

} // namespace
} // namespace harvesta
