#include "game/gameBody.h"

#include "platform/Platform.h"

#include <cstring>
#include <random>

namespace harvesta {

std::int32_t ColCount = 0;
std::int32_t RowCount = 0;

namespace {

std::mt19937_64& generator() {
    static std::mt19937_64 engine{1};
    return engine;
}

// Filled cells [column offset, row offset] of the seven shapes.
struct ShapeCells {
    std::int8_t cells[4][2];
    std::int8_t count;
};
constexpr ShapeCells kShapes[8] = {
    {},
    {{{2, 1}, {2, 2}, {3, 2}, {3, 3}}, 4},
    {{{1, 2}, {2, 1}, {2, 2}, {3, 2}}, 4},
    {{{1, 2}, {1, 3}, {2, 2}, {3, 2}}, 4},
    {{{1, 2}, {1, 3}, {2, 1}, {2, 2}}, 4},
    {{{1, 1}, {1, 2}, {2, 1}, {2, 2}}, 4},
    {{{2, 1}, {2, 2}, {2, 3}}, 3},
    {{{1, 1}, {1, 2}, {2, 2}, {3, 2}}, 4},
};

} // namespace

void RandomizeGame(std::uint64_t seed) {
    generator().seed(seed);
}

std::int32_t GameRandom(std::int32_t n) {
    std::uniform_int_distribution<std::int32_t> pick(0, n - 1);
    return pick(generator());
}

THarvestaEngine::THarvestaEngine() {
    ColCount = 11;
    RowCount = 18;
    if (ColCount > FieldCapacity || RowCount > FieldCapacity)
        platform::ShowMessage({"Please redefine array size", "Error message!",
                               platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

void THarvestaEngine::ResetField() {
    for (auto& count : Yield)
        count = 0;
    for (std::int32_t c = 1; c <= ColCount; ++c)
        for (std::int32_t r = 1; r <= RowCount; ++r)
            Field[c][r] = (c == 1 || c == ColCount || r == 1 || r == RowCount) ? 1 : 0;
}

void THarvestaEngine::NewPiece() {
    PosX = 6;
    PosY = 2;
    const std::int32_t type = GameRandom(7) + 1;
    if (type == 1) PosX = 5;
    if (type == 3) PosY = 1;
    SetPieceType(type);
}

void THarvestaEngine::SetPieceType(std::int32_t type) {
    PieceType = type;
    ClearPiece();
    const ShapeCells& shape = kShapes[type];
    for (int k = 0; k < shape.count; ++k)
        Piece[shape.cells[k][0]][shape.cells[k][1]] = 1;
    // Every filled cell draws its own fruit; a draw of 0 counts as an apple, so apples come
    // twice as often as each other kind.
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (Piece[i][j] == 1) {
                const std::int32_t kind = GameRandom(11);
                Piece[i][j] = static_cast<std::uint8_t>(kind == 0 ? 1 : kind);
            }
}

void THarvestaEngine::ClearPiece() {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            Piece[i][j] = 0;
}

bool THarvestaEngine::PieceFits(std::int32_t x, std::int32_t y) const {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (Piece[i][j] != 0 && Field[x + i - 2][y + j - 1] != 0) return false;
    return true;
}

void THarvestaEngine::PlacePiece(std::int32_t x, std::int32_t y, bool stamp) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (Piece[i][j] != 0) Field[x + i - 2][y + j - 1] = stamp ? Piece[i][j] : 0;
}

void THarvestaEngine::Rotate() {
    std::uint8_t old[4][4];
    std::memcpy(old, Piece, sizeof old);
    // A quarter turn counter-clockwise on screen: the right edge goes to the top.
    Piece[2][1] = old[3][2];
    Piece[3][2] = old[2][3];
    Piece[2][3] = old[1][2];
    Piece[1][2] = old[2][1];
    Piece[1][1] = old[3][1];
    Piece[3][1] = old[3][3];
    Piece[3][3] = old[1][3];
    Piece[1][3] = old[1][1];
    if (!PieceFits(PosX, PosY)) std::memcpy(Piece, old, sizeof Piece);
}

void THarvestaEngine::RemoveFullRows() {
    std::int32_t r = RowCount - 1;
    while (r != 1) {
        bool full = true;
        bool empty = true;
        for (std::int32_t c = 2; c <= ColCount - 1; ++c) {
            if (Field[c][r] == 0)
                full = false;
            else
                empty = false;
        }
        if (empty) return;
        if (full) {
            for (std::int32_t c = 2; c <= ColCount - 1; ++c) {
                Yield[Field[c][r]] += 1;
                for (std::int32_t m = r; m >= 3; --m)
                    Field[c][m] = Field[c][m - 1];
                Field[c][2] = 0;
            }
            // The row that has just moved down into r is tested next.
        } else {
            --r;
        }
    }
}

} // namespace harvesta
