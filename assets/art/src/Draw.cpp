#include "Draw.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cstdio>
#include <cstdlib>

namespace harvesta::art {

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor Darker(const QColor& c, double t) {
    return Mix(c, QColor(0, 0, 0, c.alpha()), t);
}
QColor Lighter(const QColor& c, double t) {
    return Mix(c, QColor(255, 255, 255, c.alpha()), t);
}

void BodyWith(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& outline) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.restore();
}

void Body(QPainter& p, const QPainterPath& shape, const QColor& base, const QColor& outline) {
    const QRectF r = shape.boundingRect();
    QRadialGradient g(r.left() + r.width() * 0.36, r.top() + r.height() * 0.32,
                      std::max(r.width(), r.height()) * 0.78);
    g.setColorAt(0.0, Lighter(base, 0.38));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, Darker(base, 0.22));
    BodyWith(p, shape, g, outline);
}

void Gloss(QPainter& p, QPointF centre, double rx, double ry, double angle, int alpha) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QRadialGradient g(QPointF(0, 0), std::max(rx, ry));
    g.setColorAt(0.0, QColor(255, 255, 255, alpha));
    g.setColorAt(0.7, QColor(255, 255, 255, alpha * 3 / 4));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void Leaf(QPainter& p, QPointF base, QPointF tip, double width, const QColor& colour) {
    const QPointF axis = tip - base;
    const QPointF normal(-axis.y(), axis.x());
    const double len = std::hypot(axis.x(), axis.y());
    const QPointF n = normal / len * (width * 0.5);
    QPainterPath leaf(base);
    leaf.cubicTo(base + axis * 0.25 + n * 1.3, base + axis * 0.75 + n * 0.9, tip);
    leaf.cubicTo(base + axis * 0.75 - n * 0.9, base + axis * 0.25 - n * 1.3, base);
    QLinearGradient g(base + n, base - n);
    g.setColorAt(0.0, Lighter(colour, 0.3));
    g.setColorAt(1.0, Darker(colour, 0.15));
    const QColor outline = Darker(colour, 0.6);
    BodyWith(p, leaf, g, outline);
    p.save();
    p.setPen(QPen(Darker(colour, 0.35), kOutline * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base + axis * 0.15, base + axis * 0.8);
    p.restore();
}

void Stalk(QPainter& p, const QPainterPath& line, double width, const QColor& colour) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Darker(colour, 0.55), width + kOutline * 1.1, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(line);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.restore();
}

void Spot(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, rx, ry);
    p.restore();
}

namespace {

QString dejaVuFamily(const char* file) {
    const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file;
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "cannot load %s (install fonts-dejavu-core)\n", qPrintable(path));
        std::exit(1);
    }
    return families.front();
}

} // namespace

QFont SansFont(double pixelSize, bool bold) {
    static const QString regular = dejaVuFamily("DejaVuSans.ttf");
    static const QString boldFamily = dejaVuFamily("DejaVuSans-Bold.ttf");
    QFont font(bold ? boldFamily : regular);
    font.setBold(bold);
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QPainterPath BoldItalicText(const QString& text, double pixelSize, QPointF origin) {
    QPainterPath path;
    path.addText(QPointF(0, 0), SansFont(pixelSize, true), text);
    // DejaVu's own oblique cut is not in fonts-dejavu-core; slant the bold face instead.
    const QTransform slant = QTransform().shear(-0.21, 0);
    return QTransform::fromTranslate(origin.x(), origin.y()).map(slant.map(path));
}

void ReplaceColour(QImage& image, QRgb from, QRgb to, QRect area) {
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if ((line[x] & 0xFFFFFF) == (from & 0xFFFFFF)) line[x] = to | 0xFF000000;
    }
}

QImage NewImage(int w, int h, const QColor& fill) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

} // namespace harvesta::art
