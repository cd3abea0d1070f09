#pragma once
// Every picture block of assets/data, drawn from scratch.

#include "Bmp.h"
#include "Fruits.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace harvesta::art {

struct PictureBlock {
    QString name; // the block name; the file is assets/data/<name>.bmp
    QImage image;
    BmpLayout layout;
    // Stored as the zlib stream of the file image (assets/data/<name>.z), which the game's
    // image list inflates: the translated captions would otherwise take two megabytes.
    bool compressed = false;
};

// In catalogue order, then the layout pictures.
std::vector<PictureBlock> AllPictures();

QImage FruitTile(Fruit fruit, int size);
// The desktop icon: the watermelon tile of "ICONMAIN" drawn at `size` pixels, its corners
// rounded into transparency instead of the game's white key colour.
QImage AppIcon(int size);
// The sizes the desktop icon is rendered at, for the hicolor theme.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};
// The tile's face and fruit over the whole (square) image, corners not cut.
void DrawTile(QImage& image, Fruit fruit);
QImage CaptionPicture(const QString& text, int width, int height);
QImage ScoresScreen();
QImage StopCross(bool gray);
QImage Logo();
QImage OkGlyph();
// The logo drawing in its 325 x 247 frame, without a background.
void DrawLogo(QPainter& p);

// Where the windows put their count labels over "SCORESSCREEN", in picture coordinates:
// the main window's yield panel (picture at (15, 3)) and the best scores window (at (58, 53)).
struct LabelSpot {
    int x;
    int y;
};
extern const LabelSpot kMainWindowLabels[10];
extern const LabelSpot kScoresWindowLabels[10];

} // namespace harvesta::art
