#pragma once
// The rules of one game: the walled playfield, the falling piece as a 3 by 3 matrix of fruit
// cells, and the per-fruit yield of removed rows. A passive model: the main window drives it
// and reads and writes its public fields directly. Indices count from 1, as the rules do;
// index 0 of every array is unused.

#include <cstdint>

namespace harvesta {

// Playfield columns and rows, walls included. Set by the engine's constructor.
extern std::int32_t ColCount;
extern std::int32_t RowCount;
// Storage bound of both playfield indices.
inline constexpr std::int32_t FieldCapacity = 20;

// Fruit kinds held in playfield and matrix cells; 0 is an empty cell.
enum FruitKind : std::uint8_t {
    fkApple = 1,
    fkWatermelon,
    fkLemon,
    fkCherry,
    fkOrange,
    fkPeach,
    fkPear,
    fkPineapple,
    fkPumpkin,
    fkTomato
};
inline constexpr int FruitKindCount = 10;

// Seeds the generator that every random draw of the game uses.
void RandomizeGame(std::uint64_t seed);
// A uniform random integer in 0 .. n - 1 (n > 0).
std::int32_t GameRandom(std::int32_t n);

class THarvestaEngine {
  public:
    THarvestaEngine();

    void ResetField();
    void NewPiece();
    void SetPieceType(std::int32_t type);
    void ClearPiece();
    bool PieceFits(std::int32_t x, std::int32_t y) const;
    void PlacePiece(std::int32_t x, std::int32_t y, bool stamp);
    void PutPiece() { PlacePiece(PosX, PosY, true); }
    void TakePiece() { PlacePiece(PosX, PosY, false); }
    void Rotate();
    void RemoveFullRows();

    // Piece[column offset][row offset], 1..3 each.
    std::uint8_t Piece[4][4] = {};
    // Field[column][row], 1..FieldCapacity each; only 1..ColCount by 1..RowCount is used.
    std::uint8_t Field[FieldCapacity + 1][FieldCapacity + 1] = {};
    // Yield[kind], 1..10: cells of that kind removed in full rows since the last reset.
    std::int32_t Yield[FruitKindCount + 1] = {};
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::int32_t PieceType = 0;
};

} // namespace harvesta
