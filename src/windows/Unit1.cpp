#include "windows/Unit1.h"

#include "adapters/DesignedColours.h"
#include "adapters/GraphicsTransfer.h"
#include "adapters/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <optional>

namespace harvesta {

namespace {

constexpr int kClientWidth = 832;
constexpr int kClientHeight = 479;
constexpr int kPanel1Height = 41;
constexpr int kPaintHeight = kClientHeight - kPanel1Height; // 438
constexpr int kImageWidth = 280;
constexpr int kImageHeight = 105;

// The paint box: its paint event is the form's pbMainPaint.
class TPaintBox : public QWidget {
  public:
    explicit TPaintBox(TForm1* form) : QWidget(form), form_(form) {
        // pbMainPaint covers every pixel, so Qt need not erase first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        form_->pbMainPaint(painter);
    }

  private:
    TForm1* form_;
};

// How much of the ink a channel value on white shows: 0 for white, 255 for the ink itself.
int inkCoverage(int value, int ink) {
    if (ink >= 255) return 0;
    return std::clamp((255 - value) * 255 / (255 - ink), 0, 255);
}

} // namespace

TForm1::TImage::TImage(QWidget* parent, int left, int top) : QWidget(parent) {
    setGeometry(left, top, kImageWidth, kImageHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TForm1::TImage::SetPicture(const QImage& picture, QColor ink) {
    picture_ = picture;
    shown_ = QImage();
    if (!picture.isNull()) {
        // The picture is ink on white: each pixel becomes the ink at the coverage its
        // channels show, so white is see-through and letter edges stay smooth.
        const QImage source = picture.convertToFormat(QImage::Format_RGB32);
        shown_ = QImage(source.size(), QImage::Format_ARGB32_Premultiplied);
        const int ir = ink.red(), ig = ink.green(), ib = ink.blue();
        for (int y = 0; y < source.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                const int a =
                    std::max({inkCoverage(qRed(in[x]), ir), inkCoverage(qGreen(in[x]), ig),
                              inkCoverage(qBlue(in[x]), ib)});
                out[x] = qRgba(ir * a / 255, ig * a / 255, ib * a / 255, a);
            }
        }
    }
    update();
}

void TForm1::TImage::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter painter(this);
    const SmoothAtFractionalScale smooth(painter);
    painter.drawImage(0, 0, shown_);
}

TForm1::TForm1(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("Form1");
    setFixedSize(kClientWidth, kClientHeight);
    platform::UseDesignedColours(*this, Qt::white);
    setAutoFillBackground(true);

    fontColor_ = palette().color(QPalette::WindowText);
    QFont courier("Courier");
    courier.setBold(true);
    courier.setPixelSize(20);
    setFont(courier);
    FontDialog1.Font = QFont("Tahoma", 8);
    FontDialog1.Color = fontColor_;

    // Creation order is stacking order: later controls lie on top.
    pbMain = new TPaintBox(this);
    pbMain->setObjectName("pbMain");
    pbMain->setGeometry(0, 0, kClientWidth, kPaintHeight);
    Image1 = new TImage(this, -3, 332);
    Image2 = new TImage(this, 133, 332);
    Image3 = new TImage(this, 269, 332);
    imgEmpty = new TImage(this, 501, 333);
    Image4 = new TImage(this, 357, 116);
    Image5 = new TImage(this, 277, 340);
    Image6 = new TImage(this, 5, 340);
    Image1->setObjectName("Image1");
    Image2->setObjectName("Image2");
    Image3->setObjectName("Image3");
    imgEmpty->setObjectName("imgEmpty");
    Image4->setObjectName("Image4");
    Image5->setObjectName("Image5");
    Image6->setObjectName("Image6");

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, kPaintHeight, kClientWidth, kPanel1Height);
    QPalette face = Panel1->palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Button));
    Panel1->setPalette(face);
    Panel1->setAutoFillBackground(true);
    // The buttons keep the application's font: the window's font grows to 36 points, which
    // would not fit them.
    QFont buttonFont = QApplication::font();
    buttonFont.setResolveMask(QFont::AllPropertiesResolved);
    Panel1->setFont(buttonFont);
    Button1 = new QPushButton(QCoreApplication::translate("TForm1", "New font"), Panel1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 8, 145, 25);
    Button2 = new QPushButton(QCoreApplication::translate("TForm1", "Close"), Panel1);
    Button2->setObjectName("Button2");
    Button2->setGeometry(472, 6, 161, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TForm1::EnsurePanelPicture() {
    if (offscreen_) return;
    offscreen_ =
        std::make_unique<TGraphicsEx>(kClientWidth, kPaintHeight, MakeBgrColor(255, 255, 255));
    dc_ = std::make_unique<TDeviceContext>(offscreen_->Picture);
    transfer_ = std::make_unique<TScreenTransfer>(*offscreen_);
}

void TForm1::showEvent(QShowEvent* event) {
    EnsurePanelPicture();
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.x() + (desktop.width() - width()) / 2,
             desktop.y() + (desktop.height() - height()) / 2);
    }
}

void TForm1::DrawPanels() {
    const ColorRef tabFirst = MakeColorRef(5, 255, 240);
    // The header band follows the client width.
    RoundGradientRect(*dc_, 0, 0, width() - 5, 60, 5, 5, MakeColorRef(5, 255, 1),
                      MakeColorRef(143, 64, 53));
    for (int i = 0; i < 4; ++i)
        RoundGradientRect(*dc_, 23 + 160 * i, 10, 163 + 160 * i, 50, 6, 6, tabFirst,
                          MakeColorRef(143, 79, 53));
    RoundGradientRect(*dc_, 663, 10, 803, 50, 6, 6, MakeColorRef(255, 0, 0),
                      MakeColorRef(255, 192, 32));
    RoundGradientRect(*dc_, 200, 100, 550, 180, 15, 15, tabFirst, MakeColorRef(143, 143, 53));
    // The gradient routine leaves the last inner area as clip.
    dc_->ResetClip();
}

void TForm1::pbMainPaint(QPainter& canvas) {
    EnsurePanelPicture();
    DrawPanels();
    transfer_->Draw(canvas);
    if (Image1Tag != 0) return; // the picture controls repaint themselves

    DrawCaption(Image1, QStringLiteral("Главная"), 28, 5);
    DrawCaption(Image2, QStringLiteral("Скринсшот"), 178, 5);
    DrawCaption(Image3, QStringLiteral("Скачать"), 353, 5);
    DrawCaption(Image5, QStringLiteral("Истории"), 513, 5);
    DrawCaption(Image6, QStringLiteral("Связь"), 683, 5);

    // The window's own font; its colour stays. No such face is installed: font matching
    // picks one of this size and style.
    QFont gameOver = font();
    gameOver.setFamily("Comic Suns MS");
    gameOver.setPointSize(36);
    gameOver.setBold(true);
    gameOver.setItalic(true);
    gameOver.setUnderline(false);
    gameOver.setStrikeOut(false);
    setFont(gameOver);
    DrawCaption(Image4, QCoreApplication::translate("TForm1", "Game over!"), 225, 98);
    Image1Tag = 1;
}

void TForm1::DrawCaption(TImage* image, const QString& text, int left, int top) {
    ++captionsDrawn_;
    image->SetPicture(imgEmpty->Picture());
    QImage picture = image->Picture();
    if (picture.isNull()) {
        // 280 x 105, grown when the font needs more: a caption is never cut off.
        const QFontMetrics metrics = fontMetrics();
        const int textWidth =
            std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
        const QSize size(std::max(kImageWidth, 15 + textWidth + 2),
                         std::max(kImageHeight, 15 + metrics.height() + 2));
        picture = QImage(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    // Points become pixels as they do on the window.
    picture.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    picture.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    {
        QPainter painter(&picture);
        painter.setFont(font());
        painter.setPen(fontColor_);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        // (15, 15) is the top-left of the text's cell.
        painter.drawText(QPointF(15, 15 + painter.fontMetrics().ascent()), text);
    }
    image->SetPicture(picture, fontColor_);
    image->setGeometry(left, top, picture.width(), picture.height());
}

void TForm1::Button1Click() {
    FontDialog1.Font = font();
    FontDialog1.Color = fontColor_;
    const std::optional<QFont> chosen = platform::ChooseFont(FontDialog1.Font, this);
    if (!chosen) return;
    FontDialog1.Font = *chosen;
    setFont(*chosen);
    fontColor_ = FontDialog1.Color;
    Image1Tag = 0;
    repaint();
}

void TForm1::Button2Click() {
    close();
}

} // namespace harvesta
