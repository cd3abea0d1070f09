#pragma once

#include <QString>

namespace harvesta::art {

// One PNG with every picture block of `dataDir` at 1:1, the fruits also at 43 and 37 pixels
// (scaled nearest-neighbour exactly as the game's image list does), and mock-ups of the
// board, the yield panel and the best scores window. False when a block cannot be read.
bool MakeContactSheet(const QString& dataDir, const QString& pngFile);

} // namespace harvesta::art
