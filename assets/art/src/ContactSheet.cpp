#include "ContactSheet.h"

#include "Bmp.h"
#include "Draw.h"
#include "Fruits.h"
#include "Pictures.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace harvesta::art {

namespace {

// The image list's ScalePicture: sample at the far edge of each destination pixel.
QImage scaleLikeTheGame(const QImage& src, int newW, int newH) {
    QImage out(newW, newH, QImage::Format_RGB32);
    const double rx = double(src.width()) / newW;
    const double ry = double(src.height()) / newH;
    for (int i = 1; i <= newH; ++i)
        for (int j = 1; j <= newW; ++j) {
            const long sy = static_cast<long>(std::floor(static_cast<long double>(i) * ry));
            const long sx = static_cast<long>(std::floor(static_cast<long double>(j) * rx));
            const bool inside = sx >= 1 && sy >= 1 && sx <= src.width() && sy <= src.height();
            out.setPixel(j - 1, i - 1, inside ? src.pixel(sx - 1, sy - 1) : qRgb(0, 0, 0));
        }
    return out;
}

QImage scaleBy(const QImage& src, double scale) {
    return scaleLikeTheGame(src, static_cast<int>(src.width() / scale),
                            static_cast<int>(src.height() / scale));
}

// Drawing with the key colour see-through (mode dmKey); the key is the top-left pixel.
void drawKeyed(QImage& dst, const QImage& src, int x0, int y0, QRgb key) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            if ((c & 0xFFFFFF) == (key & 0xFFFFFF)) continue;
            if (dst.rect().contains(x0 + x, y0 + y)) dst.setPixel(x0 + x, y0 + y, c);
        }
}

// What a reader without colour sees: the luma of each pixel.
QImage grey(const QImage& src) {
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            const int l = (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c) + 500) / 1000;
            out.setPixel(x, y, qRgb(l, l, l));
        }
    return out;
}

void drawKeyed(QImage& dst, const QImage& src, int x0, int y0) {
    drawKeyed(dst, src, x0, y0, src.pixel(0, 0));
}

void caption(QPainter& p, QPointF at, const QString& text, int size = 13, bool bold = false) {
    p.setFont(SansFont(size, bold));
    p.setPen(QColor(40, 40, 48));
    p.drawText(at, text);
}

QImage board(const QMap<QString, QImage>& pics, double scale, int rows, int overlay, quint32 seed) {
    const int width = static_cast<int>(480 / scale);
    const int cell = width / 9;
    QImage out = NewImage(width, rows * cell - 3, Qt::white);
    QRandomGenerator random(seed);
    QImage tiles[11];
    for (int k = 1; k <= kFruitCount; ++k)
        tiles[k] = scaleBy(pics[FruitName(static_cast<Fruit>(k))], scale);
    // A settled heap: full at the bottom, ragged towards the top.
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 9; ++c) {
            const int height = rows - 1 - r;
            if (height > 3 + static_cast<int>(random.bounded(3)) && random.bounded(3) != 0)
                continue;
            if (random.bounded(9) == 0) continue;
            const QImage& t = tiles[1 + random.bounded(kFruitCount)];
            QPainter(&out).drawImage(c * cell + 2, r * cell, t);
        }
    if (overlay != 0) {
        QImage o = scaleBy(pics[overlay == 1 ? "PAUSE" : "GAMEOVER"], scale);
        drawKeyed(out, o, 100, 100, qRgb(255, 255, 255));
    }
    return out;
}

void counts(QPainter& p, QPoint picture, const LabelSpot* spots, QColor background) {
    static const char* const values[10] = {"12", "7", "23", "5", "104", "0", "31", "9", "48", "16"};
    p.setFont(SansFont(13));
    for (int k = 0; k < 10; ++k) {
        const QRect r(picture.x() + spots[k].x, picture.y() + spots[k].y,
                      p.fontMetrics().horizontalAdvance(values[k]), 16);
        if (background.isValid()) p.fillRect(r, background);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, values[k]);
    }
}

} // namespace

bool MakeContactSheet(const QString& dataDir, const QString& pngFile) {
    QMap<QString, QImage> pics;
    for (const auto& block : AllPictures()) {
        QFile file(dataDir + "/" + block.name + ".bmp");
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return false;
        }
        const QImage image = DecodeBmp(file.readAll());
        if (image.isNull()) {
            std::fprintf(stderr, "%s is not a 24-bit bitmap\n", qPrintable(file.fileName()));
            return false;
        }
        pics[block.name] = image;
    }

    QImage sheet = NewImage(1320, 1600, QColor(214, 220, 228));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    caption(p, QPointF(20, 34), "Harvesta artwork: every block of assets/data at 1:1", 22, true);
    caption(p, QPointF(20, 56),
            "Fruit tiles at 52 px (scale 1.0), 43 px (1.2) and 37 px (1.4), scaled like the game; "
            "then in grey, then the 37 px ones at 3x in colour and in grey");

    // The tiles at the three scales, in colour and in grey, then the 37 px ones enlarged so
    // the pixels can be judged.
    for (int k = 1; k <= kFruitCount; ++k) {
        const QImage& t = pics[FruitName(static_cast<Fruit>(k))];
        const int x = 20 + (k - 1) * 128;
        for (const bool inGrey : {false, true}) {
            const int y = inGrey ? 160 : 70;
            auto shown = [&](const QImage& i) { return inGrey ? grey(i) : i; };
            p.drawImage(x, y, shown(t));
            p.drawImage(x + 58, y, shown(scaleBy(t, 1.2)));
            p.drawImage(x + 58, y + 48, shown(scaleBy(t, 1.4))); // 37 px under the 43
        }
        caption(p, QPointF(x, 140), QString(FruitName(static_cast<Fruit>(k))).toLower(), 11);
        const QImage small = scaleBy(t, 1.4);
        p.drawImage(QRect(x, 250, 111, 111), small);
        p.drawImage(QRect(x, 370, 111, 111), grey(small));
    }
    const int y1 = 510;
    caption(p, QPointF(20, y1 - 10), "Boards at 1.0 (paused), 1.2 (game over) and 1.4");
    const QImage b1 = board(pics, 1.0, 7, 1, 7);
    const QImage b2 = board(pics, 1.2, 8, 2, 11);
    const QImage b3 = board(pics, 1.4, 9, 0, 5);
    p.drawImage(20, y1, b1);
    p.drawImage(520, y1, b2);
    p.drawImage(940, y1, b3);

    const int y2 = 910;
    caption(p, QPointF(20, y2 - 8), "PAUSE, GAMEOVER, SCORESSCREEN, as stored");
    p.drawImage(20, y2, pics["PAUSE"]);
    p.drawImage(20, y2 + 90, pics["GAMEOVER"]);
    p.drawImage(390, y2, pics["SCORESSCREEN"]);

    // The yield panel of the main window: white, the picture keyed at (15, 3).
    caption(p, QPointF(710, y2 - 8), "Main window's yield panel");
    QImage yield = NewImage(330, 310, Qt::white);
    drawKeyed(yield, pics["SCORESSCREEN"], 15, 3);
    {
        QPainter q(&yield);
        counts(q, QPoint(15, 3), kMainWindowLabels, QColor());
    }
    p.drawImage(710, y2, yield);
    // The best scores window: the beige panel, the picture keyed at (58, 53).
    caption(p, QPointF(20, y2 + 200), "Best scores window (face only)");
    QImage scores = NewImage(415, 390, QColor(241, 239, 226));
    drawKeyed(scores, pics["SCORESSCREEN"], 58, 53);
    {
        QPainter q(&scores);
        counts(q, QPoint(58, 53), kScoresWindowLabels, QColor(241, 239, 226));
        caption(q, QPointF(124, 38), "Best scores", 26, false);
        drawKeyed(scores, pics["STOP_GRAY"], 380, 10);
    }
    p.drawImage(20, y2 + 210, scores);

    const int y3 = 1270;
    caption(p, QPointF(460, y3 - 8),
            "LOGO on white, OKGLYPH on a button, ICONMAIN, STOP, STOP_GRAY");
    QImage logoOnWhite = NewImage(345, 267, Qt::white);
    QPainter(&logoOnWhite).drawImage(10, 10, pics["LOGO"]);
    p.drawImage(460, y3, logoOnWhite);
    p.fillRect(QRect(820, y3, 145, 89), QColor(225, 225, 225));
    p.setPen(QColor(150, 150, 150));
    p.drawRect(QRect(820, y3, 144, 88));
    QImage glyph = pics["OKGLYPH"];
    QImage button = NewImage(145, 89, QColor(225, 225, 225));
    drawKeyed(button, glyph, 10, 6, glyph.pixel(0, glyph.height() - 1));
    {
        QPainter q(&button);
        caption(q, QPointF(98, 50), "OK", 13);
    }
    p.drawImage(820, y3, button);
    p.drawImage(QRect(820, y3 + 100, 81, 76), glyph);
    p.drawImage(990, y3, pics["ICONMAIN"]);
    p.drawImage(QRect(1030, y3, 128, 128), pics["ICONMAIN"]);
    QImage beige = NewImage(70, 34, QColor(241, 239, 226));
    drawKeyed(beige, pics["STOP"], 6, 5);
    drawKeyed(beige, pics["STOP_GRAY"], 38, 5);
    p.drawImage(990, y3 + 140, beige);
    p.drawImage(990, y3 + 180, pics["STOP"]);
    p.drawImage(1020, y3 + 180, pics["STOP_GRAY"]);
    p.drawImage(QRect(1060, y3 + 140, 96, 96), pics["STOP"]);
    p.drawImage(QRect(1160, y3 + 140, 96, 96), pics["STOP_GRAY"]);
    p.end();
    return sheet.save(pngFile);
}

} // namespace harvesta::art
