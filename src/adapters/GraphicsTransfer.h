#pragma once
// The screen transfer of an off-screen picture: its pixels one to one at the top-left of a
// painter's surface.

#include <QImage>

class QPainter;

namespace harvesta {

class TGraphicsEx;

// Wraps an off-screen picture's own bytes (no copy) once, so that a paint only draws: nothing
// is allocated per transfer. The picture must outlive the transfer and keep its size.
class TScreenTransfer {
  public:
    explicit TScreenTransfer(TGraphicsEx& graphics);
    // Draws the whole picture at (0, 0). At a device pixel ratio above 1 the painter doubles
    // pixels without smoothing, so the picture stays sharp.
    void Draw(QPainter& painter) const;

  private:
    QImage image_;
};

} // namespace harvesta
