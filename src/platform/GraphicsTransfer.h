#pragma once
// The screen transfer of an off-screen picture: its pixels one to one at the top-left of a
// painter's surface.

class QPainter;

namespace harvesta {

class TGraphicsEx;

// Draws graphics.Picture at (0, 0) through a QImage that wraps the picture's own bytes (no
// copy). At a device pixel ratio above 1 the painter scales the image, which softens it;
// drawing into a device-pixel-sized picture would avoid that.
void DrawGraphics(QPainter& painter, const TGraphicsEx& graphics);

} // namespace harvesta
