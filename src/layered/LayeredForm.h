#pragma once
// The borderless dialog with a composed face that the best scores and about windows share:
// a stack of layers (a framed panel, a picture, an invisible drag area and a close button)
// rendered off screen, a rounded outline, hover and press tracking on the close button,
// dragging by any free spot, and a 200 ms watchdog that resets the hover state when the
// pointer leaves without a mouse move reaching the window.

#include "adapters/GraphicsTransfer.h"
#include "imaging/ImageLib.h"
#include "imaging/VcGraphics.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <memory>
#include <string_view>

class QPushButton;
class QTimer;

namespace harvesta {

// Layer identifiers the windows give their layers.
inline constexpr std::int32_t kCloseButtonId = 3;
inline constexpr std::int32_t kDragAreaId = 25;

// Owns one application-wide override cursor at a time and gives it back when it goes.
class TAppCursor {
  public:
    TAppCursor() = default;
    ~TAppCursor() { Set(Qt::ArrowCursor); }
    TAppCursor(const TAppCursor&) = delete;
    TAppCursor& operator=(const TAppCursor&) = delete;
    // The arrow means the default cursor: the override is given back.
    void Set(Qt::CursorShape shape);

  private:
    bool overriding_ = false;
};

class TLayeredForm : public QDialog {
  public:
    // What the two windows' faces differ in.
    struct Face {
        QSize layoutSize;         // cut to multiples of 4 at creation
        QColor colour;            // the window colour behind the labels
        BgrColor fill;            // the off-screen picture's colour before the first render
        const char* pictureName;  // the picture layer
        std::int32_t pictureMode; // dmKey or dmCopy
        QPoint picturePlace;
    };

    TLayeredForm(QWidget* mainWindow, const Face& face);
    ~TLayeredForm() override;

    QPushButton* btnOk = nullptr;
    QTimer* mainTimer = nullptr;

    // Handlers named after the events; the Qt overrides forward to them with window
    // coordinates, so tests can call them directly too.
    void FormMouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
    void FormMouseMove(Qt::MouseButtons buttons, QPoint at);
    void FormMouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
    void FormKeyDown(int key);
    void btnOkClick();
    void mainTimerTimer();
    void FormPaint(QPainter& canvas);

    void LeaveLayer(TLayer* layer);
    void EnterLayer(TLayer* layer);
    void ActivateLayer(TLayer* layer);

    const TGraphicsEx& Picture() const { return *Picture_; }
    const TListOfImages& Images() const { return Images_; }
    TListOfLayers& Layers() { return *Layers_; }
    TLayer* PressedLayer() const { return PressedLayer_; }
    TLayer* HoverLayer() const { return HoverLayer_; }
    bool Recompose() const { return Recompose_; }
    TLayer* CloseButton() const { return closeButton_; }
    // The window's integer tag: the drag guard counter.
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Controls that take their own mouse events, so a press on them starts no drag.
    void TakeOwnMouseEvents(QWidget* control);

  private:
    void FormShow();
    void BuildShape();
    void DrawOutline();
    void DragStep();
    bool IsButton(const TLayer* layer) const;
    void SetLayerStateAndRecompose(TLayer* layer, std::int32_t state);
    QPoint ScreenTopLeft() const;

    QWidget* mainWindow_;
    std::unique_ptr<TGraphicsEx> Picture_;
    TListOfImages Images_;
    std::unique_ptr<TListOfLayers> Layers_;
    TLayer* PressedLayer_ = nullptr;
    TLayer* HoverLayer_ = nullptr;
    TLayer* closeButton_ = nullptr;
    bool Recompose_ = false;
    QPoint LastCursor;
    int tag_ = 0;
    bool shownBefore_ = false;
    std::unique_ptr<TScreenTransfer> screen_;
    QRegion Shape_;                  // the window's mask
    QRegion Outline_;                // the edge pixels of Shape_, black in the composed picture
    QRegion Corners_;                // the window's rectangle outside Shape_
    bool seeThroughCorners_ = false; // the shape shows by see-through corners, not by the mask
    TAppCursor cursor_;
};

} // namespace harvesta
