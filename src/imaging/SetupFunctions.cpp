#include "imaging/SetupFunctions.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace harvesta {

namespace {

struct RGB8 {
    std::uint8_t r, g, b;
};

struct PixelDrawing {
    TRGBPicture* target = nullptr;
    RGB8 colour{155, 15, 255};
    std::int32_t theme = 1;
};

PixelDrawing& drawing() {
    static PixelDrawing state;
    return state;
}

constexpr RGB8 kDarkEdge{89, 89, 89};
constexpr RGB8 kLightEdge[] = {{154, 222, 243}, {241, 239, 226}}; // themes 1, 2
constexpr RGB8 kInside[] = {{122, 211, 239}, {241, 239, 226}};

void setColour(RGB8 c) {
    SetDrawColor(c.r, c.g, c.b);
}

} // namespace

void SetPanelTheme(std::int32_t theme) {
    drawing().theme = theme;
}

void SetDrawColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    drawing().colour = {r, g, b};
}

void SetDrawTarget(TRGBPicture& picture) {
    drawing().target = &picture;
    SetDrawColor(155, 15, 255);
}

void PutPixel(std::int32_t x, std::int32_t y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    TRGBPicture* target = drawing().target;
    assert(target && "SetDrawTarget first");
    if (!target || x < 0 || y < 0 || x >= target->Width || y >= target->Height) return;
    std::uint8_t* p = target->Row(y) + std::size_t(x) * 3;
    p[0] = b;
    p[1] = g;
    p[2] = r;
}

// The line and area routines below clip through PutPixel; they are used for a few panels per
// user action, so per-pixel clipping is cheap enough.
void HLine(std::int32_t x1, std::int32_t x2, std::int32_t y) {
    if (x1 > x2) std::swap(x1, x2);
    const RGB8 c = drawing().colour;
    for (std::int64_t x = x1; x <= x2; ++x)
        PutPixel(std::int32_t(x), y, c.r, c.g, c.b);
}

void VLine(std::int32_t x, std::int32_t y1, std::int32_t y2) {
    if (y1 > y2) std::swap(y1, y2);
    const RGB8 c = drawing().colour;
    for (std::int64_t y = y1; y <= y2; ++y)
        PutPixel(x, std::int32_t(y), c.r, c.g, c.b);
}

void OutlineRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    HLine(x1, x2, y1);
    HLine(x1, x2, y2);
    VLine(x1, y1, y2);
    VLine(x2, y1, y2);
}

void FillArea(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const TRGBPicture* target = drawing().target;
    assert(target && "SetDrawTarget first");
    if (!target) return;
    // Only the part inside the target is walked.
    const std::int64_t left = std::max<std::int64_t>(x1, 0);
    const std::int64_t right = std::min<std::int64_t>(x2, target->Width - 1);
    const std::int64_t top = std::max<std::int64_t>(y1, 0);
    const std::int64_t bottom = std::min<std::int64_t>(y2, target->Height - 1);
    if (left > right || top > bottom) return;
    // The rectangle is clipped above, so the rows are filled directly: the first row pixel by
    // pixel, the others copied from it.
    const RGB8 c = drawing().colour;
    TRGBPicture& picture = *drawing().target;
    const std::size_t bytes = std::size_t(right - left + 1) * 3;
    std::uint8_t* first = picture.Row(std::int32_t(top)) + std::size_t(left) * 3;
    for (std::size_t i = 0; i < bytes; i += 3) {
        first[i] = c.b;
        first[i + 1] = c.g;
        first[i + 2] = c.r;
    }
    for (std::int64_t y = top + 1; y <= bottom; ++y)
        std::memcpy(picture.Row(std::int32_t(y)) + std::size_t(left) * 3, first, bytes);
}

void DrawPanel(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const std::int32_t theme = drawing().theme;
    const bool themed = theme == 1 || theme == 2;

    OutlineRect(x1, y1, x2, y2);
    if (themed) setColour(kLightEdge[theme - 1]);
    HLine(x1 + 1, x2 - 1, y1 + 1);
    VLine(x1 + 1, y1 + 1, y2 - 1);
    HLine(x1 + 2, x2 - 2, y1 + 2);
    VLine(x1 + 2, y1 + 2, y2 - 2);
    setColour(kDarkEdge);
    HLine(x1 + 1, x2 - 1, y2 - 1);
    VLine(x2 - 1, y1 + 1, y2 - 1);
    HLine(x1 + 2, x2 - 2, y2 - 2);
    VLine(x2 - 2, y1 + 2, y2 - 2);
    if (themed) setColour(kInside[theme - 1]);
    FillArea(x1 + 2, y1 + 2, x2 - 2, y2 - 2);
}

// ---- Device context

void TDeviceContext::SelectRoundRectClip(DevicePoint p1, DevicePoint p2, std::int32_t ellipseWidth,
                                         std::int32_t ellipseHeight) {
    const std::int32_t left = std::min(p1.x, p2.x), right = std::max(p1.x, p2.x);
    const std::int32_t top = std::min(p1.y, p2.y), bottom = std::max(p1.y, p2.y);
    const std::int64_t width = std::int64_t(right) - left, height = std::int64_t(bottom) - top;
    const std::int64_t ew = std::min<std::int64_t>(width, std::llabs(ellipseWidth));
    const std::int64_t eh = std::min<std::int64_t>(height, std::llabs(ellipseHeight));

    clipped_ = true;
    clipTop_ = top;
    clipRows_.clear();
    // Rows of the region that lie outside the target are never asked for; keep the table to
    // the target's height so a huge rectangle cannot make it huge.
    const std::int64_t rows = std::min<std::int64_t>(height, std::int64_t(target_->Height) - top);
    if (rows <= 0) return;
    clipRows_.resize(std::size_t(rows), Span{left, right});
    if (ew < 2 || eh < 2) return; // too small to round: a plain rectangle

    // A pixel of a corner row is inside when its centre lies in the corner ellipse (integer test
    // in doubled coordinates). From the ellipse's centre column on the row runs straight, so a
    // thin ellipse still leaves the middle of its top and bottom rows.
    const std::int64_t ew2 = ew * ew, eh2 = eh * eh;
    const auto insetOfEllipseRow = [&](std::int64_t r) {
        const std::int64_t py = 2 * r + 1 - eh;
        std::int64_t k = 0;
        for (; 2 * k + 1 < ew; ++k) {
            const std::int64_t px = 2 * k + 1 - ew;
            if (px * px * eh2 + py * py * ew2 <= ew2 * eh2) break;
        }
        return k;
    };
    for (std::int64_t r = 0; r < eh / 2; ++r) {
        const std::int64_t k = std::min(insetOfEllipseRow(r), width);
        const Span span{std::int32_t(left + k), std::int32_t(right - k)};
        if (r < rows) clipRows_[std::size_t(r)] = span;
        if (height - 1 - r < rows) clipRows_[std::size_t(height - 1 - r)] = span;
    }
}

void TDeviceContext::ResetClip() {
    clipped_ = false;
    clipRows_.clear();
}

void TDeviceContext::VisibleSpan(std::int32_t y, std::int32_t& from, std::int32_t& to) const {
    from = 0;
    to = 0;
    if (y < 0 || y >= target_->Height) return;
    to = target_->Width;
    if (!clipped_) return;
    const std::int64_t row = std::int64_t(y) - clipTop_;
    if (row < 0 || row >= std::int64_t(clipRows_.size())) {
        to = 0;
        return;
    }
    from = std::max(from, clipRows_[std::size_t(row)].from);
    to = std::min(to, clipRows_[std::size_t(row)].to);
}

namespace {

// A vertex with 16-bit colour channels, as the window system's gradient fill takes them.
struct GradientVertex {
    std::int64_t x, y;
    std::int64_t r, g, b;
};

GradientVertex vertexOf(DevicePoint p, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return {p.x, p.y, std::int64_t(r) << 8, std::int64_t(g) << 8, std::int64_t(b) << 8};
}

void storePixel(TRGBPicture& target, std::int32_t x, std::int32_t y, std::int64_t r16,
                std::int64_t g16, std::int64_t b16) {
    std::uint8_t* p = target.Row(y) + std::size_t(x) * 3;
    p[0] = std::uint8_t(b16 >> 8);
    p[1] = std::uint8_t(g16 >> 8);
    p[2] = std::uint8_t(r16 >> 8);
}

// A rectangle whose colour runs linearly from a to b along x (vertical = false) or y. Sampled
// at pixel centres.
void fillGradientRect(TDeviceContext& dc, const GradientVertex& a, const GradientVertex& b,
                      bool vertical) {
    const std::int64_t left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const std::int64_t top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    if (left == right || top == bottom) return;
    // The colour belongs to its vertex: the one with the smaller coordinate starts the run.
    const bool aFirst = vertical ? a.y <= b.y : a.x <= b.x;
    const GradientVertex& first = aFirst ? a : b;
    const GradientVertex& last = aFirst ? b : a;
    const std::int64_t span2 = 2 * (vertical ? bottom - top : right - left);
    TRGBPicture& target = dc.Target();
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y < bottom && y < target.Height; ++y) {
        std::int32_t from, to;
        dc.VisibleSpan(std::int32_t(y), from, to);
        for (std::int64_t x = std::max<std::int64_t>(left, from); x < right && x < to; ++x) {
            const std::int64_t t = vertical ? 2 * (y - top) + 1 : 2 * (x - left) + 1;
            storePixel(target, std::int32_t(x), std::int32_t(y),
                       (first.r * (span2 - t) + last.r * t) / span2,
                       (first.g * (span2 - t) + last.g * t) / span2,
                       (first.b * (span2 - t) + last.b * t) / span2);
        }
    }
}

// Twice the signed area of (a, b, p), in doubled coordinates.
std::int64_t edge(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by,
                  std::int64_t px, std::int64_t py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

// A Gouraud-shaded triangle: each pixel whose centre lies inside gets the barycentric mix of
// the three vertex colours.
void fillGradientTriangle(TDeviceContext& dc, const GradientVertex& v0, const GradientVertex& v1,
                          const GradientVertex& v2) {
    const std::int64_t area = edge(2 * v0.x, 2 * v0.y, 2 * v1.x, 2 * v1.y, 2 * v2.x, 2 * v2.y);
    if (area == 0) return;
    const std::int64_t sign = area > 0 ? 1 : -1;
    TRGBPicture& target = dc.Target();
    const std::int64_t top = std::max<std::int64_t>({std::min({v0.y, v1.y, v2.y}), 0});
    const std::int64_t bottom = std::min<std::int64_t>(std::max({v0.y, v1.y, v2.y}), target.Height);
    const std::int64_t left = std::min({v0.x, v1.x, v2.x});
    const std::int64_t right = std::max({v0.x, v1.x, v2.x});
    for (std::int64_t y = top; y < bottom; ++y) {
        std::int32_t from, to;
        dc.VisibleSpan(std::int32_t(y), from, to);
        const std::int64_t py = 2 * y + 1;
        for (std::int64_t x = std::max<std::int64_t>(left, from); x < right && x < to; ++x) {
            const std::int64_t px = 2 * x + 1;
            const std::int64_t w0 = sign * edge(2 * v1.x, 2 * v1.y, 2 * v2.x, 2 * v2.y, px, py);
            const std::int64_t w1 = sign * edge(2 * v2.x, 2 * v2.y, 2 * v0.x, 2 * v0.y, px, py);
            const std::int64_t w2 = sign * edge(2 * v0.x, 2 * v0.y, 2 * v1.x, 2 * v1.y, px, py);
            if (w0 < 0 || w1 < 0 || w2 < 0) continue;
            const std::int64_t total = sign * area;
            storePixel(target, std::int32_t(x), std::int32_t(y),
                       (w0 * v0.r + w1 * v1.r + w2 * v2.r) / total,
                       (w0 * v0.g + w1 * v1.g + w2 * v2.g) / total,
                       (w0 * v0.b + w1 * v1.b + w2 * v2.b) / total);
        }
    }
}

} // namespace

bool GradientRect(TDeviceContext& dc, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2, ColorRef colour1, ColorRef colour2, std::int32_t angle) {
    const auto channel = [](ColorRef c, int shift) { return (c.value >> shift) & 0xFFu; };
    const std::uint32_t r1 = channel(colour1, 0), g1 = channel(colour1, 8),
                        b1 = channel(colour1, 16);
    const std::uint32_t r2 = channel(colour2, 0), g2 = channel(colour2, 8),
                        b2 = channel(colour2, 16);
    const std::uint32_t rm = (r1 + r2) >> 1, gm = (g1 + g2) >> 1, bm = (b1 + b2) >> 1;
    const DevicePoint p1 = dc.LPtoDP({x1, y1}), p2 = dc.LPtoDP({x2, y2});
    const DevicePoint p3 = dc.LPtoDP({x1, y2}), p4 = dc.LPtoDP({x2, y1});

    GradientVertex v[4] = {vertexOf(p1, r1, g1, b1), vertexOf(p2, r2, g2, b2),
                           vertexOf(p3, rm, gm, bm), vertexOf(p4, rm, gm, bm)};
    switch (angle % 180) {
    case 0: fillGradientRect(dc, v[0], v[1], false); return true;
    case 90: fillGradientRect(dc, v[0], v[1], true); return true;
    case 135:
        // Corners move, colours stay: colour1 at the top right, colour2 at the bottom left.
        v[0] = vertexOf(p4, r1, g1, b1);
        v[1] = vertexOf(p3, r2, g2, b2);
        v[2] = vertexOf(p2, rm, gm, bm);
        v[3] = vertexOf(p1, rm, gm, bm);
        [[fallthrough]];
    case 45:
        fillGradientTriangle(dc, v[0], v[1], v[2]);
        fillGradientTriangle(dc, v[0], v[1], v[3]);
        return true;
    default: return false;
    }
}

void RoundGradientRect(TDeviceContext& dc, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2, std::int32_t corner, std::int32_t inset, ColorRef colour1,
                       ColorRef colour2) {
    for (std::int32_t k = 0; k <= 1; ++k) {
        const std::int32_t d = inset * k;
        const DevicePoint p0 = dc.LPtoDP({x1 + d, y1 + d});
        const DevicePoint p1 = dc.LPtoDP({x2 - d, y2 - d});
        const DevicePoint p2 = dc.LPtoDP({x1 + d + corner, y1 + d + corner});
        dc.SelectRoundRectClip(p0, p1, p2.x - p0.x, p2.y - p0.y);
        GradientRect(dc, x1 + d, y1 + d, x2 - d, y2 - d, k == 0 ? colour1 : colour2,
                     k == 0 ? colour2 : colour1, 45);
    }
}

void CursorOffset(std::int32_t& x, std::int32_t& y, std::int32_t left, std::int32_t top) {
    const platform::ScreenPoint p = platform::CursorPos();
    x = p.x - left;
    y = p.y - top;
}

} // namespace harvesta
