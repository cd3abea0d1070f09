#pragma once
// Counts the paint events a widget receives, to tell whether a change asked for a repaint.

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace harvesta::checks {

class PaintCounter : public QObject {
  public:
    // Delivers what is pending first, so only paints asked for later are counted.
    explicit PaintCounter(QWidget& widget) {
        QApplication::processEvents();
        widget.installEventFilter(this);
    }
    // The paints delivered so far, after delivering what is pending.
    int Paints() {
        QApplication::processEvents();
        return paints_;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_;
        return false;
    }

  private:
    int paints_ = 0;
};

} // namespace harvesta::checks
