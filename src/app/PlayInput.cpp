// Play without a keyboard: the board under the mouse and the finger, and game controllers.
// Both act through the key handler, so every rule of the keys holds for them too.

#include "app/main.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QTouchEvent>

namespace harvesta {

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnPointer)
        OnPointer(TPointerPhase::Press, event->position());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && OnPointer)
        OnPointer(TPointerPhase::Move, event->position());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnPointer)
        OnPointer(TPointerPhase::Release, event->position());
}

bool TPaintBox::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: break;
    default: return QWidget::event(event);
    }
    // The first finger down plays; others that join it are ignored until all have lifted.
    auto* touch = static_cast<QTouchEvent*>(event);
    event->accept();
    if (!OnPointer) return true;
    if (event->type() == QEvent::TouchCancel) {
        if (finger_ >= 0) OnPointer(TPointerPhase::Release, {});
        finger_ = -1;
        return true;
    }
    for (const QEventPoint& point : touch->points()) {
        if (finger_ < 0 && point.state() == QEventPoint::Pressed) {
            finger_ = point.id();
            OnPointer(TPointerPhase::Press, point.position());
        } else if (point.id() == finger_ && point.state() == QEventPoint::Released) {
            finger_ = -1;
            OnPointer(TPointerPhase::Release, point.position());
        } else if (point.id() == finger_ && point.state() == QEventPoint::Updated) {
            OnPointer(TPointerPhase::Move, point.position());
        }
    }
    if (event->type() == QEvent::TouchEnd && finger_ >= 0) {
        finger_ = -1;
        OnPointer(TPointerPhase::Release, {});
    }
    return true;
}

void THarvestaForm::BuildPlayInput() {
    pbMain->setAttribute(Qt::WA_AcceptTouchEvents);
    pbMain->OnPointer = [this](TPointerPhase phase, QPointF at) { pbMainPointer(phase, at); };
    pointerRepeat_ = new QTimer(this);
    pointerRepeat_->setObjectName("pointerRepeatTimer");
    connect(pointerRepeat_, &QTimer::timeout, this, [this] { pointerRepeatTimerTimer(); });
}

int THarvestaForm::BoardKeyAt(QPointF at) const {
    // The falling piece's cells as drawn: the smallest box around them.
    const THarvestaEngine& engine = *FEngine;
    QRect piece;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (engine.Piece[i][j])
                piece |= BoardCellRect(engine.PosX + i - 2, engine.PosY + j - 1);
    if (piece.isNull()) return 0;
    if (at.x() < piece.left()) return vk::Left;
    if (at.x() >= piece.left() + piece.width()) return vk::Right;
    if (at.y() >= piece.top() + piece.height()) return vk::Down;
    return vk::Up;
}

void THarvestaForm::pbMainPointer(TPointerPhase phase, QPointF at) {
    pointerX_ = at.x();
    pointerY_ = at.y();
    if (phase == TPointerPhase::Release) {
        pointerKey_ = 0;
        pointerRepeat_->stop();
        return;
    }
    if (phase == TPointerPhase::Move) {
        // A swipe down moves the piece a row for every row the finger has travelled; the
        // press no longer repeats then, the finger leads.
        if (!pointerKey_ || FGameState != gsPlaying) return;
        const int row = pbMain->width() / (ColCount - 2);
        while (at.y() - swipeFromY_ >= row) {
            swipeFromY_ += row;
            pointerKey_ = vk::Down;
            pointerRepeat_->stop();
            FormKeyDown(this, vk::Down);
            if (FGameState != gsPlaying) return;
        }
        return;
    }
    pointerKey_ = 0;
    pointerRepeat_->stop();
    swipeFromY_ = at.y();
    switch (FGameState) {
    case gsNotStarted:
    case gsGameOver: FormKeyDown(this, vk::S); return;
    case gsPaused: FormKeyDown(this, vk::P); return;
    case gsPlaying: break;
    }
    const int key = BoardKeyAt(at);
    if (!key) return;
    pointerKey_ = key;
    pointerRepeat_->start(platform::HeldKeyRepeat().delayMs);
    FormKeyDown(this, key);
}

void THarvestaForm::pointerRepeatTimerTimer() {
    if (!pointerKey_ || FGameState != gsPlaying) {
        pointerKey_ = 0;
        pointerRepeat_->stop();
        return;
    }
    pointerRepeat_->start(platform::HeldKeyRepeat().intervalMs);
    // A held move brings the piece to the pointer, sideways and down, and waits there; it
    // follows again if the pointer moves on. A held turn turns while the pointer is on it.
    const int key = BoardKeyAt({pointerX_, pointerY_});
    if ((pointerKey_ == vk::Up) == (key == vk::Up)) FormKeyDown(this, key);
}

void THarvestaForm::StartGamePads() {
    if (gamePads_) return;
    gamePads_ = std::make_unique<platform::GamePads>(
        [this](platform::PadButton button) { GamePadCommand(button); },
        [this] { return FGameState == gsPlaying; });
    // Starting, pausing and resuming all go through the two menu items; the pads are read
    // every frame from the moment a game runs.
    for (QAction* item : {mnuStartGame, mnuPause})
        connect(item, &QAction::triggered, this, [this] { gamePads_->Reschedule(); });
}

void THarvestaForm::GamePadCommand(platform::PadButton button) {
    using platform::PadButton;
    // A window open over the game (the new-game question, the manual, the best scores) keeps
    // the game's keys from it; there the pad is its keyboard: A and Start accept, B and Back
    // close, the directional pad goes from button to button and scrolls.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        int key = 0;
        switch (button) {
        case PadButton::A:
        case PadButton::Start: key = Qt::Key_Return; break;
        case PadButton::B:
        case PadButton::Back: key = Qt::Key_Escape; break;
        case PadButton::Left: key = Qt::Key_Backtab; break;
        case PadButton::Right: key = Qt::Key_Tab; break;
        case PadButton::Up: key = Qt::Key_Up; break;
        case PadButton::Down: key = Qt::Key_Down; break;
        }
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QPointer<QWidget> alive(target);
        QApplication::sendEvent(target, &press);
        if (alive) QApplication::sendEvent(target, &release);
        return;
    }
    switch (button) {
    case PadButton::Left: FormKeyDown(this, vk::Left); break;
    case PadButton::Right: FormKeyDown(this, vk::Right); break;
    case PadButton::Down: FormKeyDown(this, vk::Down); break;
    case PadButton::Up:
    case PadButton::A:
    case PadButton::B: FormKeyDown(this, vk::Up); break;
    case PadButton::Start: FormKeyDown(this, vk::S); break;
    case PadButton::Back: FormKeyDown(this, vk::P); break;
    }
}

} // namespace harvesta
