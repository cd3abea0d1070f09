#pragma once
// The ten fruits, in the kind order of the game (1 apple ... 10 tomato).

#include <QPainter>
#include <QRectF>

namespace harvesta::art {

enum class Fruit {
    Apple = 1,
    Watermelon,
    Lemon,
    Cherry,
    Orange,
    Peach,
    Pear,
    Pineapple,
    Pumpkin,
    Tomato
};
inline constexpr int kFruitCount = 10;

// Block name of the fruit's tile ("APPLE" ...).
const char* FruitName(Fruit fruit);

// Draws the fruit into `box` (drawn as if the box were 100 x 100 units).
void DrawFruit(QPainter& p, Fruit fruit, const QRectF& box);

} // namespace harvesta::art
