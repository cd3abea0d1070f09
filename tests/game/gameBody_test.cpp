#include "game/gameBody.h"

#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace harvesta {
namespace {

using Matrix = std::array<std::array<std::uint8_t, 4>, 4>;

Matrix copyPiece(const THarvestaEngine& e) {
    Matrix m{};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            m[i][j] = e.Piece[i][j];
    return m;
}

// The matrix as three rows, top to bottom, X for a filled cell: "XX./XX./...".
std::string shapeOf(const THarvestaEngine& e) {
    std::string s;
    for (int j = 1; j <= 3; ++j) {
        if (j > 1) s += '/';
        for (int i = 1; i <= 3; ++i)
            s += e.Piece[i][j] != 0 ? 'X' : '.';
    }
    return s;
}

// Inner cells of columns 3..9 in rows 2..5, the area where pieces appear, drawn like shapeOf.
std::string spawnArea(const THarvestaEngine& e) {
    std::string s;
    for (int r = 2; r <= 5; ++r) {
        if (r > 2) s += '/';
        for (int c = 3; c <= 9; ++c)
            s += e.Field[c][r] != 0 ? 'X' : '.';
    }
    return s;
}

int innerFilled(const THarvestaEngine& e) {
    int n = 0;
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            n += e.Field[c][r] != 0;
    return n;
}

int yieldSum(const THarvestaEngine& e) {
    int sum = 0;
    for (int k = 1; k <= FruitKindCount; ++k)
        sum += e.Yield[k];
    return sum;
}

void fillRow(THarvestaEngine& e, int row, std::uint8_t kind) {
    for (int c = 2; c <= 10; ++c)
        e.Field[c][row] = kind;
}

class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        RandomizeGame(12345);
        e.ResetField();
    }
    THarvestaEngine e;
};

TEST(EngineCreation, TheFixedSizeFitsTheStorageSoNoErrorIsShown) {
    int messages = 0;
    platform::ScopedMessageHandler handler([&](const platform::MessageRequest&) {
        ++messages;
        return platform::MessageAnswer::Ok;
    });
    THarvestaEngine engine;
    EXPECT_EQ(messages, 0);
}

TEST_F(Engine, ResetWritesWallsEmptiesInsideAndZeroesYield) {
    e.Field[5][5] = 7;
    e.Yield[3] = 9;
    e.ResetField();
    EXPECT_EQ(ColCount, 11);
    EXPECT_EQ(RowCount, 18);
    int inner = 0;
    for (int c = 1; c <= 11; ++c)
        for (int r = 1; r <= 18; ++r) {
            const bool wall = c == 1 || c == 11 || r == 1 || r == 18;
            EXPECT_EQ(e.Field[c][r], wall ? 1 : 0) << c << "," << r;
            inner += !wall;
        }
    EXPECT_EQ(inner, 144);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(e.Yield[k], 0);
}

TEST_F(Engine, EveryShapeHasItsCellsAndSpawnsIntoRowTwo) {
    struct Shape {
        const char* matrix;
        const char* field; // rows 2..5, columns 3..9, at the shape's spawn position
    };
    const Shape shapes[8] = {
        {},
        {".X./.XX/..X", "..X..../..XX.../...X.../......."},
        {".X./XXX/...", "...X.../..XXX../......./......."},
        {".../XXX/X..", "..XXX../..X..../......./......."},
        {".X./XX./X..", "...X.../..XX.../..X..../......."},
        {"XX./XX./...", "..XX.../..XX.../......./......."},
        {".X./.X./.X.", "...X.../...X.../...X.../......."},
        {"X../XXX/...", "..X..../..XXX../......./......."},
    };
    for (int type = 1; type <= 7; ++type) {
        SCOPED_TRACE(type);
        e.ResetField();
        e.SetPieceType(type);
        EXPECT_EQ(e.PieceType, type);
        EXPECT_EQ(shapeOf(e), shapes[type].matrix);
        e.PosX = type == 1 ? 5 : 6;
        e.PosY = type == 3 ? 1 : 2;
        e.PutPiece();
        EXPECT_EQ(spawnArea(e), shapes[type].field);
        EXPECT_EQ(innerFilled(e), type == 6 ? 3 : 4); // nothing written outside the area
        for (int c = 1; c <= 11; ++c)
            EXPECT_EQ(e.Field[c][1], 1) << "ceiling at column " << c;
    }
}

TEST_F(Engine, NewPieceSetsSpawnPositionByShape) {
    bool seen[8] = {};
    for (int n = 0; n < 500; ++n) {
        e.NewPiece();
        ASSERT_GE(e.PieceType, 1);
        ASSERT_LE(e.PieceType, 7);
        seen[e.PieceType] = true;
        EXPECT_EQ(e.PosX, e.PieceType == 1 ? 5 : 6);
        EXPECT_EQ(e.PosY, e.PieceType == 3 ? 1 : 2);
    }
    for (int t = 1; t <= 7; ++t)
        EXPECT_TRUE(seen[t]) << t;
}

TEST_F(Engine, FruitKindsAreInRangeAndApplesComeTwiceAsOften) {
    EXPECT_EQ(FruitKindCount, fkTomato);
    int counts[FruitKindCount + 1] = {};
    int cells = 0;
    for (int n = 0; n < 20000; ++n) {
        e.NewPiece();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                if (const int k = e.Piece[i][j]) {
                    ASSERT_GE(k, 1);
                    ASSERT_LE(k, FruitKindCount);
                    ++counts[k];
                    ++cells;
                }
    }
    for (int k = fkWatermelon; k <= FruitKindCount; ++k) {
        const double share = double(counts[k]) / cells;
        EXPECT_NEAR(share, 1.0 / 11, 0.01) << k;
    }
    EXPECT_NEAR(double(counts[fkApple]) / cells, 2.0 / 11, 0.01);
}

TEST_F(Engine, FourTurnsRestoreEveryShape) {
    for (int type = 1; type <= 7; ++type) {
        e.SetPieceType(type);
        e.PosX = 6;
        e.PosY = 8; // room to turn in every direction
        const Matrix before = copyPiece(e);
        for (int turn = 0; turn < 4; ++turn) {
            const Matrix prior = copyPiece(e);
            e.Rotate();
            if (type != 5 && type != 6) {
                EXPECT_NE(copyPiece(e), prior) << type;
            }
        }
        EXPECT_EQ(copyPiece(e), before) << "shape " << type;
    }
}

TEST_F(Engine, ATurnMovesCornersAndEdgesTheSameWayRound) {
    // Nine different kinds, so a cell that lands anywhere but its place shows.
    std::uint8_t kind = 1;
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 3; ++i)
            e.Piece[i][j] = kind++;
    e.PosX = 6;
    e.PosY = 8;
    e.Rotate();
    // 1 2 3 / 4 5 6 / 7 8 9 turned counter-clockwise: the right edge goes to the top.
    const std::uint8_t expected[3][3] = {{3, 6, 9}, {2, 5, 8}, {1, 4, 7}}; // [row][column]
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(e.Piece[i][j], expected[j - 1][i - 1]) << "cell " << i << "," << j;
}

TEST_F(Engine, TurnIntoCeilingOrWallIsRefused) {
    // Shape 3 at its spawn position: the turned top edge cell would be in the ceiling row.
    e.SetPieceType(3);
    e.PosX = 6;
    e.PosY = 1;
    Matrix before = copyPiece(e);
    e.Rotate();
    EXPECT_EQ(copyPiece(e), before);

    // The upright bar in column 2: the turned left cell would be in wall column 1.
    e.SetPieceType(6);
    e.PosX = 2;
    e.PosY = 8;
    before = copyPiece(e);
    e.Rotate();
    EXPECT_EQ(copyPiece(e), before);
}

TEST_F(Engine, PieceCollidesWithItselfWhileWrittenIntoTheField) {
    e.SetPieceType(2);
    e.PosX = 6;
    e.PosY = 2;
    EXPECT_TRUE(e.PieceFits(6, 2));
    e.PutPiece();
    EXPECT_FALSE(e.PieceFits(6, 2));
    e.TakePiece();
    EXPECT_TRUE(e.PieceFits(6, 2));
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            EXPECT_EQ(e.Field[c][r], 0);
}

TEST_F(Engine, OnlyFilledCellsCollideAndOnlyTheyAreWrittenAndErased) {
    for (int type = 1; type <= 7; ++type) {
        SCOPED_TRACE(type);
        e.ResetField();
        e.SetPieceType(type);
        e.PosX = 6;
        e.PosY = 8;
        // Matrix cell [i, j] covers field cell [PosX + i - 2, PosY + j - 1].
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                e.Field[5 + i - 1][8 + j - 1] = fkPeach;
                EXPECT_EQ(e.PieceFits(6, 8), e.Piece[i][j] == 0) << "fruit under " << i << "," << j;
                e.Field[5 + i - 1][8 + j - 1] = 0;
            }
        // Settled fruit in every empty cell of the piece's box stays through a put and a take.
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                if (e.Piece[i][j] == 0) e.Field[5 + i - 1][8 + j - 1] = fkPeach;
        ASSERT_TRUE(e.PieceFits(6, 8));
        e.PutPiece();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                EXPECT_EQ(e.Field[5 + i - 1][8 + j - 1],
                          e.Piece[i][j] ? e.Piece[i][j] : int(fkPeach));
        e.TakePiece();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                EXPECT_EQ(e.Field[5 + i - 1][8 + j - 1], e.Piece[i][j] ? 0 : int(fkPeach));
    }
}

TEST_F(Engine, PieceStopsAtFloorAndWalls) {
    e.SetPieceType(6);                // rows offsets 1..3 in the centre column
    EXPECT_TRUE(e.PieceFits(6, 15));  // covers rows 15..17
    EXPECT_FALSE(e.PieceFits(6, 16)); // would cover the floor row
    EXPECT_TRUE(e.PieceFits(2, 8));
    EXPECT_FALSE(e.PieceFits(1, 8));
    EXPECT_TRUE(e.PieceFits(10, 8));
    EXPECT_FALSE(e.PieceFits(11, 8));
}

TEST_F(Engine, AdjacentFullRowsAreRemovedAndTallied) {
    e.PosX = 6;
    e.PosY = 2;
    fillRow(e, 17, fkTomato);
    fillRow(e, 16, fkPear);
    e.Field[4][15] = fkLemon;
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkTomato], 9);
    EXPECT_EQ(e.Yield[fkPear], 9);
    EXPECT_EQ(yieldSum(e), 18);
    EXPECT_EQ(e.Field[4][17], fkLemon); // dropped by two
    EXPECT_EQ(e.Field[4][15], 0);
    EXPECT_EQ(innerFilled(e), 1);
    // The tally touches nothing but the counters.
    EXPECT_EQ(e.PosX, 6);
    EXPECT_EQ(e.PosY, 2);
}

TEST_F(Engine, RowsWithAGapAtEitherEndStayWhileFullOnesAboveThemGo) {
    fillRow(e, 17, fkLemon);
    fillRow(e, 16, fkCherry);
    e.Field[2][16] = 0; // gap in the leftmost column
    fillRow(e, 15, fkOrange);
    fillRow(e, 14, fkPeach);
    e.Field[10][14] = 0; // gap in the rightmost column
    e.Field[7][2] = fkPear;
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkLemon], 9);
    EXPECT_EQ(e.Yield[fkOrange], 9);
    EXPECT_EQ(yieldSum(e), 18);
    // The partial rows end at the bottom, in their order; everything above drops by two rows,
    // the top row too.
    EXPECT_EQ(e.Field[2][17], 0);
    EXPECT_EQ(e.Field[3][17], fkCherry);
    EXPECT_EQ(e.Field[10][16], 0);
    EXPECT_EQ(e.Field[9][16], fkPeach);
    EXPECT_EQ(e.Field[7][4], fkPear);
    EXPECT_EQ(innerFilled(e), 8 + 8 + 1);
}

TEST_F(Engine, TheScanGoesUpToTheTopRowButNeverIntoTheCeiling) {
    // A gap in every row: nothing is full, and the scan runs all the way up.
    for (int r = 2; r <= 17; ++r) {
        fillRow(e, r, fkPumpkin);
        e.Field[2 + r % 9][r] = 0;
    }
    const THarvestaEngine before = e;
    e.RemoveFullRows();
    EXPECT_EQ(yieldSum(e), 0);
    EXPECT_EQ(std::memcmp(e.Field, before.Field, sizeof e.Field), 0);

    // A full top row over gapped rows is removed once and leaves row 2 empty.
    fillRow(e, 2, fkWatermelon);
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkWatermelon], 9);
    EXPECT_EQ(yieldSum(e), 9);
    for (int c = 2; c <= 10; ++c) {
        EXPECT_EQ(e.Field[c][2], 0);
        for (int r = 3; r <= 17; ++r)
            EXPECT_EQ(e.Field[c][r], before.Field[c][r]);
    }
}

TEST_F(Engine, FullRowAboveAnEmptyRowStays) {
    fillRow(e, 10, fkPumpkin);
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkPumpkin], 0);
    EXPECT_EQ(e.Field[2][10], fkPumpkin);
}

TEST_F(Engine, SameSeedGivesSameGame) {
    RandomizeGame(7);
    e.NewPiece();
    const Matrix first = copyPiece(e);
    const int type = e.PieceType;
    RandomizeGame(7);
    e.NewPiece();
    EXPECT_EQ(copyPiece(e), first);
    EXPECT_EQ(e.PieceType, type);
}

} // namespace
} // namespace harvesta
