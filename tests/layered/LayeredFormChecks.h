#pragma once
// Checks that both borderless windows (best scores and about) must pass: pointer work on a
// label never moves the window, and the outline covers the edge of the window's shape.

#include "imaging/ImageProcessing.h"
#include "imaging/VcGraphics.h"
#include "platform/Platform.h"
#include "layered/LayeredForm.h"

#include <QtTest>

namespace harvesta::checks {

// The pixels that a corner ellipse of 30 x 30 cuts off each corner of the window's rectangle.
inline constexpr int kCornerPixels = 46;

// Presses the left button at `from` (in `target`'s coordinates), moves by `by` and releases,
// through the window system as a user's pointer would; the cursor follows the pointer.
inline void DragWithThePointer(QWidget* target, QPoint from, QPoint by) {
    QWindow* handle = target->window()->windowHandle();
    QVERIFY(handle);
    // The pointer moves on the screen; the window may move under it.
    const QPoint start = target->mapToGlobal(from);
    platform::ScreenPoint cursor{start.x(), start.y()};
    platform::ScopedCursorProvider provider([&] { return cursor; });
    QTest::mousePress(handle, Qt::LeftButton, {}, handle->mapFromGlobal(start));
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = start + by * step / 4;
        cursor = {at.x(), at.y()};
        QTest::mouseMove(handle, handle->mapFromGlobal(at));
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(start + by));
}

// A drag that starts on the control leaves the window where it was.
inline void ControlKeepsTheWindowStill(TLayeredForm& form, QWidget* control) {
    const QPoint before = form.pos();
    DragWithThePointer(control, QPoint(2, 2), QPoint(40, 25));
    const QString name =
        control->objectName().isEmpty()
            ? QString("the control at (%1, %2)").arg(control->x()).arg(control->y())
            : control->objectName();
    QVERIFY2(form.pos() == before, qPrintable(name + " moved the window"));
    QCOMPARE(form.PressedLayer(), nullptr);
}

// Every pixel of the window's shape that touches one outside it is painted black, all the
// way round and so at all four rounded corners: no pixel of the face shows beyond the outline.
inline void OutlineCoversTheShapeEdge(QWidget& window) {
    const int w = window.width(), h = window.height();
    std::vector<bool> inShape(std::size_t(w * h));
    for (const QRect& r : window.mask())
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                inShape[std::size_t(y * w + x)] = true;
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && inShape[std::size_t(y * w + x)];
    };
    QVERIFY(!in(0, 0) && !in(w - 1, 0) && !in(0, h - 1) && !in(w - 1, h - 1)); // rounded off
    const QImage face = window.grab().toImage();
    int edgePixels = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!in(x, y) || (in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1)))
                continue;
            ++edgePixels;
            QVERIFY2(
                face.pixel(x, y) == qRgb(0, 0, 0),
                qPrintable(QString("the face shows at the edge pixel (%1, %2)").arg(x).arg(y)));
        }
    QVERIFY(edgePixels >= 2 * (w + h) - 8 * 15);
    // The outline is one pixel wide along the straight edges.
    for (const QPoint inside :
         {QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, 1), QPoint(w / 2, h - 2)})
        QVERIFY2(
            face.pixel(inside) != qRgb(0, 0, 0),
            qPrintable(QString("the outline reaches (%1, %2)").arg(inside.x()).arg(inside.y())));
    // Each corner is rounded off by a 30 x 30 ellipse: the same count of pixels at all four.
    const QRegion cut = QRegion(0, 0, w, h) - window.mask();
    for (const QRect corner : {QRect(0, 0, 15, 15), QRect(w - 15, 0, 15, 15),
                               QRect(0, h - 15, 15, 15), QRect(w - 15, h - 15, 15, 15)}) {
        int pixels = 0;
        for (const QRect& r : cut.intersected(corner))
            pixels += r.width() * r.height();
        QCOMPARE(pixels, kCornerPixels);
    }
}

// The outline blackens the shape's edge pixels and nothing else: every other pixel of the
// composed face is what the layers alone give.
inline void OutlineTouchesOnlyTheEdge(TLayeredForm& window) {
    const int w = window.width(), h = window.height();
    TGraphicsEx layersOnly(w, h);
    RenderLayers(layersOnly.Picture, window.Layers());
    const QRegion shape = window.mask();
    const auto edge = [&](int x, int y) {
        return !shape.contains(QPoint(x - 1, y)) || !shape.contains(QPoint(x + 1, y)) ||
               !shape.contains(QPoint(x, y - 1)) || !shape.contains(QPoint(x, y + 1));
    };
    const TRGBPicture& face = window.Picture().Picture;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (shape.contains(QPoint(x, y)) && !edge(x, y))
                QVERIFY2(PixelAt(face, x + 1, y + 1) == PixelAt(layersOnly.Picture, x + 1, y + 1),
                         qPrintable(QString("the outline reaches (%1, %2)").arg(x).arg(y)));
}

} // namespace harvesta::checks
