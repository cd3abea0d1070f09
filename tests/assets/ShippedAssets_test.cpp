// The check of the committed blocks in assets/data: what the game's picture catalogue fixes
// (names, sizes, header fields, pixel offsets) and the content rules the pictures' users
// rely on (white corners, white surroundings, magenta backgrounds, key colours), that no two
// fruits look alike on the smallest board even in grey, plus the manual page. It also makes
// sure the built-in table carries exactly these bytes.

#include "assets/BuiltInBlocks.h"
#include "assets/ResourceStore.h"
#include "imaging/ImageLib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace harvesta {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kAqua{5, 255, 240};
constexpr Rgb kOlive{143, 143, 53};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << '(' << c.r << ',' << c.g << ',' << c.b << ')';
}

int distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// A bitmap block, read the way every reader must: from the offset field, rows bottom-up.
struct Picture {
    Bytes bytes;
    int width = 0;
    int height = 0;

    std::size_t rowBytes() const { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }
    // x, y from the top-left corner, as the picture is seen.
    Rgb at(int x, int y) const {
        const std::size_t p = u32(bytes, 10) + (height - 1 - y) * rowBytes() + 3 * x;
        return {bytes[p + 2], bytes[p + 1], bytes[p]};
    }
    Rgb topLeft() const { return at(0, 0); }
};

struct CatalogueEntry {
    const char* name;
    int width;
    int height;
    int offset;
};

// The picture catalogue, and the two pictures of the window layouts.
constexpr CatalogueEntry kPictures[] = {
    {"APPLE", 52, 52, 54},          {"WATERMELON", 52, 52, 64}, {"LEMON", 52, 52, 64},
    {"CHERRY", 52, 52, 64},         {"ORANGE", 52, 52, 54},     {"PEACH", 52, 52, 54},
    {"PEAR", 52, 52, 64},           {"PINEAPPLE", 52, 52, 64},  {"PUMPKIN", 52, 52, 64},
    {"TOMATO", 52, 52, 64},         {"PAUSE", 250, 79, 54},     {"GAMEOVER", 350, 79, 54},
    {"SCORESSCREEN", 302, 301, 54}, {"ICONMAIN", 32, 32, 54},   {"STOP", 24, 24, 54},
    {"STOP_GRAY", 24, 24, 54},      {"LOGO", 325, 247, 54},     {"OKGLYPH", 81, 76, 54}};
constexpr const char* kFruits[] = {"APPLE", "WATERMELON", "LEMON",     "CHERRY",  "ORANGE",
                                   "PEACH", "PEAR",       "PINEAPPLE", "PUMPKIN", "TOMATO"};

const fs::path kDataDir = HARVESTA_ASSET_DATA_DIR;

fs::path fileOf(const std::string& name) {
    for (const auto& entry : fs::directory_iterator(kDataDir)) {
        std::string stem = entry.path().stem().string();
        std::transform(stem.begin(), stem.end(), stem.begin(), ::toupper);
        if (stem == name) return entry.path();
    }
    return {};
}

Picture load(const std::string& name) {
    Picture p;
    p.bytes = readFile(fileOf(name));
    if (p.bytes.size() >= 54) {
        p.width = static_cast<int>(u32(p.bytes, 18));
        p.height = static_cast<int>(u32(p.bytes, 22));
    }
    return p;
}

// ---- The files and the table ---------------------------------------------------------------

TEST(ShippedAssets, TheTableHoldsExactlyTheCommittedFiles) {
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(kDataDir)) {
        if (entry.path().extension() == ".md") continue;
        std::string stem = entry.path().stem().string();
        std::transform(stem.begin(), stem.end(), stem.begin(), ::toupper);
        files.insert(stem);
        const Bytes bytes = readFile(entry.path());
        const auto block = FindResourceBlock(stem);
        EXPECT_TRUE(std::ranges::equal(bytes, block)) << stem << " differs from its file";
    }
    std::set<std::string> table;
    for (const auto& block : detail::BuiltInBlocks()) {
        EXPECT_TRUE(table.insert(block.name).second) << block.name << " twice";
        EXPECT_EQ(std::string(block.name), [&] {
            std::string up = block.name;
            std::transform(up.begin(), up.end(), up.begin(), ::toupper);
            return up;
        }()) << "names are stored upper case";
    }
    EXPECT_EQ(files, table);
    for (const auto& entry : kPictures)
        EXPECT_TRUE(files.contains(entry.name)) << entry.name;
    EXPECT_TRUE(files.contains("HELP_FILE"));
}

// ---- Headers -------------------------------------------------------------------------------

TEST(ShippedAssets, EveryPictureHasTheHeaderOfTheCatalogue) {
    for (const auto& entry : kPictures) {
        SCOPED_TRACE(entry.name);
        const Picture p = load(entry.name);
        const Bytes& b = p.bytes;
        ASSERT_GE(b.size(), 64u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(u16(b, 6), 0);
        EXPECT_EQ(u16(b, 8), 0);
        EXPECT_EQ(u32(b, 10), static_cast<std::uint32_t>(entry.offset));
        EXPECT_EQ(u32(b, 14), 40u);
        EXPECT_EQ(p.width, entry.width);
        EXPECT_EQ(p.height, entry.height) << "positive: rows stored bottom-up";
        EXPECT_EQ(u16(b, 26), 1);
        EXPECT_EQ(u16(b, 28), 24);
        EXPECT_EQ(u32(b, 30), 0u);
        const std::size_t pixelBytes = p.rowBytes() * static_cast<std::size_t>(p.height);
        EXPECT_EQ(b.size(), entry.offset + pixelBytes);
        if (entry.offset == 64) {
            EXPECT_EQ(u32(b, 34), 0u);
            EXPECT_TRUE(std::all_of(b.begin() + 54, b.begin() + 64, [](auto x) { return x == 0; }))
                << "ten zero bytes between the info header and the pixels";
        } else {
            EXPECT_TRUE(u32(b, 34) == pixelBytes || u32(b, 34) == 0);
        }
        const std::uint32_t resolution = u32(b, 38);
        EXPECT_TRUE(resolution == 0 || resolution == 2834 || resolution == 2851) << resolution;
        EXPECT_EQ(u32(b, 42), resolution);
        EXPECT_EQ(u32(b, 46), 0u);
        EXPECT_EQ(u32(b, 50), 0u);
        // Row padding is zero bytes.
        for (int y = 0; y < p.height; ++y)
            for (std::size_t i = static_cast<std::size_t>(p.width) * 3; i < p.rowBytes(); ++i)
                ASSERT_EQ(b[entry.offset + y * p.rowBytes() + i], 0) << "row " << y;
    }
}

// ---- Fruit tiles and the icon --------------------------------------------------------------

bool isTileCornerPixel(int x, int y, int size) {
    const int cx = std::min(x, size - 1 - x);
    const int cy = std::min(y, size - 1 - y);
    return cx + cy <= 1;
}

void expectTileRules(const Picture& p) {
    const int n = p.width;
    int white = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool corner = isTileCornerPixel(x, y, n);
            const bool isWhite = p.at(x, y) == kWhite;
            EXPECT_EQ(isWhite, corner) << "pixel " << x << "," << y << " " << p.at(x, y);
            white += isWhite;
        }
    EXPECT_EQ(white, 12) << "three white pixels in each corner";
    // Inside the corners, the rim of the tile is yellow all round.
    for (int i = 3; i < n - 3; ++i)
        for (Rgb c :
             {p.at(i, 0), p.at(i, n - 1), p.at(0, i), p.at(n - 1, i), p.at(i, 1), p.at(1, i)}) {
            EXPECT_TRUE(c.r >= 180 && c.g >= 120 && c.r >= c.g && c.g >= c.b + 30)
                << "not yellow: " << c;
        }
    EXPECT_EQ(p.topLeft(), kWhite) << "the image list's key colour";
}

TEST(ShippedAssets, FruitTilesAreYellowTilesWithThreeWhitePixelsInEachCorner) {
    for (const char* name : kFruits) {
        SCOPED_TRACE(name);
        expectTileRules(load(name));
    }
}

TEST(ShippedAssets, TheIconIsTheWatermelonTileAtThirtyTwoPixels) {
    const Picture icon = load("ICONMAIN");
    ASSERT_EQ(icon.width, 32);
    expectTileRules(icon);
    // The watermelon shows: red flesh and green rind.
    int red = 0, green = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Rgb c = icon.at(x, y);
            red += c.r > 180 && c.g < 110 && c.b < 130;
            green += c.g > c.r + 40 && c.g > c.b + 40;
        }
    EXPECT_GT(red, 60);
    EXPECT_GT(green, 40);
}

TEST(ShippedAssets, NoTwoFruitTilesLookAlike) {
    for (std::size_t i = 0; i < std::size(kFruits); ++i)
        for (std::size_t j = i + 1; j < std::size(kFruits); ++j) {
            const Picture a = load(kFruits[i]);
            const Picture b = load(kFruits[j]);
            int differing = 0;
            for (int y = 0; y < 52; ++y)
                for (int x = 0; x < 52; ++x)
                    differing += distance(a.at(x, y), b.at(x, y)) > 40;
            EXPECT_GT(differing, 400) << kFruits[i] << " and " << kFruits[j];
        }
}

// ---- Telling the fruits apart at a glance ----------------------------------------------------

// A fruit tile as the board shows it at its smallest scale (1.4: 37 x 37 pixels, scaled by the
// game's own image list), as grey levels: what a child who cannot tell red from green, or a
// glance at a small tile, has to go on.
using GreyTile = std::vector<double>;
constexpr double kSmallestScale = 1.4;

GreyTile greyTileAtSmallestScale(const char* name, int& side) {
    TRGBPicture picture;
    EXPECT_TRUE(LoadPicture(picture, name, kSmallestScale)) << name;
    side = picture.Width;
    GreyTile grey(static_cast<std::size_t>(picture.Width) * picture.Height);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint8_t* bgr = picture.Row(y) + 3 * x;
            grey[y * side + x] = (114 * bgr[0] + 587 * bgr[1] + 299 * bgr[2]) / 1000.0;
        }
    return grey;
}

// The outlines and markings of a picture: the size of the grey gradient (Sobel) per pixel.
GreyTile edgesOf(const GreyTile& grey, int side) {
    auto at = [&](int x, int y) {
        return grey[std::clamp(y, 0, side - 1) * side + std::clamp(x, 0, side - 1)];
    };
    GreyTile edges(grey.size());
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double gx = at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) -
                              at(x - 1, y - 1) - 2 * at(x - 1, y) - at(x - 1, y + 1);
            const double gy = at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) -
                              at(x - 1, y - 1) - 2 * at(x, y - 1) - at(x + 1, y - 1);
            edges[y * side + x] = std::hypot(gx, gy) / 4;
        }
    return edges;
}

// How far apart two tiles look: the mean difference per pixel over the tile's inside (its
// rim is the same on every tile), with the two fruits laid over each other as well as they
// go within two pixels, because a fruit drawn a pixel further left is still the same fruit.
double apart(const GreyTile& a, const GreyTile& b, int side) {
    constexpr int kRim = 4, kSlide = 2;
    double best = 1e9;
    for (int dy = -kSlide; dy <= kSlide; ++dy)
        for (int dx = -kSlide; dx <= kSlide; ++dx) {
            double sum = 0;
            int n = 0;
            for (int y = kRim; y < side - kRim; ++y)
                for (int x = kRim; x < side - kRim; ++x, ++n)
                    sum += std::abs(a[y * side + x] - b[(y + dy) * side + x + dx]);
            best = std::min(best, sum / n);
        }
    return best;
}

TEST(ShippedAssets, EveryTwoFruitsDifferInToneAndInShapeAtTheSmallestScaleInGrey) {
    struct Pair {
        std::string names;
        double tone, shape;
    };
    std::vector<GreyTile> grey, edges;
    int side = 0;
    for (const char* name : kFruits) {
        grey.push_back(greyTileAtSmallestScale(name, side));
        ASSERT_EQ(side, 37);
        edges.push_back(edgesOf(grey.back(), side));
    }
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i < std::size(kFruits); ++i)
        for (std::size_t j = i + 1; j < std::size(kFruits); ++j)
            pairs.push_back({std::string(kFruits[i]) + "-" + kFruits[j],
                             apart(grey[i], grey[j], side), apart(edges[i], edges[j], side)});
    // Tone: light against dark, where the fruit's parts lie. Shape: outline, stalk, leaves,
    // crease, peel, as edges. Held at the level the artwork reaches, so that a later drawing
    // cannot make two fruits alike again (apple and tomato, orange and peach once were).
    constexpr double kLeastToneApart = 36;
    constexpr double kLeastShapeApart = 32;
    for (const Pair& pair : pairs) {
        EXPECT_GE(pair.tone, kLeastToneApart) << pair.names << ": alike in grey";
        EXPECT_GE(pair.shape, kLeastShapeApart) << pair.names << ": alike in outline and markings";
    }
    // The closest pairs, for whoever redraws a fruit.
    for (const auto key : {&Pair::tone, &Pair::shape}) {
        std::ranges::sort(pairs, {}, key);
        std::cout << (key == &Pair::tone ? "closest in tone: " : "closest in shape:");
        for (std::size_t i = 0; i < 5; ++i)
            std::cout << ' ' << pairs[i].names << ' ' << std::fixed << std::setprecision(1)
                      << pairs[i].*key;
        std::cout << '\n';
    }
}

// ---- Framed gradient panels ----------------------------------------------------------------

// The colour GradientFill gives at the centre of pixel (x, y) of a rectangle drawn as two
// triangles from c1 at the top left to c2 at the bottom right, as the raster helpers draw it.
Rgb gradientAt(double left, double top, double width, double height, int x, int y, Rgb c1, Rgb c2) {
    const double u = std::clamp((x + 0.5 - left) / width, 0.0, 1.0);
    const double v = std::clamp((y + 0.5 - top) / height, 0.0, 1.0);
    const Rgb mid{(c1.r + c2.r) >> 1, (c1.g + c2.g) >> 1, (c1.b + c2.b) >> 1};
    const double wm = std::abs(v - u), w2 = std::min(u, v), w1 = 1 - std::max(u, v);
    auto ch = [&](int a, int b, int m) { return static_cast<int>(a * w1 + b * w2 + m * wm + 0.5); };
    return {ch(c1.r, c2.r, mid.r), ch(c1.g, c2.g, mid.g), ch(c1.b, c2.b, mid.b)};
}

// A panel spanning [left, right) x [top, bottom) of the picture, with a 15 pixel frame.
struct Panel {
    int left, top, right, bottom;
    static constexpr int kFrame = 15;

    Rgb plain(int x, int y) const {
        const int il = left + kFrame, it = top + kFrame, ir = right - kFrame, ib = bottom - kFrame;
        if (x >= il + 3 && x < ir - 3 && y >= it + 3 && y < ib - 3)
            return gradientAt(il, it, ir - il, ib - it, x, y, kOlive, kAqua);
        return gradientAt(left, top, right - left, bottom - top, x, y, kAqua, kOlive);
    }
};

void expectPanelRules(const Picture& p, const Panel& panel) {
    EXPECT_EQ(p.topLeft(), kWhite) << "white is the key colour";
    // White all around the panel.
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (x < panel.left || x >= panel.right || y < panel.top || y >= panel.bottom) {
                ASSERT_EQ(p.at(x, y), kWhite) << "around the panel at " << x << "," << y;
            }
    // Rounded corners: their outermost pixel is white.
    EXPECT_EQ(p.at(panel.left, panel.top), kWhite);
    EXPECT_EQ(p.at(panel.right - 1, panel.top), kWhite);
    EXPECT_EQ(p.at(panel.left, panel.bottom - 1), kWhite);
    EXPECT_EQ(p.at(panel.right - 1, panel.bottom - 1), kWhite);
    // Inside the rounded outline nothing is white, or it would show through.
    const int r = 12;
    for (int y = panel.top; y < panel.bottom; ++y)
        for (int x = panel.left; x < panel.right; ++x) {
            const bool inCross = (x >= panel.left + r && x < panel.right - r) ||
                                 (y >= panel.top + r && y < panel.bottom - r);
            if (inCross) {
                ASSERT_NE(p.at(x, y), kWhite) << "hole at " << x << "," << y;
            }
        }
    // The outer frame runs from aqua at the top left to olive at the bottom right, the inner
    // area the other way.
    const int f = Panel::kFrame;
    const Rgb frameTopLeft = p.at(panel.left + 7, panel.top + 7);
    const Rgb frameBottomRight = p.at(panel.right - 8, panel.bottom - 8);
    const Rgb innerTopLeft = p.at(panel.left + f + 6, panel.top + f + 6);
    const Rgb innerBottomRight = p.at(panel.right - f - 7, panel.bottom - f - 7);
    EXPECT_LT(distance(frameTopLeft, kAqua), distance(frameTopLeft, kOlive)) << frameTopLeft;
    EXPECT_LT(distance(frameBottomRight, kOlive), distance(frameBottomRight, kAqua));
    EXPECT_LT(distance(innerTopLeft, kOlive), distance(innerTopLeft, kAqua)) << innerTopLeft;
    EXPECT_LT(distance(innerBottomRight, kAqua), distance(innerBottomRight, kOlive));
    EXPECT_LE(distance(p.at(panel.left + 5, (panel.top + panel.bottom) / 2),
                       panel.plain(panel.left + 5, (panel.top + panel.bottom) / 2)),
              6);
}

int blackPixels(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            n += std::max({p.at(x, y).r, p.at(x, y).g, p.at(x, y).b}) < 40;
    return n;
}

TEST(ShippedAssets, PauseIsAFramedPanelWithBlackLettersAndAWhiteLeftColumn) {
    const Picture p = load("PAUSE");
    expectPanelRules(p, {1, 0, 250, 79});
    EXPECT_GT(blackPixels(p), 1000);
}

TEST(ShippedAssets, GameOverIsAFramedPanelWithBlackLettersAndAWhiteLeftColumn) {
    const Picture p = load("GAMEOVER");
    expectPanelRules(p, {1, 0, 350, 79});
    EXPECT_GT(blackPixels(p), 1500);
}

// Where the main and best scores windows put Label1..Label10 over the picture, relative to it.
struct Spot {
    int x, y;
};
constexpr Spot kMainWindowLabels[10] = {
    {94 - 15, 44 - 3},   {94 - 15, 88 - 3},  {94 - 15, 141 - 3}, {94 - 15, 194 - 3},
    {94 - 15, 241 - 3},  {224 - 15, 41 - 3}, {224 - 15, 92 - 3}, {224 - 15, 141 - 3},
    {224 - 15, 188 - 3}, {224 - 15, 241 - 3}};
constexpr Spot kScoresWindowLabels[10] = {
    {137 - 58, 97 - 53},  {137 - 58, 141 - 53}, {137 - 58, 194 - 53}, {137 - 58, 247 - 53},
    {137 - 58, 291 - 53}, {267 - 58, 94 - 53},  {267 - 58, 145 - 53}, {267 - 58, 195 - 53},
    {267 - 58, 241 - 53}, {267 - 58, 294 - 53}};

TEST(ShippedAssets, ScoresScreenIsAFramedPanelWithAOnePixelWhiteBorder) {
    expectPanelRules(load("SCORESSCREEN"), {1, 1, 301, 300});
}

// Whether the yield picture has something drawn at (x, y), rather than the plain panel.
auto drawnOnScoresScreen(const Picture& p) {
    return [&p](int x, int y) {
        static const Panel panel{1, 1, 301, 300};
        return distance(p.at(x, y), panel.plain(x, y)) > 24;
    };
}

TEST(ShippedAssets, ScoresScreenShowsAFruitJustLeftOfEveryCountLabelAndKeepsClearOfIt) {
    const Picture p = load("SCORESSCREEN");
    const auto drawn = drawnOnScoresScreen(p);
    for (const Spot* labels : {kMainWindowLabels, kScoresWindowLabels})
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE("Label" + std::to_string(k + 1));
            const Spot s = labels[k];
            // The count's place (up to four digits of 13 px Tahoma, 16 px high) and three
            // pixels around it are clear, so the digits never touch the icon.
            constexpr int kClear = 3;
            for (int y = s.y - kClear; y < s.y + 16 + kClear; ++y)
                for (int x = s.x - kClear; x < s.x + 32; ++x)
                    ASSERT_FALSE(drawn(x, y)) << "drawing near the label at " << x << "," << y;
            // A fruit fills the space just left of it, level with it.
            int fruit = 0, nearest = 1000;
            for (int y = s.y; y < s.y + 16; ++y)
                for (int x = s.x - 44; x < s.x; ++x)
                    if (drawn(x, y)) ++fruit, nearest = std::min(nearest, s.x - x);
            EXPECT_GT(fruit, 250);
            EXPECT_LE(nearest, 10);
        }
}

TEST(ShippedAssets, EveryYieldIconIsARoundPlateWithNothingStickingOut) {
    const Picture p = load("SCORESSCREEN");
    const auto drawn = drawnOnScoresScreen(p);
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("fruit " + std::to_string(k + 1));
        // The icon: everything drawn that touches the place just left of the label.
        const Spot s = kMainWindowLabels[k];
        int seedX = s.x - 1;
        while (seedX > s.x - 20 && !drawn(seedX, s.y + 8))
            --seedX;
        ASSERT_TRUE(drawn(seedX, s.y + 8));
        std::vector<std::pair<int, int>> icon, todo = {{seedX, s.y + 8}};
        std::set<std::pair<int, int>> seen = {todo.front()};
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            icon.push_back({x, y});
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (drawn(x + dx, y + dy) && seen.insert({x + dx, y + dy}).second)
                        todo.push_back({x + dx, y + dy});
        }
        int left = 1000, right = -1, top = 1000, bottom = -1;
        for (const auto& [x, y] : icon) {
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
        // A disc: as wide as it is high, nothing in the corners of its square, and reaching
        // its rim all the way round. A stalk or leaf over the plate's edge breaks one of these.
        EXPECT_NEAR(right - left, bottom - top, 1);
        EXPECT_GE(right - left, 36) << "a plate, not a bare fruit";
        const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
        const double radius = (right - left + 1) / 2.0;
        for (const auto& [x, y] : icon)
            EXPECT_LE(std::hypot(x - cx, y - cy), radius + 0.5)
                << "outside the plate at " << x << "," << y;
        for (int degrees = 0; degrees < 360; degrees += 10) {
            const double a = degrees * std::numbers::pi / 180;
            const int x = static_cast<int>(std::lround(cx + (radius - 1.5) * std::cos(a)));
            const int y = static_cast<int>(std::lround(cy + (radius - 1.5) * std::sin(a)));
            EXPECT_TRUE(seen.contains({x, y})) << "the plate's rim is missing at " << degrees;
        }
    }
}

// ---- Close buttons --------------------------------------------------------------------------

void expectCrossOnMagenta(const Picture& p) {
    EXPECT_EQ(p.topLeft(), kMagenta) << "the image list's key colour";
    EXPECT_EQ(p.at(0, p.height - 1), kMagenta) << "the picture control's see-through colour";
    for (int i = 0; i < 24; ++i)
        for (Rgb c : {p.at(i, 0), p.at(i, 23), p.at(0, i), p.at(23, i)})
            EXPECT_EQ(c, kMagenta);
    // The cross: the middle and the four arms; and no pixel close to magenta, so nothing of
    // the cross disappears and no pink fringe is left when magenta is taken out.
    for (auto [x, y] : {std::pair{12, 12}, {11, 11}, {6, 6}, {17, 6}, {6, 17}, {17, 17}})
        EXPECT_NE(p.at(x, y), kMagenta) << x << "," << y;
    int cross = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const Rgb c = p.at(x, y);
            if (c == kMagenta) continue;
            ++cross;
            EXPECT_GT(distance(c, kMagenta), 60) << x << "," << y << " " << c;
        }
    EXPECT_GT(cross, 120);
    // Magenta only outside the cross: the cross's pixels are one piece with no holes.
    std::array<std::array<bool, 24>, 24> outside{};
    std::vector<std::pair<int, int>> todo = {{0, 0}};
    outside[0][0] = true;
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx > 23 || ny > 23 || outside[ny][nx]) continue;
            if (p.at(nx, ny) != kMagenta) continue;
            outside[ny][nx] = true;
            todo.push_back({nx, ny});
        }
    }
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (p.at(x, y) == kMagenta) {
                EXPECT_TRUE(outside[y][x]) << "magenta inside the cross";
            }
}

TEST(ShippedAssets, StopIsARedOrangeCrossOnMagenta) {
    const Picture p = load("STOP");
    expectCrossOnMagenta(p);
    const Rgb c = p.at(12, 12);
    EXPECT_GT(c.r, 200);
    EXPECT_GT(c.r - c.g, 80) << c;
    EXPECT_GT(c.g - c.b, 10) << c;
}

TEST(ShippedAssets, StopGrayIsTheSameCrossInGrey) {
    const Picture p = load("STOP_GRAY");
    expectCrossOnMagenta(p);
    const Picture red = load("STOP");
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(p.at(x, y) == kMagenta, red.at(x, y) == kMagenta) << "same outline";
            const Rgb c = p.at(x, y);
            if (c != kMagenta) {
                EXPECT_LE(std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}), 12) << c;
            }
        }
}

// ---- Layout pictures ------------------------------------------------------------------------

// Every pixel of the picture's outermost ring has the colour.
void ExpectBorderOf(const Picture& p, Rgb colour) {
    for (int i = 0; i < p.width; ++i) {
        EXPECT_EQ(p.at(i, 0), colour);
        EXPECT_EQ(p.at(i, p.height - 1), colour);
    }
    for (int i = 0; i < p.height; ++i) {
        EXPECT_EQ(p.at(0, i), colour);
        EXPECT_EQ(p.at(p.width - 1, i), colour);
    }
}

TEST(ShippedAssets, TheLogoStandsOnPureWhite) {
    const Picture p = load("LOGO");
    ExpectBorderOf(p, kWhite);
    // A watermelon character: plenty of green, and the face's dark eyes in the middle.
    int green = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const Rgb c = p.at(x, y);
            green += c.g > c.r + 40 && c.g > c.b + 40;
        }
    EXPECT_GT(green, 10000);
}

TEST(ShippedAssets, TheOkGlyphIsASmallLogoOnALightBackground) {
    const Picture p = load("OKGLYPH");
    const Rgb key = p.at(0, p.height - 1);
    EXPECT_GE(std::min({key.r, key.g, key.b}), 200) << "light: " << key;
    ExpectBorderOf(p, key);
    int drawn = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            drawn += p.at(x, y) != key;
    EXPECT_GT(drawn, 1500);
}

// ---- The manual page ------------------------------------------------------------------------

std::string helpPage() {
    const Bytes b = readFile(fileOf("HELP_FILE"));
    return {b.begin(), b.end()};
}

TEST(ShippedAssets, TheManualPageIs1298BytesWithCrLfLineEndsInWindows1252) {
    const std::string page = helpPage();
    EXPECT_EQ(page.size(), 1298u);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\n') {
            EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << "bare LF at " << i;
        }
        if (page[i] == '\r') {
            EXPECT_TRUE(i + 1 < page.size() && page[i + 1] == '\n') << i;
        }
    }
    EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    // windows-1252 has no characters at 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
    for (unsigned char c : page) {
        EXPECT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D);
        EXPECT_TRUE(c >= 0x20 || c == '\r' || c == '\n' || c == '\t');
    }
}

TEST(ShippedAssets, TheManualPageHasItsTitleHeadingAndKeySentence) {
    const std::string page = helpPage();
    for (const char* text :
         {"charset=windows-1252", "Content-Language\" content=\"en-us\"",
          "<title>Cropstack</title>", "Times New Roman", ">Harvesta</h1>",
          "<p align=\"left\">&nbsp;&nbsp;&nbsp;&nbsp;Cropstack is a funny logic game for young "
          "children.</p>",
          "fruit factory",
          "Just use left, right, down and return keys for manipulate boxes "
          "movements.<br>",
          "Enjoy this beautiful game and get a lot of fun."})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    EXPECT_NE(page.find("<h1 align=\"center\">"), std::string::npos);
    std::string lower = page;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    for (const char* banned : {"<a ", "<a>", "href", "<img", "<script", "src=", "javascript"})
        EXPECT_EQ(lower.find(banned), std::string::npos) << banned;
}

TEST(ShippedAssets, TheManualPageIsWellFormed) {
    const std::string page = helpPage();
    const std::set<std::string> voidElements = {"meta", "br", "hr", "link", "img"};
    std::vector<std::string> open;
    std::size_t pos = 0;
    while ((pos = page.find('<', pos)) != std::string::npos) {
        const std::size_t end = page.find('>', pos);
        ASSERT_NE(end, std::string::npos) << "unclosed tag at " << pos;
        std::string tag = page.substr(pos + 1, end - pos - 1);
        ASSERT_EQ(tag.find('<'), std::string::npos) << "'<' inside a tag at " << pos;
        pos = end + 1;
        if (tag.starts_with("!")) continue;
        const bool closing = tag.starts_with("/");
        std::string name = tag.substr(closing ? 1 : 0);
        name = name.substr(0, name.find_first_of(" \t\r\n/"));
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        ASSERT_FALSE(name.empty());
        if (voidElements.contains(name)) continue;
        if (closing) {
            ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
            ASSERT_EQ(open.back(), name) << "</" << name << "> closes <" << open.back() << ">";
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    EXPECT_TRUE(open.empty()) << open.size() << " tags left open";
    EXPECT_TRUE(page.starts_with("<!DOCTYPE"));
    // Every '&' starts an entity.
    for (std::size_t i = page.find('&'); i != std::string::npos; i = page.find('&', i + 1))
        EXPECT_NE(page.find(';', i), std::string::npos);
}

} // namespace
} // namespace harvesta
