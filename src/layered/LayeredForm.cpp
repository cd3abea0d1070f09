#include "layered/LayeredForm.h"

#include "adapters/DesignedColours.h"
#include "adapters/DesignedFonts.h"
#include "adapters/WindowSystem.h"
#include "imaging/SetupFunctions.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace harvesta {

void TAppCursor::Set(Qt::CursorShape shape) {
    if (shape == Qt::ArrowCursor) {
        if (overriding_) QApplication::restoreOverrideCursor();
        overriding_ = false;
    } else if (overriding_) {
        QApplication::changeOverrideCursor(QCursor(shape));
    } else {
        QApplication::setOverrideCursor(QCursor(shape));
        overriding_ = true;
    }
}

TLayeredForm::TLayeredForm(QWidget* mainWindow, const Face& face)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
    setModal(true);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Where the mask does not cut the window on the screen, its rounded corners are made
    // see-through by each paint.
    seeThroughCorners_ = !platform::MaskCutsWindow();
    if (seeThroughCorners_) setAttribute(Qt::WA_TranslucentBackground);
    platform::UseDesignedColours(*this, face.colour);
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(platform::FaceForDevicePixelRatio(font, devicePixelRatioF()));

    // Both sizes become multiples of 4, as the screen transfer's rows need.
    const int width = face.layoutSize.width() & 0xFFFC;
    const int height = face.layoutSize.height() & 0xFFFC;
    setFixedSize(width, height);

    btnOk = new QPushButton(this);
    btnOk->setObjectName("btnOk");
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    TakeOwnMouseEvents(btnOk);

    mainTimer = new QTimer(this);
    mainTimer->setObjectName("mainTimer");
    mainTimer->setInterval(200);
    connect(mainTimer, &QTimer::timeout, this, [this] { mainTimerTimer(); });

    Picture_ = std::make_unique<TGraphicsEx>(width, height, face.fill);
    Layers_ = std::make_unique<TListOfLayers>(Images_);
    Layers_->AddPanelLayer(0, 0, width, height);
    Layers_->AddPictureLayer(face.picturePlace.x(), face.picturePlace.y(),
                             Images_.LoadImage(face.pictureName), face.pictureMode, 1);
    Layers_->AddRegionLayer(0, 0, width, height, kDragAreaId);
    closeButton_ = Layers_->AddButtonLayer(width - 34, 11, "stop_gray", "stop", "", kCloseButtonId);
    BuildShape();
    RenderLayers(Picture_->Picture, *Layers_);
    DrawOutline();

    screen_ = std::make_unique<TScreenTransfer>(*Picture_);
}

void TLayeredForm::BuildShape() {
    // A rectangle with corners rounded by a 30 x 30 ellipse, row by row as the compositing
    // library's rounded clip has it. The outline is made of the same rows: the pixels of the
    // shape that touch one outside it, so no pixel of the face shows beyond the outline.
    // The shape is the window's size; the picture is only the surface the clip measures.
    TDeviceContext dc(Picture_->Picture);
    dc.SelectRoundRectClip({0, 0}, {width(), height()}, 30, 30);
    const auto span = [&](int y) {
        std::int32_t from = 0, to = 0;
        dc.VisibleSpan(y, from, to);
        return std::pair{int(from), int(to)};
    };
    for (int y = 0; y < height(); ++y) {
        const auto [from, to] = span(y);
        if (from >= to) continue;
        Shape_ += QRect(from, y, to - from, 1);
        const auto [aboveFrom, aboveTo] = span(y - 1);
        const auto [belowFrom, belowTo] = span(y + 1);
        const int innerFrom = std::max({from + 1, aboveFrom, belowFrom});
        const int innerTo = std::min({to - 1, aboveTo, belowTo});
        if (innerFrom >= innerTo) {
            Outline_ += QRect(from, y, to - from, 1);
        } else {
            Outline_ += QRect(from, y, innerFrom - from, 1);
            Outline_ += QRect(innerTo, y, to - innerTo, 1);
        }
    }
    Corners_ = QRegion(0, 0, width(), height()) - Shape_;
}

TLayeredForm::~TLayeredForm() = default;

void TLayeredForm::TakeOwnMouseEvents(QWidget* control) {
    control->installEventFilter(this);
}

bool TLayeredForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // The control handles the event itself and keeps it: an event left unaccepted goes on
        // to the window, and a press on a label would start a drag.
        if (watched != btnOk) {
            watched->event(event);
            event->accept();
            return true;
        }
        return false;
    default: return QDialog::eventFilter(watched, event);
    }
}

QPoint TLayeredForm::ScreenTopLeft() const {
    return mapToGlobal(QPoint(0, 0));
}

bool TLayeredForm::IsButton(const TLayer* layer) const {
    return layer && (layer->Flags & lfButton) != 0;
}

void TLayeredForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TLayeredForm::FormShow() {
    // The first show centres the window over the main window, never above or left of the
    // desktop's origin; later shows open it where it was left.
    if (!shownBefore_ && mainWindow_) {
        const QRect main = mainWindow_->frameGeometry();
        const QRect desk = QGuiApplication::primaryScreen()
                               ? QGuiApplication::primaryScreen()->virtualGeometry()
                               : QRect();
        move(std::max(desk.left(), main.left() + (main.width() - width()) / 2),
             std::max(desk.top(), main.top() + (main.height() - height()) / 2));
    }
    shownBefore_ = true;

    setMask(Shape_);
}

void TLayeredForm::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    FormPaint(canvas);
}

void TLayeredForm::FormPaint(QPainter& canvas) {
    if (Recompose_) {
        RenderLayers(Picture_->Picture, *Layers_);
        DrawOutline();
    }
    screen_->Draw(canvas);
    if (seeThroughCorners_) {
        canvas.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& corner : Corners_)
            canvas.fillRect(corner, Qt::transparent);
        canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void TLayeredForm::DrawOutline() {
    // Straight into the composed picture: a few byte runs, where drawing them through the
    // painter onto the screen's surface cost several times the transfer itself.
    TRGBPicture& picture = Picture_->Picture;
    for (const QRect& edge : Outline_)
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            std::memset(picture.Row(y) + 3 * edge.left(), 0, std::size_t(3 * edge.width()));
}

void TLayeredForm::SetLayerStateAndRecompose(TLayer* layer, std::int32_t state) {
    SetLayerState(layer, state, Images_);
    Recompose_ = true;
    update();
}

void TLayeredForm::LeaveLayer(TLayer* layer) {
    if (!layer) return;
    if (IsButton(layer)) SetLayerState(layer, lsNormal, Images_);
    cursor_.Set(Qt::ArrowCursor);
    mainTimer->stop();
}

void TLayeredForm::EnterLayer(TLayer* layer) {
    if (!layer) return;
    if (IsButton(layer)) {
        SetLayerState(layer, lsHover, Images_);
        if (layer->Id != kDragAreaId) cursor_.Set(Qt::PointingHandCursor);
    }
    mainTimer->start();
}

void TLayeredForm::ActivateLayer(TLayer* layer) {
    if (layer && layer->Id == kCloseButtonId) close();
}

void TLayeredForm::FormMouseDown(Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
    if (!(buttons & Qt::LeftButton)) return;
    LastCursor = at + ScreenTopLeft();
    mainTimer->stop();
    PressedLayer_ = Layers_->LayerAt(at.x(), at.y(), false);
    if (IsButton(PressedLayer_)) {
        SetLayerState(PressedLayer_, lsPressed, Images_);
        // A press on the drag area has no picture to show.
        Recompose_ = PressedLayer_->ImageIndex != -1;
        if (Recompose_) update();
    }
}

void TLayeredForm::FormMouseMove(Qt::MouseButtons buttons, QPoint at) {
    if (IsButton(PressedLayer_)) {
        if (PressedLayer_->Id == kDragAreaId) {
            DragStep();
            return;
        }
        const bool over = Layers_->LayerAt(at.x(), at.y(), false) == PressedLayer_;
        const std::int32_t wanted = over ? lsPressed : lsNormal;
        if (wanted != PressedLayer_->State) {
            SetLayerStateAndRecompose(PressedLayer_, wanted);
            cursor_.Set(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    }
    if (buttons & Qt::LeftButton) return;
    TLayer* hit = Layers_->LayerAt(at.x(), at.y(), false);
    if (hit == HoverLayer_) return;
    LeaveLayer(HoverLayer_);
    EnterLayer(hit);
    Recompose_ = true;
    update();
    HoverLayer_ = hit;
}

void TLayeredForm::FormMouseUp(Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
    if (!PressedLayer_ || (buttons & Qt::LeftButton) || !IsButton(PressedLayer_)) return;
    TLayer* pressed = std::exchange(PressedLayer_, nullptr);
    if (Layers_->LayerAt(at.x(), at.y(), false) == pressed) {
        ActivateLayer(pressed);
        EnterLayer(pressed);
        HoverLayer_ = pressed;
    }
}

void TLayeredForm::DragStep() {
    // Where the window cannot place itself (Wayland) the compositor moves it until the button
    // is released; the press ends here, as the release may never reach the window.
    if (windowHandle() && platform::StartSystemMove(*windowHandle())) {
        PressedLayer_ = nullptr;
        return;
    }
    // The tag guards against a move that arrives while the window is being moved: that one
    // only records the position.
    ++tag_;
    const platform::ScreenPoint p = platform::CursorPos();
    if (tag_ != 2) {
        tag_ = 1;
        move(x() + p.x - LastCursor.x(), y() + p.y - LastCursor.y());
        tag_ = 0;
    }
    LastCursor = QPoint(p.x, p.y);
}

void TLayeredForm::mainTimerTimer() {
    std::int32_t cx = 0, cy = 0;
    const QPoint topLeft = ScreenTopLeft();
    CursorOffset(cx, cy, topLeft.x(), topLeft.y());
    if (Layers_->LayerAt(cx, cy, false) == HoverLayer_) return;
    LeaveLayer(HoverLayer_);
    if (IsButton(HoverLayer_)) {
        Recompose_ = true;
        update();
    }
    mainTimer->stop();
    HoverLayer_ = nullptr;
}

void TLayeredForm::FormKeyDown(int key) {
    if (key == 27) btnOk->click();
}

void TLayeredForm::btnOkClick() {
    close();
}

void TLayeredForm::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->button(), event->buttons(), event->position().toPoint());
}

void TLayeredForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->buttons(), event->position().toPoint());
}

void TLayeredForm::mouseReleaseEvent(QMouseEvent* event) {
    FormMouseUp(event->button(), event->buttons(), event->position().toPoint());
}

void TLayeredForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        FormKeyDown(27);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace harvesta
