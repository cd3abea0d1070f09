#include "Fruits.h"

#include "Draw.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace harvesta::art {

namespace {

const QColor kStalkBrown(140, 90, 45);
const QColor kStalkGreen(110, 150, 50);

void apple(QPainter& p) {
    // Taller than wide, two shoulders around a deep dimple, narrowing to the base: the
    // outline alone says apple, and its deep crimson stays darker than the tomato in grey.
    QPainterPath body(QPointF(50, 34));
    body.cubicTo(40, 21, 12, 22, 12, 50);
    body.cubicTo(12, 74, 28, 96, 41, 94);
    body.cubicTo(45, 93.5, 47, 91, 50, 91);
    body.cubicTo(53, 91, 55, 93.5, 59, 94);
    body.cubicTo(72, 96, 88, 74, 88, 50);
    body.cubicTo(88, 22, 60, 21, 50, 34);
    body.closeSubpath();

    QPainterPath stalk(QPointF(50, 37));
    stalk.cubicTo(49, 24, 48, 15, 43, 5);
    Stalk(p, stalk, 5, kStalkBrown);
    Body(p, body, QColor(204, 18, 46), QColor(100, 4, 22));
    Leaf(p, QPointF(51, 22), QPointF(82, 8), 16);
    // The dimple's shadow under the stalk.
    QPainterPath dimple(QPointF(40, 32));
    dimple.quadTo(50, 41, 60, 32);
    p.save();
    p.setPen(QPen(QColor(110, 6, 26, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(dimple);
    p.restore();
    Gloss(p, QPointF(28, 52), 7.5, 15, 18, 215);
    Spot(p, QPointF(35, 35), 3.6, 3.6, QColor(255, 255, 255, 190));
}

void watermelon(QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.rotate(-14);
    p.translate(-50, -50);
    // A slice: a little more than half a disc, the cut edge up.
    const QPointF c(50, 38);
    auto slice = [&](double r) {
        QPainterPath path;
        path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 160);
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 160, 220);
        path.closeSubpath();
        return path;
    };
    Body(p, slice(45), QColor(52, 150, 48), QColor(20, 78, 24));
    // Darker stripes on the rind show it is a watermelon from any angle.
    p.save();
    p.setClipPath(slice(45));
    p.setPen(QPen(QColor(30, 105, 35), 5, Qt::SolidLine, Qt::RoundCap));
    for (double a : {200.0, 235.0, 270.0, 305.0, 340.0}) {
        const double rad = a * std::numbers::pi / 180;
        p.drawLine(c + QPointF(std::cos(rad), -std::sin(rad)) * 38,
                   c + QPointF(std::cos(rad), -std::sin(rad)) * 47);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 240, 160));
    p.drawPath(slice(38.5));
    QRadialGradient flesh(c.x() - 8, c.y() - 2, 40);
    flesh.setColorAt(0.0, QColor(255, 110, 110));
    flesh.setColorAt(0.6, QColor(246, 52, 72));
    flesh.setColorAt(1.0, QColor(215, 30, 60));
    p.setBrush(flesh);
    p.drawPath(slice(34));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 78, 24), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(slice(45));
    // Seeds: dark drops pointing to the middle of the cut.
    for (auto [a, r] : {std::pair{200.0, 22.0},
                        {236.0, 24.0},
                        {270.0, 21.0},
                        {304.0, 24.0},
                        {340.0, 22.0},
                        {250.0, 11.0},
                        {290.0, 11.0}}) {
        const double rad = a * std::numbers::pi / 180;
        const QPointF at = c + QPointF(std::cos(rad), -std::sin(rad)) * r;
        p.save();
        p.translate(at);
        p.rotate(-a + 90);
        QPainterPath seed(QPointF(0, -4.2));
        seed.cubicTo(3.6, -1.5, 3.4, 4.2, 0, 4.2);
        seed.cubicTo(-3.4, 4.2, -3.6, -1.5, 0, -4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(45, 22, 20));
        p.drawPath(seed);
        p.restore();
        Spot(p, at + QPointF(-0.9, -0.9), 1.1, 1.1, QColor(255, 255, 255, 150));
    }
    Gloss(p, QPointF(32, 44), 5, 10, 70, 150);
    p.restore();
}

void lemon(QPainter& p) {
    p.save();
    p.translate(50, 52);
    p.rotate(-24);
    p.translate(-50, -52);
    QPainterPath body(QPointF(7, 52));
    body.cubicTo(9, 49, 12, 48, 15, 45);
    body.cubicTo(20, 30, 36, 25, 50, 25);
    body.cubicTo(64, 25, 80, 30, 85, 45);
    body.cubicTo(88, 48, 91, 49, 93, 52);
    body.cubicTo(91, 55, 88, 56, 85, 59);
    body.cubicTo(80, 74, 64, 79, 50, 79);
    body.cubicTo(36, 79, 20, 74, 15, 59);
    body.cubicTo(12, 56, 9, 55, 7, 52);
    body.closeSubpath();
    Body(p, body, QColor(255, 222, 30), QColor(150, 104, 0));
    // Pores of the peel.
    for (auto [x, y] : {std::pair{60.0, 62.0},
                        {70.0, 55.0},
                        {46.0, 68.0},
                        {74.0, 65.0},
                        {58.0, 72.0},
                        {36.0, 62.0}})
        Spot(p, QPointF(x, y), 1.3, 1.3, QColor(214, 165, 0, 170));
    Gloss(p, QPointF(36, 38), 6, 13, 70);
    p.restore();
    Leaf(p, QPointF(72, 30), QPointF(90, 10), 12);
}

void cherry(QPainter& p) {
    QPainterPath left(QPointF(34, 52));
    left.quadTo(40, 30, 58, 13);
    QPainterPath right(QPointF(67, 46));
    right.quadTo(63, 28, 58, 13);
    Stalk(p, left, 3.2, kStalkGreen);
    Stalk(p, right, 3.2, kStalkGreen);
    Leaf(p, QPointF(58, 14), QPointF(86, 20), 13);
    const QColor red(214, 18, 52);
    const QColor outline(105, 0, 28);
    QPainterPath a;
    a.addEllipse(QPointF(33, 70), 20, 19);
    QPainterPath b;
    b.addEllipse(QPointF(68, 65), 20, 19);
    Body(p, b, red, outline);
    Body(p, a, red, outline);
    Gloss(p, QPointF(25, 63), 5, 7.5, 35);
    Gloss(p, QPointF(60, 58), 5, 7.5, 35);
}

void orange(QPainter& p) {
    // A perfect ball of even, pitted peel with the navel of the stem end on top.
    QPainterPath body;
    body.addEllipse(QPointF(50, 56), 38, 38);
    Body(p, body, QColor(248, 132, 0), QColor(160, 66, 0));
    // The pits of the peel, big enough to stay a speckle at the smallest tile.
    p.save();
    p.setClipPath(body);
    for (auto [x, y] : {std::pair{64.0, 44.0},
                        {76.0, 52.0},
                        {56.0, 58.0},
                        {70.0, 65.0},
                        {82.0, 70.0},
                        {44.0, 70.0},
                        {58.0, 74.0},
                        {72.0, 80.0},
                        {32.0, 78.0},
                        {46.0, 84.0},
                        {60.0, 88.0},
                        {22.0, 64.0},
                        {84.0, 58.0}}) {
        Spot(p, QPointF(x, y), 2.8, 2.8, QColor(176, 70, 0, 230));
        Spot(p, QPointF(x - 0.9, y - 1.1), 1.1, 1.1, QColor(255, 200, 120, 150));
    }
    p.restore();
    Gloss(p, QPointF(32, 40), 7, 12, 40);
    // The navel: a ring of peel around a little green star.
    Spot(p, QPointF(50, 20.5), 7.5, 4.5, QColor(196, 88, 0));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? 5.2 : 2.2;
        const QPointF at(50 + r * std::cos(a), 20 + r * std::sin(a) * 0.7);
        if (i == 0)
            star.moveTo(at);
        else
            star.lineTo(at);
    }
    star.closeSubpath();
    BodyWith(p, star, QColor(96, 150, 40), QColor(40, 80, 10));
    Leaf(p, QPointF(46, 19), QPointF(20, 7), 12);
}

void peach(QPainter& p) {
    // Two cheeks parted by a deep crease, with a little point at the bottom; pale gold on one
    // cheek and a rosy blush on the other, so the peach is light on one side even in grey.
    QPainterPath body(QPointF(50, 30));
    body.cubicTo(36, 16, 8, 24, 9, 54);
    body.cubicTo(10, 78, 30, 90, 46, 95);
    body.cubicTo(49, 96, 51, 97, 53, 98);
    body.cubicTo(54, 96, 56, 95, 60, 93);
    body.cubicTo(78, 86, 92, 74, 91, 52);
    body.cubicTo(90, 24, 63, 17, 50, 30);
    body.closeSubpath();
    QLinearGradient g(18, 34, 86, 76);
    g.setColorAt(0.0, QColor(255, 234, 170));
    g.setColorAt(0.5, QColor(255, 204, 136));
    g.setColorAt(0.76, QColor(246, 124, 106));
    g.setColorAt(1.0, QColor(218, 60, 84));
    QPainterPath stalk(QPointF(50, 32));
    stalk.quadTo(49, 24, 51, 17);
    Stalk(p, stalk, 4, kStalkBrown);
    BodyWith(p, body, g, QColor(156, 40, 56));
    // The crease: a dark fold with a lit edge beside it.
    QPainterPath crease(QPointF(51, 33));
    crease.cubicTo(41, 48, 42, 74, 53, 95);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(255, 236, 200, 190), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crease.translated(-3.2, 0));
    p.setPen(QPen(QColor(170, 44, 60, 230), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crease);
    p.restore();
    Gloss(p, QPointF(26, 50), 6, 11, 25, 170);
    Leaf(p, QPointF(50, 22), QPointF(24, 8), 12, QColor(96, 176, 64));
    Leaf(p, QPointF(52, 22), QPointF(80, 12), 13);
}

void pear(QPainter& p) {
    QPainterPath body(QPointF(50, 19));
    body.cubicTo(58, 19, 61, 26, 61, 34);
    body.cubicTo(62, 45, 81, 53, 83, 71);
    body.cubicTo(85, 88, 70, 97, 50, 97);
    body.cubicTo(30, 97, 15, 88, 17, 71);
    body.cubicTo(19, 53, 38, 45, 39, 34);
    body.cubicTo(39, 26, 42, 19, 50, 19);
    body.closeSubpath();
    QPainterPath stalk(QPointF(50, 22));
    stalk.quadTo(49, 13, 55, 5);
    Stalk(p, stalk, 4, kStalkBrown);
    QRadialGradient g(40, 52, 52);
    g.setColorAt(0.0, QColor(236, 246, 130));
    g.setColorAt(0.5, QColor(182, 218, 58));
    g.setColorAt(1.0, QColor(120, 170, 36));
    BodyWith(p, body, g, QColor(70, 100, 16));
    Spot(p, QPointF(66, 78), 10, 9, QColor(255, 170, 90, 70));
    Gloss(p, QPointF(33, 70), 5.5, 11, 15);
    Leaf(p, QPointF(53, 12), QPointF(76, 9), 11);
}

void pineapple(QPainter& p) {
    // The crown first, so the body overlaps its base.
    const QColor crown(84, 192, 72);
    Leaf(p, QPointF(50, 40), QPointF(26, 16), 15, Darker(crown, 0.1));
    Leaf(p, QPointF(50, 40), QPointF(74, 16), 15, Darker(crown, 0.1));
    Leaf(p, QPointF(50, 42), QPointF(50, 2), 17, Lighter(crown, 0.12));

    QPainterPath body;
    body.addRoundedRect(QRectF(24, 34, 52, 63), 25, 29);
    const QColor outline(140, 80, 0);
    Body(p, body, QColor(250, 184, 36), outline);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(196, 120, 10), 2.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = -3; i <= 4; ++i) {
        const double x = 20 + i * 12;
        p.drawLine(QPointF(x, 34), QPointF(x + 63 * 0.75, 97));
        p.drawLine(QPointF(x + 60, 34), QPointF(x + 60 - 63 * 0.75, 97));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    Gloss(p, QPointF(36, 55), 5, 11, 15, 170);
}

void pumpkin(QPainter& p) {
    const QColor orange(250, 128, 18);
    const QColor outline(150, 58, 0);
    QPainterPath stalk(QPointF(50, 38));
    stalk.cubicTo(50, 30, 52, 24, 58, 16);
    Stalk(p, stalk, 7, QColor(112, 142, 48));
    QPainterPath tendril(QPointF(54, 30));
    tendril.cubicTo(40, 28, 34, 14, 42, 12);
    tendril.cubicTo(48, 11, 48, 19, 43, 19);
    p.save();
    p.setPen(QPen(QColor(80, 130, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tendril);
    p.restore();
    auto rib = [](double cx, double rx) {
        QPainterPath r;
        r.addEllipse(QPointF(cx, 64), rx, 30);
        return r;
    };
    Body(p, rib(28, 21), orange, outline);
    Body(p, rib(72, 21), orange, outline);
    Body(p, rib(39, 17), Lighter(orange, 0.05), outline);
    Body(p, rib(61, 17), Lighter(orange, 0.05), outline);
    Body(p, rib(50, 15), Lighter(orange, 0.1), outline);
    Gloss(p, QPointF(44, 52), 3.5, 9, 5, 170);
    Gloss(p, QPointF(17, 60), 3, 7, 10, 130);
}

void tomato(QPainter& p) {
    // Wider than tall and squat, with a big bright star of sepals spread over its shoulders:
    // a shape and a marking the apple has not, and a lighter red than the apple's.
    QPainterPath body(QPointF(50, 37));
    body.cubicTo(38, 31, 24, 32, 15, 42);
    body.cubicTo(6, 52, 6, 74, 18, 84);
    body.cubicTo(30, 94, 70, 94, 82, 84);
    body.cubicTo(94, 74, 94, 52, 85, 42);
    body.cubicTo(76, 32, 62, 31, 50, 37);
    body.closeSubpath();
    Body(p, body, QColor(246, 60, 40), QColor(134, 16, 8));
    // Soft lobes at the shoulders.
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(190, 30, 20, 150), 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath lobes(QPointF(30, 44));
    lobes.quadTo(24, 60, 28, 76);
    lobes.moveTo(70, 44);
    lobes.quadTo(76, 60, 72, 76);
    p.drawPath(lobes);
    p.restore();
    Gloss(p, QPointF(27, 58), 6, 10, 35, 200);
    Gloss(p, QPointF(66, 54), 3.5, 5, 35, 120);
    // The calyx: five broad pointed sepals around the stem, curling at their tips.
    QPainterPath star;
    const int points = 5;
    const QPointF hub(50, 39);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -std::numbers::pi / 2 + (i + 0.5) * std::numbers::pi / points;
        const double r = i % 2 == 0 ? 31 : 13;
        const QPointF at = hub + QPointF(r * std::cos(a) * 1.05, r * std::sin(a) * 0.62);
        if (i == 0)
            star.moveTo(at);
        else
            star.lineTo(at);
    }
    star.closeSubpath();
    QLinearGradient g(36, 28, 62, 50);
    g.setColorAt(0, QColor(196, 250, 120));
    g.setColorAt(1, QColor(110, 206, 64));
    // A lighter rim than the other outlines, so the star stays bright on the red at the
    // smallest size, where a dark rim would swallow the narrow sepals.
    p.save();
    p.setPen(QPen(QColor(36, 110, 28), kOutline * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(star);
    p.restore();
    QPainterPath stalk(QPointF(50, 38));
    stalk.quadTo(50, 28, 56, 22);
    Stalk(p, stalk, 5, QColor(92, 164, 56));
}

} // namespace

const char* FruitName(Fruit fruit) {
    static const char* const names[] = {"",          "APPLE",   "WATERMELON", "LEMON",
                                        "CHERRY",    "ORANGE",  "PEACH",      "PEAR",
                                        "PINEAPPLE", "PUMPKIN", "TOMATO"};
    return names[static_cast<int>(fruit)];
}

void DrawFruit(QPainter& p, Fruit fruit, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    switch (fruit) {
    case Fruit::Apple: apple(p); break;
    case Fruit::Watermelon: watermelon(p); break;
    case Fruit::Lemon: lemon(p); break;
    case Fruit::Cherry: cherry(p); break;
    case Fruit::Orange: orange(p); break;
    case Fruit::Peach: peach(p); break;
    case Fruit::Pear: pear(p); break;
    case Fruit::Pineapple: pineapple(p); break;
    case Fruit::Pumpkin: pumpkin(p); break;
    case Fruit::Tomato: tomato(p); break;
    }
    p.restore();
}

} // namespace harvesta::art
