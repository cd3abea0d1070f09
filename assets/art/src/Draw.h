#pragma once
// The shared style of the drawings: one outline weight, a soft light from the top left, a
// highlight on every round surface.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace harvesta::art {

// Drawings are made in a box of 100 x 100 units; this many units of outline.
inline constexpr double kOutline = 4.6;

QColor Mix(const QColor& a, const QColor& b, double t); // t = 0 gives a, 1 gives b
QColor Darker(const QColor& c, double t);               // towards black
QColor Lighter(const QColor& c, double t);              // towards white

// Fills a shape with a light-from-the-top-left gradient around `base` and outlines it.
void Body(QPainter& p, const QPainterPath& shape, const QColor& base, const QColor& outline);
// The same with an explicit gradient.
void BodyWith(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& outline);
// A soft white gloss: an ellipse at `centre`, turned by `angle` degrees.
void Gloss(QPainter& p, QPointF centre, double rx, double ry, double angle, int alpha = 200);
// A leaf from `base` to `tip`, `width` units across at its widest.
void Leaf(QPainter& p, QPointF base, QPointF tip, double width,
          const QColor& colour = QColor(86, 180, 60));
// A stalk: a thick round-capped line with an outline.
void Stalk(QPainter& p, const QPainterPath& line, double width, const QColor& colour);
// A filled ellipse with no outline.
void Spot(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour);

// DejaVu Sans Bold from fonts-dejavu-core, made italic by a slant: the outline of `text`
// with its baseline starting at `origin`.
QPainterPath BoldItalicText(const QString& text, double pixelSize, QPointF origin);
QFont SansFont(double pixelSize, bool bold = false);

// Pixel helpers for the rules the users of the pictures rely on.
void ReplaceColour(QImage& image, QRgb from, QRgb to, QRect area);
QImage NewImage(int w, int h, const QColor& fill);

} // namespace harvesta::art
