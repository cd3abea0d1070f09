#pragma once
// Small raster helpers: pixel drawing and the framed panel into a picture (through a
// module-wide target and colour), gradient fills on a software device context, and the
// cursor position relative to a window.

#include "imaging/mainImgTypes.h"

#include <cstdint>
#include <vector>

namespace harvesta {

// ---- Pixel drawing into the current draw target. Coordinates from 0, end points inclusive;
// pixels outside the target are skipped. Not reentrant: one render at a time.

// Panel colours: 1 blue, 2 beige, anything else none (edges keep the outline colour).
void SetPanelTheme(std::int32_t theme);
void SetDrawColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// Pixel drawing goes into picture from now on; the colour resets to (155, 15, 255). The
// picture must outlive the drawing.
void SetDrawTarget(TRGBPicture& picture);
void PutPixel(std::int32_t x, std::int32_t y, std::uint8_t r, std::uint8_t g, std::uint8_t b);
void HLine(std::int32_t x1, std::int32_t x2, std::int32_t y);
void VLine(std::int32_t x, std::int32_t y1, std::int32_t y2);
void OutlineRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// Corners are not reordered: x2 < x1 or y2 < y1 fills nothing.
void FillArea(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// A three-dimensional frame with a filled inside, in the current theme. Leaves the draw colour
// at the inside colour.
void DrawPanel(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// ---- Device-context drawing.

struct LogicalPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// A drawing surface of our own standing in for a window's device context: a target picture,
// a viewport origin (device = logical + origin) and an optional clip region.
class TDeviceContext {
  public:
    explicit TDeviceContext(TRGBPicture& target) : target_(&target) {}

    TRGBPicture& Target() const { return *target_; }

    void SetViewportOrigin(DevicePoint origin) { origin_ = origin; }
    DevicePoint LPtoDP(LogicalPoint p) const { return {p.x + origin_.x, p.y + origin_.y}; }

    // Clips to a rounded rectangle in device coordinates covering columns x1..x2-1 and rows
    // y1..y2-1, its corners cut by an ellipse ellipseWidth wide and ellipseHeight high (the
    // geometry of the window system's rounded-rectangle region).
    void SelectRoundRectClip(DevicePoint p1, DevicePoint p2, std::int32_t ellipseWidth,
                             std::int32_t ellipseHeight);
    // Drawing is clipped only by the target's edges again.
    void ResetClip();

    // The columns [from, to) of device row y that drawing may touch; from >= to when none.
    void VisibleSpan(std::int32_t y, std::int32_t& from, std::int32_t& to) const;

  private:
    TRGBPicture* target_;
    DevicePoint origin_;
    bool clipped_ = false;
    std::int32_t clipTop_ = 0;
    struct Span {
        std::int32_t from, to;
    };
    std::vector<Span> clipRows_; // one span per row from clipTop_
};

// Fills the rectangle from (x1, y1) to (x2, y2) (right and bottom edge excluded) with a
// gradient from colour1 to colour2. angle mod 180 (sign of angle kept) picks the form: 0 left to
// right, 90 top to bottom, 45 top-left to bottom-right, 135 top-right to bottom-left, the two
// other corners taking the average colour. Any other angle draws nothing and gives false.
bool GradientRect(TDeviceContext& dc, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2, ColorRef colour1, ColorRef colour2, std::int32_t angle);

// A rounded rectangle running diagonally from colour1 to colour2 with an inner rounded
// rectangle, inset by inset pixels, running the other way. Leaves dc clipped to the inner one.
void RoundGradientRect(TDeviceContext& dc, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2, std::int32_t corner, std::int32_t inset, ColorRef colour1,
                       ColorRef colour2);

// ---- Input.

// The mouse cursor's screen position minus (left, top).
void CursorOffset(std::int32_t& x, std::int32_t& y, std::int32_t left, std::int32_t top);

} // namespace harvesta
