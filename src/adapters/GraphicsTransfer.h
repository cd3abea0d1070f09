#pragma once
// The screen transfer of an off-screen picture: its pixels one to one at the top-left of a
// painter's surface.

#include <QImage>

class QPainter;

namespace harvesta {

class TGraphicsEx;

// While it lives, pictures drawn with `painter` are smoothed where its device's pixel ratio is
// fractional, and doubled pixel for pixel where it is whole.
class SmoothAtFractionalScale {
  public:
    explicit SmoothAtFractionalScale(QPainter& painter);
    ~SmoothAtFractionalScale();
    SmoothAtFractionalScale(const SmoothAtFractionalScale&) = delete;
    SmoothAtFractionalScale& operator=(const SmoothAtFractionalScale&) = delete;

  private:
    QPainter& painter_;
    bool was_;
};

// Made once per off-screen picture, so that a paint allocates nothing. The picture must
// outlive the transfer and keep its size.
class TScreenTransfer {
  public:
    explicit TScreenTransfer(TGraphicsEx& graphics);
    // Draws the whole picture at (0, 0). On a 32-bit surface, the form most screens' back
    // buffers have, the pixels are converted straight into it on this thread; on any other
    // device Qt draws the picture's own bytes. At a whole device pixel ratio above 1 the
    // painter repeats pixels without smoothing, so the picture stays sharp; at a fractional
    // one it smooths them.
    void Draw(QPainter& painter) const;

  private:
    bool DrawIntoSurface(QPainter& painter) const;

    TGraphicsEx& graphics_;
    QImage image_; // the picture's own bytes as a 24-bit image, no copy
};

} // namespace harvesta
