// The floor for start-up figures: a Qt Widgets window of the main window's size that paints
// itself white and shows one line of text, as the least window a person can read does. The
// text makes it load the font database, as every window with a caption or a menu must.

#include "adapters/StartupReport.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace {
class Surface : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::white); }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Surface window;
    window.setWindowTitle("Minimal");
    window.resize(814, 868);
    auto* text = new QLabel("Minimal", &window);
    text->move(10, 10);
    harvesta::platform::AfterFirstFrame(&window, {});
    window.show();
    return QApplication::exec();
}
