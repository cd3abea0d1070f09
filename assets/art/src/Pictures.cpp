#include "Pictures.h"

#include "Draw.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace harvesta::art {

const LabelSpot kMainWindowLabels[10] = {{79, 41},  {79, 85},  {79, 138},  {79, 191},  {79, 238},
                                         {209, 38}, {209, 89}, {209, 138}, {209, 185}, {209, 238}};
const LabelSpot kScoresWindowLabels[10] = {{79, 44},   {79, 88},  {79, 141}, {79, 194},
                                           {79, 238},  {209, 41}, {209, 92}, {209, 142},
                                           {209, 188}, {209, 241}};

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kNearWhite = qRgb(254, 254, 254);
const QRgb kMagenta = qRgb(255, 0, 255);
const QColor kAqua(5, 255, 240);
const QColor kOlive(143, 143, 53);

// Pure white is the see-through colour of the tiles' corners and of the panels' surroundings;
// inside a drawing it would be a hole.
void NoWhiteInside(QImage& image, QRect area) {
    ReplaceColour(image, kWhite, kNearWhite, area);
}

// ---- Fruit tiles --------------------------------------------------------------------------

void drawTileFace(QPainter& p, int size) {
    const double s = size;
    QLinearGradient face(0, 0, s, s);
    face.setColorAt(0.0, QColor(255, 242, 168));
    face.setColorAt(1.0, QColor(252, 208, 84));
    p.fillRect(QRectF(0, 0, s, s), face);
    // A box: light top and left edges, shaded bottom and right, a golden rim.
    p.setPen(QPen(QColor(255, 248, 200), 1.6));
    p.drawLine(QPointF(1.8, 1.6), QPointF(s - 2, 1.6));
    p.drawLine(QPointF(1.6, 1.8), QPointF(1.6, s - 2));
    p.setPen(QPen(QColor(234, 176, 52), 1.6));
    p.drawLine(QPointF(2, s - 1.6), QPointF(s - 1.8, s - 1.6));
    p.drawLine(QPointF(s - 1.6, 2), QPointF(s - 1.6, s - 1.8));
    p.setPen(QPen(QColor(204, 140, 30), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s - 1, s - 1));
}

void cutTileCorners(QImage& image) {
    const int last = image.width() - 1;
    const QPoint corners[4] = {{0, 0}, {last, 0}, {0, last}, {last, last}};
    for (const QPoint c : corners) {
        const int dx = c.x() == 0 ? 1 : -1;
        const int dy = c.y() == 0 ? 1 : -1;
        // The three pixels outside the rounded corner, the colour of the board behind them.
        image.setPixel(c, kWhite);
        image.setPixel(c + QPoint(dx, 0), kWhite);
        image.setPixel(c + QPoint(0, dy), kWhite);
        // The next ring is half way to white, so the corner reads round.
        for (const QPoint q : {c + QPoint(2 * dx, 0), c + QPoint(dx, dy), c + QPoint(0, 2 * dy)}) {
            const QColor was = image.pixelColor(q);
            image.setPixelColor(q, Mix(was, QColor(kWhite), 0.45));
        }
    }
}

} // namespace

QImage FruitTile(Fruit fruit, int size) {
    QImage image = NewImage(size, size, Qt::white);
    DrawTile(image, fruit);
    NoWhiteInside(image, image.rect());
    cutTileCorners(image);
    return image;
}

void DrawTile(QImage& image, Fruit fruit) {
    const int size = image.width();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawTileFace(p, size);
        const double m = std::max(size * 0.06, 2.6);
        Spot(p, QPointF(size * 0.5, size * 0.86), size * 0.3, size * 0.06, QColor(150, 90, 0, 45));
        DrawFruit(p, fruit, QRectF(m, m * 0.8, size - 2 * m, size - 2 * m));
    }
}

QImage AppIcon(int size) {
    // The face is drawn at the icon's own size, so every size is sharp, not a scaled bitmap.
    QImage face = NewImage(size, size, Qt::white);
    DrawTile(face, Fruit::Watermelon);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    // About as round as the cut corners of the 32-pixel tile, in proportion.
    const double radius = std::max(1.5, size * 0.08);
    p.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

// ---- Framed gradient panels ---------------------------------------------------------------

namespace {

// Coverage of a shape per pixel, 0..255.
QImage coverage(QSize size, const QPainterPath& shape) {
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(shape, Qt::white);
    return mask;
}

// The colour Windows' GradientFill gives at a point of a rectangle drawn as two triangles:
// colour 1 at the top left, colour 2 at the bottom right, their mean at the other corners.
QColor diagonalGradient(const QRectF& r, QPointF at, const QColor& c1, const QColor& c2) {
    const double u = std::clamp((at.x() - r.left()) / r.width(), 0.0, 1.0);
    const double v = std::clamp((at.y() - r.top()) / r.height(), 0.0, 1.0);
    const QColor mid((c1.red() + c2.red()) >> 1, (c1.green() + c2.green()) >> 1,
                     (c1.blue() + c2.blue()) >> 1);
    double w1, w2, wm;
    if (v >= u) {
        wm = v - u, w2 = u, w1 = 1 - v;
    } else {
        wm = u - v, w2 = v, w1 = 1 - u;
    }
    auto ch = [&](int a, int b, int m) {
        return std::clamp(int(a * w1 + b * w2 + m * wm + 0.5), 0, 255);
    };
    return QColor(ch(c1.red(), c2.red(), mid.red()), ch(c1.green(), c2.green(), mid.green()),
                  ch(c1.blue(), c2.blue(), mid.blue()));
}

void fillRing(QImage& image, const QRectF& r, double radius, const QColor& c1, const QColor& c2) {
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    const QImage mask = coverage(image.size(), shape);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* cover = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(cover[x]);
            if (a == 0) continue;
            const QColor g = diagonalGradient(r, QPointF(x + 0.5, y + 0.5), c1, c2);
            line[x] = Mix(QColor(line[x]), g, a / 255.0).rgb();
        }
    }
}

// The framed gradient panel of the font preview window: the outer ring from
// aqua at the top left to olive at the bottom right, the inner area the other way.
void framedPanel(QImage& image, const QRectF& r, double radius, double frame) {
    fillRing(image, r, radius, kAqua, kOlive);
    fillRing(image, r.adjusted(frame, frame, -frame, -frame), radius * 0.8, kOlive, kAqua);
    // A thin bright line where the frame meets the inner area gives it depth.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 235, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    const QRectF inner = r.adjusted(frame, frame, -frame, -frame);
    p.drawRoundedRect(inner.adjusted(-0.6, -0.6, 0.6, 0.6), radius * 0.8 + 0.6, radius * 0.8 + 0.6);
}

} // namespace

QImage CaptionPicture(const QString& text, int width, int height) {
    QImage image = NewImage(width, height, Qt::white);
    // The panel leaves the left pixel column white; the overlays are drawn at x 100 with it.
    const QRectF panel(1, 0, width - 1, height);
    framedPanel(image, panel, 11, 15);

    double size = 50;
    QPainterPath letters = BoldItalicText(text, size, QPointF(0, 0));
    const double room = panel.width() - 44;
    if (letters.boundingRect().width() > room) {
        size *= room / letters.boundingRect().width();
        letters = BoldItalicText(text, size, QPointF(0, 0));
    }
    const QRectF b = letters.boundingRect();
    letters.translate(panel.center() - b.center() + QPointF(0, 0.5));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // A soft shadow and a pale rim lift the black letters off the gradient.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 60, 50, 70));
        p.drawPath(letters.translated(2.2, 2.2));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 210, 170), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(letters);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(letters);
    }
    return image;
}

// ---- The yield background -------------------------------------------------------------------

namespace {

// The smallest circle, in the drawing's 100-unit box, that holds every pixel the fruit
// touches (outline, stalk and leaf included), found on a fine rendering of it.
struct Extent {
    QPointF centre;
    double radius;
};

Extent fruitExtent(Fruit fruit) {
    constexpr int kSize = 400;
    QImage ink(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter p(&ink);
        DrawFruit(p, fruit, QRectF(0, 0, kSize, kSize));
    }
    // Only the rim of the drawing matters for the enclosing circle.
    std::vector<QPointF> rim;
    auto inked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize && qAlpha(ink.pixel(x, y)) > 0;
    };
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (inked(x, y) &&
                (!inked(x - 1, y) || !inked(x + 1, y) || !inked(x, y - 1) || !inked(x, y + 1)))
                rim.emplace_back(x + 0.5, y + 0.5);
    auto reach = [&](QPointF c) {
        double r = 0;
        for (const QPointF q : rim)
            r = std::max(r, std::hypot(q.x() - c.x(), q.y() - c.y()));
        return r;
    };
    // Coarse to fine search for the centre that needs the smallest circle.
    QPointF best(kSize / 2.0, kSize / 2.0);
    double bestReach = reach(best);
    for (double step = 32; step >= 0.5; step /= 2) {
        bool moved = true;
        while (moved) {
            moved = false;
            for (const QPointF d :
                 {QPointF(step, 0), QPointF(-step, 0), QPointF(0, step), QPointF(0, -step)}) {
                const double r = reach(best + d);
                if (r < bestReach) bestReach = r, best += d, moved = true;
            }
        }
    }
    const double unit = 100.0 / kSize;
    return {best * unit, (bestReach + 1) * unit};
}

// The box to draw the fruit in so that all of it lies within `radius` of `centre`.
QRectF fruitBoxInCircle(Fruit fruit, QPointF centre, double radius) {
    const Extent e = fruitExtent(fruit);
    const double scale = radius / e.radius; // pixels per unit
    const QPointF topLeft = centre - e.centre * scale;
    return QRectF(topLeft, QSizeF(100 * scale, 100 * scale));
}

} // namespace

QImage ScoresScreen() {
    QImage image = NewImage(302, 301, Qt::white);
    framedPanel(image, QRectF(1, 1, 300, 299), 14, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 1; k <= kFruitCount; ++k) {
        // Level with the middle of where the two windows put the label's 16 pixel high text.
        // Three clear pixels are left between the plate's outer edge and the label, so the
        // digits never touch it; the fruit keeps inside the plate's rim.
        const LabelSpot a = kMainWindowLabels[k - 1];
        const LabelSpot b = kScoresWindowLabels[k - 1];
        const double plate = 20.5, pen = 1.2;
        const QPointF centre(a.x - 3 - plate - pen / 2 - 0.5, (a.y + b.y) / 2.0 + 8);
        p.setPen(QPen(QColor(40, 120, 110, 120), pen));
        p.setBrush(QColor(255, 252, 226, 175));
        p.drawEllipse(centre, plate, plate);
        DrawFruit(p, static_cast<Fruit>(k),
                  fruitBoxInCircle(static_cast<Fruit>(k), centre, plate - pen / 2 - 1.5));
    }
    p.end();
    NoWhiteInside(image, QRect(12, 12, 278, 277));
    return image;
}

// ---- Close buttons --------------------------------------------------------------------------

QImage StopCross(bool gray) {
    const QSize size(24, 24);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-9.6, -3.1, 19.2, 6.2), 3.1, 3.1);
    QPainterPath cross = QTransform().translate(12, 12).rotate(45).map(bar).united(
        QTransform().translate(12, 12).rotate(-45).map(bar));
    const QColor light = gray ? QColor(196, 196, 196) : QColor(255, 128, 64);
    const QColor dark = gray ? QColor(142, 142, 142) : QColor(226, 58, 20);
    const QColor outline = gray ? QColor(92, 92, 92) : QColor(136, 26, 6);

    // Drawn over the beige of the windows' panels, where the button sits, then cut out
    // along the outline; what is left of the background becomes magenta.
    QImage colour = NewImage(size.width(), size.height(), QColor(241, 239, 226));
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    for (QImage* target : {&colour, &mask}) {
        QPainter p(target);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(4, 4, 20, 20);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setBrush(target == &mask ? QBrush(Qt::white) : QBrush(g));
        p.setPen(QPen(target == &mask ? QColor(Qt::white) : outline, 1.4));
        p.drawPath(cross);
        if (target == &colour) {
            p.setPen(QPen(QColor(255, 255, 255, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6.6, 5.2), QPointF(9.4, 8.0));
            p.drawLine(QPointF(15.6, 7.6), QPointF(17.8, 5.4));
        }
    }
    QImage out = NewImage(size.width(), size.height(), QColor(kMagenta));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (qAlpha(mask.pixel(x, y)) >= 90) out.setPixel(x, y, colour.pixel(x, y));
    return out;
}

// ---- The logo -------------------------------------------------------------------------------

namespace {

void drawPiece(QPainter& p, QPointF origin, double angle, const QPoint* cells, const Fruit* fruits,
               int count) {
    const int tile = 30;
    p.save();
    p.translate(origin);
    p.rotate(angle);
    for (int i = 0; i < count; ++i) {
        QImage t(tile, tile, QImage::Format_RGB32);
        DrawTile(t, fruits[i]);
        const QRectF at(cells[i].x() * (tile + 1), cells[i].y() * (tile + 1), tile, tile);
        QPainterPath rounded;
        rounded.addRoundedRect(at, 3, 3);
        p.save();
        p.setClipPath(rounded);
        p.drawImage(at.topLeft(), t);
        p.restore();
    }
    p.restore();
}

// A four-pointed twinkle.
void sparkle(QPainter& p, QPointF at, double r, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        const double d = i % 2 == 0 ? r : r * 0.3;
        const QPointF q = at + QPointF(d * std::cos(a), d * std::sin(a));
        if (i == 0)
            star.moveTo(q);
        else
            star.lineTo(q);
    }
    star.closeSubpath();
    p.save();
    p.setPen(QPen(Darker(colour, 0.12), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(star);
    p.restore();
}

void drawArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand) {
    QPainterPath arm(shoulder);
    arm.quadTo(elbow, hand);
    Stalk(p, arm, 7, QColor(64, 150, 56));
    QPainterPath fist;
    fist.addEllipse(hand, 8, 8);
    Body(p, fist, QColor(104, 190, 80), QColor(26, 82, 26));
}

} // namespace

// The watermelon character holding up two falling pieces; drawn on whatever is behind.
void DrawLogo(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(162, 140);
    const double r = 76;

    Spot(p, QPointF(c.x(), 232), 74, 8, QColor(60, 90, 40, 50));
    // Feet.
    for (double fx : {-30.0, 30.0}) {
        QPainterPath foot;
        foot.addEllipse(QPointF(c.x() + fx, 224), 17, 9);
        Body(p, foot, QColor(56, 130, 50), QColor(20, 70, 20));
    }

    // Arms behind the body, hands up under the pieces.
    drawArm(p, c + QPointF(-62, -4), QPointF(58, 150), QPointF(52, 108));
    drawArm(p, c + QPointF(62, -4), QPointF(270, 138), QPointF(268, 96));

    // The body: a round watermelon with wavy stripes.
    QPainterPath body;
    body.addEllipse(c, r, r * 0.97);
    Body(p, body, QColor(96, 190, 70), QColor(22, 84, 26));
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(34, 118, 40), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (double k : {-0.84, -0.5, -0.16, 0.16, 0.5, 0.84}) {
        QPainterPath stripe;
        for (int i = 0; i <= 40; ++i) {
            const double t = -std::numbers::pi / 2 + i * std::numbers::pi / 40;
            const double wave = 3.2 * std::sin(i * 1.6);
            const QPointF at(c.x() + (r * k + wave) * std::cos(t), c.y() + r * std::sin(t));
            if (i == 0)
                stripe.moveTo(at);
            else
                stripe.lineTo(at);
        }
        p.drawPath(stripe);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(22, 84, 26), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    Gloss(p, c + QPointF(-42, -40), 11, 22, 40, 150);

    // Stem and leaf on top.
    QPainterPath stem(c + QPointF(0, -r + 4));
    stem.cubicTo(c + QPointF(2, -r - 10), c + QPointF(-8, -r - 14), c + QPointF(-4, -r - 20));
    Stalk(p, stem, 5, QColor(120, 150, 50));
    Leaf(p, c + QPointF(2, -r - 6), c + QPointF(30, -r - 22), 15);

    // The face: big shining eyes, rosy cheeks, an open smile.
    const QColor ink(34, 30, 40);
    for (double ex : {-24.0, 24.0}) {
        QPainterPath eye;
        eye.addEllipse(c + QPointF(ex, -2), 14, 17);
        BodyWith(p, eye, QColor(252, 252, 250), ink);
        Spot(p, c + QPointF(ex + 3, 2), 8.5, 10, ink);
        Spot(p, c + QPointF(ex + 6, -3), 3.4, 3.8, QColor(250, 250, 250));
        Spot(p, c + QPointF(ex + 0.5, 6.5), 1.6, 1.6, QColor(250, 250, 250));
    }
    Spot(p, c + QPointF(-44, 22), 11, 7, QColor(255, 128, 160, 215));
    Spot(p, c + QPointF(44, 22), 11, 7, QColor(255, 128, 160, 215));
    QPainterPath mouth(c + QPointF(-18, 24));
    mouth.cubicTo(c + QPointF(-14, 27), c + QPointF(14, 27), c + QPointF(18, 24));
    mouth.cubicTo(c + QPointF(15, 46), c + QPointF(-15, 46), c + QPointF(-18, 24));
    mouth.closeSubpath();
    BodyWith(p, mouth, QColor(170, 30, 50), ink);
    p.save();
    p.setClipPath(mouth);
    Spot(p, c + QPointF(0, 43), 11, 8, QColor(255, 120, 130));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, kOutline * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mouth);

    // Two falling pieces, one on each hand.
    const QPoint lCells[4] = {{0, 0}, {0, 1}, {0, 2}, {1, 2}};
    const Fruit lFruits[4] = {Fruit::Apple, Fruit::Lemon, Fruit::Cherry, Fruit::Orange};
    drawPiece(p, QPointF(14, 12), -8, lCells, lFruits, 4);
    const QPoint sCells[4] = {{1, 0}, {2, 0}, {0, 1}, {1, 1}};
    const Fruit sFruits[4] = {Fruit::Pear, Fruit::Tomato, Fruit::Peach, Fruit::Pineapple};
    drawPiece(p, QPointF(218, 26), 7, sCells, sFruits, 4);
    sparkle(p, QPointF(112, 40), 9, QColor(255, 204, 0));
    sparkle(p, QPointF(206, 24), 6.5, QColor(255, 120, 170));
    sparkle(p, QPointF(96, 200), 6, QColor(70, 180, 255));
    sparkle(p, QPointF(250, 182), 8, QColor(255, 204, 0));
}

QImage Logo() {
    QImage image = NewImage(325, 247, Qt::white);
    QPainter p(&image);
    DrawLogo(p);
    return image;
}

QImage OkGlyph() {
    // A light background whose bottom-left pixel the button takes as see-through.
    QImage image = NewImage(81, 76, QColor(240, 240, 236));
    QPainter p(&image);
    const double s = 0.25;
    p.translate((81 - 325 * s) / 2, (76 - 247 * s) / 2);
    p.scale(s, s);
    DrawLogo(p);
    return image;
}

std::vector<PictureBlock> AllPictures() {
    using enum BmpLayout;
    std::vector<PictureBlock> blocks;
    const BmpLayout tileLayouts[kFruitCount] = {Offset54, Offset64, Offset64, Offset64, Offset54,
                                                Offset54, Offset64, Offset64, Offset64, Offset64};
    for (int k = 1; k <= kFruitCount; ++k)
        blocks.push_back({FruitName(static_cast<Fruit>(k)), FruitTile(static_cast<Fruit>(k), 52),
                          tileLayouts[k - 1]});
    blocks.push_back({"PAUSE", CaptionPicture("Pause", 250, 79), Offset54});
    blocks.push_back({"GAMEOVER", CaptionPicture("Game over!", 350, 79), Offset54});
    // The captions in every language the game speaks, named after the language's translation
    // ("PAUSE_PT_BR"); the game picks them by its language.
    struct Caption {
        const char* language;
        const char* pause;
        const char* gameOver;
    };
    static const Caption kCaptions[] = {
        {"DE", "Pause", "Spiel vorbei!"},    {"FR", "Pause", "Partie finie !"},
        {"ES", "Pausa", "¡Fin del juego!"},  {"IT", "Pausa", "Partita finita!"},
        {"PT_BR", "Pausa", "Fim de jogo!"},  {"NL", "Pauze", "Spel voorbij!"},
        {"PL", "Pauza", "Koniec gry!"},      {"CS", "Pauza", "Konec hry!"},
        {"SV", "Paus", "Spelet är slut!"},   {"TR", "Mola", "Oyun bitti!"},
        {"RU", "Пауза", "Игра окончена!"},   {"UK", "Пауза", "Гру закінчено!"},
        {"EL", "Παύση", "Τέλος παιχνιδιού!"}};
    for (const Caption& c : kCaptions) {
        const QString language = QString::fromLatin1(c.language);
        blocks.push_back({"PAUSE_" + language, CaptionPicture(QString::fromUtf8(c.pause), 250, 79),
                          Offset54, true});
        blocks.push_back({"GAMEOVER_" + language,
                          CaptionPicture(QString::fromUtf8(c.gameOver), 350, 79), Offset54, true});
    }
    blocks.push_back({"SCORESSCREEN", ScoresScreen(), Offset54});
    blocks.push_back({"ICONMAIN", FruitTile(Fruit::Watermelon, 32), Offset54});
    blocks.push_back({"STOP", StopCross(false), Offset54});
    blocks.push_back({"STOP_GRAY", StopCross(true), Offset54});
    blocks.push_back({"LOGO", Logo(), Offset54});
    blocks.push_back({"OKGLYPH", OkGlyph(), Offset54});
    return blocks;
}

} // namespace harvesta::art
