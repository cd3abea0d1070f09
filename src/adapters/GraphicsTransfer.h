#pragma once
// The screen transfer of an off-screen picture: its pixels one to one at the top-left of a
// painter's surface.

#include <QImage>

class QPainter;

namespace harvesta {

class TGraphicsEx;

// Made once per off-screen picture, so that a paint allocates nothing. The picture must
// outlive the transfer and keep its size.
class TScreenTransfer {
  public:
    explicit TScreenTransfer(TGraphicsEx& graphics);
    // Draws the whole picture at (0, 0). On a 32-bit surface, the form most screens' back
    // buffers have, the pixels are converted straight into it on this thread; on any other
    // device Qt draws the picture's own bytes. At a device pixel ratio above 1 the painter
    // doubles pixels without smoothing, so the picture stays sharp.
    void Draw(QPainter& painter) const;

  private:
    bool DrawIntoSurface(QPainter& painter) const;

    TGraphicsEx& graphics_;
    QImage image_; // the picture's own bytes as a 24-bit image, no copy
};

} // namespace harvesta
