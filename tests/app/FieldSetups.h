#pragma once
// Fields the board tests start from.

#include "game/gameBody.h"

namespace harvesta::fields {

// Takes the falling piece off and empties every cell inside the walls.
inline void ClearField(THarvestaEngine& e) {
    e.TakePiece();
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            e.Field[c][r] = 0;
}

// The three-box bar, standing upright in the middle of an empty field.
inline void StandBarInMiddle(THarvestaEngine& e) {
    ClearField(e);
    e.SetPieceType(6);
    e.PosX = 6;
    e.PosY = 6;
    e.PutPiece();
}

} // namespace harvesta::fields
