#pragma once
// The font preview window: the game's gradient panels with five tab captions in a font the
// user picks, and "Game over!" in the large panel. Reached only through the main window's
// hidden "Form" item; created once, then shown and hidden.

#include "adapters/GraphicsTransfer.h"
#include "imaging/SetupFunctions.h"
#include "imaging/VcGraphics.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QPainter;
class QPushButton;

namespace harvesta {

class TForm1 : public QDialog {
  public:
    // A picture control: shows its picture with white see-through. Without a picture it
    // shows nothing. Given the ink the picture was written in, the letters' smoothed edges
    // blend into what lies below instead of leaving a pale fringe.
    class TImage : public QWidget {
      public:
        TImage(QWidget* parent, int left, int top);

        // A null picture clears the control.
        void SetPicture(const QImage& picture, QColor ink = Qt::black);
        const QImage& Picture() const { return picture_; }
        const QImage& Shown() const { return shown_; }

      protected:
        void paintEvent(QPaintEvent* event) override;

      private:
        QImage picture_; // as drawn, white background
        QImage shown_;   // the same with white made see-through, prepared once per picture
    };

    // Qt's font dialog has no colour choice, so the colour travels beside the font here, as
    // part of the dialog's state: whoever answers platform::ChooseFont (a test standing in
    // for the user, or a richer dialog) may set Color while it runs.
    struct TFontDialog {
        QFont Font;
        QColor Color;
    };

    explicit TForm1(QWidget* parent = nullptr);

    QWidget* pbMain = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* imgEmpty = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    TFontDialog FontDialog1;

    // 0: the next paint draws the captions; 1: they are in place.
    std::int32_t Image1Tag = 0;

    // The colour of the window's font (QFont carries none).
    QColor FontColor() const { return fontColor_; }
    // How many captions have been drawn since the window was created.
    int CaptionsDrawn() const { return captionsDrawn_; }
    // The off-screen picture the panels are drawn on, and its drawing surface.
    const TRGBPicture& PanelPicture() const { return offscreen_->Picture; }
    const TDeviceContext& PanelContext() const { return *dc_; }

    void pbMainPaint(QPainter& canvas);
    void Button1Click();
    void Button2Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The window is rarely shown, so its picture is made when it first is, not at start-up.
    void EnsurePanelPicture();
    void DrawPanels();
    void DrawCaption(TImage* image, const QString& text, int left, int top);

    std::unique_ptr<TGraphicsEx> offscreen_;
    std::unique_ptr<TDeviceContext> dc_;
    std::unique_ptr<TScreenTransfer> transfer_;
    QColor fontColor_;
    int captionsDrawn_ = 0;
};

} // namespace harvesta
