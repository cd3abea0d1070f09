#include "game/gameBody.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

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

int filledCount(const THarvestaEngine& e) {
    int n = 0;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            n += e.Piece[i][j] != 0;
    return n;
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

TEST_F(Engine, SpawnPositionsPutEveryShapeTopRowAtRowTwoWithinColumnsFiveToSeven) {
    for (int type = 1; type <= 7; ++type) {
        e.SetPieceType(type);
        e.PosX = type == 1 ? 5 : 6;
        e.PosY = type == 3 ? 1 : 2;
        e.ResetField();
        e.PutPiece();
        int top = 99, left = 99, right = 0;
        for (int c = 2; c <= 10; ++c)
            for (int r = 2; r <= 17; ++r)
                if (e.Field[c][r] != 0) {
                    top = std::min(top, r);
                    left = std::min(left, c);
                    right = std::max(right, c);
                }
        EXPECT_EQ(top, 2) << "shape " << type;
        EXPECT_GE(left, 5) << "shape " << type;
        EXPECT_LE(right, 7) << "shape " << type;
        EXPECT_EQ(filledCount(e), type == 6 ? 3 : 4);
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
    int counts[11] = {};
    int cells = 0;
    for (int n = 0; n < 20000; ++n) {
        e.NewPiece();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                if (const int k = e.Piece[i][j]) {
                    ASSERT_GE(k, 1);
                    ASSERT_LE(k, 10);
                    ++counts[k];
                    ++cells;
                }
    }
    for (int k = 2; k <= 10; ++k) {
        const double share = double(counts[k]) / cells;
        EXPECT_NEAR(share, 1.0 / 11, 0.01) << k;
    }
    EXPECT_NEAR(double(counts[1]) / cells, 2.0 / 11, 0.01);
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

TEST_F(Engine, TurnMovesRightEdgeToTheTop) {
    e.ClearPiece();
    e.Piece[3][2] = 4; // right edge
    e.PosX = 6;
    e.PosY = 8;
    e.Rotate();
    EXPECT_EQ(e.Piece[2][1], 4);
    EXPECT_EQ(e.Piece[3][2], 0);
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
    fillRow(e, 17, fkApple);
    fillRow(e, 16, fkPear);
    e.Field[4][15] = fkTomato;
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkApple], 9);
    EXPECT_EQ(e.Yield[fkPear], 9);
    EXPECT_EQ(e.Field[4][17], fkTomato); // dropped by two
    EXPECT_EQ(e.Field[4][15], 0);
    EXPECT_EQ(e.Field[5][17], 0);
}

TEST_F(Engine, SeparatedFullRowsAreRemovedEachOnce) {
    fillRow(e, 17, fkLemon);
    fillRow(e, 16, fkCherry);
    e.Field[3][16] = 0; // not full
    fillRow(e, 15, fkOrange);
    e.Field[7][14] = fkPeach;
    e.RemoveFullRows();
    EXPECT_EQ(e.Yield[fkLemon], 9);
    EXPECT_EQ(e.Yield[fkOrange], 9);
    EXPECT_EQ(e.Yield[fkCherry], 0);
    // The partial row ends at the bottom, the lone peach above it.
    EXPECT_EQ(e.Field[3][17], 0);
    EXPECT_EQ(e.Field[4][17], fkCherry);
    EXPECT_EQ(e.Field[7][16], fkPeach);
    int sum = 0;
    for (int k = 1; k <= 10; ++k)
        sum += e.Yield[k];
    EXPECT_EQ(sum, 18);
}

TEST_F(Engine, FullTopRowIsRemovedOnceAndLeavesItEmpty) {
    for (int r = 2; r <= 17; ++r)
        fillRow(e, r, static_cast<std::uint8_t>(1 + r % 10));
    e.RemoveFullRows();
    int sum = 0;
    for (int k = 1; k <= 10; ++k)
        sum += e.Yield[k];
    EXPECT_EQ(sum, 16 * 9);
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            EXPECT_EQ(e.Field[c][r], 0);
    for (int c = 1; c <= 11; ++c)
        EXPECT_EQ(e.Field[c][1], 1); // ceiling untouched
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
